#!/usr/bin/env bash
# On a Wayland compositor (sway, headless) with a StatusNotifierItem tray (waybar): the program runs natively,
# shows its window, and with "Start in system tray" comes up hidden with its tray item, whose activation shows it.
# With another window (foot) in front, a later start with its launcher's activation token, the tray item's activation
# and the media controls' Raise each leave the window focused or marked urgent, and a later start brings the window
# back from sway's scratchpad.
# sway refuses to run as root, so the compositor, the bar, the bus and the program run as an unprivileged user.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

for tool in dbus-daemon dbus-send sway swaymsg waybar setpriv foot; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh --tests installs it)"
done

# It starts in the work folder: the folder the test was started in (a checkout under /root) may be closed to it,
# and foot starts its shell in $PWD.
AS_USER=(env -C "$WORK" PWD="$WORK" setpriv --reuid=65534 --regid=65534 --clear-groups)
# The unprivileged user may not reach the build folder (a checkout in root's home), so it runs a copy of the
# program folder: the program and its sound engine (the noises are generated).
mkdir -p "$WORK/program"
cp -a "$(dirname "$SOMNIVOX")"/{somnivox,somnivox-engine.so} "$WORK/program/"
[ -x "${ACTIVATION_TOKEN_TOOL:-}" ] || fail "no activation-token tool: build the target activation-token"
cp "$ACTIVATION_TOKEN_TOOL" "$WORK/program/"
SOMNIVOX="$WORK/program/somnivox"
BUS_PREFIX=("${AS_USER[@]}")
APP_PREFIX=(env -u DISPLAY XDG_SESSION_TYPE=wayland "${AS_USER[@]}")
chown -R 65534:65534 "$WORK"

session_env=(env -u DISPLAY HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
    XDG_CACHE_HOME="$WORK/home/.cache")

wayland_socket() { find "$WORK/runtime" -maxdepth 1 -name 'wayland-*' -type s -printf '%f\n' | head -n 1; }
sway_socket() { find "$WORK/runtime" -maxdepth 1 -name 'sway-ipc.*' -type s | head -n 1; }
sway_tree() { "${session_env[@]}" SWAYSOCK="$(sway_socket)" "${AS_USER[@]}" swaymsg -t get_tree; }
# The program's window in the compositor's tree, as a native Wayland (xdg-shell) window.
window_on_wayland() {
    sway_tree | tr -d ' \n' | grep -q '"app_id":"org.vantrelle.Somnivox"[^{}]*"shell":"xdg_shell"'
}
no_window_on_wayland() { ! sway_tree | tr -d ' \n' | grep -q '"app_id":"org.vantrelle.Somnivox"'; }
# A window's own fields in the tree, one line: every node begins with its id, and a window has no nodes inside.
node_of() { sway_tree | tr -d ' \n' | sed 's/{"id":/\n&/g' | grep "\"app_id\":\"$1\""; }
focused_or_urgent() { node_of org.vantrelle.Somnivox | grep -qE '"(focused|urgent)":true'; }
foot_in_front() {
    node_of foot | grep -q '"focused":true' && node_of org.vantrelle.Somnivox | grep -q '"urgent":false'
}
in_scratchpad() { node_of org.vantrelle.Somnivox | grep -q '"visible":false'; }
on_screen_focused_or_urgent() { node_of org.vantrelle.Somnivox | grep -q '"visible":true' && focused_or_urgent; }
sway_command() { "${session_env[@]}" SWAYSOCK="$(sway_socket)" "${AS_USER[@]}" swaymsg "$@" >/dev/null; }
# Focusing the window clears its urgency; foot then takes the focus back.
put_foot_in_front() {
    sway_command '[app_id="org.vantrelle.Somnivox"] focus'
    sway_command '[app_id="foot"] focus'
    wait_until 10 foot_in_front || fail "foot did not come in front of the program's window"
}
# A later start as a launcher makes it: with a token the launcher asked the compositor for.
later_start_with_token() {
    local token
    token=$("${session_env[@]}" WAYLAND_DISPLAY="$WAYLAND" "${AS_USER[@]}" "$WORK/program/activation-token") ||
        fail "the compositor handed out no activation token"
    "${session_env[@]}" DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" WAYLAND_DISPLAY="$WAYLAND" XDG_SESSION_TYPE=wayland \
        XDG_ACTIVATION_TOKEN="$token" "${AS_USER[@]}" "$SOMNIVOX" >>"$WORK/somnivox.log" 2>&1 ||
        fail "the later start did not hand over"
}

start_bus
mkdir -p "$WORK/config/sway" "$WORK/config/waybar"
# A new window of the program takes no focus: only its activation marks it (focus_on_window_activation urgent).
printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\nno_focus [app_id="org.vantrelle.Somnivox"]\n' \
    >"$WORK/config/sway/config"
cat >"$WORK/config/waybar/config" <<'JSON'
{ "layer": "top", "position": "top", "height": 30, "modules-right": ["tray"], "tray": { "icon-size": 20 } }
JSON
chown -R 65534:65534 "$WORK"
"${session_env[@]}" DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman "${AS_USER[@]}" sway -c "$WORK/config/sway/config" >"$WORK/sway.log" 2>&1 &
EXTRA_PIDS+=($!)
sway_ready() { [ -n "$(wayland_socket)" ] && [ -n "$(sway_socket)" ]; }
wait_until 20 sway_ready || fail "sway did not start"
WAYLAND=$(wayland_socket)
"${session_env[@]}" DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" WAYLAND_DISPLAY="$WAYLAND" XDG_SESSION_TYPE=wayland \
    "${AS_USER[@]}" waybar >"$WORK/waybar.log" 2>&1 &
EXTRA_PIDS+=($!)
wait_until 20 bus_call org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Peer.Ping ||
    fail "waybar's tray did not start"
log "sway on $WAYLAND, waybar's tray on the bus"

start_app_on_bus WAYLAND_DISPLAY="$WAYLAND"
wait_until 20 window_on_wayland || fail "no native Wayland window of the program"
pass "the program shows its window as a native Wayland window"
stop_process "$APP_PID"

write_settings Minimized=On
chown -R 65534:65534 "$WORK/config"
start_app_on_bus WAYLAND_DISPLAY="$WAYLAND"
wait_until 20 has_program_tray_item || fail "no tray item in waybar's tray (items: $(tray_items))"
holds_for 2 no_window_on_wayland || fail "started in the tray, the window was shown"
pass "started in the tray, the window is hidden and the tray item is there"
activate_tray_item
wait_until 10 window_on_wayland || fail "activating the tray item did not show the window"
pass "activating the tray item shows the window"

"${session_env[@]}" WAYLAND_DISPLAY="$WAYLAND" "${AS_USER[@]}" foot sleep 300 >"$WORK/foot.log" 2>&1 &
EXTRA_PIDS+=($!)
wait_until 20 foot_in_front || fail "foot did not come in front of the program's window"
later_start_with_token
wait_until 10 focused_or_urgent || fail "a later start with a token left the window neither focused nor urgent"
pass "a later start with its launcher's token brings the window forward or marks it urgent"
put_foot_in_front
activate_tray_item
wait_until 10 focused_or_urgent || fail "the tray item's activation left the window neither focused nor urgent"
pass "the tray item's activation brings the window forward or marks it urgent"
put_foot_in_front
bus_call org.mpris.MediaPlayer2.somnivox /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Raise >/dev/null
wait_until 10 focused_or_urgent || fail "Raise left the window neither focused nor urgent"
pass "the media controls' Raise brings the window forward or marks it urgent"
put_foot_in_front
sway_command '[app_id="org.vantrelle.Somnivox"] move scratchpad'
wait_until 10 in_scratchpad || fail "sway did not move the window to its scratchpad"
later_start_with_token
wait_until 10 on_screen_focused_or_urgent || fail "a later start left the window in sway's scratchpad"
pass "a later start brings the window back from sway's scratchpad"
