#!/bin/bash
# Keys per second of the headless harness on a long walk in 타른: the hero
# is created from the title with the scenarios' keys, then the party walks
# eight squares east along the road and back, again and again, each step
# drawing the map view. The count and the time include the creation.
#
#   bench/harness_walk.sh VELA_HEADLESS BUILT_DATA_DIR [ROUNDS]
#
# Runs in a scratch copy of the data; prints keys, wall seconds, keys/s.
set -u
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 VELA_HEADLESS BUILT_DATA_DIR [ROUNDS]" >&2
    exit 2
fi
HEADLESS=$(realpath -- "$1") || exit 2
DATA=$(realpath -- "$2") || exit 2
ROUNDS=${3:-2500}
WORK=$(mktemp -d /tmp/vela-walk.XXXXXX) || exit 1
trap 'rm -rf -- "$WORK"' EXIT
cp -R "$DATA/." "$WORK/" || exit 1
HERO_KEYS=$(dirname "$0")/../tests/scenarios/hero.keys
{
    grep -v '^#' "$HERO_KEYS"
    for ((i = 0; i < ROUNDS; ++i)); do printf '{right*8}{left*8}\n'; done
} >"$WORK/walk.keys"
# Keys of the hero's creation: characters and {...} tokens with their repeats.
heroKeys=$(grep -v '^#' "$HERO_KEYS" | tr -d '\r\n' | awk '{
    n = 0
    while (match($0, /\{[^}]*\}/)) {
        n += RSTART - 1
        token = substr($0, RSTART + 1, RLENGTH - 2)
        n += (split(token, parts, "*") == 2) ? parts[2] : 1
        $0 = substr($0, RSTART + RLENGTH)
    }
    print n + length($0)
}')
keys=$((heroKeys + ROUNDS * 16))
cd "$WORK" || exit 1
t0=$(date +%s%N)
"$HEADLESS" --keys-file walk.keys --state state.json || { echo "harness_walk: the harness failed" >&2; exit 1; }
t1=$(date +%s%N)
grep -q '"PartyX":10,' state.json || { echo "harness_walk: the party did not walk back to the gate" >&2; exit 1; }
awk -v k=$keys -v ns=$((t1 - t0)) 'BEGIN { printf "harness_walk: %d keys in %.3f s = %.0f keys/s\n", k, ns / 1e9, k / (ns / 1e9) }'
