#!/bin/sh
# Real-time soak: starts the built program with "StartStopState"="ON" stored (the "Infinite" play option, the
# first style), so it loops that sound from its first tick, and samples its resident memory and CPU time every
# INTERVAL seconds for MINUTES minutes. The output goes to a file sink, so the table also shows how many seconds
# of sound have been played: it keeps pace with the clock while the loop runs without a gap.
# Usage: bench/soak.sh BUILD_DIR [MINUTES [INTERVAL]]   (defaults 10 30), after
# `cmake --build BUILD_DIR --target somnivox somnivox-engine`.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR [MINUTES [INTERVAL]]}" && pwd)
minutes=${2:-10}
interval=${3:-30}
[ -e "$build/somnivox" ] || { echo "missing $build/somnivox: build somnivox and somnivox-engine first" >&2; exit 1; }

work=$(mktemp -d)
pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Nothing of the user's is touched: settings, home and output all live in the scratch folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
export SOMNIVOX_AUDIO_SINK="filesink location=$work/played.raw sync=true"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER 2>/dev/null || true
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
cat >"$XDG_CONFIG_HOME/Vantrelle.ini" <<'EOF'
[Somnivox%20Noise%20Player]
StartStopState=ON
Option=Infinite
Combo1=0
EOF

"$build/somnivox" >"$work/program.log" 2>&1 &
pid=$!
hz=$(getconf CLK_TCK)
started=$(date +%s)

# Resident memory in kB, and CPU time (user + system) in clock ticks, of the program.
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
played() { [ -e "$work/played.raw" ] && stat -c %s "$work/played.raw" || echo 0; }

printf '%8s %10s %10s %9s %10s\n' elapsed_s VmRSS_kB cpu_s cpu_%int played_s
last_cpu=$(cpu)
last_time=$started
samples=$((minutes * 60 / interval))
i=0
while [ "$i" -le "$samples" ]; do
    if [ "$i" -gt 0 ]; then
        sleep "$interval"
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early; its log:" >&2; cat "$work/program.log" >&2; exit 1; }
    now=$(date +%s)
    c=$(cpu)
    awk -v e=$((now - started)) -v r="$(rss)" -v c="$c" -v lc="$last_cpu" -v dt=$((now - last_time)) -v hz="$hz" \
        -v p="$(played)" 'BEGIN {
            share = dt > 0 ? 100 * (c - lc) / hz / dt : 0
            printf "%8d %10d %10.2f %9.1f %10.1f\n", e, r, c / hz, share, p / 176400
        }'
    last_cpu=$c
    last_time=$now
    i=$((i + 1))
done
if [ -s "$work/program.log" ]; then
    echo "program log:"
    cat "$work/program.log"
fi
