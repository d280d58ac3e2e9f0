#!/usr/bin/env bash
# The user's own sounds in a click: a file dragged from another program onto the window, and one chosen through
# "Add Sound..." in the file chooser, are each copied into ~/.local/share/somnivox/sounds, listed, chosen and heard.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
: "${DRAG_SOURCE:?DRAG_SOURCE must name the drag-source tool}"

start_x
start_wm

sounds="$(dirname "$SOMNIVOX")/tests/sound/sounds"
own="$WORK/home/.local/share/somnivox/sounds"
mkdir -p "$WORK/elsewhere"
cp "$sounds/noise-loop.mp3" "$WORK/elsewhere/Creek.mp3"
cp "$sounds/noise-loop.flac" "$WORK/elsewhere/Surf.flac"

start_app
wait_main_window

# "Add Sound..." shares the row under the list with "Preview Sound" and "Mixer..." (frame at 8,162; button at 224,50).
click_add_sound() { click_in_window 313 225; }

# heard WHAT: turned on, the chosen sound plays on and on; then it is turned off again.
heard() {
    # The window takes the click only once the other window has given the focus back.
    wait_until 5 active_window_is "$APP_WINDOW" || xdotool windowactivate --sync "$APP_WINDOW"
    click_on_off
    wait_until 10 capture_grows || fail "$1 is not heard"
    check_sound_flows 2 "$1"
    click_on_off
    wait_until 5 capture_still 0.5 || fail "$1 did not stop at Turn Off"
}

"$DRAG_SOURCE" "$WORK/elsewhere/Creek.mp3" >>"$WORK/drag-source.log" 2>&1 &
EXTRA_PIDS+=($!)
source_window() { xdotool search --onlyvisible --name '^drag-source$' 2>/dev/null | head -n 1; }
source_shown() { [ -n "$(source_window)" ] && window_mapped "$(source_window)"; }
wait_until 10 source_shown || fail "the drag source did not show"
read -r wx wy < <(xdotool getwindowgeometry --shell "$APP_WINDOW" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
xdotool mousemove --window "$(source_window)" 60 60 mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove $((60 + (wx + 270 - 60) * step / 6)) $((60 + (wy + 120 - 60) * step / 6))
    sleep 0.2
done
xdotool mouseup 1
wait_until 10 test -f "$own/Creek.mp3" || { shot drop; fail "the dropped file was not copied"; }
wait_until 5 setting_is Style Creek || fail "the dropped sound is not chosen (style '$(setting Style)')"
pass "a dropped file is copied, listed and chosen"
heard "the dropped sound"

click_add_sound
chooser() { xdotool search --onlyvisible --pid "$APP_PID" --name '^Add Sound' 2>/dev/null | head -n 1; }
chooser_shown() { [ -n "$(chooser)" ] && window_mapped "$(chooser)"; }
wait_until 10 chooser_shown || { shot chooser; fail "no file chooser opened"; }
# The chooser's name field runs along its bottom, above the file types.
height=$(xdotool getwindowgeometry --shell "$(chooser)" | sed -n 's/^HEIGHT=//p')
xdotool mousemove --window "$(chooser)" 300 $((height - 58)) click 1
xdotool type --delay 20 "$WORK/elsewhere/Surf.flac"
xdotool key Return
wait_until 10 test -f "$own/Surf.flac" || { shot chosen; fail "the chosen file was not copied"; }
wait_until 5 setting_is Style Surf.flac || fail "the chosen sound is not chosen (style '$(setting Style)')"
pass "a file chosen through Add Sound... is copied, listed and chosen"
heard "the sound chosen in the file chooser"
close_main_window
wait_app_ended 15
