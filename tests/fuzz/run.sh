#!/bin/bash
# Runs every loader fuzz target for the given seconds, each from a fresh
# corpus of real files of its kind. usage: run.sh BUILD_DIR SECONDS
#
# The seeds are the built data files (BUILD_DIR/data) and two games saved by
# the harness (BUILD_DIR/vela-headless). Prints one table of each target's
# executions, coverage (libFuzzer's cov: edges and ft: features) and corpus,
# at the start and at the end. Fails when the harness cannot make the saves,
# when a target has no seed, when a target ends with neither a new edge nor a new
# input (its input does not reach the loader, or is cut short), or when a
# target finds a fault (the reproducer is left in BUILD_DIR/fuzz-findings).
# Each target's corpus, its seeds and what it found, stays in
# BUILD_DIR/fuzz-corpus until the next run.
set -u
BUILD=$(realpath "$1")
SECONDS_EACH=${2:-30}
HERE=$(cd "$(dirname "$0")" && pwd)
DATA="$BUILD/data"
CORPUS="$BUILD/fuzz-corpus"
FINDINGS="$BUILD/fuzz-findings"
HEADLESS="$BUILD/vela-headless"
rm -rf "$CORPUS"
mkdir -p "$CORPUS" "$FINDINGS"
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
    local target=$1
    shift
    mkdir -p "$CORPUS/$target"
    cp "$@" "$CORPUS/$target/" || exit 1
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

# The longest input of each target: its file's size, or for maps the largest
# map (2 + 200 x 125 cells) and a little more, as a file may be longer than
# it should. A font input is the font's number, then the file.
declare -A MAX_LEN=(
    [fuzz_enemy_table]=2175 [fuzz_font]=$((1 + 7168)) [fuzz_map_file]=25100 [fuzz_palette]=48
    [fuzz_player_file]=556 [fuzz_saved_map]=25100 [fuzz_sprite_file]=16464 [fuzz_tile_file]=16464
)

# One target: its log and exit status land in BUILD. Targets run side by side,
# one per core, so CI pays for the seconds of a few targets, not all of them.
run_target() {
    local name
    name=$(basename "$1")
    "$1" -max_total_time="$SECONDS_EACH" -max_len="${MAX_LEN[$name]}" -print_final_stats=1 \
        -artifact_prefix="$FINDINGS/$name-" "$CORPUS/$name" >"$BUILD/$name.log" 2>&1
    echo $? >"$BUILD/$name.status"
}
declare -A SEEDS
for bin in "$BUILD"/fuzz_*; do
    [ -x "$bin" ] || continue
    name=$(basename "$bin")
    [ -n "${MAX_LEN[$name]:-}" ] || { echo "run.sh: $name has no longest input" >&2; exit 1; }
    SEEDS[$name]=$(find "$CORPUS/$name" -type f 2>/dev/null | wc -l)
    [ "${SEEDS[$name]}" -gt 0 ] || { echo "run.sh: $name has no seed" >&2; exit 1; }
done
cores=$(nproc)
for bin in "$BUILD"/fuzz_*; do
    [ -x "$bin" ] || continue
    while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n; done
    run_target "$bin" &
done
wait

# figure LINE KEY: the number after "KEY: " in a libFuzzer status line.
figure() { sed -n "s/.* $2: \([0-9]*\).*/\1/p" <<<"$1"; }

status=0
printf '%-17s %6s %11s %13s %13s %13s  %s\n' target seeds executions "cov start>end" "ft start>end" \
    "corp start>end" result
for bin in "$BUILD"/fuzz_*; do
    [ -x "$bin" ] || continue
    name=$(basename "$bin")
    log="$BUILD/$name.log"
    first=$(grep -m1 -E '^#[0-9]+\s+INITED ' "$log")
    last=$(grep -E '^#[0-9]+\s+(DONE|NEW|REDUCE|pulse) ' "$log" | tail -1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    covStart=$(figure "$first" cov) covEnd=$(figure "$last" cov)
    ftStart=$(figure "$first" ft) ftEnd=$(figure "$last" ft)
    corpStart=$(figure "$first" corp) corpEnd=$(figure "$last" corp)
    result=ok
    if [ "$(cat "$BUILD/$name.status")" -ne 0 ]; then
        result="fault, exit $(cat "$BUILD/$name.status")"
    elif [ "${covEnd:-0}" -le "${covStart:-0}" ] && [ "${corpEnd:-0}" -le "${corpStart:-0}" ]; then
        result="no growth past the seeds"
    fi
    printf '%-17s %6s %11s %13s %13s %13s  %s\n' "$name" "${SEEDS[$name]}" "${runs:-?}" "$covStart>$covEnd" \
        "$ftStart>$ftEnd" "$corpStart>$corpEnd" "$result"
    [ "$result" = ok ] || { status=1; failed="${failed:-} $name"; }
done
for name in ${failed:-}; do
    echo "--- $name: the end of $BUILD/$name.log"
    tail -30 "$BUILD/$name.log"
done
exit $status
