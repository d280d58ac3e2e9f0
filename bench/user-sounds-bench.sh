#!/bin/sh
# Start-up, exec to the main window mapped, with 0, 2,000, 8,000 and 20,000 sounds in the user's own sounds folder
# (hard links of one generated loop), median of RUNS starts each, in an Xvfb session with a private session bus.
# Usage: bench/user-sounds-bench.sh BUILD_DIR [RUNS]   (default 3)
# after `cmake --build BUILD_DIR --target somnivox somnivox-engine test_sounds bench_launch`.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR [RUNS]}" && pwd)
runs=${2:-3}
launch="$build/bench/bench_launch"
for file in "$build/somnivox" "$launch" "$build/tests/sound/sounds/noise-loop.mp3"; do
    [ -e "$file" ] || { echo "missing $file: build the program and bench_launch first" >&2; exit 1; }
done

. "$(dirname "$0")/private-display.sh"
scratch_folders

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=xcb SOMNIVOX_AUDIO_SINK='fakesink sync=true'
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER 2>/dev/null || true
mkdir -p "$HOME" "$XDG_DATA_HOME/somnivox/sounds"
chmod 700 "$XDG_RUNTIME_DIR"

start_display_and_bus

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

users="$XDG_DATA_HOME/somnivox/sounds"
have=0
for count in 0 2000 8000 20000; do
    while [ "$have" -lt "$count" ]; do
        have=$((have + 1))
        ln "$build/tests/sound/sounds/noise-loop.mp3" "$users/$(printf 'Noise %05d' "$have").mp3"
    done
    : >"$work/times"
    run=0
    while [ "$run" -lt "$runs" ]; do
        run=$((run + 1))
        rm -rf "$XDG_CONFIG_HOME"
        "$launch" "Somnivox" "$build/somnivox" 2>>"$work/launch.log" | awk '{ print $1 }' >>"$work/times"
    done
    printf '%6d user sounds: start-up %s ms (median of %d; runs %s ms)\n' "$count" "$(median <"$work/times")" \
        "$runs" "$(sort -n "$work/times" | paste -sd' ')"
done
