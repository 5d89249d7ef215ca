#!/bin/sh
# The exports where the iCalendar module cannot be loaded: status 1, nothing on standard
# output, and one line naming every place tried with its reason.
# Usage: ics_module_missing.sh DOVRIN_CAL
set -u
cal=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }
export LC_ALL=C.UTF-8 XDG_DATA_HOME="$work/data"
mkdir -p "$work/bin" && cp "$cal" "$work/bin/" || exit 1

for args in "--ics 2027-01-01 2027-12-31" "--ics-lunar 8 15 --summary x --years 2027 2027" "--ics-my-days"; do
  # shellcheck disable=SC2086
  "$work/bin/dovrin-cal" $args >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 1 ] || bad "$args: status $status"
  [ -s "$work/out" ] && bad "$args: standard output without the module"
  grep -q "^dovrin-cal: the iCalendar output cannot be loaded: $work/bin/../lib/dovrin/dovrin-ics.so: .*; /.*/dovrin-ics.so: " "$work/err" ||
    bad "$args: $(cat "$work/err")"
done
exit $fail
