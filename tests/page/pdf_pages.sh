#!/bin/sh
# The printed pages read back with poppler's tools: dovrin-cal --pdf and, when given, the
# desktop's printing to Qt's PDF printer. Skipped (77) when a tool is missing.
# Usage: pdf_pages.sh PATH_TO_DOVRIN_CAL [PATH_TO_PRINT_TO_PDF]
set -u
program=${1:?usage: pdf_pages.sh PATH_TO_DOVRIN_CAL [PATH_TO_PRINT_TO_PDF]}
desktop=${2:-}
for tool in pdftotext pdffonts pdfinfo pdftoppm python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing"; exit 77; }
done
check=$(dirname "$0")/pdf_check.py
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Under the sanitizers: whole stacks at every allocation, so that a leak that cairo itself
# makes in finishing a file is told by where it lies (see lsan.supp) from one of ours.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
# The pages of the built-in days alone: none of the user's own files.
export XDG_DATA_HOME="$work/data"
status=0
expect() {  # expect WHAT COMMAND...: the command succeeds
    what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; status=1; fi
}

"$program" --table 2026-01-01 2026-12-31 >"$work/2026.tsv"
"$program" --table 2033-01-01 2033-12-31 >"$work/2033.tsv"
a4="595.276 841.89"
a4_landscape="841.89 595.276"
letter="612 792"
letter_landscape="792 612"

"$program" --pdf "$work/year.pdf" 2026 && "$program" --pdf - 2026 10 >"$work/month.pdf" &&
    "$program" --pdf "$work/year-letter.pdf" --paper letter 2026 &&
    "$program" --pdf "$work/month-letter.pdf" 2026 10 --paper letter &&
    "$program" --pdf "$work/year-2033.pdf" 2033 ||
    { echo "FAIL: dovrin-cal --pdf"; exit 1; }
expect "year: every day in order with its short line and 休/班" python3 "$check" year "$work/year.pdf" "$work/2026.tsv"
expect "year 2033: every day in order, the leap month too" python3 "$check" year "$work/year-2033.pdf" "$work/2033.tsv"
expect "year: the 12 lunar months that begin in 2026 named" python3 "$check" starts "$work/year.pdf" "$work/2026.tsv" 12
expect "year 2033: the 13 lunar months that begin in it named, 闰冬月 among them" \
    python3 "$check" starts "$work/year-2033.pdf" "$work/2033.tsv" 13
expect "month: every day with its lunar day and 休/班, the terms' minutes listed" \
    python3 "$check" month "$work/month.pdf" "$work/2026.tsv" 2026 10
expect "year, A4: size, fonts, no text across a line" python3 "$check" page "$work/year.pdf" $a4
expect "month, A4 landscape: the same" python3 "$check" page "$work/month.pdf" $a4_landscape
expect "year, Letter: the same" python3 "$check" page "$work/year-letter.pdf" $letter
expect "month, Letter landscape: the same" python3 "$check" page "$work/month-letter.pdf" $letter_landscape

# A file that cannot be written is an error, not an empty success.
"$program" --pdf "$work/no/such/dir/x.pdf" 2026 2>"$work/err"
expect "an unwritable file: exit 1 with its name" test $? -eq 1 -a -s "$work/err"
"$program" --pdf "$work/x.pdf" --paper a5 2026 2>/dev/null
expect "an unknown paper: exit 2" test $? -eq 2

# The user's own days: listed under the month, marked on the month and the year.
mkdir -p "$XDG_DATA_HOME/dovrin"
printf '妈妈生日\t农历八月十五\t1961\n' >"$XDG_DATA_HOME/dovrin/my-days.tsv"
"$program" --pdf "$work/mine-month.pdf" 2025 10 && "$program" --pdf "$work/mine-year.pdf" 2025 ||
    { echo "FAIL: dovrin-cal --pdf with the user's days"; exit 1; }
expect "month with the user's days: listed and marked" sh -c \
    'pdftotext -raw "$1" - | grep -q "6日 妈妈生日（农历八月十五，六十四岁）" && pdftotext "$1" - | grep -q "◉"' \
    - "$work/mine-month.pdf"
expect "year with the user's days: marked" sh -c 'pdftotext "$1" - | grep -q "◉"' - "$work/mine-year.pdf"
expect "month with the user's days, A4 landscape: no text across a line" \
    python3 "$check" page "$work/mine-month.pdf" $a4_landscape
rm "$XDG_DATA_HOME/dovrin/my-days.tsv"

if [ -n "$desktop" ]; then
    QT_QPA_PLATFORM=offscreen "$desktop" "$work/desk-year.pdf" a4 2026 &&
        QT_QPA_PLATFORM=offscreen "$desktop" "$work/desk-month.pdf" letter 2026 10 ||
        { echo "FAIL: printing from the desktop"; exit 1; }
    expect "desktop year: every day in order" python3 "$check" year "$work/desk-year.pdf" "$work/2026.tsv"
    expect "desktop month: every day, the terms listed" \
        python3 "$check" month "$work/desk-month.pdf" "$work/2026.tsv" 2026 10
    expect "desktop year, A4: size, fonts, no text across a line" python3 "$check" page "$work/desk-year.pdf" $a4
    expect "desktop month, Letter landscape: the same" \
        python3 "$check" page "$work/desk-month.pdf" $letter_landscape
fi
exit $status
