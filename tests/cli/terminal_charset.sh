#!/bin/sh
# dovrin-cal under a Chinese locale that is not UTF-8 (zh_CN.GB18030, built with localedef
# into a folder of the test's own): the help, the calendar and the messages come in GB18030,
# the same text as under zh_CN.UTF-8; the iCalendar export and the user's file stay UTF-8.
# Skipped (77) where localedef cannot build the locale.
# Usage: terminal_charset.sh DOVRIN_CAL NOTICE
set -u
cal=$1 notice=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }
command -v localedef >/dev/null && command -v iconv >/dev/null || { echo "SKIP: no localedef or iconv"; exit 77; }
localedef -i zh_CN -f GB18030 "$work/zh_CN.GB18030" 2>/dev/null ||
  [ -f "$work/zh_CN.GB18030/LC_CTYPE" ] || { echo "SKIP: localedef cannot build zh_CN.GB18030"; exit 77; }
gb() { env -i LOCPATH="$work" LC_ALL=zh_CN.GB18030 XDG_DATA_HOME="$work/gb" "$cal" "$@"; }
utf8() { env -i LANG=zh_CN.UTF-8 XDG_DATA_HOME="$work/utf8" "$cal" "$@"; }

for args in "--help" "2026 10" "-y 2027" "--lunar 2026 8 15"; do
  # shellcheck disable=SC2086
  gb $args | iconv -f GB18030 -t UTF-8 >"$work/gb.txt" || bad "$args: not GB18030"
  # shellcheck disable=SC2086
  utf8 $args >"$work/utf8.txt"
  cmp -s "$work/gb.txt" "$work/utf8.txt" || bad "$args: the GB18030 text differs from the UTF-8 one"
done
gb 2008 13 2>&1 | iconv -f GB18030 -t UTF-8 >"$work/gb.txt"
[ "$(cat "$work/gb.txt")" = "dovrin-cal：“13”不是月份，月份应为 1..12（参见 dovrin-cal --help）" ] ||
  bad "the error in GB18030: $(cat "$work/gb.txt")"
gb --import-notice "$work/none" 2>&1 | iconv -f GB18030 -t UTF-8 | grep -q '没有那个文件或目录\|No such file' ||
  bad "the C library's reason in GB18030"

# Files and data stay UTF-8.
gb --ics 2026-10-01 2026-10-07 | grep -v '^DTSTAMP' >"$work/gb.ics"
utf8 --ics 2026-10-01 2026-10-07 | grep -v '^DTSTAMP' >"$work/utf8.ics"
cmp -s "$work/gb.ics" "$work/utf8.ics" || bad "--ics is not UTF-8 under GB18030"
gb --import-notice "$notice" --write >/dev/null || bad "--write under GB18030"
grep -q "$(printf '\t休\t国庆节')" "$work/gb/dovrin/rest-days.tsv" || bad "the user's file is not UTF-8"
exit $fail
