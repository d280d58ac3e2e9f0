#!/usr/bin/env bash
# What a screen reader finds through AT-SPI: the window is a frame titled as the program, every control on it has a
# name of its own, and nothing out of sight (the pitch slider, its label, the player's place) is reported showing;
# the tray's menu, opened with a right click on the icon, offers its items by name.
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
# The tray only now: its icon is a window of the program's as well.
start_tray
wait_until 20 tray_icon_present || fail "the tray icon did not appear in the tray"
"$PYTHON" "$(dirname "$0")/accessible_tree.py" "$APP_PID" 8 focus >"$WORK/menu-focus.log" 2>&1 &
EXTRA_PIDS+=($!)
wait_until 10 grep -q following "$WORK/menu-focus.log" || fail "the focus could not be followed"
click_tray_icon 3
wait_until 10 tray_menu_open || fail "a right click on the tray icon opened no menu"
read_out() { sed -n 's/^menu item: //p' "$WORK/menu-focus.log" | paste -sd '|'; }
expected='Turn On|Sleep Timer|Add Sound...|Mixer...|Show Somnivox Noise Player|Quit'
read_more() { [ "$(read_out)" != "$before" ]; }
# One Down per item, each once the last is read out; the first may come before the menu takes the keyboard.
for _ in 1 2 3 4 5 6 7 8; do
    [ "$(read_out)" = "$expected" ] && break
    before=$(read_out)
    xdotool key Down
    wait_until 3 read_more || true
done
[ "$(read_out)" = "$expected" ] || fail "walking the tray menu reads out '$(read_out)', not '$expected'"
pass "walking the tray menu with the keyboard reads out Turn On, Sleep Timer, Add Sound..., Mixer..., Show Somnivox Noise Player and Quit"
xdotool key Escape
close_main_window
wait_app_ended 10
