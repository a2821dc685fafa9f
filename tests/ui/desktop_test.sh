#!/usr/bin/env bash
# The real program on an X server of its own under openbox, driven as a user
# would: the outer rectangle and its centring, a conversion, the copy with its
# confirmation, the real clipboard, both pages, no maximising, Esc.
#
#   desktop_test.sh PROGRAM ARTIFACTS
#
# Screenshots of both pages and of the confirmation are left in ARTIFACTS.
# Exits 77 (skipped) when the X tools are not installed, except on CI, where
# they must be.
set -euo pipefail

program=$1
artifacts=$2

for tool in Xvfb openbox xdotool xclip xprop xwininfo import; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        [ "${CI:-}" = true ] && exit 1
        exit 77
    fi
done

source "$(dirname "$0")/../../tools/xsession.sh"

mkdir -p "$artifacts"
work=$(mktemp -d)
cleanup() {
    stop_desktop
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then import -window root "$artifacts/failure.png" 2>/dev/null || true; fi
    for log in "$work"/*.log; do [ -s "$log" ] && { echo "--- $log"; cat "$log"; }; done >&2
    exit 1
}

start_desktop "$work" || fail "no desktop"

"$program" >"$work/morvane.log" 2>&1 &
app=$!
pids+=("$app")

window=$(find_window '^Morvane$') || true
[ -n "$window" ] || fail "no window titled Morvane"

# The client area's place and size, and the frame that openbox put around it.
client() { xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
    /Width/ {w=$2} /Height/ {h=$2}
    END {printf "%d %d %d %d\n", x, y, w, h}'; }
extents() { xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ','; }
outer() {
    local x y w h left right top bottom
    read -r x y w h < <(client)
    read -r left right top bottom < <(extents)
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}
outer_is() { [ -n "$(extents)" ] && [ "$(outer)" = "$1" ]; }

# On 1024 x 768 the whole window, frame included, is 380 x 250 at (322, 259).
within 10 outer_is "322 259 380 250" || fail "outer rectangle $(outer), expected 322 259 380 250"
read -r cx cy _ _ < <(client)

# A point of a control, from its place in the tab control at (8, 8).
click_at() {
    xdotool mousemove --sync $((cx + 8 + $1)) $((cy + 8 + $2)) click 1
}

# The caret starts in 编辑框1: replace the amount and convert it with 按钮1.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '1234.5'
click_at $((8 + 64)) $((93 + 16))

# 按钮2 copies 编辑框2 and confirms it in a box titled 提示.
click_at $((146 + 40)) $((93 + 16))
box=$(find_window '^提示$') || true
[ -n "$box" ] || fail "no confirmation after 按钮2"
sleep 0.3
import -window root "$artifacts/confirmation.png"
xdotool key Return
box_gone() { ! xdotool search --onlyvisible --name '^提示$' >/dev/null; }
within 10 box_gone || fail "the confirmation did not go away on Enter"

copied=$(xclip -selection clipboard -o)
[ "$copied" = "壹仟贰佰叁拾肆元伍角整" ] || fail "clipboard holds '$copied'"

import -window root -crop 380x250+322+259 +repage "$artifacts/page1.png"

# Page 2 through the tab control's own arrow keys: a click on the tab shown
# gives it the focus.
click_at 30 12
xdotool key Right
sleep 0.3
import -window root -crop 380x250+322+259 +repage "$artifacts/page2.png"
cmp -s "$artifacts/page1.png" "$artifacts/page2.png" && fail "page 2 looks like page 1"

# A double click on the title bar does not maximise the window.
xdotool mousemove --sync $((322 + 150)) $((259 + 8)) click --repeat 2 --delay 80 1
sleep 0.5
outer_is "322 259 380 250" || fail "after a double click on the title bar: $(outer)"
# openbox draws its maximise button all the same; a click on it changes nothing.
xdotool mousemove --sync $((322 + 353)) $((259 + 10)) click 1
sleep 0.5
outer_is "322 259 380 250" || fail "after a click on the maximise button: $(outer)"

# Esc closes the window and the program ends with 0.
click_at $((306 + 20)) $((159 + 16)) # 按钮8 empties 编辑框3; the focus is on a button
xdotool key Escape
exited() { ! kill -0 "$app" 2>/dev/null; }
within 10 exited || fail "Esc did not end the program"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after Esc"

echo "desktop check passed; screenshots in $artifacts"
