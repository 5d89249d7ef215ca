#!/bin/sh
# The real program on a virtual X display with a faked clock and a FIFO at the path of the
# user's days off: it starts all the same; keys move the selection, the title follows it,
# and the information window stands flush at the main window's right edge, also after it
# has been dragged away. With "openbox" a real window manager frames both
# windows, and minimizing and restoring the main window is tried as well.
# Usage: end_to_end.sh PATH_TO_DOVRIN [openbox]
set -u

program=${1:?usage: end_to_end.sh PATH_TO_DOVRIN [openbox]}
window_manager=${2:-}
. "$(dirname "$0")/x_display.sh"
# Without the tools there is nothing to drive: report the case as skipped.
require_tools Xvfb xdotool xwininfo xprop faketime $window_manager

trap end_run EXIT
trap 'exit 1' INT TERM
start_display "$window_manager"

# A FIFO with no writer where the user's days off would be: the program must start anyway
# and say once why it did not read it.
use_private_home
data=$XDG_DATA_HOME
mkdir "$data/dovrin" && mkfifo "$data/dovrin/rest-days.tsv"

unset WAYLAND_DISPLAY
LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb faketime '2024-02-28 10:00:00' "$program" \
    >/dev/null 2>"$data/stderr" &
app_pid=$!

main=$(timeout 20 xdotool search --sync --name '^Dovrin万年历 - ' | head -n 1)
[ -n "$main" ] || { echo "FAIL: the main window did not appear"; exit 1; }
check "one message about the FIFO" \
    "dovrin: $data/dovrin/rest-days.tsv: skipped, as it is not a regular file (a named pipe)" \
    "$(grep rest-days.tsv "$data/stderr")"
info=$(timeout 20 xdotool search --sync --name '^日程信息$' | head -n 1)
[ -n "$info" ] || { echo "FAIL: the information window did not appear"; exit 1; }

# The title follows the selection; wait for a redraw after each input.
title_after() {  # title_after EXPECTED [PREFIX_ONLY]: waits up to 5 s for the title
    n=0
    while [ "$n" -lt 50 ]; do
        current=$(xdotool getwindowname "$main")
        [ "$current" = "$1" ] && break
        case "$current" in "$1"*) [ -n "${2:-}" ] && { current=$1; break; } ;; esac
        n=$((n + 1))
        sleep 0.1
    done
    echo "$current"
}

expected='Dovrin万年历 - [2024年2月28日 星期三  甲辰(龙) 一月十九]'
check "today selected at start" "$expected" "$(title_after "$expected")"

xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key Right
expected='Dovrin万年历 - [2024年2月29日 星期四  甲辰(龙) 一月二十]'
check "right arrow into the leap day" "$expected" "$(title_after "$expected")"

xdotool key Right
expected='Dovrin万年历 - [2024年3月1日 星期五  甲辰(龙) 一月廿一]'
check "right arrow past February" "$expected" "$(title_after "$expected")"

xdotool key Next Up
expected='Dovrin万年历 - [2024年3月31日 星期日  甲辰(龙) 二月廿二]'
check "page down, then up across the month start" "$expected" "$(title_after "$expected")"

# The next-year button: 120 twips left of the font list, which keeps 120 twips from the
# right edge; the fourth 16-pixel button of the strip, at 96 dpi.
xdotool mousemove --window "$main" 353 64 click 1
expected='Dovrin万年历 - [2025年3月1日 星期六'
check "the next-year button" "$expected" "$(title_after "$expected" prefix)"

# A click on the cell of the 12th (row 2, column 3 of March 2025, which starts on a Saturday).
xdotool mousemove --window "$main" 250 220 click 1
expected='Dovrin万年历 - [2025年3月12日 星期三'
check "a click on a day cell" "$expected" "$(title_after "$expected" prefix)"

flush_after() {  # flush_after WHAT: waits up to 5 s for frmInfo to stand flush, then checks
    what=$1
    n=0
    while :; do
        set -- $(frame "$main")
        expected="$(($1 + $3)) $2 $4"
        set -- $(frame "$info")
        actual="$1 $2 $4"
        [ "$actual" = "$expected" ] || [ "$n" -ge 50 ] && break
        n=$((n + 1))
        sleep 0.1
    done
    check "information window flush at the right edge, same top and height, $what" "$expected" "$actual"
}
flush_after "after the clicks"

# Dragged away, it goes back; every time, not every other time.
for spot in "100 100" "300 600" "900 40"; do
    xdotool windowmove "$info" $spot
    sleep 1.5
    flush_after "after a drag to $spot"
done

if [ -n "$window_manager" ]; then
    xdotool windowminimize --sync "$main" 2>/dev/null || xdotool windowminimize "$main"
    sleep 1
    check "information window hidden beside a minimized main window" "IsUnMapped" \
        "$(xwininfo -id "$info" | awk '/Map State:/ { print $3 }')"
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowactivate "$main"
    sleep 1
    flush_after "after minimize and restore"
    xdotool windowmove "$info" 200 200
    sleep 1.5
    flush_after "after a drag following the restore"
fi

# Ctrl+P opens the print dialog and moves nothing; Escape closes it again.
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main" 2>/dev/null
before=$(xdotool getwindowname "$main")
xdotool key ctrl+p
dialog=$(timeout 10 xdotool search --sync --name '^打印日历$' | head -n 1)
check "Ctrl+P opens the print dialog" "yes" "$([ -n "$dialog" ] && echo yes || echo no)"
check "the selection unchanged by Ctrl+P" "$before" "$(xdotool getwindowname "$main")"
[ -n "$dialog" ] && xdotool key --window "$dialog" Escape
sleep 0.5

xdotool key Escape
check "program still running" "yes" "$(kill -0 "$app_pid" 2>/dev/null && echo yes || echo no)"

finish_checks
