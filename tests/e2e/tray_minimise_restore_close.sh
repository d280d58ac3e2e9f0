#!/usr/bin/env bash
# Minimising hides the window into the tray with a balloon the first time only; a left click on the tray icon brings
# it back, normal and focused, and so does the "Show" item of the menu a right click opens; closing the window removes
# the tray icon and ends the program, and so does the menu's Quit.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_x
start_wm
start_tray
start_app
wait_main_window
wait_until 10 tray_icon_present || fail "the tray icon did not appear in the tray"
no_balloon || fail "a balloon before any minimise"
shot shown

xdotool windowminimize "$APP_WINDOW"
wait_until 10 balloon_shown || fail "the first minimise showed no balloon"
balloon=$(balloons | head -n 1)
size=$(xwininfo -id "$balloon" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
pass "the first minimise shows a balloon ($size)"
wait_until 10 window_hidden "$APP_WINDOW" || fail "the minimised window stayed on the screen or in the taskbar"
pass "the minimised window is hidden from the screen and the taskbar"
shot balloon

click_tray_icon 1
wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "a left click on the tray icon did not restore the window"
pass "a left click on the tray icon restores the window, normal and focused"
wait_until 10 no_balloon || fail "the balloon stayed after the click on the icon"
shot restored-by-left-click

xdotool windowminimize "$APP_WINDOW"
wait_until 10 window_hidden "$APP_WINDOW" || fail "the second minimise left the window shown"
pass "the window is hidden again by the second minimise"
holds_for 2 no_balloon || fail "the second minimise showed a balloon"
pass "the second minimise shows no balloon"
shot second-minimise

click_tray_icon 3
wait_until 10 tray_menu_open || fail "a right click on the tray icon opened no menu"
window_hidden "$APP_WINDOW" || fail "a right click on the tray icon showed the window"
pass "a right click on the tray icon opens the menu and leaves the window in the tray"
shot tray-menu
xdotool key h
wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "the menu's Show item did not restore the window"
tray_menu_open && fail "the menu stayed open after its Show item"
pass "the menu's Show item restores the window, normal and focused"

click_tray_icon 1
holds_for 1 window_shown_and_focused "$APP_WINDOW" || fail "a click on the icon of a shown window lost it"
pass "a click on the icon while the window is shown keeps it shown and focused"
shot restored-by-the-menu

close_main_window
wait_until 10 tray_icon_absent || fail "the tray icon stayed after the window was closed"
wait_app_ended 15
pass "closing the window removes the tray icon and ends the program"
shot closed

# The menu's Quit ends the program as the close box does, from the tray, keeping the sound's stored state.
start_app
wait_main_window
wait_until 10 tray_icon_present || fail "the tray icon did not appear again"
click_on_off
wait_until 10 setting_is StartStopState ON || fail "Turn On stored '$(setting StartStopState)'"
xdotool windowminimize "$APP_WINDOW"
wait_until 10 window_hidden "$APP_WINDOW" || fail "the minimised window stayed on the screen or in the taskbar"
click_tray_icon 3
wait_until 10 tray_menu_open || fail "a right click on the tray icon opened no menu"
xdotool key q
wait_until 10 tray_icon_absent || fail "the tray icon stayed after the menu's Quit"
wait_app_ended 15
setting_is StartStopState ON || fail "the menu's Quit stored '$(setting StartStopState)'"
pass "the menu's Quit removes the tray icon and ends the program, leaving StartStopState ON"
