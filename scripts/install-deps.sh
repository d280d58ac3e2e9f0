#!/bin/sh
# Installs the Debian packages that are missing.
#   scripts/install-deps.sh          what building and running the program needs
#   scripts/install-deps.sh --tests  that, plus the tools the tests start (X and Wayland sessions, tray hosts,
#                                    sound servers, a session bus, media-control clients, sanitizer runtimes,
#                                    a dark theme, the accessibility bus and a client of it, a font with Chinese and
#                                    Japanese glyphs so that captions in those languages are measured as shown)
# Test daemons are never installed without --tests: a PulseAudio daemon beside a desktop's PipeWire can take
# its sound socket.
set -eu

PACKAGES="
build-essential cmake ninja-build pkg-config
qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland libwayland-dev wayland-protocols
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
libmpg123-dev libmp3lame-dev libsndfile1-dev libebur128-dev
libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
fonts-liberation dpkg-dev fakeroot file
"

TEST_PACKAGES="
xvfb xauth openbox trayer xdotool wmctrl imagemagick x11-utils libx11-dev libglib2.0-bin
desktop-file-utils appstream lintian faketime mpg123 gstreamer1.0-tools strace linux-perf util-linux procps psmisc
clang libclang-rt-14-dev
dbus dbus-x11 dbus-daemon
pulseaudio pulseaudio-utils pipewire pipewire-bin pipewire-pulse wireplumber
xfce4-panel xfconf playerctl sway waybar foot
sndfile-programs opus-tools vorbis-tools flac
locales
qt6ct at-spi2-core python3-pyatspi
fonts-wqy-microhei
"

case "${1:-}" in
"") ;;
--tests) PACKAGES="$PACKAGES $TEST_PACKAGES" ;;
*)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    $SUDO apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

# The tests start the program under other languages than the machine's own.
if [ "${1:-}" = --tests ]; then
    for language in de_DE fr_FR ar_EG; do
        locale -a | grep -qx "$language.utf8" && continue
        $SUDO sed -i "s/^# *\($language.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -qx "$language.UTF-8 UTF-8" /etc/locale.gen || echo "$language.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
        $SUDO locale-gen
    done
fi
