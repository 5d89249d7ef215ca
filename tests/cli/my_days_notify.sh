#!/bin/sh
# dovrin-cal --remind against a stand-in notification service on a private session bus: one
# notification with every day reminded of today, none on a day without one, and a clear
# refusal with status 1 where no service answers.
# Usage: my_days_notify.sh DOVRIN_CAL SOURCE_DIR
set -u
cal=$1 here=$2
py=/usr/bin/python3
command -v dbus-run-session >/dev/null && command -v faketime >/dev/null || { echo "SKIP: no dbus-run-session or faketime"; exit 77; }
"$py" -c 'import dbus, dbus.mainloop.glib, gi' 2>/dev/null || { echo "SKIP: python3-dbus is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8 XDG_DATA_HOME="$work/data"
# A bus without service files, so that nothing else is started for the name.
cat >"$work/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:tmpdir=$work</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy></busconfig>
CONF
"$cal" --add-day 妈妈生日 农历八月十五 --since 1961 >/dev/null &&
  "$cal" --add-day 结婚纪念日 2001-09-15 --remind 3 >/dev/null &&
  "$cal" --add-day 祖父忌日 农历八月十七 >/dev/null || { echo "FAIL: --add-day"; exit 1; }

dbus-run-session --config-file="$work/bus.conf" -- sh -s "$cal" "$py" "$here" "$work" <<'SESSION'
cal=$1 py=$2 here=$3 work=$4
fail=0
bad() { echo "FAIL: $*"; fail=1; }
"$py" "$here/my_days_notify_service.py" "$work/log" "$work/ready" & service=$!
i=0; while [ ! -e "$work/ready" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
[ -e "$work/ready" ] || { echo "FAIL: the stand-in service did not start"; kill $service; exit 1; }

faketime '2027-09-12 08:00:00' "$cal" --remind >"$work/out" 2>"$work/err" || bad "--remind status $?: $(cat "$work/err")"
[ "$(wc -l <"$work/log")" -eq 1 ] || bad "$(wc -l <"$work/log") notifications, not one"
grep -q '"summary": "我的日子"' "$work/log" || bad "the summary: $(cat "$work/log")"
grep -q '3天后：妈妈生日（农历八月十五，六十六岁）\\n3天后：结婚纪念日（二十六周年）' "$work/log" || bad "the body: $(cat "$work/log")"
grep -q 祖父忌日 "$work/log" && bad "a day without reminders is in the notification"
: >"$work/log"
faketime '2027-09-10 08:00:00' "$cal" --remind >/dev/null 2>&1 || bad "--remind on a day without reminders: status $?"
[ -s "$work/log" ] && bad "a notification on a day without reminders: $(cat "$work/log")"

kill $service; wait $service 2>/dev/null
faketime '2027-09-12 08:00:00' "$cal" --remind >/dev/null 2>"$work/err"; s=$?
[ $s -eq 1 ] && grep -q "no notification service" "$work/err" || bad "without a service: status $s, $(cat "$work/err")"
exit $fail
SESSION
