#!/usr/bin/env bash
# The game in a Wayland session: weston without a screen, once alone and once
# with XWayland, each on a socket and runtime folder of its own. Alone, the
# game runs as a Wayland client; with XWayland it must pick X. Skips (77) only
# where weston is missing; leaves nothing running.
set -euo pipefail
build=$1
command -v weston > /dev/null || { echo "weston is not installed"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
stop_weston() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2> /dev/null || true
        wait "$weston_pid" 2> /dev/null || true
        weston_pid=
    fi
}
trap 'stop_weston; rm -rf "$runtime"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# start_weston NAME [weston options...]: the session on socket NAME.
start_weston() {
    local name=$1
    shift
    XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$name" \
        --idle-time=0 "$@" > "$runtime/$name.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 1 100); do
        [ -S "$runtime/$name" ] && return 0
        kill -0 "$weston_pid" 2> /dev/null || break
        sleep 0.1
    done
    cat "$runtime/$name.log"
    fail "weston did not start"
}

# session VARIABLES... COMMAND...: runs a program in the session as a desktop
# would start it, with no platform chosen.
session() {
    env -u QT_QPA_PLATFORM -u DISPLAY -u QT_QPA_PLATFORMTHEME XDG_RUNTIME_DIR="$runtime" \
        XDG_SESSION_TYPE=wayland "$@"
}

# Wayland alone: played and closed in the test, and the program itself comes
# up silently.
start_weston zt-wayland
session WAYLAND_DISPLAY=zt-wayland ZTRN_EXPECT_PLATFORM=wayland "$build/test_session" ||
    fail "the game on Wayland alone"
config=$runtime/config
mkdir -p "$config"
# The client's side of the protocol goes to standard error, one line each,
# starting with "[": the window is up once its title is set and a picture
# attached after it. Anything else the game writes is a complaint.
session WAYLAND_DISPLAY=zt-wayland XDG_CONFIG_HOME="$config" WAYLAND_DEBUG=client \
    "$build/zorbly-tarnel" > "$runtime/game.out" 2> "$runtime/game.err" &
game=$!
window_up() {
    awk '/set_title\("Zorbly Tarnel V2.2 - Game/ { titled = 1 }
         titled && /wl_surface@[0-9]+\.attach\(/ { up = 1 }
         END { exit !up }' "$runtime/game.err"
}
for _ in $(seq 1 600); do
    window_up && break
    kill -0 "$game" 2> /dev/null || break
    sleep 0.1
done
complaints() { cat "$runtime/game.out"; grep -v '^\[' "$runtime/game.err" || true; }
kill -0 "$game" 2> /dev/null || { complaints; fail "the game ended on Wayland alone"; }
window_up || { complaints; fail "the game showed no window on Wayland alone"; }
kill "$game"
wait "$game" 2> /dev/null || true
[ -z "$(complaints)" ] || { complaints; fail "the game complained on Wayland"; }
stop_weston

# With XWayland: the X server weston offers is the one to use.
start_weston zt-xwayland --xwayland
display=
for _ in $(seq 1 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/zt-xwayland.log")
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || { cat "$runtime/zt-xwayland.log"; fail "weston offers no X server"; }
session WAYLAND_DISPLAY=zt-xwayland DISPLAY="$display" ZTRN_EXPECT_PLATFORM=xcb \
    "$build/test_session" || fail "the game on Wayland with XWayland"
echo "Wayland alone and with XWayland: played, closed and placed as expected"
