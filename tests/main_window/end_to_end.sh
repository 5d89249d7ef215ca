#!/bin/sh
# The real program on a virtual X display with a faked clock: keys move the selection, the
# title follows it, and the information window stands flush at the main window's right edge.
# Usage: end_to_end.sh PATH_TO_DOVRIN
set -u

program=${1:?usage: end_to_end.sh PATH_TO_DOVRIN}
# Without the tools there is nothing to drive: report the case as skipped.
for tool in Xvfb xdotool xwininfo faketime; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A display number nobody uses.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
tries=0
until xwininfo -root >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && { echo "FAIL: Xvfb did not start"; exit 1; }
    sleep 0.1
done

failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}

unset WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb faketime '2024-02-28 10:00:00' "$program" >/dev/null 2>&1 &
app_pid=$!

main=$(timeout 20 xdotool search --sync --name '^Dovrin万年历 - ' | head -n 1)
[ -n "$main" ] || { echo "FAIL: the main window did not appear"; exit 1; }
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

geometry() {  # geometry WINDOW: "x y width height" of the window on the screen
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^  Width:/ { w = $2 }
        /^  Height:/ { h = $2 }
        END { print x, y, w, h }'
}
set -- $(geometry "$main")
main_x=$1 main_y=$2 main_w=$3 main_h=$4
set -- $(geometry "$info")
check "information window flush at the right edge" "$((main_x + main_w)) $main_y" "$1 $2"
check "information window as high as the main window" "$main_h" "$4"

xdotool key Escape
check "program still running" "yes" "$(kill -0 "$app_pid" 2>/dev/null && echo yes || echo no)"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
