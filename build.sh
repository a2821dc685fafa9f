#!/usr/bin/env bash
# Sets up a Debian/Ubuntu machine, builds Morvane and runs it or its tests.
#
#   ./build.sh run     set up, build and start the program
#   ./build.sh test    set up, build and run every test (what CI runs)
#   ./build.sh setup   install the Debian packages only
#   ./build.sh build   set up and build only
#   ./build.sh package build the Debian package, install, check and remove it
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)

# Everything the build, the tests and the desktop check need, from Debian.
packages=(
    build-essential cmake pkg-config file dpkg-dev
    libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    qt6-base-dev qt6-translations-l10n libgl-dev
    fonts-wqy-microhei
    xvfb xauth openbox xdotool xclip imagemagick x11-utils
    help2man desktop-file-utils appstream time
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

setup() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j"$jobs"
}

# The core and the command line once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, without the window.
sanitized_tests() {
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMORVANE_BUILD_GUI=OFF \
        -DMORVANE_BUILD_BENCH=OFF -DMORVANE_SANITIZE=address,undefined >/dev/null
    cmake --build build-asan -j"$jobs"
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
}

# Each fuzz target briefly; the whole round stays within a minute.
fuzz() {
    CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_BUILD_GUI=OFF \
        -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF -DMORVANE_BUILD_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j"$jobs"
    local targets=(build-fuzz/fuzz/fuzz_*)
    local seconds=$((50 / ${#targets[@]}))
    for target in "${targets[@]}"; do
        echo "fuzzing $(basename "$target") for ${seconds}s"
        local corpus
        corpus=$(mktemp -d)
        "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 \
            "$corpus" "fuzz/corpus/$(basename "$target" | sed 's/^fuzz_//')" 2>&1 | tail -n 2
        rm -rf "$corpus"
    done
}

# Builds the Debian package, installs it as a user would, uses the installed
# tool and validates the desktop files, then removes it again.
package_check() {
    rm -f build/morvane_*.deb
    (cd build && cpack -G DEB >/dev/null)
    local deb
    deb=$(ls build/morvane_*.deb)
    echo "package: $deb"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
    local answer
    answer=$(/usr/bin/morvane-convert amount 1.05)
    [ "$answer" = "壹元伍分" ] || { echo "installed morvane-convert answered '$answer'"; return 1; }
    desktop-file-validate /usr/share/applications/org.morvane.Morvane.desktop
    appstreamcli validate --no-net /usr/share/metainfo/org.morvane.Morvane.metainfo.xml
    test -x /usr/bin/morvane
    test -f /usr/share/man/man1/morvane-convert.1.gz
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq morvane >/dev/null
    echo "package check: installed, used, validated and removed"
}

case "${1:-}" in
    setup) setup ;;
    build) setup && build ;;
    run)
        setup && build
        if [ -x build/app/morvane ]; then exec build/app/morvane; fi
        exec build/cli/morvane-convert --help
        ;;
    package) setup && build && package_check ;;
    test)
        setup && build
        ctest --test-dir build --output-on-failure -j"$jobs"
        if [ "${CI:-}" = true ]; then package_check; fi
        sanitized_tests
        fuzz
        ;;
    *)
        sed -n '2,/^[^#]/s/^# \{0,1\}//p' "$0"
        exit 2
        ;;
esac
