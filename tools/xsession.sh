# A private X server with openbox, for driving the real program as a user
# would. Sourced by the desktop check and the README screenshot script.
#
#   source tools/xsession.sh
#   start_desktop WORKDIR [WIDTHxHEIGHT]   exports DISPLAY; stop_desktop ends it
#
# The caller's `pids` array collects every process to end.

pids=()

# Polls COMMAND every tenth of a second for up to SECONDS.
within() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

start_desktop() {
    local work=$1 size=${2:-1024x768}
    # A display on whichever number is free, so that runs never collide.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    within 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$work/display")"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    within 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        { echo "openbox did not start" >&2; return 1; }
}

stop_desktop() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}

# The first visible window whose title matches the pattern.
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
