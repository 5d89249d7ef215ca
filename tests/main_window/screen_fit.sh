#!/bin/sh
# The real program under openbox on small screens: after start-up the main window and the
# information window beside it both lie inside the screen, or where the pair cannot fit, the
# main window does with its title bar on the screen. A place the user drags the main window
# to stays, even where the information window then overhangs the edge.
# Usage: screen_fit.sh PATH_TO_DOVRIN
set -u

program=${1:?usage: screen_fit.sh PATH_TO_DOVRIN}
. "$(dirname "$0")/x_display.sh"
require_tools Xvfb xdotool xwininfo xprop openbox

trap end_run EXIT
trap 'exit 1' INT TERM
unset WAYLAND_DISPLAY
use_private_home

inside() {  # inside "X Y W H" SCREEN_W SCREEN_H: yes when the frame lies wholly on the screen
    set -- $1 $2 $3
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ $(($1 + $3)) -le "$5" ] && [ $(($2 + $4)) -le "$6" ] && echo yes || echo no
}

start() {  # start SIZE SCALE: the program on a new display of that size; sets main and info
    stop_display
    SCREEN_SIZE=$1 start_display openbox
    QT_SCALE_FACTOR=$2 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    app_pid=$!
    main=$(timeout 20 xdotool search --sync --name '^Dovrin万年历 - ' | head -n 1)
    info=$(timeout 20 xdotool search --sync --name '^日程信息$' | head -n 1)
    if [ -z "$main" ] || [ -z "$info" ]; then
        echo "FAIL: the windows did not appear on $1"
        failures=$((failures + 1))
        return 1
    fi
    sleep 3  # the frame watch after start-up lasts 2 s
}

for screen in "1366x768 1" "1280x720 1" "1024x600 1" "1400x900 1.5"; do
    set -- $screen
    start "$1" "$2" || continue
    width=${1%x*} height=${1#*x}
    echo "$1 at scale $2: main $(frame "$main"), information $(frame "$info")"
    check "main window inside $1 at scale $2" yes "$(inside "$(frame "$main")" "$width" "$height")"
    check "information window inside $1 at scale $2" yes "$(inside "$(frame "$info")" "$width" "$height")"
done

# Too small for the pair, and for the main window's height: its left and right edges and its
# title bar stay on the screen.
if start 800x600 1.5; then
    set -- $(frame "$main")
    echo "800x600 at scale 1.5: main $*"
    check "main window's left edge, right edge and top on 800x600 at scale 1.5" "yes yes yes" \
        "$([ "$1" -ge 0 ] && echo yes || echo no) $([ $(($1 + $3)) -le 800 ] && echo yes || echo no) $([ "$2" -ge 0 ] && echo yes || echo no)"
fi

# The user's own place wins: dragged against the right edge of 1366 x 768, the main window
# stays there although the information window then stands off the screen.
if start 1366x768 1; then
    set -- $(frame "$main")
    xdotool windowmove "$main" $((1366 - $3)) 100
    sleep 0.5
    dropped=$(frame "$main")
    sleep 2
    check "a user's drag to the right edge is kept" "$dropped" "$(frame "$main")"
    check "the information window overhangs after that drag" no "$(inside "$(frame "$info")" 1366 768)"
fi

finish_checks
