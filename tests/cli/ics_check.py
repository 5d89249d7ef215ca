"""dovrin-cal's iCalendar export read by an independent parser, Debian's python3-icalendar:
every holiday and solar term of a year on its day (as --table names them), stable UIDs,
春节 2027 and a lunar birthday on the day --lunar gives.

Usage: python3 ics_check.py DOVRIN_CAL
"""
import datetime
import subprocess
import sys

try:
    import icalendar
except ImportError:
    print("SKIP: python3-icalendar is not installed")
    sys.exit(77)

CAL = sys.argv[1]
failures = []


def run(*args):
    return subprocess.run([CAL, *args], check=True, capture_output=True).stdout


def spans(data):
    """(start, exclusive end, summary, categories, uid) of every event."""
    calendar = icalendar.Calendar.from_ical(data)
    if "METHOD" in calendar:
        failures.append("a METHOD makes the file an iTIP message, which needs an ORGANIZER")
    found = []
    for event in calendar.walk("VEVENT"):
        start, end = event["DTSTART"].dt, event["DTEND"].dt
        if type(start) is not datetime.date or type(end) is not datetime.date or end <= start:
            failures.append(f"not an all-day event: {event['SUMMARY']} {start} {end}")
        found.append((start, end, str(event["SUMMARY"]), event["CATEGORIES"].to_ical().decode(), str(event["UID"])))
    return found


def events(data):
    """The one-day events of holidays, solar terms and anniversaries; the days off stand apart."""
    found = []
    for start, end, summary, category, uid in spans(data):
        if category in ("放假", "调休"):
            continue
        if end != start + datetime.timedelta(days=1):
            failures.append(f"not a one-day event: {summary} {start} {end}")
        found.append((start, summary, category, uid))
    return found


def check(condition, message):
    if not condition:
        failures.append(message)


# The year's names as --table gives them: solar_term, s_holiday, l_holiday, w_holiday and the
# almanac's columns.
expected = set()
table = run("--table", "2027-01-01", "2027-12-31").decode().splitlines()
columns = table[0].split("\t")
# The seasonal counts from the almanac's columns: the first day of each 伏 and 九, the day after
# the 伏 (出伏), and the almanac's 入梅 and 出梅.
previous_fu = ""
for line in table[1:]:
    row = dict(zip(columns, line.split("\t")))
    day = datetime.date.fromisoformat(row["date"])
    for field in ("fu", "shujiu"):
        if row[field].endswith("第1天"):
            expected.add((day, row[field][:2], "杂节气"))
    if previous_fu and not row["fu"]:
        expected.add((day, "出伏", "杂节气"))
    previous_fu = row["fu"]
    if row["meiyu"]:
        expected.add((day, "历书" + row["meiyu"], "杂节气"))
    if row["solar_term"]:
        expected.add((day, row["solar_term"], "节气"))
    for field in ("s_holiday", "l_holiday", "w_holiday"):
        for name in row[field].split():
            expected.add((day, name, "节日"))

year = events(run("--ics", "2027-01-01", "2027-12-31"))
got = {(day, summary, category) for day, summary, category, _ in year}
check(got == expected, f"missing {sorted(expected - got)}, unexpected {sorted(got - expected)}")
check(len(got) == len(year), "an event given twice")
check((datetime.date(2027, 2, 6), "春节", "节日") in got, "春节 2027 is not on 2027-02-06")

uids = {(day, summary): uid for day, summary, _, uid in year}
check(len(set(uids.values())) == len(year), "UIDs are not unique")
for day, summary, _, uid in events(run("--ics", "2027-02-01", "2027-03-31")):
    check(uids.get((day, summary)) == uid, f"UID of {summary} {day} changed between exports")

birthday = events(run("--ics-lunar", "8", "15", "--summary", "妈妈生日", "--years", "2027", "2040"))
check(len(birthday) == 14, f"{len(birthday)} birthday events for 14 years")
check((datetime.date(2030, 9, 12), "妈妈生日") in {(d, s) for d, s, _, _ in birthday}, "八月十五 2030 is not 2030-09-12")
for (day, _, _, _), lunar_year in zip(birthday, range(2027, 2041)):
    iso = run("--lunar", str(lunar_year), "8", "15").decode().split()[0]
    check(day.isoformat() == iso, f"lunar {lunar_year}-08-15 is {iso}, the event says {day}")

# The official days off of 2026: the 国庆节 period is one event over its seven days (the end is
# exclusive), the make-up working day its own.
off = {(start, end, summary, category) for start, end, summary, category, _ in
       spans(run("--ics", "2026-01-01", "2026-12-31")) if category in ("放假", "调休")}
check((datetime.date(2026, 10, 1), datetime.date(2026, 10, 8), "国庆节 放假", "放假") in off,
      "the 国庆节 days off are not 2026-10-01 to 2026-10-08 (exclusive)")
check((datetime.date(2026, 10, 10), datetime.date(2026, 10, 11), "上班（国庆节调休）", "调休") in off,
      "no working-day event on 2026-10-10")
check(len([o for o in off if o[3] == "放假"]) == 7 and len([o for o in off if o[3] == "调休"]) == 6,
      f"2026 has 7 holiday periods and 6 working days, not {sorted(off)}")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(year)} holiday events and {len(birthday)} birthday events checked")
sys.exit(1 if failures else 0)
