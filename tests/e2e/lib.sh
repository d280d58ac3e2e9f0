# shellcheck shell=bash
# Shared harness of the end-to-end scenarios: a private X session (Xvfb, openbox, optionally trayer), the program
# with a private home and a captured audio output, polling helpers, checks and screenshots.
# Sourced by each scenario; the scenario gets SOMNIVOX (the program), E2E_ARTIFACTS (where a failure's
# screenshots and logs go) and E2E_DEADLINE (seconds, before CTest's own timeout) from CTest.
set -euo pipefail

: "${SOMNIVOX:?SOMNIVOX must name the program}"
: "${E2E_ARTIFACTS:?E2E_ARTIFACTS must name the artifacts folder}"

for tool in Xvfb openbox trayer xdotool wmctrl xmessage xprop xwininfo xdpyinfo import od; do
    command -v "$tool" >/dev/null ||
        { echo "FAIL: $tool is not installed (scripts/install-deps.sh --tests installs it)" >&2; exit 1; }
done
[ -x "$SOMNIVOX" ] || { echo "no program at $SOMNIVOX: build the target somnivox" >&2; exit 1; }

E2E_NAME=$(basename "$0" .sh)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/somnivox-e2e-${E2E_NAME}.XXXXXX")
CAPTURE="$WORK/out.raw"
SETTINGS="$WORK/config/Vantrelle.ini"
SETTINGS_GROUP='[Somnivox%20Noise%20Player]'
# 44100 frames of two 16-bit samples.
BYTES_PER_SECOND=176400
E2E_DEADLINE=${E2E_DEADLINE:-100}
# shellcheck disable=SC2034 # used by the scenarios
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1

XVFB_PID=""
BUS_PID=""
PANEL_PID=""
WM_PID=""
TRAY_PID=""
APP_PID=""
APP_WINDOW=""
WATCHDOG_PID=""
# Further processes a scenario started (panels, compositors, more launches), ended before the session.
EXTRA_PIDS=()
# A command the program is run through, such as setpriv to run it as another user, and the program's options.
APP_PREFIX=()
APP_ARGS=()
BUS_PREFIX=()
BUS_ADDRESS=""
SHOT=0
CHECKS=0

mkdir -p "$WORK/home" "$WORK/config" "$WORK/runtime" "$WORK/shots"
# A crash of the program leaves its core in the work folder (when the system writes cores to the current folder),
# which a failure keeps.
ulimit -c unlimited 2>/dev/null || true
chmod 700 "$WORK/runtime"
# Everything a scenario starts (window manager, panels, sound clients) keeps its caches and settings in the work
# folder, never in the home of whoever runs the tests.
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/home/.cache" \
    XDG_DATA_HOME="$WORK/home/.local/share"

log() { printf '[%s %s] %s\n' "$(date +%T.%3N)" "$E2E_NAME" "$*"; }

fail() {
    log "FAIL: $*"
    exit 1
}

pass() {
    CHECKS=$((CHECKS + 1))
    log "ok: $*"
}

now() { date +%s.%N; }

# Seconds elapsed since a time taken with now(), to the millisecond.
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }

# openbox can leave events it has already read unhandled until another one reaches it (a map request, at its start
# or later): no window appears until then. Every poll below sends it a harmless one, a request to stay on the
# current desktop.
wm_poke() { [ -z "$WM_PID" ] || xdotool set_desktop 0 >/dev/null 2>&1 || true; }

# wait_until SECONDS COMMAND...: polls COMMAND every 100 ms until it succeeds; false when the time runs out.
wait_until() {
    local limit=$1
    shift
    local deadline
    deadline=$(awk -v t="$(now)" -v s="$limit" 'BEGIN { printf "%.3f", t + s }')
    while true; do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        if awk -v t="$(now)" -v d="$deadline" 'BEGIN { exit !(t > d) }'; then
            return 1
        fi
        wm_poke
        sleep 0.1
    done
}

# holds_for SECONDS COMMAND...: true when COMMAND keeps succeeding for the whole time.
holds_for() {
    local limit=$1
    shift
    local deadline
    deadline=$(awk -v t="$(now)" -v s="$limit" 'BEGIN { printf "%.3f", t + s }')
    while awk -v t="$(now)" -v d="$deadline" 'BEGIN { exit !(t <= d) }'; do
        "$@" >/dev/null 2>&1 || return 1
        wm_poke
        sleep 0.1
    done
}

stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

# process_report PID: the state of a process and of each of its threads, with their stacks when gdb is at hand.
process_report() {
    grep -E '^(State|Threads)' "/proc/$1/status"
    local task
    for task in /proc/"$1"/task/*; do
        echo "$(cat "$task/comm") $(cat "$task/wchan" 2>/dev/null)"
    done
    if command -v gdb >/dev/null; then
        timeout 10 gdb -p "$1" -batch -ex 'thread apply all bt' 2>&1
    fi
}

cleanup() {
    local status=$?
    trap - EXIT
    set +e
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ] && [ -n "$XVFB_PID" ]; then
        shot "at-failure"
        xwininfo -root -tree >"$WORK/windows-at-failure.log" 2>&1
    fi
    if [ "$status" -ne 0 ]; then
        # Where each process of the session stands: a hang may be the window manager's or the tray host's.
        local name pid
        for name in XVFB BUS WM TRAY APP; do
            pid=${name}_PID
            pid=${!pid}
            [ -n "$pid" ] || continue
            if ! kill -0 "$pid" 2>/dev/null; then
                echo "$name $pid: gone" >>"$WORK/processes-at-failure.log"
                continue
            fi
            echo "$name $pid: running" >>"$WORK/processes-at-failure.log"
            process_report "$pid" >"$WORK/${name,,}-at-failure.log" 2>&1
        done
    fi
    stop_process "$WATCHDOG_PID"
    stop_process "$APP_PID"
    # A program that crashes on its way out (ends by SIGILL, SIGABRT, SIGBUS, SIGFPE or SIGSEGV) fails the scenario.
    if [ -n "$APP_PID" ]; then
        wait "$APP_PID" 2>/dev/null
        local ended=$?
        case $ended in
        132 | 134 | 135 | 136 | 139)
            log "FAIL: the program crashed as it ended (exit status $ended)"
            status=1
            ;;
        esac
    fi
    local extra
    for extra in "${EXTRA_PIDS[@]}"; do
        stop_process "$extra"
    done
    stop_process "$TRAY_PID"
    stop_process "$WM_PID"
    stop_process "$BUS_PID"
    stop_process "$XVFB_PID"
    # E2E_KEEP_SHOTS=1 keeps the screenshots of a passing run as well.
    if [ "$status" -ne 0 ] || [ "${E2E_KEEP_SHOTS:-0}" = 1 ]; then
        local dest="$E2E_ARTIFACTS/$E2E_NAME"
        rm -rf "$dest"
        mkdir -p "$dest"
        cp -r "$WORK/shots" "$WORK"/*.log "$dest/" 2>/dev/null
        cp "$WORK"/core* "$dest/" 2>/dev/null
        cp "$SETTINGS" "$dest/" 2>/dev/null
        log "screenshots and logs: $dest"
    fi
    [ "$status" -ne 0 ] || log "passed $CHECKS checks"
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The scenario's own deadline, ahead of CTest's timeout (which kills without a cleanup): a hang still leaves its
# screenshots and logs behind and stops its processes. Every step in between polls, so the signal is seen at once.
trap 'fail "still running after $E2E_DEADLINE s"' USR1
(
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    sleep "$E2E_DEADLINE" &
    sleeper=$!
    wait "$sleeper"
    kill -USR1 $$
) &
WATCHDOG_PID=$!

# Screenshot of the whole screen into the work folder, numbered in the order taken.
shot() {
    SHOT=$((SHOT + 1))
    local file
    file=$(printf '%s/shots/%02d-%s.png' "$WORK" "$SHOT" "$1")
    import -window root "$file" 2>>"$WORK/import.log" || log "screenshot $1 failed"
    # shellcheck disable=SC2034 # for scenarios that crop the last screenshot
    LAST_SHOT=$file
}

# --- The X session ---------------------------------------------------------------------------------------------

x_answers() { xdpyinfo >/dev/null 2>&1; }

start_x() {
    local fifo="$WORK/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local number
    # Xvfb writes its display number once it listens; the read gives up if it never does.
    read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$number"
    wait_until 10 x_answers || fail "X display $DISPLAY does not answer"
    log "X display $DISPLAY"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

probe_managed() {
    local w
    for w in $(xdotool search --name '^somnivox-e2e-probe$' 2>/dev/null); do
        in_client_list "$w" && return 0
    done
    return 1
}

# Starts openbox and waits until it takes on a window: its check property alone is set before it handles any.
start_wm() {
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    xmessage -title somnivox-e2e-probe probe >/dev/null 2>&1 &
    local probe=$!
    if ! wait_until 15 wm_running || ! wait_until 15 probe_managed; then
        stop_process "$probe"
        fail "openbox took on no window"
    fi
    stop_process "$probe"
}

# The tray host's panel, the window that embeds the icons.
tray_window() { xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]\+\) "panel": ("panel" "trayer").*/\1/p' | head -n 1; }

tray_running() {
    local tray
    tray=$(tray_window)
    [ -n "$tray" ] && window_mapped "$tray"
}

start_tray() {
    trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true --SetPartialStrut false \
        --transparent false --tint 0x4060a0 >"$WORK/trayer.log" 2>&1 &
    TRAY_PID=$!
    wait_until 15 tray_running || fail "trayer did not start"
}

stop_tray() {
    stop_process "$TRAY_PID"
    TRAY_PID=""
}

# --- The program -------------------------------------------------------------------------------------------------

# shellcheck disable=SC2120 # the extra environment is optional
# start_app [ENVIRONMENT...]: starts the program with a private home and captured output; extra NAME=VALUE pairs
# are added to its environment. The capture is written unbuffered, so its size follows playback closely (a buffered
# file sink grows in 64 KiB steps, 0.4 s apart).
start_app() {
    (
        cd "$WORK"
        exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SESSION_MANAGER \
            HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" \
            XDG_DATA_HOME="$WORK/home/.local/share" XDG_CACHE_HOME="$WORK/home/.cache" \
            DBUS_SESSION_BUS_ADDRESS=disabled: QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1 LANG=C LC_ALL=C TZ=UTC \
            SOMNIVOX_AUDIO_SINK="filesink location=$CAPTURE sync=true buffer-mode=unbuffered" \
            "$@" "${APP_PREFIX[@]}" "$SOMNIVOX" "${APP_ARGS[@]}" >>"$WORK/somnivox.log" 2>&1
    ) &
    APP_PID=$!
    APP_STARTED=$(now)
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

app_ended() { ! app_running; }

# The main window, found by its title among the program's windows.
main_window() { xdotool search --all --pid "$APP_PID" --name 'Somnivox Noise Player' 2>/dev/null | head -n 1; }

window_mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

main_window_shown() {
    APP_WINDOW=$(main_window)
    [ -n "$APP_WINDOW" ] && window_mapped "$APP_WINDOW"
}

has_main_window() { [ -n "$(main_window)" ]; }

main_window_in_taskbar() { has_main_window && in_client_list "$(main_window)"; }

main_window_shown_or_ended() { main_window_shown || ! app_running; }

# The program's windows: id, map state, window-manager state and whether the window manager manages it.
windows_report() {
    local w
    for w in $(xdotool search --all --pid "$APP_PID" 2>/dev/null); do
        printf '%s %s %s %s "%s"\n' "$w" "$(xwininfo -id "$w" 2>/dev/null | sed -n 's/.*Map State: //p')" \
            "$(wm_state "$w")" "$(in_client_list "$w" && echo managed || echo unmanaged)" \
            "$(xdotool getwindowname "$w" 2>/dev/null)"
    done
}

# Waits for the main window. A window that is not on the screen after 15 s is logged with the program's state, and
# looked for again until a minute has passed: a loaded machine can be that slow, a hung program is caught then.
wait_main_window() {
    if ! wait_until 15 main_window_shown_or_ended; then
        log "no main window on the screen 15 s after start; the program's windows:"
        windows_report
        grep -E '^State' "/proc/$APP_PID/status" 2>/dev/null || true
        shot "no-main-window-yet"
        wait_until 45 main_window_shown_or_ended || fail "the main window did not appear"
    fi
    if ! app_running; then
        local status=0
        wait "$APP_PID" || status=$?
        APP_PID=""
        fail "the program ended with status $status before its window appeared"
    fi
    log "main window $APP_WINDOW shown $(since "$APP_STARTED") s after start"
}

# The ICCCM state the window manager gave a window: Normal, Iconic or Withdrawn (no state at all counts as that).
wm_state() {
    local state
    state=$(xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p')
    echo "${state:-Withdrawn}"
}

wm_state_is() { [ "$(wm_state "$1")" = "$2" ]; }

# Whether the window is in the window manager's list of managed windows (what taskbars show).
in_client_list() {
    local id
    id=$(printf '0x%x' "$1")
    xprop -root _NET_CLIENT_LIST | tr -s ', ' '\n' | grep -qix "$id"
}

not_in_client_list() { ! in_client_list "$1"; }

minimised_in_taskbar() { in_client_list "$1" && wm_state_is "$1" Iconic; }

window_hidden() { ! window_mapped "$1" && not_in_client_list "$1"; }
# The program, started with "Start in system tray", has its tray icon and a main window that is hidden; sets APP_WINDOW.
wait_hidden_in_tray() {
    wait_until 20 tray_icon_present || fail "the tray icon did not appear"
    wait_until 10 has_main_window || fail "the program made no main window"
    APP_WINDOW=$(main_window)
    wait_until 5 window_hidden "$APP_WINDOW" || fail "started in the tray, the window was shown"
}

active_window_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

window_shown_and_focused() {
    window_mapped "$1" && wm_state_is "$1" Normal && in_client_list "$1" && active_window_is "$1"
}

# The program's windows that are mapped on the screen, one id a line.
mapped_windows() {
    local w
    for w in $(xdotool search --all --pid "$APP_PID" 2>/dev/null); do
        window_mapped "$w" && echo "$w"
    done
    return 0
}

# The program's balloons: mapped override-redirect top-level windows of the program (Qt draws its own balloon on X11).
balloons() {
    local w info
    for w in $(xdotool search --all --pid "$APP_PID" 2>/dev/null); do
        [ "$w" != "$APP_WINDOW" ] || continue
        info=$(xwininfo -id "$w" 2>/dev/null) || continue
        if ! grep -q 'Map State: IsViewable' <<<"$info" || ! grep -q 'Override Redirect State: yes' <<<"$info"; then
            continue
        fi
        xwininfo -children -id "$w" 2>/dev/null | grep -q '^ *Parent window id: .*(the root window)' && echo "$w"
    done
    return 0
}

balloon_shown() { [ -n "$(balloons)" ]; }

no_balloon() { [ -z "$(balloons)" ]; }

# The program's tray icon: a window of the program embedded somewhere below the tray host's window.
tray_icon() {
    local tray w
    tray=$(tray_window)
    [ -n "$tray" ] || return 1
    for w in $(xwininfo -tree -id "$tray" 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]\+\) .*/\1/p'); do
        if [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$APP_PID" ]; then
            echo "$((w))"
            return 0
        fi
    done
    return 1
}

tray_icon_present() {
    local icon
    icon=$(tray_icon) && window_mapped "$icon"
}

tray_icon_absent() { ! tray_icon_present; }

# The tray's menu opened by the program: a window of the program's shown beside its main window and its tray icon.
tray_menu_open() {
    xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null |
        grep -qvx -e "$APP_WINDOW" -e "$(tray_icon || echo none)"
}

# click_tray_icon BUTTON (no --sync for mousemove: it waits 15 s when the pointer is already in place)
click_tray_icon() {
    local icon
    icon=$(tray_icon) || fail "no tray icon to click"
    xdotool mousemove --window "$icon" 8 8 click "$1"
}

# click_in_window X Y: a left click at a point of the main window's client area.
click_in_window() {
    xdotool mousemove --window "$APP_WINDOW" "$1" "$2" click 1
}

# The "Turn On" / "Turn Off" button spans the top of the window (8..528, 8..35).
click_on_off() { click_in_window 268 21; }

# Waits for the program to end and checks its exit status.
wait_app_ended() {
    wait_until "$1" app_ended || fail "the program did not end"
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

window_closed() { app_ended || ! window_mapped "$1"; }

# close_window ID: closes a window as its close button does: a close request to the window manager, which sends
# the program WM_DELETE_WINDOW. Waits until the window manager manages the window (it ignores requests for
# others) and until the window has left the screen.
close_window() {
    wait_until 10 in_client_list "$1" || fail "the window manager does not manage window $1"
    wmctrl -i -c "$1"
    wait_until 15 window_closed "$1" || fail "window $1 stayed on the screen after a close request"
}

close_main_window() { close_window "$APP_WINDOW"; }

# --- Settings ----------------------------------------------------------------------------------------------------

# setting KEY: the stored value, unquoted; empty when absent. Keys are stored with their blanks escaped.
setting() {
    local key=${1// /%20}
    [ -f "$SETTINGS" ] || return 0
    sed -n "s/^${key}=//p" "$SETTINGS" | tail -n 1 | sed 's/^"\(.*\)"$/\1/'
}

setting_is() { [ "$(setting "$1")" = "$2" ]; }

has_setting() { [ -f "$SETTINGS" ] && grep -q "^${1// /%20}=" "$SETTINGS"; }

# write_settings KEY=VALUE...: the settings file the program would have written, before the program starts.
write_settings() {
    local pair
    {
        echo "$SETTINGS_GROUP"
        for pair in "$@"; do
            local key=${pair%%=*}
            printf '%s=%s\n' "${key// /%20}" "${pair#*=}"
        done
    } >"$SETTINGS"
}

# A moment as the program writes a date and time under the C locale ("7 Dec 2026 22:30:00").
stored_time() { date -u -d "@$1" '+%-d %b %Y %H:%M:%S'; }

# shellcheck disable=SC2034 # used by the scenarios
STORED_TIME_PATTERN='^[0-9]{1,2} [A-Z][a-z]{2} [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}$'

# --- The captured sound ------------------------------------------------------------------------------------------

capture_size() { stat -c %s "$CAPTURE" 2>/dev/null || echo 0; }

capture_grows() {
    local before
    before=$(capture_size)
    sleep 0.3
    [ "$(capture_size)" -gt "$before" ]
}

capture_beyond() { [ "$(capture_size)" -gt "$1" ]; }

# capture_still SECONDS: the capture does not change in size for that long.
capture_still() {
    local before
    before=$(capture_size)
    sleep "$1"
    [ "$(capture_size)" -eq "$before" ]
}

# Largest absolute sample and longest run of zero samples in the last second captured.
capture_levels() {
    local size offset
    size=$(capture_size)
    offset=$((size - BYTES_PER_SECOND))
    [ "$offset" -ge 0 ] || offset=0
    offset=$((offset / 4 * 4))
    od -An -v -t d2 -j "$offset" -N "$BYTES_PER_SECOND" "$CAPTURE" | awk '
        { for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > peak) peak = v
              if ($i == 0) { run++; if (run > longest) longest = run } else run = 0 } }
        END { printf "%d %d\n", peak, longest }'
}

# Checks that sound flows for SECONDS: the capture grows and never stands still for two seconds (a loaded machine
# delays the sink for moments; a stopped player does not come back), and its last second is noise (loud enough, no
# run of silence longer than a millisecond).
check_sound_flows() {
    local seconds=$1 what=$2
    local start_size previous size still=0 longest=0
    start_size=$(capture_size)
    previous=$start_size
    for _ in $(seq $((seconds * 4))); do
        sleep 0.25
        size=$(capture_size)
        if [ "$size" -gt "$previous" ]; then
            still=0
        else
            still=$((still + 1))
            [ "$still" -le "$longest" ] || longest=$still
        fi
        previous=$size
    done
    log "$what: $((previous - start_size)) bytes in $seconds s, still for at most $((longest * 250)) ms"
    [ "$previous" -gt "$start_size" ] || fail "$what: the capture did not grow"
    [ "$longest" -lt 8 ] || fail "$what: the capture stood still for $((longest * 250)) ms"
    local levels peak silence
    levels=$(capture_levels)
    peak=${levels% *}
    silence=${levels#* }
    log "$what: peak sample $peak, longest zero run $silence samples"
    [ "$peak" -gt 1000 ] || fail "$what: the captured sound is silent (peak $peak)"
    [ "$silence" -lt 88 ] || fail "$what: the captured sound has a gap of $silence zero samples"
    pass "$what: sound flows"
}

# --- The session bus -------------------------------------------------------------------------------------------

# A private session bus; the tools started later reach it through DBUS_SESSION_BUS_ADDRESS, the program only when
# started with start_app_on_bus. Services it starts on demand (xfconfd) see the private home.
start_bus() {
    BUS_ADDRESS="unix:path=$WORK/runtime/bus"
    HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" \
        "${BUS_PREFIX[@]}" dbus-daemon --session --nofork --nopidfile --address="$BUS_ADDRESS" >"$WORK/dbus.log" 2>&1 &
    BUS_PID=$!
    export DBUS_SESSION_BUS_ADDRESS=$BUS_ADDRESS
    wait_until 10 bus_call org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.GetId ||
        fail "dbus-daemon did not start"
}

# shellcheck disable=SC2120 # the extra environment is optional
start_app_on_bus() { start_app DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" "$@"; }

# xfce4-panel on the private bus (start_bus first): a StatusNotifierItem host and an XEmbed tray. One panel holding
# the tray plugin, written where xfconfd reads it, so the panel starts without its first-run dialog.
start_panel() {
    local channel="$WORK/config/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$channel"
    cat >"$channel/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=512;y=752"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="30"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML
    HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" \
        XDG_CACHE_HOME="$WORK/home/.cache" xfce4-panel --disable-wm-check >>"$WORK/panel.log" 2>&1 &
    PANEL_PID=$!
    EXTRA_PIDS+=("$PANEL_PID")
}

# bus_call DESTINATION PATH METHOD [ARGUMENT...]: a method call on the private bus, its reply printed.
bus_call() {
    local dest=$1 path=$2 method=$3
    shift 3
    timeout 10 "${BUS_PREFIX[@]}" dbus-send --session --print-reply --dest="$dest" "$path" "$method" "$@"
}

# bus_property DESTINATION PATH INTERFACE NAME: the property's value as dbus-send prints it.
bus_property() {
    bus_call "$1" "$2" org.freedesktop.DBus.Properties.Get "string:$3" "string:$4" | tail -n +2
}

# The bus names of the items the StatusNotifierWatcher holds, one a line (hosts store "name" or "name/path").
tray_items() {
    bus_property org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.kde.StatusNotifierWatcher \
        RegisteredStatusNotifierItems 2>/dev/null | sed -n 's/^ *string "\([^"/]*\).*"$/\1/p'
}

item_title() {
    bus_property "$1" /StatusNotifierItem org.kde.StatusNotifierItem Title | sed -n 's/.*string "\(.*\)"$/\1/p'
}

# The program's tray item: a registered item titled as the program.
program_tray_item() {
    local item
    for item in $(tray_items); do
        if [ "$(item_title "$item")" = "Somnivox Noise Player" ]; then
            echo "$item"
            return 0
        fi
    done
    return 1
}

has_program_tray_item() { program_tray_item >/dev/null; }

activate_tray_item() {
    bus_call "$(program_tray_item)" /StatusNotifierItem org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
}

# --- A private PulseAudio with a null sink, and a recording of what it plays --------------------------------------

SERVER_ENV=(HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/server-config"
    DBUS_SESSION_BUS_ADDRESS=disabled: DISPLAY=)
RECORDER_PID=""
RECORDING=0

start_pulse() {
    for tool in pulseaudio pactl parec; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
    done
    unset PULSE_SERVER PULSE_RUNTIME_PATH
    mkdir -p "$WORK/server-config" "$WORK/runtime/pulse"
    chmod 700 "$WORK/runtime/pulse"
    printf '%s\n' 'load-module module-null-sink sink_name=nullsink' \
        'load-module module-native-protocol-unix auth-anonymous=1' 'set-default-sink nullsink' >"$WORK/server.pa"
    env "${SERVER_ENV[@]}" pulseaudio --daemonize=no --exit-idle-time=-1 -n -F "$WORK/server.pa" \
        >>"$WORK/server.log" 2>&1 &
    EXTRA_PIDS+=($!)
    wait_until 30 env "${SERVER_ENV[@]}" pactl info || fail "PulseAudio did not start"
}

start_recorder() {
    RECORDING=$((RECORDING + 1))
    CAPTURE="$WORK/recording-$RECORDING.raw"
    env "${SERVER_ENV[@]}" parec -d nullsink.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
        >"$CAPTURE" 2>>"$WORK/parec.log" &
    RECORDER_PID=$!
    EXTRA_PIDS+=("$RECORDER_PID")
}

# parec writes out what it still holds only when interrupted.
stop_recorder() {
    kill -INT "$RECORDER_PID" 2>/dev/null || true
    wait "$RECORDER_PID" 2>/dev/null || true
}

# --- A mix of two tones ------------------------------------------------------------------------------------------

# write_tone_mix: two tones of the user's own, Low.wav (441 Hz, 0.5 s) and High.wav (1102.5 Hz, 0.7 s), each whole
# periods so that it loops without a seam, and the mix "Night" of them at 100 and 50.
write_tone_mix() {
    local own="$WORK/home/.local/share/somnivox/sounds" mixes="$WORK/home/.local/share/somnivox/mixes"
    mkdir -p "$own" "$mixes"
    python3 - "$own" <<'PY'
import math, struct, sys, wave
for name, period, seconds in (("Low.wav", 100, 0.5), ("High.wav", 40, 0.7)):
    with wave.open(f"{sys.argv[1]}/{name}", "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(44100)
        frames = int(44100 * seconds) // period * period
        samples = (round(12000 * math.sin(2 * math.pi * i / period)) for i in range(frames))
        out.writeframes(b"".join(struct.pack("<hh", s, s) for s in samples))
PY
    printf '[Mix]\nVersion=1\n\n[Layer1]\nSound=Low.wav\nVolume=100\n\n[Layer2]\nSound=High.wav\nVolume=50\n' \
        >"$mixes/Night.mix"
}

# tones_apart [FROM_BYTE]: how many dB the low tone (441 Hz) stands above the high one (1102.5 Hz) in the capture's last
# second, by the Goertzel filter; with FROM_BYTE, after how many ms of audio from that point of the capture the two
# first stand less than 3 dB apart, in blocks of 10 ms that carry the low tone at half its level before or more (the
# silence of a restart tells nothing).
tones_apart() {
    python3 - "$CAPTURE" "$@" <<'PY'
import math, struct, sys
data = open(sys.argv[1], "rb").read()
frames = len(data) // 4
def amplitude(first, count, hz):
    left = struct.unpack_from(f"<{2 * count}h", data, first * 4)[0::2]
    k = 2 * math.cos(2 * math.pi * hz / 44100)
    a = b = 0.0
    for x in left:
        a, b = x + k * a - b, a
    return math.sqrt(max(a * a + b * b - k * a * b, 1e-9)) / count
def db(first, count):
    return 20 * math.log10(amplitude(first, count, 441) / amplitude(first, count, 1102.5))
if len(sys.argv) < 3:
    print(f"{db(frames - 44100, 44100):.2f}")
else:
    start = int(sys.argv[2]) // 4
    level = amplitude(start - 4410, 4410, 441)
    block = next(n for n in range(0, (frames - start) // 441)
                 if amplitude(start + n * 441, 441, 441) > level / 2 and db(start + n * 441, 441) < 3)
    print(block * 10)
PY
}

