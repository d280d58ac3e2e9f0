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

# With a language as argument (de_DE.UTF-8, ar_EG.UTF-8), the window under that language instead: its controls are
# named in it, and a right-to-left language reads from the right.
language=${1:-}
if [ -n "$language" ]; then
    locale -a | grep -qix "${language/UTF-8/utf8}" ||
        fail "the locale $language is missing (scripts/install-deps.sh --tests makes it)"
fi

start_x
start_wm
# The bus starts the accessibility bus (org.a11y.Bus) when the program asks for it.
start_bus
start_app_on_bus QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ${language:+LANG=$language LC_ALL=$language LANGUAGE=}
wait_main_window
"$PYTHON" "$(dirname "$0")/accessible_tree.py" "$APP_PID" 30 >"$WORK/accessible-tree.log" 2>&1 || {
    cat "$WORK/accessible-tree.log"
    fail "the accessibility tree has problems"
}
pass "the window is a frame titled as the program; its controls are named apart; nothing outside it shows"

# The centre of the first object of that role and name, from the window's left edge, and the window's width.
centre_of() {
    sed -n "s/^  $1 '$2' at (\([0-9-]*\), [0-9-]*, \([0-9]*\), [0-9]*)\$/\1 \2/p" "$WORK/accessible-tree.log" |
        head -n 1 | { read -r x w && echo $((x + w / 2 - window_x)); }
}
if [ -n "$language" ]; then
    case "$language" in
    de_*) names=("push button|Einschalten" "push button|Probe hören" "push button|Klang hinzufügen"
        "radio button|Spielen von" "check box|Im Infobereich starten" "spin button|Beginn des täglichen Zeitfensters") ;;
    ar_*) names=("push button|تشغيل" "push button|معاينة الصوت" "push button|إضافة صوت"
        "radio button|التشغيل من" "check box|البدء في علبة النظام" "spin button|بداية الفترة اليومية") ;;
    *) fail "no names are known for $language" ;;
    esac
    for entry in "${names[@]}"; do
        grep -qF "  ${entry%%|*} '${entry#*|}' at" "$WORK/accessible-tree.log" || {
            cat "$WORK/accessible-tree.log"
            fail "under $language no ${entry%%|*} is named '${entry#*|}'"
        }
    done
    pass "under $language the screen reader reads the controls' names in that language"
    read -r window_x window_width < <(sed -n "s/^window: frame '.*' at (\([0-9-]*\), [0-9-]*, \([0-9]*\), [0-9]*)\$/\1 \2/p" \
        "$WORK/accessible-tree.log")
    add=$(centre_of "push button" "${names[2]#*|}")
    preview=$(centre_of "push button" "${names[1]#*|}")
    [ -n "$add" ] && [ -n "$preview" ] || fail "the buttons' places cannot be read from the tree"
    case "$language" in
    ar_*) [ "$add" -lt $((window_width / 2)) ] && [ "$preview" -gt "$add" ] ||
        fail "under $language Add Sound stands at $add and the preview at $preview of $window_width: not mirrored"
        pass "under $language the window reads from the right: Add Sound stands left of the preview" ;;
    *) [ "$add" -gt $((window_width / 2)) ] && [ "$preview" -lt "$add" ] ||
        fail "under $language Add Sound stands at $add and the preview at $preview of $window_width"
        pass "under $language Add Sound stands right of the preview, as in English" ;;
    esac
    close_main_window
    wait_app_ended 10
    exit 0
fi
# The tray only now: its icon is a window of the program's as well.
start_tray
wait_until 20 tray_icon_present || fail "the tray icon did not appear in the tray"
"$PYTHON" "$(dirname "$0")/accessible_tree.py" "$APP_PID" 8 focus >"$WORK/menu-focus.log" 2>&1 &
EXTRA_PIDS+=($!)
wait_until 10 grep -q following "$WORK/menu-focus.log" || fail "the focus could not be followed"
click_tray_icon 3
wait_until 10 tray_menu_open || fail "a right click on the tray icon opened no menu"
read_out() { sed -n 's/^menu item: //p' "$WORK/menu-focus.log" | paste -sd '|'; }
expected='Turn On|Sleep Timer|Output|Even Loudness|Add Sound...|Mixer...|Show Somnivox Noise Player|Quit'
read_more() { [ "$(read_out)" != "$before" ]; }
# One Down per item, each once the last is read out; the first may come before the menu takes the keyboard.
for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ "$(read_out)" = "$expected" ] && break
    before=$(read_out)
    xdotool key Down
    wait_until 3 read_more || true
done
[ "$(read_out)" = "$expected" ] || fail "walking the tray menu reads out '$(read_out)', not '$expected'"
pass "walking the tray menu with the keyboard reads out Turn On, Sleep Timer, Output, Even Loudness, Add Sound..., Mixer..., Show Somnivox Noise Player and Quit"
xdotool key Escape
close_main_window
wait_app_ended 10
