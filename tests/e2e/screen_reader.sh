#!/usr/bin/env bash
# What a screen reader finds through AT-SPI: the window is a frame titled as the program, every control on it has a
# name of its own, and nothing out of sight (the pitch slider, its label, the player's place) is reported showing.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# Debian's pyatspi belongs to Debian's Python, whatever python3 comes first in the path.
PYTHON=/usr/bin/python3
for tool in dbus-daemon "$PYTHON" /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
done
"$PYTHON" -c 'import pyatspi' 2>/dev/null ||
    fail "pyatspi is not installed (scripts/install-deps.sh --tests installs it)"

start_x
start_wm
# The bus starts the accessibility bus (org.a11y.Bus) when the program asks for it.
start_bus
start_app_on_bus QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
wait_main_window
"$PYTHON" "$(dirname "$0")/accessible_tree.py" "$APP_PID" 30 >"$WORK/accessible-tree.log" 2>&1 || {
    cat "$WORK/accessible-tree.log"
    fail "the accessibility tree has problems"
}
pass "the window is a frame titled as the program; its controls are named apart; nothing outside it shows"
close_main_window
wait_app_ended 10
