# A private X server, sourced by the end-to-end test, the package check and the start-up
# benchmark (which install xvfb, and openbox where they start it):
#   start_xserver DIR SIZE     Xvfb on a display it picks itself; exports DISPLAY, logs in DIR
#   start_window_manager DIR   openbox: without a window manager, nothing gets the focus back
#                              when a dialog closes, and keys typed then go nowhere
#   stop_xserver               ends both; safe to call from an EXIT trap at any point
XSERVER_PID=""
WM_PID=""

# wait_until WHAT LOG TEST...: up to ten seconds for `test TEST...` to hold.
wait_until() {
    for _ in $(seq 100); do
        if test "${@:3}"; then
            return 0
        fi
        sleep 0.1
    done
    echo "$1 did not start:" >&2
    cat "$2" >&2
    return 1
}

start_xserver() {
    local dir="$1" size="$2"
    # Xvfb writes the display number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$dir/display" \
        >"$dir/xvfb.log" 2>&1 &
    XSERVER_PID=$!
    wait_until Xvfb "$dir/xvfb.log" -s "$dir/display"
    DISPLAY=":$(cat "$dir/display")"
    export DISPLAY
}

start_window_manager() {
    local dir="$1"
    # openbox runs the startup command once it manages the screen. Its own HOME keeps its
    # cache and session files out of the user's.
    mkdir -p "$dir/wm-home"
    HOME="$dir/wm-home" openbox --sm-disable --startup "touch '$dir/wm-ready'" \
        >"$dir/openbox.log" 2>&1 &
    WM_PID=$!
    wait_until openbox "$dir/openbox.log" -e "$dir/wm-ready"
}

stop_xserver() {
    local pid
    for pid in "$WM_PID" "$XSERVER_PID"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    WM_PID=""
    XSERVER_PID=""
}
