#!/bin/sh
# dovrin-cal --pdf where the page cannot be printed right: no face with Chinese characters, a
# module that is not ours, a terminal as the output, an option where the file is expected.
# Nothing is written then, and a PDF already at the file stays as it was.
# Usage: pdf_refusals.sh DOVRIN_CAL
set -u
cal=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }
export LC_ALL=C.UTF-8 XDG_DATA_HOME="$work/data"
cd "$work" || exit 1

"$cal" --pdf kept.pdf 2026 || bad "--pdf with the fonts installed"
cp kept.pdf before.pdf
# fontconfig with the DejaVu faces only, which hold no Chinese.
cat >fonts.conf <<END
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$work/cache</cachedir></fontconfig>
END
FONTCONFIG_FILE=$work/fonts.conf "$cal" --pdf kept.pdf 2027 2>err
[ $? -eq 1 ] || bad "status $? without a Chinese face"
grep -q "no font with Chinese characters is installed.*install fonts-arphic-uming, fonts-noto-cjk; nothing was written" err ||
  bad "without a Chinese face: $(cat err)"
cmp -s kept.pdf before.pdf || bad "the PDF there changed without a Chinese face"

# A module by the program's name that is not ours: every place tried is named with its reason.
mkdir -p bin lib/dovrin && cp "$cal" bin/ && cp /lib/x86_64-linux-gnu/libdl.so.2 lib/dovrin/dovrin-pdf.so
bin/dovrin-cal --pdf kept.pdf 2027 2>err
[ $? -eq 1 ] || bad "status $? with a wrong module"
grep -q "cannot be loaded: $work/bin/../lib/dovrin/dovrin-pdf.so: undefined symbol: Dovrin.*; /.*dovrin-pdf.so: " err ||
  bad "with a wrong module: $(cat err)"

# A terminal takes no PDF; an option is no file name, unless -- says it is one.
if command -v script >/dev/null; then
  script -qec "$cal --pdf - 2026" /dev/null >out
  grep -q "not written to a terminal" out || bad "--pdf - on a terminal: $(head -c 200 out)"
fi
"$cal" --pdf --help 2027 >out 2>err
[ $? -eq 2 ] && [ ! -e ./--help ] || bad "--pdf --help 2027 wrote a file"
"$cal" --pdf -- --help 2 2027 && [ -s ./--help ] || bad "--pdf -- --help 2 2027 did not write the file --help"
exit $fail
