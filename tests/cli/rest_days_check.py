"""dovrin-cal and the official days off: --table agrees with the data file on every day it
covers, and a user's file adds the year the program does not know yet.

The 2026 notice as copied from a news page, piped into --import-notice - --write in an empty
home, gives the built-in days of 2026.

Usage: python3 rest_days_check.py DOVRIN_CAL DATA_FILE NOTICE_2026
"""
import os
import subprocess
import sys
import tempfile

CAL, DATA, NOTICE = sys.argv[1], sys.argv[2], sys.argv[3]
failures = []


def run(*args, env=None):
    return subprocess.run([CAL, *args], check=True, capture_output=True, env=env, text=True)


expected = {}
with open(DATA, encoding="utf-8") as data:
    for line in data:
        if line.strip() and not line.startswith("#"):
            date, kind, _ = line.rstrip("\n").split("\t")
            expected[date] = kind

table = run("--table", "2001-12-29", "2026-12-31").stdout.splitlines()
columns = table[0].split("\t")
days = 0
for line in table[1:]:
    row = dict(zip(columns, line.split("\t")))
    days += 1
    if row["rest_work"] != expected.get(row["date"], ""):
        failures.append(f"{row['date']}: --table says '{row['rest_work']}', the data '{expected.get(row['date'], '')}'")
if days != 9134:
    failures.append(f"{days} days in the table")

with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, XDG_DATA_HOME=home, LANG="C.UTF-8")
    before = run("2027", "2", env=env)
    if "2027年的放假安排尚未收录" not in before.stdout:
        failures.append("February 2027 does not say that the 2027 arrangement is missing")
    os.makedirs(os.path.join(home, "dovrin"))
    with open(os.path.join(home, "dovrin", "rest-days.tsv"), "w", encoding="utf-8") as user:
        user.write("2027-02-06\t休\t春节\n2027-02-07\t休\t春节\n2027-02-08\t上\t春节\n")
    after = run("2027", "2", env=env)
    if "尚未收录" in after.stdout or "6日–7日 春节 放假" not in after.stdout:
        failures.append("the user's 2027 lines are not shown:\n" + after.stdout)
    if ":3: '上' is neither 休 nor 班" not in after.stderr or after.stderr.count("\n") != 1:
        failures.append("the bad line is not reported once: " + after.stderr)

with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, HOME=home, LANG="C.UTF-8")
    env.pop("XDG_DATA_HOME", None)
    with open(NOTICE, "rb") as notice:
        done = subprocess.run([CAL, "--import-notice", "-", "--write"], stdin=notice, capture_output=True, env=env)
    path = os.path.join(home, ".local", "share", "dovrin", "rest-days.tsv")
    if done.returncode != 0 or not os.path.exists(path):
        failures.append(f"--import-notice - --write: status {done.returncode}, {done.stderr!r}")
    else:
        with open(path, encoding="utf-8") as written:
            days = {tuple(line.rstrip("\n").split("\t")[:2]) for line in written}
        wanted = {(date, kind) for date, kind in expected.items() if date.startswith("2026")}
        if days != wanted:
            failures.append(f"the imported 2026 notice differs from the data: {sorted(days ^ wanted)}")

for failure in failures[:20]:
    print("FAIL:", failure)
print(f"{days} days compared")
sys.exit(1 if failures else 0)
