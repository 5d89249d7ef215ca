#!/bin/sh
# The user's days from the keyboard, in the real program on a virtual X display: the
# selected day's menu (Shift+F10, the Menu key, the right button), the dialog that adds
# 妈妈生日 on 农历八月十五, the offer of the login reminder and its autostart entry, editing,
# a removal refused while another program has changed the file, and a removal.
# Usage: my_days_menu.sh PATH_TO_DOVRIN
set -u

program=${1:?usage: my_days_menu.sh PATH_TO_DOVRIN}
. "$(dirname "$0")/x_display.sh"
require_tools Xvfb xdotool xwininfo faketime

trap end_run EXIT
use_private_home
trap 'exit 1' INT TERM
start_display

days=$home/data/dovrin/my-days.tsv
entry=$home/config/autostart/io.github.dovrin.Remind.desktop
unset WAYLAND_DISPLAY
LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb faketime '2027-09-15 10:00:00' "$program" >/dev/null 2>"$home/stderr" &
app_pid=$!

window() {  # window NAME: waits up to 10 s for a window of that exact name, prints its id
    timeout 10 xdotool search --sync --name "^$1\$" 2>/dev/null | head -n 1
}
gone() {  # gone NAME: waits up to 5 s until no window of that name is shown; yes or no
    n=0
    while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        n=$((n + 1))
        [ "$n" -ge 50 ] && { echo no; return; }
        sleep 0.1
    done
    echo yes
}
focus_main() {  # without a window manager a closed dialog leaves the focus nowhere
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    sleep 0.3
}
menu() {  # menu KEY...: opens the selected day's menu with Shift+F10 and presses the keys
    focus_main
    xdotool key shift+F10
    sleep 0.5
    xdotool key "$@"
}

main=$(window 'Dovrin万年历 - .*')
[ -n "$main" ] || { echo "FAIL: the main window did not appear"; exit 1; }
menu Return
dialog=$(window 添加我的日子)
check "Shift+F10 and Enter open the dialog" yes "$([ -n "$dialog" ] && echo yes || echo no)"
sleep 0.3
xdotool type --delay 30 '妈妈生日'
xdotool key Tab Tab Tab Tab Tab
xdotool type 1961
xdotool key Return
check "Enter saves and closes the dialog" yes "$(gone 添加我的日子)"
check "the day is the file's last line" "$(printf '妈妈生日\t农历八月十五\t1961')" "$(tail -n 1 "$days" 2>/dev/null)"

# A birthday has reminders: the login reminder is offered once, and taken with Enter.
offer=$(window 登录时提醒)
check "the login reminder offered" yes "$([ -n "$offer" ] && echo yes || echo no)"
xdotool key Return
check "the offer answered" yes "$(gone 登录时提醒)"
beside=$(dirname "$program")/dovrin-cal
[ -x "$beside" ] || beside=dovrin-cal
check "the autostart entry runs dovrin-cal --remind" "Exec=$beside --remind" "$(grep '^Exec=' "$entry" 2>/dev/null)"
if command -v desktop-file-validate >/dev/null 2>&1; then
    check "the entry passes desktop-file-validate" "" "$(desktop-file-validate "$entry" 2>&1)"
fi

# A title taken: the dialog says so and stays open with what was typed.
menu Return
window 添加我的日子 >/dev/null
sleep 0.3
xdotool type --delay 30 '妈妈生日'
xdotool key Return
sleep 0.5
check "a title taken keeps the dialog open" yes \
    "$(xdotool search --onlyvisible --name '^添加我的日子$' >/dev/null 2>&1 && echo yes || echo no)"
xdotool key Escape
gone 添加我的日子 >/dev/null

# The menu now has the day: its second entry edits it, prefilled.
focus_main
xdotool key Menu
sleep 0.5
xdotool key Down Return
check "the Menu key and 编辑“妈妈生日”… open the dialog" yes "$([ -n "$(window 编辑我的日子)" ] && echo yes || echo no)"
xdotool key Escape
check "Escape cancels the dialog" yes "$(gone 编辑我的日子)"

# Another program adds a line: the window's removal is refused and the file is kept, then
# it goes through once the window has read the file again.
printf '国庆\t10-01\n' >>"$days"
before=$(cat "$days")
menu Down Down Return
[ -n "$(window 删除我的日子)" ] && xdotool key alt+d
warning=$(window 没有删除)
check "the removal refused with a message" yes "$([ -n "$warning" ] && echo yes || echo no)"
check "the changed file kept as it is" "$before" "$(cat "$days")"
xdotool key Return
gone 没有删除 >/dev/null
menu Down Down Return
[ -n "$(window 删除我的日子)" ] && xdotool key alt+d
gone 删除我的日子 >/dev/null
check "the removal after the file was read again" "国庆	10-01" "$(tail -n 1 "$days")"
check "and 妈妈生日 is gone" 0 "$(grep -c 妈妈生日 "$days")"

# The last entry switches the login reminder off.
menu Up Return
sleep 0.5
check "登录时提醒 switched off removes the entry" no "$([ -e "$entry" ] && echo yes || echo no)"

# The right button selects the day under it before its menu opens (the 12th: row 2,
# column 0 of September 2027, which starts on a Wednesday).
xdotool mousemove --window "$main" 40 220 click 3
sleep 0.5
xdotool key Escape
title=$(xdotool getwindowname "$main")
check "the right button selects the day" "Dovrin万年历 - [2027年9月12日" "${title%% 星期*}"

check "program still running" yes "$(kill -0 "$app_pid" 2>/dev/null && echo yes || echo no)"
finish_checks
