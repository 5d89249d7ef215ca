#!/bin/sh
# dovrin-cal in a hostile setting: a FIFO with no writer at the days-off file's path must not
# stop it, a full disk must be reported at any output size, a reader that goes away must not.
# Usage: file_and_output.sh DOVRIN_CAL
set -u
cal=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }
export LC_ALL=C.UTF-8

mkdir "$work/dovrin" && mkfifo "$work/dovrin/rest-days.tsv"
XDG_DATA_HOME=$work timeout 5 "$cal" 2027 1 >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || bad "status $status with a FIFO at the file's path"
grep -q '2027年的放假安排尚未收录' "$work/out" || bad "no month with a FIFO at the file's path"
[ "$(cat "$work/err")" = "dovrin-cal: $work/dovrin/rest-days.tsv: skipped, as it is not a regular file (a named pipe)" ] ||
  bad "FIFO message: $(cat "$work/err")"
export XDG_DATA_HOME="$work/none"

# Small output fails at the final flush, large output at a write.
for args in "2026 1" "--ics 2026-01-01 2026-12-31"; do
  # shellcheck disable=SC2086
  "$cal" $args >/dev/full 2>"$work/err"
  status=$?
  [ "$status" -eq 1 ] || bad "status $status for dovrin-cal $args > /dev/full"
  [ "$(cat "$work/err")" = "dovrin-cal: write error: No space left on device" ] ||
    bad "dovrin-cal $args > /dev/full: $(cat "$work/err")"
done

# After --write the user's file is written even when its confirmation cannot be: the
# message says so, and the year is in the file.
XDG_DATA_HOME=$work/written "$cal" --import-notice "$(dirname "$0")/../resources/notices/2026.txt" --write >/dev/full 2>"$work/err"
status=$?
[ "$status" -eq 1 ] || bad "status $status for --write > /dev/full"
[ "$(tail -n 1 "$work/err")" = "dovrin-cal: $work/written/dovrin/rest-days.tsv was written all the same" ] ||
  bad "--write > /dev/full: $(cat "$work/err")"
grep -q '^2026-10-01' "$work/written/dovrin/rest-days.tsv" || bad "--write > /dev/full wrote nothing"

"$cal" --table 1900-01-31 2050-01-22 2>"$work/err" | head -n 1 >/dev/null
[ -s "$work/err" ] && bad "a closed pipe is reported: $(cat "$work/err")"
exit $fail
