# Shared by the runs of the real program: a virtual X display that nobody else uses, with a
# window manager when one is named, and a home of the run's own. stop_display ends the program
# ($app_pid), the window manager and the display; end_run does that and removes what the run
# kept in its scratch folder. check counts what failed, finish_checks ends the run with it.
xvfb_pid=
wm_pid=
app_pid=
run_dir=

scratch() {  # the run's scratch folder, made on first use (not before a script re-runs itself)
    [ -n "$run_dir" ] || run_dir=$(mktemp -d)
}

end_run() {
    stop_display
    [ -n "$run_dir" ] && rm -rf "$run_dir"
    run_dir=
}

# use_private_home: HOME and the XDG folders inside the scratch folder, so that none of the
# user's own days, days off or settings counts and nothing is left in the real home; sets home.
use_private_home() {
    scratch
    home=$run_dir/home
    mkdir -p "$home/config" "$home/data" "$home/cache"
    export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache"
}

# require_tools TOOL...: without them there is nothing to drive; the case is skipped (77).
require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

stop_display() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    app_pid= wm_pid= xvfb_pid=
}

# start_display [WINDOW_MANAGER]; the screen is SCREEN_SIZE, 1920x1200 unless that is set.
# The server takes the first display number free when it binds (-displayfd), so that runs
# side by side, or a lock left by a killed server, never share one.
start_display() {
    scratch
    display_log=$run_dir/display
    rm -rf "$display_log" && mkdir "$display_log"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1920x1200}x24" -nolisten tcp \
        3>"$display_log/number" >"$display_log/xvfb" 2>&1 &
    xvfb_pid=$!
    tries=0
    until [ -s "$display_log/number" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 300 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "FAIL: Xvfb did not start"; sed 's/^/  Xvfb: /' "$display_log/xvfb"; exit 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$display_log/number")"
    [ -n "${1:-}" ] || return 0
    # A window manager can die at start for reasons of its own; it is started again, up to
    # three times, before the run gives up and shows what it said.
    for attempt in 1 2 3; do
        # A private configuration directory, so that nothing of the user's own set-up counts.
        XDG_CONFIG_HOME="$display_log/config$attempt" "$1" >"$display_log/wm" 2>&1 &
        wm_pid=$!
        tries=0
        while kill -0 "$wm_pid" 2>/dev/null && [ "$tries" -le 100 ]; do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            tries=$((tries + 1))
            sleep 0.1
        done
        kill "$wm_pid" 2>/dev/null
        wait "$wm_pid" 2>/dev/null
        wm_pid=
    done
    echo "FAIL: $1 did not start"; sed "s/^/  $1: /" "$display_log/wm"; exit 1
}

failures=0
start_accessibility_bus() {  # the accessibility bus, as a desktop session starts it; sets launcher_pid
    "$launcher" --launch-immediately >/dev/null 2>&1 &
    launcher_pid=$!
    tries=0
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; do
        tries=$((tries + 1))
        [ "$tries" -gt 100 ] && { echo "FAIL: the accessibility bus did not start"; exit 1; }
        sleep 0.1
    done
}

start_accessible_program() {  # $program on 16 February 2026 with its accessibility on, focused; sets app_pid and main
    unset WAYLAND_DISPLAY
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb \
        faketime '2026-02-16 10:00:00' "$program" >/dev/null 2>&1 &
    app_pid=$!
    # Asked again until it answers: a search can fail outright while the server is busy.
    main=
    tries=0
    while [ -z "$main" ] && [ "$tries" -lt 200 ]; do
        main=$(xdotool search --name '^Dovrin万年历 - ' 2>/dev/null | head -n 1)
        tries=$((tries + 1))
        [ -n "$main" ] || sleep 0.1
    done
    [ -n "$main" ] || { echo "FAIL: the main window did not appear"; exit 1; }
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
}

check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}

finish_checks() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}

frame() {  # frame WINDOW: "x y width height" of the window's outer frame on the screen
    set -- $(xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^  Width:/ { w = $2 }
        /^  Height:/ { h = $2 }
        END { print x, y, w, h }') \
        $(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,) 0 0 0 0
    # _NET_FRAME_EXTENTS: left, right, top, bottom; none without a window manager.
    echo $(($1 - $5)) $(($2 - $7)) $(($3 + $5 + $6)) $(($4 + $7 + $8))
}
