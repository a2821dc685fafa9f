#!/usr/bin/env bash
# Makes the README's screenshots of both pages with the real program on a
# private X server under openbox.
#
#   tools/readme-screenshots.sh [PROGRAM]     (default: build/app/morvane)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/morvane}
out=docs/screenshots
source tools/xsession.sh

work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
start_desktop "$work"
mkdir -p "$out"

"$program" >"$work/morvane.log" 2>&1 &
pids+=($!)
window=$(find_window '^Morvane$')
[ -n "$window" ] || { echo "no window titled Morvane" >&2; exit 1; }
sleep 0.5
read -r cx cy < <(xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2} END {print x+0, y+0}')

# A point of a control, from its place in the tab control at (8, 8).
click_at() { xdotool mousemove --sync $((cx + 8 + $1)) $((cy + 8 + $2)) click 1; }
# The whole window, frame included: 380 x 250 centred on the 1024 x 768 screen.
shoot() {
    sleep 0.4
    import -window root -crop 380x250+322+259 +repage -strip "$work/shot.png"
    convert "$work/shot.png" -colors 96 -strip "PNG8:$out/$1.png"
}

click_at $((8 + 64)) $((93 + 16)) # 按钮1 converts the amount the box starts with
shoot amount

click_at 190 12 # the second tab
click_at 100 60 # into 编辑框3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 15 'the QUICK brown fox JUMPS over the lazy dog'
click_at $((173 + 40)) $((158 + 16)) # 按钮6: a capital at every word
shoot lettercase

xdotool key Escape
echo "wrote $out/amount.png and $out/lettercase.png"
