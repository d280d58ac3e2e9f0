#!/usr/bin/env bash
# The stored daily window survives a change of language, C -> German -> French -> C, with no error box, and plays
# each time: the user's own sound, from ~/.local/share/somnivox/sounds, listed after the program's own.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

for language in de_DE.utf8 fr_FR.utf8; do
    locale -a | grep -qx "$language" || fail "the locale $language is missing (scripts/install-deps.sh --tests makes it)"
done

start_x
start_wm

own="$WORK/home/.local/share/somnivox/sounds"
mkdir -p "$own"
cp "$(dirname "$SOMNIVOX")/tests/sound/sounds/noise-loop.wav" "$own/My Rain.wav"
# Listed after the three generated noises and the program folder's own files, if it has any.
program_sounds=3
folder="$(dirname "$SOMNIVOX")/sounds"
[ ! -d "$folder" ] || program_sounds=$((3 + $(find "$folder" -maxdepth 1 -type f | wc -l)))

# A window from an hour ago to an hour from now, written under C.
t0=$(date +%s)
write_settings Combo1="$program_sounds" Volume=50 Pitch=1 Option=Timed StartStopState=ON \
    "Time From=$(stored_time $((t0 - 3600)))" "Time To=$(stored_time $((t0 + 3600)))"
time_of_day() { setting "$1" | grep -oE '[0-9]{2}:[0-9]{2}:[0-9]{2}'; }
from=$(time_of_day "Time From")
to=$(time_of_day "Time To")

for language in C de_DE.UTF-8 fr_FR.UTF-8 C; do
    : >"$CAPTURE"
    start_app LANG="$language" LC_ALL="$language"
    wait_main_window
    wait_until 15 capture_grows || fail "under $language the stored window did not play"
    if [ "$(mapped_windows | wc -l)" -ne 1 ]; then
        shot "boxes-$language"
        fail "under $language a box opened beside the window"
    fi
    [ "$(xdotool getwindowname "$(mapped_windows)")" = "$(xdotool getwindowname "$APP_WINDOW")" ] ||
        fail "under $language the window on the screen is not the main window"
    setting_is Style "My Rain.wav" || fail "under $language the style is '$(setting Style)', not the user's sound"
    pass "under $language the window from $from to $to plays the user's own sound, and no box opens"
    close_main_window
    wait_app_ended 15
    if [ "$(time_of_day "Time From")" != "$from" ] || [ "$(time_of_day "Time To")" != "$to" ]; then
        fail "under $language the window became $(setting "Time From") to $(setting "Time To")"
    fi
done
pass "the daily window kept its times through every language"
