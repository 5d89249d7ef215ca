#!/bin/sh
# dovrin-cal's messages: Chinese under a zh_CN locale, installed on this machine or not, and
# English otherwise, from the catalogue found beside the program (no environment variable
# points at it); and every message of the sources translated in po/zh_CN.po.
# Usage: messages.sh DOVRIN_CAL SOURCE_DIR GOLDEN_HELP
set -u
cal=$1 src=$2 golden=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }

env -i LANG=zh_CN.UTF-8 "$cal" --help >"$work/help" || bad "--help failed"
cmp -s "$work/help" "$golden" || { diff -u "$golden" "$work/help"; bad "the zh_CN help differs from $golden"; }

# An error: one Chinese line on standard error, nothing on standard output, status 2.
env -i LANG=zh_CN.UTF-8 "$cal" 2008 13 >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || bad "status $status for a bad month"
[ -s "$work/out" ] && bad "standard output on an error: $(cat "$work/out")"
[ "$(cat "$work/err")" = "dovrin-cal：“13”不是月份，月份应为 1..12（参见 dovrin-cal --help）" ] ||
  bad "zh_CN error: $(cat "$work/err")"
[ "$(wc -l <"$work/err")" -eq 1 ] || bad "the error takes more than one line"

# The messages about the user's days-off file come through the same catalogue.
mkdir -p "$work/data/dovrin/rest-days.tsv"
env -i LANG=zh_CN.UTF-8 XDG_DATA_HOME="$work/data" "$cal" 2027 1 2>"$work/err" >/dev/null
[ "$(cat "$work/err")" = "dovrin-cal: $work/data/dovrin/rest-days.tsv: 不是普通文件，已跳过（目录）" ] ||
  bad "zh_CN message about the days-off file: $(cat "$work/err")"

# English elsewhere; LC_ALL over LANG; LANGUAGE under another locale.
env -i LANG=en_US.UTF-8 "$cal" --help | head -n 1 | grep -q '^Usage: dovrin-cal' || bad "en_US help"
out=$(env -i LANG=zh_CN.UTF-8 LC_ALL=C.UTF-8 "$cal" -q 2>&1)
[ "$out" = "dovrin-cal: unknown option '-q' (see dovrin-cal --help)" ] || bad "LC_ALL=C.UTF-8: $out"
env -i LANG=C.UTF-8 LANGUAGE=zh_CN "$cal" -q 2>&1 | grep -q '未知选项' || bad "LANGUAGE=zh_CN"

if command -v xgettext >/dev/null && command -v msgcmp >/dev/null; then
  xgettext --keyword=_ --from-code=UTF-8 -o "$work/messages.pot" "$src"/cli/*.cpp "$src"/resources/*.cpp || bad "xgettext"
  msgcmp "$src/po/zh_CN.po" "$work/messages.pot" || bad "messages of cli/ or resources/ without a translation in po/zh_CN.po"
else
  echo "note: xgettext or msgcmp missing, the catalogue's completeness is not checked"
fi

exit $fail
