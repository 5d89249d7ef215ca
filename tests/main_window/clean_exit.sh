#!/bin/sh
# The real program, built with the sanitizers, started under Xvfb and openbox and closed the
# normal way (Alt+F4 on the main window): it must exit with status 0 and without any report
# from AddressSanitizer, LeakSanitizer or UBSan. The sanitizer options come from the caller.
# Usage: clean_exit.sh PATH_TO_DOVRIN
set -u

program=${1:?usage: clean_exit.sh PATH_TO_DOVRIN}
. "$(dirname "$0")/x_display.sh"
require_tools Xvfb xdotool xwininfo xprop openbox

trap end_run EXIT
use_private_home
log=$home/stderr
trap 'exit 1' INT TERM
start_display openbox

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
