#!/bin/bash
# The harness ends with status 4 and says why on standard error when it
# cannot write an output file, and with status 0 when it can.
# usage: outputs.sh VELA_HEADLESS BUILT_DATA_DIR
set -u
HEADLESS=$(realpath "$1")
DATA=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$DATA"/* "$work"/
cd "$work" || exit 1
failures=0

# run WANTED_STATUS WANTED_STDERR ARGS...
run() {
    local want=$1 text=$2
    shift 2
    "$HEADLESS" --keys "" "$@" >/dev/null 2>stderr.txt
    local status=$?
    if [ "$status" != "$want" ]; then
        echo "FAIL $*: exit status $status, wanted $want"
        failures=$((failures + 1))
    elif [ -n "$text" ] && ! grep -qF -- "$text" stderr.txt; then
        echo "FAIL $*: stderr lacks '$text': $(cat stderr.txt)"
        failures=$((failures + 1))
    fi
}

run 0 "" --state state.json --transcript transcript.txt --shot shot.png --keys "{shot:scripted}"
for f in state.json transcript.txt shot.png scripted.png; do
    [ -s "$f" ] || { echo "FAIL $f was not written"; failures=$((failures + 1)); }
done
run 4 "no_folder/state.json.tmp: No such file or directory" --state no_folder/state.json
run 4 "no_folder/transcript.txt: No such file or directory" --transcript no_folder/transcript.txt
run 4 "no_folder/shot.png.tmp: No such file or directory" --shot no_folder/shot.png
run 4 "no_folder/scripted.png.tmp: No such file or directory" --keys "{shot:no_folder/scripted}"

[ "$failures" -eq 0 ] && echo "harness outputs: all passed"
exit $((failures > 0))
