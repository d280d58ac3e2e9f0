#!/usr/bin/env bash
# Figures from the real program in a private X session, measured the way the end-to-end scenarios drive it: time
# from start to the window on the screen, from the click on "Turn On" to the first sound, and the rate at which the
# captured sound grows against real time. Usage: bench/session-figures.sh BUILD_DIR
SOMNIVOX=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)/somnivox
E2E_ARTIFACTS=$(mktemp -d)
# shellcheck source=../tests/e2e/lib.sh
source "$(dirname "$0")/../tests/e2e/lib.sh"

start_x
start_wm
start_app
wait_until 60 main_window_shown || fail "the main window did not appear"
echo "window on the screen: $(since "$APP_STARTED") s after start"

click_in_window 268 21
clicked=$(now)
wait_until 30 capture_beyond 0 || fail "no sound after Turn On"
echo "first sound: $(since "$clicked") s after the click on Turn On"

for _ in 1 2 3; do
    size=$(capture_size)
    started=$(now)
    sleep 5
    awk -v b=$(($(capture_size) - size)) -v s="$(since "$started")" -v n="$BYTES_PER_SECOND" \
        'BEGIN { printf "capture: %d bytes/s over %.2f s, %.3f x real time\n", b / s, s, b / s / n }'
done
rmdir "$E2E_ARTIFACTS"
