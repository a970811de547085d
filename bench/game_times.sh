#!/bin/bash
# Wall and CPU seconds of the two longest runs of the drawing code: the
# playthrough (every stage replayed from the title by the harness) and the
# balance simulator. Given several build folders, the runs take turns
# (build 1, build 2, ..., then again) so a busy machine slows them alike,
# and each build's median is stated with its ratio to the first build's.
#
#   bench/game_times.sh [ROUNDS] BUILD_DIR [BUILD_DIR...]
#
# A build folder needs vela-headless, vela-balance and data/; copy a build's
# programs aside (with a link to its data) to compare it with a later one.
set -u
ROUNDS=3
case "${1:-}" in [0-9]*) ROUNDS=$1; shift ;; esac
[ $# -ge 1 ] || { echo "usage: $0 [ROUNDS] BUILD_DIR [BUILD_DIR...]" >&2; exit 2; }
HERE=$(cd "$(dirname "$0")/.." && pwd)
OUT=$(mktemp -d /tmp/vela-times.XXXXXX) || exit 1
trap 'rm -rf -- "$OUT"' EXIT
TIMEFORMAT='%R %U %S'

for ((round = 1; round <= ROUNDS; ++round)); do
    for ((b = 1; b <= $#; ++b)); do
        build=$(realpath -- "${!b}") || exit 2
        # The playthrough's states and transcripts give the simulator its parties.
        rm -rf "$OUT/states" && mkdir "$OUT/states"
        { time PLAYTHROUGH_OUTPUTS="$OUT/states" "$HERE/tests/playthrough/run.sh" "$build/vela-headless" "$build/data" \
            >"$OUT/log" 2>&1; } 2>>"$OUT/play.$b" ||
            { echo "game_times: the playthrough failed with $build:" >&2; tail -3 "$OUT/log" >&2; exit 1; }
        { time "$build/vela-balance" "$build/data" "$HERE/tools/balance" "$OUT/states" >/dev/null; } 2>>"$OUT/balance.$b" ||
            { echo "game_times: vela-balance failed with $build" >&2; exit 1; }
    done
done

# Median of wall seconds and of CPU seconds (user + system) in a times file.
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] }'; }
medians() {
    echo "$(awk '{ print $1 }' "$1" | median) $(awk '{ print $2 + $3 }' "$1" | median)"
}
printf "%-36s %-12s %8s %8s %8s %8s\n" build run "wall s" ratio "cpu s" ratio
for run in play balance; do
    read -r wall1 cpu1 < <(medians "$OUT/$run.1")
    for ((b = 1; b <= $#; ++b)); do
        read -r wall cpu < <(medians "$OUT/$run.$b")
        printf "%-36s %-12s %8.2f %8.2f %8.2f %8.2f\n" "${!b}" "$([ $run = play ] && echo playthrough || echo balance)" \
            "$wall" "$(awk -v a="$wall" -v b="$wall1" 'BEGIN { print a / b }')" \
            "$cpu" "$(awk -v a="$cpu" -v b="$cpu1" 'BEGIN { print a / b }')"
    done
done
