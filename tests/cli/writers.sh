#!/bin/sh
# The one writer of dovrin-cal's files: two --write at once lose no line and keep the rule
# that a year in the file is refused; a temporary file of a killed run goes; a full disk, a
# file past the readers' bound and another user's file leave the old file whole.
# Usage: writers.sh DOVRIN_CAL NOTICE_DIR
set -u
cal=$1 notices=$2
work=$(mktemp -d)
trap 'umount "$work/small" 2>/dev/null; rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }
export LC_ALL=C.UTF-8 XDG_DATA_HOME="$work/data"
file=$work/data/dovrin/rest-days.tsv
expected=$(( $("$cal" --import-notice "$notices/2025.txt" | wc -l) + $("$cal" --import-notice "$notices/2026.txt" | wc -l) ))

round=0
while [ $round -lt 40 ]; do
  round=$((round + 1))
  rm -rf "$work/data"
  "$cal" --import-notice "$notices/2025.txt" --write >/dev/null 2>"$work/err1" & one=$!
  "$cal" --import-notice "$notices/2026.txt" --write >/dev/null 2>"$work/err2" & two=$!
  wait $one; s1=$?; wait $two; s2=$?
  [ $s1 -eq 0 ] && [ $s2 -eq 0 ] || bad "round $round: status $s1 $s2: $(cat "$work/err1" "$work/err2")"
  [ "$(wc -l <"$file")" -eq "$expected" ] || bad "round $round: $(wc -l <"$file") lines, not $expected"
  # The same year twice at once: one writes it, the other finds it there.
  "$cal" --import-notice "$notices/2024.txt" --write >/dev/null 2>&1 & one=$!
  "$cal" --import-notice "$notices/2024.txt" --write >/dev/null 2>&1 & two=$!
  wait $one; s1=$?; wait $two; s2=$?
  [ $((s1 + s2)) -eq 2 ] && [ $((s1 * s2)) -eq 0 ] || bad "round $round: the same year twice gave status $s1 and $s2"
done

# A run killed between its write and its rename left a temporary file: the next write
# removes it; a PDF's is removed once it is a minute old, as another run may be writing it.
: >"$file.tmp" && mv "$file.tmp" "$work/data/dovrin/.rest-days.tsv.Ab12Cd"
"$cal" --import-notice "$notices/2023.txt" --write >/dev/null || bad "--write of 2023"
[ -e "$work/data/dovrin/.rest-days.tsv.Ab12Cd" ] && bad "a stale temporary file stays"
touch -d '2 minutes ago' "$work/.out.pdf.Old123" && touch "$work/.out.pdf.New123"
"$cal" --pdf "$work/out.pdf" 2026 || bad "--pdf"
[ -e "$work/.out.pdf.Old123" ] && bad "a PDF's stale temporary file stays"
[ -e "$work/.out.pdf.New123" ] || bad "a PDF's fresh temporary file is removed"

# A write past the 1 MiB the readers read is refused before anything is written.
cp "$file" "$work/before"
awk -v n=$(( (1048576 - $(wc -c <"$file") - 500) / 100 )) 'BEGIN { for (i = 0; i < n; i++) printf "#%098d\n", 0 }' >>"$file"
cp "$file" "$work/big"
"$cal" --import-notice "$notices/2022.txt" --write >/dev/null 2>"$work/err"
[ $? -eq 1 ] || bad "status $? for a write past the bound"
grep -q "would grow to .* bytes, past the 1048576 bytes that are read; nothing was written" "$work/err" ||
  bad "past the bound: $(cat "$work/err")"
cmp -s "$file" "$work/big" || bad "the file changed on a write past the bound"
cp "$work/before" "$file"

if [ "$(id -u)" -eq 0 ]; then
  # Root writing a user's file keeps the user's ownership, so that the user can still read it.
  chown nobody:nogroup "$file" && chmod 0640 "$file"
  "$cal" --import-notice "$notices/2022.txt" --write >/dev/null || bad "--write as root"
  [ "$(stat -c '%U:%G %a' "$file")" = "nobody:nogroup 640" ] || bad "owner and mode: $(stat -c '%U:%G %a' "$file")"
fi

# A full disk: a small tmpfs where this test may mount one.
mkdir "$work/small"
if mount -t tmpfs -o size=256k tmpfs "$work/small" 2>/dev/null; then
  export XDG_DATA_HOME="$work/small"
  "$cal" --pdf "$work/small/year.pdf" 2026 && cp "$work/small/year.pdf" "$work/year.pdf"
  "$cal" --import-notice "$notices/2026.txt" --write >/dev/null && cp "$work/small/dovrin/rest-days.tsv" "$work/tsv"
  dd if=/dev/zero of="$work/small/filler" bs=4k 2>/dev/null
  "$cal" --pdf "$work/small/year.pdf" 2025 2>"$work/err"
  [ $? -eq 1 ] || bad "status $? for --pdf on a full disk"
  grep -q "No space left on device" "$work/err" || bad "--pdf on a full disk: $(cat "$work/err")"
  cmp -s "$work/small/year.pdf" "$work/year.pdf" || bad "a full disk spoilt the PDF there"
  "$cal" --import-notice "$notices/2025.txt" --write >/dev/null 2>"$work/err"
  [ $? -eq 1 ] || bad "status $? for --write on a full disk"
  grep -q "No space left on device; the file is left as it was" "$work/err" || bad "--write on a full disk: $(cat "$work/err")"
  cmp -s "$work/small/dovrin/rest-days.tsv" "$work/tsv" || bad "a full disk spoilt the user's file"
  [ "$(find "$work/small" -name '.*.??????' | wc -l)" -eq 0 ] || bad "a full disk left a temporary file"
else
  echo "note: no tmpfs could be mounted, the full disk is not tried"
fi
exit $fail
