#!/bin/sh
# The real program, built with the sanitizers, started under Xvfb and openbox and closed the
# normal way (Alt+F4 on the main window): it must exit with status 0 and without any report
# from AddressSanitizer, LeakSanitizer or UBSan. The sanitizer options come from the caller.
# Usage: clean_exit.sh PATH_TO_DOVRIN
set -u

program=${1:?usage: clean_exit.sh PATH_TO_DOVRIN}
for tool in Xvfb xdotool xwininfo xprop openbox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

xvfb_pid=
wm_pid=
app_pid=
log=$(mktemp)
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -f "$log"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

number=110
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
tries=0
until xwininfo -root >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && { echo "FAIL: Xvfb did not start"; exit 1; }
    sleep 0.1
done
XDG_CONFIG_HOME=$(mktemp -d) openbox >/dev/null 2>&1 &
wm_pid=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && { echo "FAIL: openbox did not start"; exit 1; }
    sleep 0.1
done

unset WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>"$log" &
app_pid=$!
main=$(timeout 60 xdotool search --sync --name '^Dovrin万年历 - ' | head -n 1)
[ -n "$main" ] || { echo "FAIL: the main window did not appear"; cat "$log"; exit 1; }

# A close is refused while the font list fills: ask until the program is gone.
status=
n=0
while [ "$n" -lt 60 ]; do
    xdotool windowactivate --sync "$main" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+F4 >/dev/null 2>&1
    sleep 1
    if ! kill -0 "$app_pid" 2>/dev/null; then
        wait "$app_pid"
        status=$?
        app_pid=
        break
    fi
    n=$((n + 1))
done
[ -n "$status" ] || { echo "FAIL: the program did not close"; cat "$log"; exit 1; }

if grep -q -E 'Sanitizer|runtime error' "$log"; then
    echo "FAIL: a sanitizer report at exit"
    cat "$log"
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "FAIL: exit status $status"
    cat "$log"
    exit 1
fi
echo "ok: closed with status 0 and no sanitizer report"
