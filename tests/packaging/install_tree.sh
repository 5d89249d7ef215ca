#!/bin/sh
# Installs the build tree under a fresh DESTDIR with prefix /usr, checks the installed files
# and the desktop data with Debian's validators, and runs the installed programs from there.
# Usage: install_tree.sh BUILD_DIR VERSION GUI(0|1) CMAKE
set -u
build=$1 version=$2 gui=$3 cmake=$4
id=io.github.dovrin.Dovrin

. "$(dirname "$0")/common.sh"
needs man
[ "$gui" = 1 ] && needs desktop-file-validate appstreamcli
dest=$scratch

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }
root=$dest/usr

expected="bin/dovrin-cal
share/man/man1/dovrin-cal.1
share/bash-completion/completions/dovrin-cal
share/doc/dovrin/copyright
share/doc/dovrin/changelog.gz
share/locale/zh_CN/LC_MESSAGES/dovrin-cal.mo"
if [ "$gui" = 1 ]; then
  expected="$expected
bin/dovrin
share/man/man1/dovrin.1
share/applications/$id.desktop
share/metainfo/$id.metainfo.xml
share/icons/hicolor/scalable/apps/$id.svg"
  for size in 16 22 24 32 48 64 128 256; do
    expected="$expected
share/icons/hicolor/${size}x$size/apps/$id.png"
  done
fi
for path in $expected; do
  [ -f "$root/$path" ] || bad "missing $path"
done
# The modules that --pdf and the exports load, under the library folder of the install.
for module in dovrin-pdf dovrin-ics; do
  [ -n "$(find "$root" -path "*/dovrin/$module.so" -type f)" ] || bad "missing $module.so"
done
(cd "$root" && find . -type f | sed 's|^\./||' | sort) | while read -r path; do
  case $path in lib*/dovrin/dovrin-*.so) continue ;; esac
  echo "$expected" | grep -qxF "$path" || echo "note: also installed: $path"
done

# The PNG header holds width and height as big-endian words at bytes 16..23.
for png in "$root"/share/icons/hicolor/*/apps/$id.png; do
  [ -f "$png" ] || continue
  size=$(basename "$(dirname "$(dirname "$png")")")
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{printf "%dx%d", $3*256+$4, $7*256+$8}')
  [ "$dims" = "$size" ] || bad "$size icon is $dims"
done

for page in "$root"/share/man/man1/*.1; do
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || bad "man warnings for $page: $out"
done

if [ "$gui" = 1 ]; then
  out=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1)
  [ -z "$out" ] || bad "desktop-file-validate: $out"
  out=$(appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" 2>&1) ||
    bad "appstreamcli validate: $out"
  grep -q "<release version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml" ||
    bad "metainfo has no release $version"
  grep -qx "Icon=$id" "$root/share/applications/$id.desktop" || bad "desktop file names another icon"

  out=$(env -i PATH=/usr/bin:/bin "$root/bin/dovrin" --version 2>&1)
  [ "$out" = "dovrin $version" ] || bad "dovrin --version without a display: $out"
fi

out=$(env -i PATH=/usr/bin:/bin "$root/bin/dovrin-cal" --version 2>&1)
[ "$out" = "dovrin-cal $version" ] || bad "dovrin-cal --version: $out"
out=$(env -i PATH=/usr/bin:/bin "$root/bin/dovrin-cal" 2008 2 2>&1) || bad "dovrin-cal 2008 2 failed: $out"
echo "$out" | grep -q 2008 && echo "$out" | grep -q 春节 || bad "dovrin-cal 2008 2 printed: $out"
# The installed catalogue, found from the program's own place under the DESTDIR.
out=$(env -i PATH=/usr/bin:/bin LANG=zh_CN.UTF-8 "$root/bin/dovrin-cal" --help 2>&1)
echo "$out" | head -n 1 | grep -q '^用法：dovrin-cal' || bad "dovrin-cal --help under zh_CN printed: $out"

# The PDF module, found from the program's own place.
out=$(env -i PATH=/usr/bin:/bin "$root/bin/dovrin-cal" --pdf - 2008 2 2>&1 | head -c 5)
[ "$out" = "%PDF-" ] || bad "dovrin-cal --pdf - 2008 2 printed: $out"
# The iCalendar writer, a module as well.
out=$(env -i PATH=/usr/bin:/bin "$root/bin/dovrin-cal" --ics 2027-10-01 2027-10-01 2>&1)
echo "$out" | grep -q '^SUMMARY:国庆节' || bad "dovrin-cal --ics 2027-10-01 2027-10-01 printed: $out"

exit $fail
