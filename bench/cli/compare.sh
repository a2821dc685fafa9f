#!/usr/bin/env bash
# Throughput and memory of morvane-convert, side by side with a python3
# one-liner on the same files. Builds nothing and registers nothing in CTest.
#
#   bench/cli/compare.sh build/cli/morvane-convert [REPEATS]
#
# Generates in a temporary folder: a million amount lines, 100 MB of ASCII
# text and 100 MB of mixed-script text (Latin with accents, Greek, Cyrillic,
# Chinese, full-width and plain ASCII words). Prints amount lines/s, MB/s of
# every case mode against `sys.stdin.read().upper()` (best of REPEATS, 3 by
# default), and peak RSS (GNU time), also for 1 GiB streamed through a pipe.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
if [ ! -x /usr/bin/time ]; then
    echo "compare.sh measures memory with GNU time: apt-get install time" >&2
    exit 2
fi
binary=$(realpath "$1")
repeats=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files are made by a process of their own: a child inherits the peak
# memory of the process that starts it, so the one that measures stays small.
python3 - "$work" <<'PYTHON'
import random, sys

work = sys.argv[1]
MB = 1_000_000

def generate():
    rng = random.Random(7)
    amounts = ["6543219870.12", "0", "0.05", "1.05", "10", "101", "1010", "10203",
               "100020003", "1000010000", "20000000000", "1,234.5", "1,234,567.89", "12,34",
               "1.234,567", "12.345", "0.999", "99999999999.99", "99999999999.991",
               "100000000000", "", "abc", "1..2", " 12"]
    with open(f"{work}/amounts.txt", "w") as f:
        f.write("".join(rng.choice(amounts) + "\n" for _ in range(1_000_000)))
    ascii_line = "The quick brown fox jumps over the lazy dog. Pack MY box with 5 dozen jugs!\n"
    mixed_line = ("Ünïcödé École straße ΟΔΟΣ ΣΑ Москва ПРИВЕТ 中文字符转换 ｆｕｌｌ "
                  "and plain ASCII words.\n")
    for name, line in (("ascii", ascii_line), ("mixed", mixed_line)):
        unit = line.encode()
        with open(f"{work}/{name}.txt", "wb") as f:
            f.write(unit * (100 * MB // len(unit)))

generate()
PYTHON

exec python3 - "$binary" "$work" "$repeats" <<'PYTHON'
import os, subprocess, sys, time

binary, work, repeats = sys.argv[1], sys.argv[2], int(sys.argv[3])
MB = 1_000_000

def run(argv, stdin):
    """Wall time and peak RSS (KiB, from GNU time) of one run, output thrown away."""
    report = f"{work}/rusage"
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        status = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report] + argv,
                                stdin=stdin, stdout=null).returncode
        elapsed = time.perf_counter() - start
    if status not in (0, 1):
        sys.exit(f"{argv} failed with status {status}")
    with open(report) as f:
        return elapsed, int(f.read().split()[-1])

def best(argv, path):
    runs = []
    for _ in range(repeats):
        with open(path, "rb") as f:
            runs.append(run(argv, f))
    return min(t for t, _ in runs), max(r for _, r in runs)

python_upper = [sys.executable, "-c", "import sys; sys.stdout.write(sys.stdin.read().upper())"]

version = subprocess.run([binary, "--version"], capture_output=True, text=True).stdout.strip()
print(f"{version} ({binary}), best of {repeats}, files in {work}")
print()

seconds, rss = best([binary, "amount"], f"{work}/amounts.txt")
print(f"amount: 1000000 lines in {seconds:.3f} s = {1e6 / seconds / 1e6:.2f} M lines/s, "
      f"peak RSS {rss / 1024:.1f} MiB")
print()

sizes = {name: os.path.getsize(f"{work}/{name}.txt") for name in ("ascii", "mixed")}
print(f"{'100 MB of text':32} {'ascii MB/s':>11} {'mixed MB/s':>11} {'peak RSS MiB':>14}")
for label, argv in (("morvane-convert upper", [binary, "upper"]),
                    ("morvane-convert lower", [binary, "lower"]),
                    ("morvane-convert capitalize", [binary, "capitalize"]),
                    ("python3 sys.stdin.read().upper()", python_upper)):
    figures, peak = [], 0
    for name in ("ascii", "mixed"):
        seconds, rss = best(argv, f"{work}/{name}.txt")
        figures.append(sizes[name] / seconds / MB)
        peak = max(peak, rss)
    print(f"{label:32} {figures[0]:11.1f} {figures[1]:11.1f} {peak / 1024:14.1f}")
print()

# Far more than fits the bounds, streamed without a file, in whole lines.
gib = 1 << 30
for mode in ("amount", "upper"):
    line = "1,234,567.89" if mode == "amount" else "The quick brown fox ΟΔΟΣ Москва 中文字符"
    lines = gib // len(line.encode() + b"\n")
    source = subprocess.Popen(f"yes '{line}' | head -n {lines}", shell=True,
                              stdout=subprocess.PIPE)
    seconds, rss = run([binary, mode], source.stdout)
    source.stdout.close()
    source.wait()
    print(f"1 GiB through a pipe, {mode}: {lines * (len(line.encode()) + 1) / seconds / MB:.1f} MB/s, "
          f"peak RSS {rss / 1024:.1f} MiB")
PYTHON
