#!/usr/bin/env bash
# A first run shows the window and the tray icon and stores the defaults; "Turn On" plays, "Turn Off" stops;
# closing while on ends the program with its tray icon, and the next start resumes playback without a click.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

start_x
start_wm
start_tray
start_app
wait_main_window

title=$(xdotool getwindowname "$APP_WINDOW")
[[ $title == *"Somnivox Noise Player"* ]] || fail "window title is '$title'"
pass "the window title '$title' holds the product name"
geometry=$(xwininfo -id "$APP_WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$geometry" = 536x396 ] || fail "the window is $geometry, not 536x396"
pass "the window's client area is 536x396"
wait_until 10 tray_icon_present || fail "the tray icon did not appear in the tray"
pass "the tray icon is embedded in the tray"
shot first-run

wait_until 10 has_setting "Time To" || fail "the first run wrote no times"
setting_is Combo1 0 || fail "Combo1 is '$(setting Combo1)'"
setting_is Option Infinite || fail "Option is '$(setting Option)'"
setting_is Pitch 1 || fail "Pitch is '$(setting Pitch)'"
for key in "Time From" "Time To"; do
    [[ $(setting "$key") =~ $STORED_TIME_PATTERN ]] || fail "$key is '$(setting "$key")', not a C-locale date and time"
done
# A first run proposes a night.
[[ $(setting "Time From") == *" 22:00:00" && $(setting "Time To") == *" 07:00:00" ]] ||
    fail "the first run proposed $(setting "Time From") to $(setting "Time To"), not 22:00 to 07:00"
! has_setting StartStopState || fail "a first run stored StartStopState"
pass "the first run stored Combo1=0, Option=Infinite, Pitch=1 and the times 22:00 to 07:00, and no on/off state"
if ! capture_still 1 || [ "$(capture_size)" -ne 0 ]; then
    fail "sound before anything was turned on"
fi
pass "nothing plays before Turn On"

click_on_off
wait_until 15 capture_grows || fail "no sound after Turn On"
wait_until 10 setting_is StartStopState ON || fail "Turn On stored StartStopState '$(setting StartStopState)'"
pass "Turn On stored StartStopState=ON"
check_sound_flows 3 "after Turn On"
shot playing

click_on_off
wait_until 15 capture_still 0.5 || fail "the sound did not stop after Turn Off"
capture_still 2 || fail "the capture grew again after Turn Off"
setting_is StartStopState OFF || fail "Turn Off stored StartStopState '$(setting StartStopState)'"
pass "Turn Off stops the sound and stores StartStopState=OFF"
shot turned-off

click_on_off
wait_until 15 capture_grows || fail "no sound after the second Turn On"
wait_until 10 setting_is StartStopState ON || fail "the second Turn On did not store ON"
close_main_window
wait_until 10 tray_icon_absent || fail "the tray icon stayed after the window was closed"
wait_app_ended 15
pass "closing the window while on removes the tray icon and ends the program"
setting_is StartStopState ON || fail "closing changed StartStopState to '$(setting StartStopState)'"
pass "the stored state stays ON after closing"
shot closed

rm -f "$CAPTURE"
start_app
wait_main_window
wait_until 15 capture_grows || fail "the restart with StartStopState=ON did not resume playback"
pass "the restart resumes playback without a click"
check_sound_flows 3 "after the restart"
shot resumed
