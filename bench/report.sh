#!/bin/bash
# Runs vela-bench once and states its figures (wall time per operation) as
# ratios to one 24 x 24 PutImage, so they compare across machines and loads.
#
#   bench/report.sh VELA_BENCH [extra benchmark flags]
#
# With --benchmark_repetitions=N the medians are used. Without DISPLAY the
# SDL present runs on SDL's offscreen driver; under `xvfb-run -a` it runs
# in a real X11 window.
set -u
[ $# -ge 1 ] || { echo "usage: $0 VELA_BENCH [flags]" >&2; exit 2; }
BENCH=$1
shift
out=$(mktemp /tmp/vela-bench.XXXXXX.csv) || exit 1
trap 'rm -f "$out"' EXIT
"$BENCH" --benchmark_format=csv "$@" >"$out" || exit 1
awk -F, '
    /^"?BM_/ {
        name = $1; gsub(/"/, "", name)
        # With --benchmark_repetitions the median stands for the benchmark.
        if (name ~ /_(mean|stddev|cv)$/) next
        sub(/_median$/, "", name); sub(/\/real_time$/, "", name)
        if (!(name in wall)) order[++n] = name
        unit = $5; gsub(/"/, "", unit)
        f = unit == "s" ? 1e9 : unit == "ms" ? 1e6 : unit == "us" ? 1e3 : 1
        wall[name] = $3 * f
        cpu[name] = $4 * f
        label[name] = $8; gsub(/"/, "", label[name])
    }
    END {
        b = "BM_PutImage24"
        if (!wall[b] || !cpu[b]) { print "report: no BM_PutImage24 figure" > "/dev/stderr"; exit 1 }
        printf "%-24s %11s %8s %11s %8s\n", "per operation", "wall ns", "ratio", "cpu ns", "ratio"
        for (i = 1; i <= n; ++i) {
            k = order[i]
            printf "%-24s %11.0f %8.1f %11.0f %8.1f  %s\n", k, wall[k], wall[k] / wall[b], cpu[k], cpu[k] / cpu[b], label[k]
        }
        print "(ratio: times one 24 x 24 PutImage in this run; cpu is the benchmark process only)"
    }' "$out"
