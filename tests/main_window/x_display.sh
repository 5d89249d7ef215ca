# Shared by the runs of the real program: a virtual X display that nobody else uses, with a
# window manager when one is named. stop_display ends the program ($app_pid), the window
# manager and the display.
xvfb_pid=
wm_pid=
app_pid=

stop_display() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}

# start_display FIRST_DISPLAY_NUMBER [WINDOW_MANAGER]; the screen is SCREEN_SIZE, 1920x1200
# unless that is set.
start_display() {
    number=$1
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    export DISPLAY=":$number"
    Xvfb "$DISPLAY" -screen 0 "${SCREEN_SIZE:-1920x1200}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    tries=0
    until xwininfo -root >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -gt 300 ] && { echo "FAIL: Xvfb did not start"; exit 1; }
        sleep 0.1
    done
    [ -n "${2:-}" ] || return 0
    # A private configuration directory, so that nothing of the user's own set-up counts.
    XDG_CONFIG_HOME=$(mktemp -d) "$2" >/dev/null 2>&1 &
    wm_pid=$!
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        [ "$tries" -gt 300 ] && { echo "FAIL: $2 did not start"; exit 1; }
        sleep 0.1
    done
}
