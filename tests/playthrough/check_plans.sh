#!/bin/bash
# Compiles every plan against the committed keys of the stages before it,
# two at a time, and fails when a plan needs a rewind (a lost fight played
# again) or compiles to keys other than the committed ones.
# usage: check_plans.sh VELA_HEADLESS BUILT_DATA_DIR
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
ls "$HERE"/stages/*.plan | xargs -P 2 -I{} sh -c \
    'python3 "$0/compile.py" --check "$1" "$2" "{}" >"$3/$(basename {} .plan).log" 2>&1' "$HERE" "$1" "$2" "$out"
failures=0
for log in "$out"/*.log; do
    verdict=$(tail -1 "$log")
    case "$verdict" in
        *"keys, "*"runs; clean") echo "$verdict" ;;
        *) echo "FAIL $verdict"; failures=$((failures + 1)) ;;
    esac
done
[ "$failures" -eq 0 ] || { echo "$failures plan(s) do not compile to their keys"; exit 1; }
echo "every plan compiles to its keys"
