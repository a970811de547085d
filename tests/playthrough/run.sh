#!/bin/bash
# Plays the game from the title as a player would, by keys alone, and checks
# the party after each story stage. usage: run.sh VELA_HEADLESS BUILT_DATA_DIR
#
# stages/NN_name.keys holds the keys of one stage (harness syntax; line ends
# only lay it out, lines starting with # are notes). stages/NN_name.expect
# holds lines of text the state JSON must contain after that stage; a line
# "status N" sets the exit status the stage must end with (0 unless said: the
# keys ran out while the game waited), and a line "text WORDS" names words
# the transcript must hold. Stage N is checked by playing the keys of stages
# 1..N in one fresh game folder, so every stage starts where the one before
# it ended. Stages written as plans (.plan) are turned into keys by
# compile.py; this script only replays the keys. With PLAYTHROUGH_OUTPUTS
# set to a folder, each stage's state.json and transcript.txt are kept there
# as NAME.state.json and NAME.transcript.txt, to compare two builds.
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
failures=0
keys=""

keysOf() { grep -v '^#' "$1" | tr -d '\r\n'; }

# A branch (branches/NN_name.keys) is played after every stage numbered
# below NN, instead of the stages from NN on: the story's other choices.
for stage in "$HERE"/stages/*.keys "$HERE"/branches/*.keys; do
    name=$(basename "$stage" .keys)
    folder=$(dirname "$stage")
    if [ "$(basename "$folder")" = branches ]; then
        keys=""
        for before in "$HERE"/stages/*.keys; do
            [[ "$(basename "$before")" < "${name%%_*}" ]] && keys="$keys$(keysOf "$before")"
        done
    fi
    keys="$keys$(keysOf "$stage")"
    work=$(mktemp -d)
    cp "$DATA"/* "$work"/
    (cd "$work" && timeout 120 "$HEADLESS" --seed 1 --keys "$keys" --state state.json \
        --transcript transcript.txt >stdout.txt 2>stderr.txt)
    status=$?
    wanted=$(sed -n 's/^status //p' "$folder/$name.expect")
    if [ "$status" != "${wanted:-0}" ]; then
        echo "FAIL $name: exit status $status, not ${wanted:-0}: $(head -3 "$work/stderr.txt")"
        failures=$((failures + 1))
    fi
    while IFS= read -r want; do
        [ -z "$want" ] || [ "${want:0:1}" = "#" ] && continue
        case "$want" in
            "status "*) ;;
            "text "*) grep -qF -- "${want#text }" "$work/transcript.txt" ||
                { echo "FAIL $name: transcript lacks ${want#text }"; failures=$((failures + 1)); } ;;
            *) grep -qF -- "$want" "$work/state.json" ||
                { echo "FAIL $name: state lacks $want"; failures=$((failures + 1)); } ;;
        esac
    done <"$folder/$name.expect"
    if [ -n "${PLAYTHROUGH_OUTPUTS:-}" ]; then
        cp "$work/state.json" "$PLAYTHROUGH_OUTPUTS/$name.state.json"
        cp "$work/transcript.txt" "$PLAYTHROUGH_OUTPUTS/$name.transcript.txt"
    fi
    rm -rf "$work"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures playthrough check(s) failed"
    exit 1
fi
echo "playthrough passed"
