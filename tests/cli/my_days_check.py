"""dovrin-cal --ics-my-days read by an independent parser, Debian's python3-icalendar: one
event a year on the day --my-days names, the age in the SUMMARY, a VALARM for each
reminder, and UIDs that stay the same over two exports and a day added between them.

Usage: python3 my_days_check.py DOVRIN_CAL
"""
import datetime
import os
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    print("SKIP: python3-icalendar is not installed")
    sys.exit(77)

CAL = sys.argv[1]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args):
    return subprocess.run([CAL, *args], check=True, capture_output=True, env=ENV).stdout


def events(data):
    """UID -> (start, summary, [(trigger, action, description)]) of every VEVENT."""
    found = {}
    for event in icalendar.Calendar.from_ical(data).walk("VEVENT"):
        alarms = [(a["TRIGGER"].dt, str(a["ACTION"]), str(a["DESCRIPTION"])) for a in event.walk("VALARM")]
        uid = str(event["UID"])
        check(uid not in found, f"UID {uid} twice")
        found[uid] = (event["DTSTART"].dt, str(event["SUMMARY"]), alarms, str(event.get("DESCRIPTION", "")))
    return found


with tempfile.TemporaryDirectory() as home:
    ENV = dict(os.environ, XDG_DATA_HOME=home, LC_ALL="C.UTF-8")
    run("--add-day", "妈妈生日", "农历八月十五", "--since", "1961")
    run("--add-day", "祖父忌日", "农历腊月三十", "--since", "2016")
    first = events(run("--ics-my-days", "--years", "2027", "2030"))
    run("--add-day", "结婚纪念日", "2001-05-20", "--remind", "7")
    second = events(run("--ics-my-days", "--years", "2027", "2030"))

check(len(first) == 8, f"{len(first)} events, not one a year for each of the two days")
check(all(uid in second and second[uid][:3] == first[uid][:3] for uid in first), "an event changed its UID")
check(len(second) == 12, f"{len(second)} events after a third day was added")

by_start = {value[0]: value for value in second.values()}
birthday = by_start.get(datetime.date(2027, 9, 15))
check(birthday is not None and birthday[1] == "妈妈生日（农历八月十五，六十六岁）", f"2027's birthday: {birthday}")
if birthday:
    days = sorted((-trigger.days, action) for trigger, action, _ in birthday[2])
    check(days == [(1, "DISPLAY"), (3, "DISPLAY")], f"the birthday's alarms: {birthday[2]}")
    check(all(description.endswith(birthday[1]) for _, _, description in birthday[2]), "an alarm without its text")
wedding = by_start.get(datetime.date(2027, 5, 20))
check(wedding is not None and wedding[1] == "结婚纪念日（二十六周年）", f"the anniversary: {wedding}")
check(wedding is not None and [-t.days for t, _, _ in wedding[2]] == [7], f"the anniversary's alarm: {wedding}")
# 腊月 of lunar 2026 has 29 days: the day falls on 廿九 and says so; a memorial day has no alarm.
memorial = by_start.get(datetime.date(2027, 2, 5))
check(memorial is not None and "廿九" in memorial[3] and not memorial[2], f"the memorial day: {memorial}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
