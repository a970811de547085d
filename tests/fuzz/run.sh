#!/bin/bash
# Runs every loader fuzz target for the given seconds, each with a corpus
# seeded from the built data. usage: run.sh BUILD_DIR SECONDS
# The saved-game seeds are two games saved by the harness
# (BUILD_DIR/vela-headless); the script fails when it cannot make them.
# Prints each target's executions; exits non-zero when any target finds a
# fault (its reproducer is left in BUILD_DIR/fuzz-findings).
set -u
BUILD=$(realpath "$1")
SECONDS_EACH=${2:-30}
HERE=$(cd "$(dirname "$0")" && pwd)
DATA="$BUILD/data"
CORPUS="$BUILD/fuzz-corpus"
FINDINGS="$BUILD/fuzz-findings"
HEADLESS="$BUILD/vela-headless"
mkdir -p "$FINDINGS"
saves=$(mktemp -d)
trap 'rm -rf "$saves"' EXIT

keysOf() { grep -hv '^#' "$@" | tr -d '\r\n'; }

# save SLOT KEYS: plays KEYS from the title in a fresh game folder, then saves
# into SLOT from the game options (G; 본 게임 데이타 is slot 1), and keeps
# player<SLOT>.dat and save<SLOT>.map.
save() {
    local work
    work=$(mktemp -d)
    cp "$DATA"/* "$work"/
    (cd "$work" && "$HEADLESS" --seed 1 --keys "$2G{down*5}{enter}{down*$1}{enter}{enter}" >out.txt 2>&1)
    local status=$?
    if [ "$status" -ne 0 ] || [ ! -f "$work/player$1.dat" ] || [ ! -f "$work/save$1.map" ]; then
        echo "run.sh: the harness $HEADLESS did not save slot $1 (exit $status):" >&2
        cat "$work/out.txt" >&2
        exit 1
    fi
    cp "$work/player$1.dat" "$work/save$1.map" "$saves"/
    rm -rf "$work"
}
# A new hero alone in 타른; a party grown through the first six stages of
# the playthrough, on the Ground.
save 1 "$(keysOf "$HERE/../scenarios/hero.keys")"
save 2 "$(keysOf "$HERE"/../playthrough/stages/0[1-6]_*.keys)"

seed() {  # seed TARGET FILE...
    mkdir -p "$CORPUS/$1"
    shift_target=$1
    shift
    cp "$@" "$CORPUS/$shift_target/" 2>/dev/null || true
}

seed fuzz_player_file "$saves"/player*.dat "$HERE/../scenarios/files/healer_party.dat"
seed fuzz_saved_map "$saves"/save*.map
seed fuzz_map_file "$DATA"/*.map
seed fuzz_tile_file "$DATA/town.fnt" "$DATA/ground.fnt" "$DATA/den.fnt" "$DATA/keep.fnt"
seed fuzz_palette "$DATA"/*.pal
seed fuzz_sprite_file "$DATA/chara.fnt"
seed fuzz_enemy_table "$DATA/foedata.dat"
mkdir -p "$CORPUS/fuzz_font"
for set in 0 1 2; do
    { printf "\\x0$set"; cat "$DATA/tarn$set.fnt"; } >"$CORPUS/fuzz_font/tarn$set"
done
{ printf '\x03'; cat "$DATA/ascii.fnt"; } >"$CORPUS/fuzz_font/ascii"
# The saved map is restored beside the first save's party.
export VELA_FUZZ_PARTY="$saves/player1.dat"

# One target: its log and exit status land in BUILD. Targets run side by side,
# one per core, so CI pays for the seconds of a few targets, not all of them.
run_target() {
    local name
    name=$(basename "$1")
    "$1" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -artifact_prefix="$FINDINGS/$name-" \
        "$CORPUS/$name" >"$BUILD/$name.log" 2>&1
    echo $? >"$BUILD/$name.status"
}
cores=$(nproc)
for bin in "$BUILD"/fuzz_*; do
    [ -x "$bin" ] || continue
    while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n; done
    run_target "$bin" &
done
wait

status=0
for bin in "$BUILD"/fuzz_*; do
    [ -x "$bin" ] || continue
    name=$(basename "$bin")
    log="$BUILD/$name.log"
    result=$(cat "$BUILD/$name.status")
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$name: ${runs:-?} executions, ${rate:-?} a second, exit $result"
    if [ "$result" -ne 0 ]; then
        tail -30 "$log"
        status=1
    fi
done
exit $status
