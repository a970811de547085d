#!/bin/bash
# Every fight of the balance table meets its target against the parties the
# playthrough really has: a change to a foe, a formula or a plan that makes
# a lord too easy, a den too long or a weaker party win fails here.
# usage: balance_targets.sh VELA_HEADLESS VELA_BALANCE BUILT_DATA_DIR
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
DATA=$(realpath "$3")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
PLAYTHROUGH_OUTPUTS="$out" bash "$HERE/run.sh" "$1" "$DATA" >/dev/null || { echo "the playthrough fails"; exit 1; }
"$2" "$DATA" "$HERE/../../tools/balance" "$out" > "$out/table.md" || exit 1
verdict=$(grep "fights meet their targets" "$out/table.md")
echo "$verdict"
grep "^| .*| \*\*no\*\* |$" "$out/table.md"
[[ "$verdict" =~ ^([0-9]+)\ of\ ([0-9]+)\  ]] && [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ]
