# Sourced by the window smoke test and the window benchmarks: runs the real
# game in a window on a private Xvfb display.
#
# Before sourcing, define fail MESSAGE (prints and exits non-zero); then call
# takeGameAndData "$@" with the script's arguments, which sets VELA (the game
# binary) and DATA (the built data folder) from the first two. Afterwards
# WORK is a scratch folder (the game runs in WORK/game and keeps its settings
# in WORK/config), DISPLAY is the private display, XVFB_PID and GAME_PID the
# two processes, and WIN the game's window; both processes are stopped and
# WORK removed on exit.
#
#   startGameInXvfb SCREEN_SIZE [GAME ARGS]   e.g. 1600x1200
# or, to run the game more than once on one display:
#   startXvfb SCREEN_SIZE; startGame [GAME ARGS]; stopProcess "$GAME_PID"

for tool in Xvfb xdotool xwininfo xprop xwd timeout od; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "'$tool' is not installed (install xvfb, xdotool, x11-utils and x11-apps: scripts/install-deps.sh)"
done
# takeGameAndData USAGE_TAIL VELA_BINARY BUILT_DATA_DIR [...]; the caller
# then shifts its own arguments by 2.
takeGameAndData() {
    local usage=$1
    shift
    [ $# -ge 2 ] || { echo "usage: $0 VELA_BINARY BUILT_DATA_DIR $usage" >&2; exit 2; }
    VELA=$(realpath -- "$1") || exit 2
    DATA=$(realpath -- "$2") || exit 2
    [ -x "$VELA" ] || fail "game binary $VELA is missing or not executable"
    [ -f "$DATA/ascii.fnt" ] || fail "no built game data in $DATA (build the gamedata target)"
}

WORK=$(mktemp -d /tmp/vela-xvfb.XXXXXX) || fail "cannot make a temporary directory"
XVFB_PID=""
GAME_PID=""
WIN=""

stopProcess() {  # pid: TERM, then KILL if it lingers
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}
cleanup() {
    stopProcess "$GAME_PID"
    stopProcess "$XVFB_PID"
    rm -rf -- "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

X() { timeout 10 "$@"; }  # one X client call, never hanging

startXvfb() {
    # The game runs in a fresh copy of its data, so screenshots land there.
    mkdir "$WORK/game" && cp -R "$DATA/." "$WORK/game/" || fail "cannot copy the game data"
    rm -f "$WORK"/game/vela-*.png
    # Xvfb picks a free display itself and writes its number to fd 3 once it
    # accepts connections.
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset \
        3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        grep -q '^[0-9][0-9]*$' "$WORK/display" 2>/dev/null && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$WORK/display" 2>/dev/null ||
        fail "Xvfb did not start: $(tail -n 3 "$WORK/xvfb.log" 2>/dev/null)"
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    unset WAYLAND_DISPLAY XAUTHORITY SDL_VIDEODRIVER
    # The game keeps its settings here, never in the settings of whoever runs the tests.
    export XDG_CONFIG_HOME="$WORK/config"
}

startGame() {
    # /c opens straight on hero creation: a still screen that waits for keys
    # (the title animates for a minute before it waits).
    (cd "$WORK/game" && exec "$VELA" /c "$@") >"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    # xdotool matches the legacy WM_NAME, where SDL cannot keep the Hangul,
    # so the window is found by the ASCII tail of the caption.
    WIN=$(X xdotool search --sync --onlyvisible --name 'windows version 0\.1\.1$' 2>/dev/null | head -n 1)
    [ -n "$WIN" ] || {
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited before showing its window"
        fail "no game window within 10 s"
    }
}

startGameInXvfb() {
    local size=$1
    shift
    startXvfb "$size"
    startGame "$@"
}
