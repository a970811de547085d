#!/bin/bash
# The game in a window on a private Xvfb display, played with SDL's virtual
# joystick (gamepad_test.cpp says what it checks). The harness first makes
# the hero 레온 and saves the game in slot 1, by the gate of 타른 with the
# road free to the east; the test continues that game.
#
#   tests/smoke/gamepad.sh VELA_GAMEPAD_TEST VELA_HEADLESS BUILT_DATA_DIR
set -u
fail() {
    echo "gamepad: FAIL: $*" >&2
    exit 1
}
[ $# -eq 3 ] || { echo "usage: $0 VELA_GAMEPAD_TEST VELA_HEADLESS BUILT_DATA_DIR" >&2; exit 2; }
HEADLESS=$(realpath -- "$2") || exit 2
# shellcheck source=game_in_xvfb.sh
. "$(dirname "$0")/game_in_xvfb.sh"
takeGameAndData "" "$1" "$3"
startXvfb 800x600

HERO_KEYS=$(grep -v '^#' "$(dirname "$0")/../scenarios/hero.keys" | tr -d '\r\n')
SAVE_IN_SLOT_1="{space}{down*8}{enter}{down*5}{enter}{down}{enter}{enter}"
(cd "$WORK/game" && "$HEADLESS" --seed 1 --keys "$HERO_KEYS$SAVE_IN_SLOT_1" >/dev/null 2>&1) ||
    fail "the harness could not make the saved game"
[ -f "$WORK/game/player1.dat" ] || fail "the harness saved no game in slot 1"

(cd "$WORK/game" && exec timeout 60 "$VELA") >"$WORK/game.log" 2>&1 &
GAME_PID=$!
wait "$GAME_PID"
status=$?
GAME_PID=""
cat "$WORK/game.log"
[ "$status" -eq 0 ] || fail "the test ended with status $status"
