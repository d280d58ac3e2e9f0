#!/usr/bin/env bash
# "Start in system tray": with a tray host the program comes up hidden with its tray icon and a click on the icon
# shows the window; without a tray host it comes up minimised in the taskbar.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_x
start_wm
start_tray
write_settings Minimized=On
start_app
wait_until 20 tray_icon_present || fail "the tray icon did not appear"
pass "the tray icon appears"
# The window exists (it has a title) but is not on the screen nor in the taskbar.
wait_until 10 has_main_window || fail "the program made no main window"
APP_WINDOW=$(main_window)
holds_for 3 window_hidden "$APP_WINDOW" || fail "started in the tray, the window was shown"
pass "started in the tray, the window is not shown"
shot started-in-tray

click_tray_icon 1
wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "a click on the tray icon did not show the window"
pass "a click on the tray icon shows the window, normal and focused"
setting_is Minimized On || fail "the start changed Minimized to '$(setting Minimized)'"
shot shown-from-tray

close_main_window
wait_app_ended 15
stop_tray

start_app
wait_until 20 main_window_in_taskbar ||
    fail "without a tray host the program did not come up in the taskbar"
APP_WINDOW=$(main_window)
wait_until 10 wm_state_is "$APP_WINDOW" Iconic || fail "without a tray host the window is $(wm_state "$APP_WINDOW"), not minimised"
holds_for 2 in_client_list "$APP_WINDOW" || fail "without a tray host the window left the taskbar"
pass "without a tray host the program starts minimised in the taskbar"
shot started-minimised-without-tray
xdotool windowactivate "$APP_WINDOW"
wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "the window could not be brought back from the taskbar"
pass "the taskbar brings it back"
