#!/bin/bash
# The game compiled to WebAssembly is the same game: the whole playthrough
# (tests/playthrough) played by the native harness and by the harness built
# for node must pass, and leave the same state dump and the same transcript,
# byte for byte, after every stage.
# usage: node_playthrough.sh NATIVE_HEADLESS NODE_HEADLESS BUILT_DATA_DIR
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
outputs=$(mktemp -d)
trap 'rm -rf "$outputs"' EXIT
failed=0
for build in native node; do
    harness=$1
    [ "$build" = node ] && harness=$2
    mkdir "$outputs/$build"
    start=$(date +%s)
    PLAYTHROUGH_OUTPUTS="$outputs/$build" "$HERE/../playthrough/run.sh" "$harness" "$3" || failed=1
    echo "$build playthrough: $(($(date +%s) - start)) s"
done
stages=$(ls "$outputs/native" | wc -l)
if [ "$stages" -eq 0 ]; then
    echo "FAIL: no stage was played"
    failed=1
elif ! diff -r "$outputs/native" "$outputs/node" >"$outputs/differences"; then
    echo "FAIL: the node harness differs from the native one:"
    head -40 "$outputs/differences"
    failed=1
fi
if [ "$failed" -ne 0 ]; then
    echo "0 passed, 1 failed"
    exit 1
fi
echo "node playthrough: the $((stages / 2)) stages' states and transcripts are the same as native"
echo "1 passed, 0 failed"
