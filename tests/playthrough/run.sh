#!/bin/bash
# Plays the game from the title as a player would, by keys alone, and checks
# the party after each story stage. usage: run.sh VELA_HEADLESS BUILT_DATA_DIR
#
# stages/NN_name.keys holds the keys of one stage (harness syntax; line ends
# only lay it out, lines starting with # are notes). stages/NN_name.expect
# holds lines of text the state JSON must contain after that stage. Stage N
# is checked by playing the keys of stages 1..N in one fresh game folder, so
# every stage starts where the one before it ended.
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
failures=0
keys=""

for stage in "$HERE"/stages/*.keys; do
    name=$(basename "$stage" .keys)
    keys="$keys$(grep -v '^#' "$stage" | tr -d '\r\n')"
    work=$(mktemp -d)
    cp "$DATA"/* "$work"/
    (cd "$work" && timeout 120 "$HEADLESS" --seed 1 --keys "$keys" --state state.json \
        --transcript transcript.txt >stdout.txt 2>stderr.txt)
    status=$?
    if [ "$status" != 0 ]; then
        echo "FAIL $name: exit status $status: $(head -3 "$work/stderr.txt")"
        failures=$((failures + 1))
    fi
    while IFS= read -r want; do
        [ -z "$want" ] || [ "${want:0:1}" = "#" ] && continue
        grep -qF -- "$want" "$work/state.json" || { echo "FAIL $name: state lacks $want"; failures=$((failures + 1)); }
    done <"$HERE/stages/$name.expect"
    rm -rf "$work"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures playthrough check(s) failed"
    exit 1
fi
echo "playthrough passed"
