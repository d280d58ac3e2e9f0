#!/usr/bin/env bash
# Without a tray host a minimised window stays reachable in the taskbar; a tray host that starts later receives the
# icon; a tray host that goes away while the window is hidden in it gives the window back.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_x
start_wm
start_app
wait_main_window
shot no-tray-host

xdotool windowminimize "$APP_WINDOW"
wait_until 10 wm_state_is "$APP_WINDOW" Iconic || fail "the window did not become minimised (state $(wm_state "$APP_WINDOW"))"
holds_for 2 minimised_in_taskbar "$APP_WINDOW" ||
    fail "without a tray host the minimised window left the taskbar (state $(wm_state "$APP_WINDOW"))"
no_balloon || fail "a balloon without a tray host"
pass "without a tray host the minimised window stays in the taskbar, iconic, with no balloon"
shot minimised-without-tray

# What a taskbar does on a click: ask the window manager to activate the window.
xdotool windowactivate "$APP_WINDOW"
wait_until 10 window_shown_and_focused "$APP_WINDOW" || fail "the window could not be brought back from the taskbar"
pass "the taskbar brings the window back"

start_tray
# The program looks for a tray host every 2 s.
wait_until 10 tray_icon_present || fail "the tray icon did not appear when the tray host started later"
pass "a tray host started later receives the tray icon"
shot tray-host-started

xdotool windowminimize "$APP_WINDOW"
wait_until 10 balloon_shown || fail "minimising into the late tray showed no balloon"
pass "minimising into the late tray shows the balloon"
wait_until 10 window_hidden "$APP_WINDOW" || fail "the window was not hidden in the late tray"
pass "the window is hidden in the late tray"
stop_tray
# While the window hides in it, the program checks the tray host every 2 s.
wait_until 15 window_shown_and_focused "$APP_WINDOW" || fail "the hidden window stayed hidden when the tray host went away"
pass "the hidden window comes back when the tray host goes away"
shot tray-host-gone
app_running || fail "the program ended when the tray host went away"
pass "the program outlives its tray host"
