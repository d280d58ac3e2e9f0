#!/usr/bin/env bash
# The program on a desktop's session bus (a private dbus-daemon).
#   tray:  a StatusNotifierItem tray (xfce4-panel) that starts after the program receives the item, titled as the
#          program; its activation restores the window from the tray; a panel started again receives it again.
#   menu:  the tray's menu, exported to the panel, lists its items in order; the panel draws it, its "Turn On" turns
#          the sound on, and "Turn Off" clicked through the bus turns it off as the window's button does.
#   media: a media-control client (playerctl) plays and pauses through the on/off button's handler and reads the
#          status and the style.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

for tool in dbus-daemon dbus-send dbus-monitor xfce4-panel playerctl; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
done

start_x
start_wm
start_bus
start_app_on_bus
wait_main_window

case "${1:?tray, menu or media}" in
tray)
    # At a login the program often wins the race against the panel.
    sleep 3
    start_panel
    wait_until 60 has_program_tray_item || fail "no tray item titled 'Somnivox Noise Player' (items: $(tray_items))"
    pass "the panel started after the program receives its item, titled 'Somnivox Noise Player'"
    item=$(program_tray_item)
    bus_property "$item" /StatusNotifierItem org.kde.StatusNotifierItem Id | grep -q '"org.vantrelle.Somnivox"' ||
        fail "the item's id is $(bus_property "$item" /StatusNotifierItem org.kde.StatusNotifierItem Id)"
    pass "the item's id is org.vantrelle.Somnivox"
    shot panel-with-item

    dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
        >"$WORK/notify.log" 2>&1 &
    EXTRA_PIDS+=($!)
    wait_until 10 test -s "$WORK/notify.log" || fail "dbus-monitor did not start"
    xdotool windowminimize "$APP_WINDOW"
    wait_until 10 window_hidden "$APP_WINDOW" || fail "minimising did not hide the window in the tray"
    pass "minimising hides the window in the tray"
    # The balloon as a notification: application name, replaced id and icon are its first three arguments.
    notification() { grep -A3 'member=Notify' "$WORK/notify.log" | sed -n '2p;4p' | tr -d '\n'; }
    expected='   string "Somnivox Noise Player"   string "somnivox"'
    notified() { [ "$(notification)" = "$expected" ]; }
    wait_until 10 notified ||
        fail "the balloon's notification names '$(notification)', not '$expected'"
    pass "the balloon is a notification of 'Somnivox Noise Player' with the 'somnivox' icon"
    activate_tray_item
    wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "activating the item did not restore the window"
    pass "activating the item restores the window, normal and focused"

    stop_process "$PANEL_PID"
    start_panel
    wait_until 60 has_program_tray_item || fail "the panel started again did not receive the item"
    pass "the panel started again receives the item again"
    ;;
menu)
    start_panel
    wait_until 60 has_program_tray_item || fail "no tray item titled 'Somnivox Noise Player' (items: $(tray_items))"
    item=$(program_tray_item)
    menu=$(bus_property "$item" /StatusNotifierItem org.kde.StatusNotifierItem Menu |
        sed -n 's/.*object path "\(.*\)"$/\1/p')
    [ "$menu" = /MenuBar ] || fail "the item's Menu property names '$menu'"
    menu_call() { bus_call "$item" "$menu" "com.canonical.dbusmenu.$1" "${@:2}"; }
    labels() {
        menu_call GetLayout int32:0 int32:-1 array:string:label | grep -A1 'string "label"' |
            sed -n 's/.*variant *string "\(.*\)"$/\1/p' | paste -sd '|'
    }
    expected='_Turn On|_Sleep Timer|_Off|_15 Minutes|_30 Minutes|_45 Minutes|1 _Hour|_90 Minutes|_2 Hours'
    expected+='|_Add 15 Minutes|_Output|System _Default|_Even Loudness|A_dd Sound...|_Mixer...|S_how Somnivox Noise Player|_Quit'
    [ "$(labels)" = "$expected" ] || fail "the menu reads '$(labels)', not '$expected'"
    pass "the item's menu is exported at $menu with its items in order"

    first_label() { menu_call GetProperty int32:1 string:label | sed -n 's/.*variant *string "\(.*\)"$/\1/p'; }
    first_label_is() { [ "$(first_label)" = "$1" ]; }
    # The panel draws the menu: a right click on the item (the panel's first) opens it, and its first item chosen
    # with the keyboard turns the sound on.
    visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
    windows_before=$(visible_windows)
    menu_drawn() { [ "$(visible_windows)" -gt "$windows_before" ]; }
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --class xfce4-panel | head -n 1)")"
    # The watcher may know the item a moment before the panel shows it.
    for _ in 1 2 3; do
        xdotool mousemove $((X + 14)) $((Y + HEIGHT / 2)) click 3
        wait_until 3 menu_drawn && break
    done
    menu_drawn || fail "a right click on the panel's item drew no menu"
    shot panel-menu
    xdotool key Down Return
    wait_until 10 capture_grows || fail "the panel's menu item Turn On did not start the sound"
    setting_is StartStopState ON || fail "the panel's Turn On stored '$(setting StartStopState)'"
    wait_until 5 first_label_is _Turn\ Off || fail "turned on, the menu's first item reads '$(first_label)'"
    pass "the panel draws the menu, its Turn On turns the sound on, and the item then reads 'Turn Off'"
    capture_still() { ! capture_grows; }
    menu_call Event int32:1 string:clicked variant:int32:0 uint32:0 >/dev/null
    wait_until 10 setting_is StartStopState OFF || fail "the menu's Turn Off stored '$(setting StartStopState)'"
    wait_until 10 capture_still || fail "the menu's Turn Off did not stop the sound"
    wait_until 5 first_label_is _Turn\ On || fail "turned off, the menu's first item reads '$(first_label)'"
    pass "the menu's Turn Off, clicked through the bus, turns off: silence, StartStopState OFF, 'Turn On' again"
    ;;
media)
    player_listed() { playerctl -l 2>/dev/null | grep -qx somnivox; }
    status_is() { [ "$(playerctl -p somnivox status 2>/dev/null)" = "$1" ]; }
    capture_still() { ! capture_grows; }
    wait_until 20 player_listed || fail "playerctl does not list the program (players: $(playerctl -l 2>&1))"
    status_is Stopped || fail "turned off, the status is '$(playerctl -p somnivox status 2>&1)'"
    pass "the program is a media player, stopped while off"

    # A client that follows the status learns of changes from the player's PropertiesChanged signals alone.
    playerctl -p somnivox --follow status >"$WORK/followed.log" 2>&1 &
    EXTRA_PIDS+=($!)
    wait_until 10 grep -qx Stopped "$WORK/followed.log" || fail "playerctl --follow did not start"
    playerctl -p somnivox play
    wait_until 10 capture_grows || fail "play did not start the sound"
    setting_is StartStopState ON || fail "play stored StartStopState '$(setting StartStopState)'"
    wait_until 10 status_is Playing || fail "playing, the status is '$(playerctl -p somnivox status 2>&1)'"
    pass "play turns the program on: sound, StartStopState ON, status Playing"
    wait_until 10 grep -qx Playing "$WORK/followed.log" || fail "no signal told a following client of Playing"
    pass "a following client is told of Playing"
    # Combo1 0 is the first generated noise.
    style="Brown Noise"
    [ "$(playerctl -p somnivox metadata xesam:title)" = "$style" ] ||
        fail "the title is '$(playerctl -p somnivox metadata xesam:title 2>&1)', not '$style'"
    pass "the title names the style"

    playerctl -p somnivox pause
    wait_until 10 capture_still || fail "pause did not stop the sound"
    setting_is StartStopState OFF || fail "pause stored StartStopState '$(setting StartStopState)'"
    wait_until 10 status_is Stopped || fail "paused, the status is '$(playerctl -p somnivox status 2>&1)'"
    pass "pause turns the program off: silence, StartStopState OFF, status Stopped"

    xdotool windowminimize "$APP_WINDOW"
    wait_until 5 wm_state_is "$APP_WINDOW" Iconic || fail "the window did not become minimised"
    bus_call org.mpris.MediaPlayer2.somnivox /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Raise >/dev/null
    wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "Raise did not show the window"
    pass "Raise shows the window"
    ;;
*) fail "unknown part $1" ;;
esac
