#!/bin/sh
# Peak memory (VmHWM) of the program's window playing a long file, against the bare window (bench_bare_window) over
# the same time, side by side in one Xvfb session with a private session bus; with the generated Brown Noise beside
# it, which reads no file. A first start measures the long file's loudness (the measurement of the whole runs while
# it plays, and the first start plays on until it is done); a second start finds it in the loudness cache.
# Usage: bench/long-file-memory-bench.sh BUILD_DIR [SECONDS [MINUTES]]   (defaults 30 s of a 60-minute MP3)
# after `cmake --build BUILD_DIR --target somnivox somnivox-engine bench_bare_window noisegen`.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR [SECONDS [MINUTES]]}" && pwd)
seconds=${2:-30}
minutes=${3:-60}
bare="$build/bench/bench_bare_window"
for file in "$build/somnivox" "$build/somnivox-engine.so" "$bare" "$build/tools/noisegen/noisegen"; do
    [ -e "$file" ] || { echo "missing $file: build the program and the bench targets first" >&2; exit 1; }
done

. "$(dirname "$0")/private-display.sh"
scratch_folders

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb SOMNIVOX_AUDIO_SINK='fakesink sync=true'
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER 2>/dev/null || true
mkdir -p "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
start_display_and_bus

folder="$work/program"
mkdir -p "$folder/sounds"
cp "$build/somnivox" "$build/somnivox-engine.so" "$folder/"
"$build/tools/noisegen/noisegen" long $((minutes * 60)) "$folder/sounds/Long Noise.mp3"

vmhwm_kib() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'
}

# run LABEL STYLE INDEX: the program playing STYLE and the bare window, SECONDS each, side by side.
run() {
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[Somnivox%%20Noise%%20Player]\nCombo1=%s\nStyle=%s\nVolume=50\nPitch=1\nOption=Infinite\nStartStopState=ON\n' \
        "$3" "$2" >"$XDG_CONFIG_HOME/Vantrelle.ini"
    "$folder/somnivox" >"$work/somnivox.log" 2>&1 &
    player=$!
    "$bare" >"$work/bare.log" 2>&1 &
    window=$!
    pids="$pids $player $window"
    # Tenths of a second until the loudness cache is written: the whole file measured ("-": written before).
    measured=""
    [ ! -s "$XDG_CACHE_HOME/somnivox/loudness.ini" ] || measured=-
    tenths=0
    # The first run plays on until the whole file is measured (10 minutes at most), and its peak covers that.
    while [ $tenths -lt $((seconds * 10)) ] || { [ -z "$measured" ] && [ $tenths -lt 6000 ]; }; do
        [ -n "$measured" ] || [ ! -s "$XDG_CACHE_HOME/somnivox/loudness.ini" ] || measured=$tenths
        sleep 0.1
        tenths=$((tenths + 1))
    done
    player_kib=$(vmhwm_kib $player)
    bare_kib=$(vmhwm_kib $window)
    kill $player $window
    wait $player $window 2>/dev/null || true
    printf '   %-44s %8s KiB  %sx the bare window (%s KiB; target <= 1.4x)\n' "$1" "$player_kib" \
        "$(ratio "$player_kib" "$bare_kib")" "$bare_kib"
    [ -z "$measured" ] || [ "$measured" = - ] || printf '   %-44s %8s s after the start\n' "loudness cache written" \
        "$(awk -v t="$measured" 'BEGIN { printf "%.1f", t / 10 }')"
}

echo "== Peak memory over $seconds s of playing"
run "$minutes-minute MP3, loudness measured" "Long Noise" 3
run "$minutes-minute MP3, loudness from the cache" "Long Noise" 3
run "Brown Noise (generated)" "Brown Noise" 0
