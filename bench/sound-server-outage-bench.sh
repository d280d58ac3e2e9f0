#!/usr/bin/env bash
# Sound-server outages: the built program plays its stored on state (Infinite, the first style) into a private
# PulseAudio with a null sink; the server is killed (SIGKILL) five times, for 1, 3, 6, 12 and 30 s, and started again.
# It prints the program's wakeups per second while it loops on the server, then, for each outage, the time from the
# server answering again to the program's stream playing (its sink input present and uncorked), and to the first data
# and the first sound recorded from the null sink's monitor. A recorder on a freshly started PulseAudio gets its first
# data only after about 1.8 s, with or without the program (measured here), so the stream time is the program's
# figure: median and worst of it. Then the program's CPU time (perf task-clock) during the 30 s outage against 30 s of
# the same program turned off, and the same without the outage's first 2 s, when the broken output is taken down.
# Usage: bench/sound-server-outage-bench.sh BUILD_DIR   (after `cmake --build BUILD_DIR --target somnivox
# test_sounds`; needs pulseaudio, pactl, parec and perf, which scripts/install-deps.sh --tests installs)
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
[ -x "$build/somnivox" ] || { echo "no $build/somnivox: build somnivox and test_sounds first" >&2; exit 1; }
for tool in pulseaudio pactl parec perf od awk; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh --tests)" >&2; exit 1; }
done

work=$(mktemp -d)
app=""
server=""
recorder=""
stop() {
    [ -z "$1" ] || { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }
}
cleanup() {
    stop "$recorder"
    stop "$app"
    stop "$server"
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Nothing of the user's is touched, nor the machine's sound server: all lives in the scratch folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset SOMNIVOX_AUDIO_SINK PULSE_SERVER PULSE_RUNTIME_PATH DISPLAY WAYLAND_DISPLAY SESSION_MANAGER
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '%s\n' 'load-module module-null-sink sink_name=nullsink' \
    'load-module module-native-protocol-unix auth-anonymous=1' 'set-default-sink nullsink' >"$work/server.pa"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

start_server() {
    pulseaudio --daemonize=no --exit-idle-time=-1 -n -F "$work/server.pa" >>"$work/server.log" 2>&1 &
    server=$!
    until pactl info >/dev/null 2>&1; do sleep 0.01; done
}

kill_server() {
    kill -KILL "$server"
    wait "$server" 2>/dev/null || true
    server=""
}

stream_playing() { pactl list sink-inputs 2>/dev/null | grep -q 'Corked: no'; }

# Waits for a sample louder than 1000 in the recording FILE, checking only what was added since the last look; sets
# first_data to when the recording first held anything.
wait_for_sound() {
    local file=$1 checked=0 size
    first_data=""
    while true; do
        size=$(stat -c %s "$file" 2>/dev/null || echo 0)
        size=$((size / 2 * 2))
        [ -n "$first_data" ] || [ "$size" -eq 0 ] || first_data=$(now)
        if [ "$size" -gt "$checked" ]; then
            if od -An -v -t d2 -j "$checked" -N $((size - checked)) "$file" |
                awk '{ for (i = 1; i <= NF; i++) if ($i > 1000 || $i < -1000) { found = 1; exit } } END { exit !found }'; then
                return
            fi
            checked=$size
        fi
        sleep 0.01
    done
}

record() {
    stop "$recorder"
    parec -d nullsink.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=10 >"$1" 2>>"$work/parec.log" &
    recorder=$!
}

settings() {
    printf '%s\n' '[Somnivox%20Noise%20Player]' "StartStopState=$1" Option=Infinite Combo1=0 Volume=50 \
        >"$XDG_CONFIG_HOME/Vantrelle.ini"
}

cpu_ms() { perf stat -x, -e task-clock -p "$1" -- sleep "$2" 2>&1 >/dev/null | awk -F, '/task-clock/ { print $1 + 0 }'; }

start_server
settings ON
"$build/somnivox" >"$work/program.log" 2>&1 &
app=$!
record "$work/first.raw"
wait_for_sound "$work/first.raw"
# Voluntary context switches of all threads: each one is a sleep that a wakeup ends.
switches() { cat /proc/"$app"/task/*/status | awk '/^voluntary_ctxt_switches:/ { s += $2 } END { print s }'; }
before=$(switches)
sleep 10
echo "wakeups while looping on the server: $(awk -v n="$(($(switches) - before))" 'BEGIN { printf "%.1f", n / 10 }') /s"
echo "playing on a private PulseAudio; outages follow"

times=()
outage_cpu=""
for seconds in ${OUTAGES:-1 3 6 12 30}; do
    kill_server
    if [ "$seconds" -eq 30 ]; then
        # Its first 2 s, when the broken output is taken down, apart from the rest, when the program only waits.
        outage_start_cpu=$(cpu_ms "$app" 2)
        outage_rest_cpu=$(cpu_ms "$app" 28)
        outage_cpu=$(awk -v a="$outage_start_cpu" -v b="$outage_rest_cpu" 'BEGIN { print a + b }')
    else
        sleep "$seconds"
    fi
    start_server
    answered=$(now)
    record "$work/after-$seconds.raw"
    until stream_playing; do sleep 0.01; done
    stream=$(elapsed "$answered" "$(now)")
    wait_for_sound "$work/after-$seconds.raw"
    times+=("$stream")
    printf 'outage of %2d s: after the server answered again, the stream plays at %s s; recorded data at %s s, sound at %s s\n' \
        "$seconds" "$stream" "$(elapsed "$answered" "$first_data")" "$(elapsed "$answered" "$(now)")"
done
kill -0 "$app" || { echo "the program ended" >&2; exit 1; }
echo "outages logged by the program: $(grep -c 'audio output lost' "$work/program.log")"

stop "$app"
settings OFF
"$build/somnivox" >"$work/program-off.log" 2>&1 &
app=$!
sleep 2
off_cpu=$(cpu_ms "$app" 30)

printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
    printf "server back to the stream playing, over %d outages: median %.3f s, worst %.3f s (targets 1.5 s and 3 s)\n",
        NR, t[(NR + 1) / 2], t[NR] }'
awk -v o="$outage_cpu" -v s="$outage_start_cpu" -v r="$outage_rest_cpu" -v f="$off_cpu" 'BEGIN {
    printf "CPU time in 30 s: %.2f ms during the outage, %.2f ms turned off: %.2fx (target 1.2x)\n", o, f, (f > 0 ? o / f : 0)
    printf "  of it %.2f ms in the outage'"'"'s first 2 s; the 28 s after them against 28 s off: %.2fx\n", s,
        (f > 0 ? r / (f * 28 / 30) : 0) }'
