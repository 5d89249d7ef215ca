#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the program need, and with --tests those the
# tests need as well; only the missing ones.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  fonts-arphic-uming fonts-noto-cjk
  libical-dev gettext nlohmann-json3-dev libnova-dev libnotify-dev
  libcairo2-dev libpango1.0-dev
  scdoc librsvg2-bin
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils faketime openbox imagemagick
    clang libclang-rt-14-dev
    python3-icalendar python3-dbus python3-gi
    at-spi2-core dbus-x11 python3-pyatspi orca speech-dispatcher espeak-ng
    desktop-file-utils appstream lintian man-db dpkg-dev fakeroot file gzip bash-completion
    poppler-utils
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
