#!/bin/sh
# Builds the Debian package from the build tree, runs lintian on it (an error fails, the rest
# is shown), checks its control data and file modes, and runs dovrin-cal from the unpacked tree.
# Usage: deb_package.sh BUILD_DIR VERSION GUI(0|1) CPACK
set -u
build=$1 version=$2 gui=$3 cpack=$4

. "$(dirname "$0")/common.sh"
needs "$cpack" dpkg-deb lintian
work=$scratch

# Packed outside the build tree so that a second run or a user's own cpack is not disturbed.
(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$work/out/dovrin_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }

lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
grep -q '^E:' "$work/lintian.log" && bad "lintian reports errors"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q 'libc6' || bad "no shared-library dependencies in: $depends"
# Those of the modules too, which the program itself does not link.
echo "$depends" | grep -q 'libical3' || bad "no libical3 for the iCalendar module in: $depends"
if [ "$gui" = 1 ]; then
  echo "$depends" | grep -q 'fonts-arphic-uming | fonts-noto-cjk' || bad "no CJK font in: $depends"
fi

# Owned by root, directories 0755, files 0644 or 0755 for programs.
dpkg-deb -c "$deb" | awk '
  $2 != "root/root" { print "owner: " $0; bad = 1 }
  $1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x)$/ { print "mode: " $0; bad = 1 }
  END { exit bad }' || bad "owners or modes"

dpkg-deb -x "$deb" "$work/root"
out=$(env -i PATH=/usr/bin:/bin "$work/root/usr/bin/dovrin-cal" --version 2>&1)
[ "$out" = "dovrin-cal $version" ] || bad "dovrin-cal --version: $out"
out=$(env -i PATH=/usr/bin:/bin "$work/root/usr/bin/dovrin-cal" 2008 2 2>&1) || bad "dovrin-cal 2008 2 failed: $out"
echo "$out" | grep -q 春节 || bad "dovrin-cal 2008 2 printed: $out"
out=$(env -i PATH=/usr/bin:/bin LANG=zh_CN.UTF-8 "$work/root/usr/bin/dovrin-cal" 2008 13 2>&1)
[ "$out" = "dovrin-cal：“13”不是月份，月份应为 1..12（参见 dovrin-cal --help）" ] ||
  bad "dovrin-cal from the package under zh_CN printed: $out"
dpkg-deb -c "$deb" | grep -q '/usr/share/locale/zh_CN/LC_MESSAGES/dovrin-cal.mo$' || bad "no zh_CN catalogue"
dpkg-deb -c "$deb" | grep -q '/dovrin/dovrin-ics.so$' || bad "no iCalendar module"

# The PDF module, found from the program's own place.
out=$(env -i PATH=/usr/bin:/bin "$work/root/usr/bin/dovrin-cal" --pdf - 2008 2 2>&1 | head -c 5)
[ "$out" = "%PDF-" ] || bad "dovrin-cal --pdf - 2008 2 printed: $out"
# The iCalendar writer, a module as well.
out=$(env -i PATH=/usr/bin:/bin "$work/root/usr/bin/dovrin-cal" --ics 2027-10-01 2027-10-01 2>&1)
echo "$out" | grep -q '^SUMMARY:国庆节' || bad "dovrin-cal --ics 2027-10-01 2027-10-01 printed: $out"

exit $fail
