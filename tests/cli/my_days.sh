#!/bin/sh
# The user's own days from the command line: added, listed and removed in a file that keeps
# the user's comments and refused lines byte for byte, two writers at once losing nothing.
# Usage: my_days.sh DOVRIN_CAL
set -u
cal=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }
export LC_ALL=C.UTF-8 XDG_DATA_HOME="$work/data"
file=$work/data/dovrin/my-days.tsv
today() { faketime '2026-12-08 08:00:00' "$cal" "$@"; }

# A file the user began: a comment, an unknown line and a CR LF line end.
mkdir -p "$work/data/dovrin"
printf '# 我家的日子\r\n乱写的一行\r\n' >"$file"
cp "$file" "$work/begun"
"$cal" --add-day 妈妈生日 农历八月十五 --since 1961 >/dev/null || bad "--add-day 妈妈生日"
"$cal" --add-day 结婚纪念日 2001-05-20 --remind 7,0 >/dev/null || bad "--add-day with a full date"
"$cal" --add-day 爷爷忌日 农历闰四月初一 --remind=无 >/dev/null || bad "--add-day of a leap month"
head -c "$(wc -c <"$work/begun")" "$file" | cmp -s - "$work/begun" || bad "the user's lines changed: $(cat -A "$file")"
grep -q "$(printf '结婚纪念日\t05-20\t2001\t\t7,0\r')" "$file" || bad "the line of a full date: $(cat -A "$file")"

today --my-days >"$work/out" 2>"$work/err" || bad "--my-days status"
grep -qx '妈妈生日　2027年9月15日（农历八月十五，六十六岁）　还有 281 天' "$work/out" || bad "--my-days: $(cat "$work/out")"
[ "$(wc -l <"$work/out")" -eq 3 ] || bad "--my-days lists $(wc -l <"$work/out") days"
grep -q 'my-days.tsv:2: .*kept' "$work/err" || bad "the refused line is not reported with its number: $(cat "$work/err")"

# Refusals name the reason, change nothing and say so by their status.
cp "$file" "$work/before"
"$cal" --add-day 妈妈生日 10-01 2>"$work/err"; s=$?
[ $s -eq 2 ] && grep -q "already a day titled" "$work/err" || bad "a title twice: status $s, $(cat "$work/err")"
"$cal" --remove-day 没有这天 2>"$work/err"; s=$?
[ $s -eq 2 ] && grep -q "no day titled" "$work/err" || bad "a missing title: status $s, $(cat "$work/err")"
"$cal" --add-day 某日 农历十三月初一 2>/dev/null; [ $? -eq 2 ] || bad "a month 13 is taken"
"$cal" --add-day 某日 2005-10-01 --since 2006 2>/dev/null; [ $? -eq 2 ] || bad "two first years are taken"
cmp -s "$file" "$work/before" || bad "a refusal changed the file"

"$cal" --remove-day 结婚纪念日 >/dev/null || bad "--remove-day"
grep -q 结婚纪念日 "$file" && bad "the removed day stays"
grep -q '乱写的一行' "$file" || bad "the refused line was lost on a removal"

# Two writers at once: each finds the other's day under the lock.
round=0
while [ $round -lt 20 ]; do
  round=$((round + 1))
  "$cal" --add-day "甲$round" 01-0$((round % 9 + 1)) >/dev/null 2>"$work/e1" & one=$!
  "$cal" --add-day "乙$round" 农历3月$((round % 9 + 1)) >/dev/null 2>"$work/e2" & two=$!
  wait $one; s1=$?; wait $two; s2=$?
  [ $s1 -eq 0 ] && [ $s2 -eq 0 ] || bad "round $round: status $s1 $s2: $(cat "$work/e1" "$work/e2")"
done
[ "$(grep -c '^[甲乙]' "$file")" -eq 40 ] || bad "$(grep -c '^[甲乙]' "$file") of 40 days written at once are there"

# The day text: the day of the date with what its rule did, the days to come within 30 days,
# all before the almanac; a day 31 days ahead is not among them.
export XDG_DATA_HOME="$work/info"
mkdir -p "$work/info/dovrin"
printf '祖父忌日\t农历腊月三十\t2014\n妈妈生日\t02-28\t1961\n国庆\t10-01\n' >"$work/info/dovrin/my-days.tsv"
"$cal" --info 2025-01-28 >"$work/out" || bad "--info status"
grep -qx '我的日子：祖父忌日（农历腊月三十，逝世十周年），今年腊月小，提前到廿九' "$work/out" || bad "--info: $(grep 我的日子 "$work/out")"
grep -A1 '我的日子' "$work/out" | tail -1 | grep -qx '===*' || bad "a day beyond 30 days follows the section"
[ "$(grep -n '^黄历' "$work/out" | cut -d: -f1)" -gt "$(grep -n '我的日子' "$work/out" | cut -d: -f1)" ] || bad "the almanac comes before the user's days"
"$cal" --info 2025-01-29 | grep -qx '还有 30 天：妈妈生日（六十四岁）' || bad "--info: the day to come in 30 days"

# --table: the last column holds the titles of the date's days, empty on the others.
"$cal" --table 2025-01-27 2025-01-28 >"$work/out" || bad "--table status"
[ "$(head -n 1 "$work/out" | awk -F'\t' '{print $NF}')" = my_days ] || bad "--table: no my_days column"
[ "$(awk -F'\t' 'NR > 1 {print $NF "|"}' "$work/out" | tr -d '\n')" = '|祖父忌日|' ] || bad "--table: $(cat "$work/out")"

exit $fail
