#!/usr/bin/env bash
# The mixer window on a private PulseAudio, by the keyboard alone: a mix of two tones plays at its volumes; in the
# window, a slider moved while the mix plays is heard within 100 ms, however much the server holds; the mix saved
# there under a new name is listed and heard at the window's volumes.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

write_tone_mix
mixes="$WORK/home/.local/share/somnivox/mixes"
write_settings StartStopState=ON Option=Infinite Combo1=5 Style=Night Volume=100

# somnivox_command OPTION...: the program run as a command, which the running one carries out.
somnivox_command() {
    env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" \
        XDG_DATA_HOME="$WORK/home/.local/share" LANG=C LC_ALL=C "$SOMNIVOX" "$@" 2>>"$WORK/command.err"
}

start_x
start_wm
start_pulse
start_recorder
start_app SOMNIVOX_AUDIO_SINK=
wait_main_window
sound_arrives() {
    local levels
    # A recorder that gave up on a server still settling after its start records nothing more: start another.
    kill -0 "$RECORDER_PID" 2>/dev/null || start_recorder
    levels=$(capture_levels)
    [ "${levels% *}" -gt 1000 ]
}
wait_until 30 sound_arrives || fail "the mix is not heard on the null sink"
sleep 3
apart=$(tones_apart)
log "the mix's layers are $apart dB apart"
awk -v d="$apart" 'BEGIN { exit !(d > 5 && d < 7) }' || fail "the layers at 100 and 50 are $apart dB apart, not 6"
pass "a mix plays its layers together at their volumes on the server"

# "Mixer..." (Alt+X) opens the window; Down in the name list loads the mix that plays; six back from the name (Close,
# Delete, Save, the low tone's slider and box) is the high tone's slider, which End takes to 100.
xdotool windowactivate --sync "$APP_WINDOW"
xdotool key alt+x
# xdotool's search by name also turns up the main window, which has the mixer among its children.
mixer() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$APP_PID" --name '^Mixer$' 2>/dev/null); do
        [ "$(xdotool getwindowname "$window")" = Mixer ] && echo "$window" && return
    done
}
mixer_shown() { [ -n "$(mixer)" ] && window_mapped "$(mixer)"; }
wait_until 10 mixer_shown || { shot mixer; fail "Alt+X opened no mixer window"; }
# The window manager may hand the focus back to the main window a moment after the mixer shows.
sleep 0.5
xdotool windowactivate "$(mixer)"
mixer_has_keyboard() { [ "$(xdotool getwindowfocus)" = "$(mixer)" ]; }
wait_until 5 mixer_has_keyboard || fail "the mixer window does not take the keyboard"
xdotool key alt+n
sleep 0.2
xdotool key Down
sleep 0.3
for _ in 1 2 3 4 5 6; do xdotool key shift+Tab; done
sleep 1
before=$(stat -c %s "$CAPTURE")
xdotool key End
sleep 1.5
heard_after=$(tones_apart "$before")
log "the slider's change is heard after $heard_after ms of audio"
# What the server holds is dropped after a ramp down of 30 ms, and the stream starts afresh from the feed, heard once
# the server has its fill; what the feed made ahead is dropped too. Measured from where the recording stood at the
# key press, the recorder's own lag is counted in.
[ "$heard_after" -le 100 ] || fail "the slider's change was heard after $heard_after ms of audio, not within 100"
pass "a slider moved in the mixer window is heard within 100 ms while the mix plays, seconds held on the server"

xdotool key alt+n ctrl+a
xdotool type --delay 20 Dusk
xdotool key alt+s
wait_until 5 test -f "$mixes/Dusk.mix" || { shot saved; fail "Save wrote no Dusk.mix"; }
sed -n '/Sound=High.wav/,/Volume/p' "$mixes/Dusk.mix" | grep -qx 'Volume=100' ||
    fail "Dusk.mix does not hold the high tone at 100: $(cat "$mixes/Dusk.mix")"
dusk_listed() { somnivox_command --list-styles | grep -qx Dusk; }
wait_until 5 dusk_listed || fail "the saved mix is not listed: $(somnivox_command --list-styles)"
pass "a mix made in the mixer window is saved and listed"
for option in "--style Dusk" --turn-off --turn-on; do
    # shellcheck disable=SC2086
    somnivox_command $option >/dev/null || fail "somnivox $option failed"
done
sleep 3
apart=$(tones_apart)
log "the saved mix's layers are $apart dB apart"
awk -v d="$apart" 'BEGIN { exit !(d > -1 && d < 1) }' || fail "the layers at 100 and 100 are $apart dB apart, not 0"
pass "the mix made in the mixer window is heard at its volumes"
