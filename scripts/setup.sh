#!/bin/sh
# Installs every Debian package the build, the tests and the program need.
# Safe to run again; uses sudo when not run as root.
set -e
SUDO=
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
PACKAGES="build-essential cmake pkg-config qt6-base-dev libsdl2-dev libsdl2-mixer-dev
  desktop-file-utils appstream man-db dpkg-dev file
  libbenchmark-dev clang libclang-rt-14-dev clang-format
  xvfb xdotool x11-utils x11-xserver-utils openbox wmctrl imagemagick fonts-dejavu-core fonts-liberation2
  espeak-ng festival festvox-ru sox libsox-fmt-mp3 lame python3 dbus-daemon weston qt6-wayland bc
  qt6-translations-l10n libxcb1-dev libxcb-shm0-dev libglib2.0-bin xrestop"
missing=
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
