#!/bin/sh
# Installs the Debian packages needed to build, run and test the program.
set -eu

PACKAGES="
build-essential cmake ninja-build pkg-config
qt6-base-dev qt6-base-dev-tools libgl-dev
libmpg123-dev libmp3lame-dev
libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
gstreamer1.0-plugins-base gstreamer1.0-plugins-good
fonts-liberation
xvfb xauth openbox trayer xdotool imagemagick x11-utils
desktop-file-utils appstream faketime mpg123
gstreamer1.0-tools strace linux-perf dpkg-dev fakeroot file libx11-dev
clang libclang-rt-14-dev
"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
