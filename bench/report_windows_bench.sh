#!/usr/bin/env bash
# Times the report windows and the chart pictures of varnel-report over a
# generated 1,000,000-line day.
#   bench/report_windows_bench.sh BUILD_DIR
# Logs: the folder named by VARNEL_BENCH_LOGS, else a day written by
# BUILD_DIR/tools/varnel-generate-logs into a temporary folder. Prints
# --report all with and without --chart png (time and peak memory), then
# BUILD_DIR/bench/report_windows_bench: each window from Run Report to the
# drawn chart, zoom and scroll redraws, the longest event-loop stall and the
# peak memory of a process that opened only the latency window.
set -euo pipefail

build_dir=${1:?usage: report_windows_bench.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C TZ=UTC

source "$(dirname "$0")/bench_day.sh"
logs=$(bench_day_logs "$build_dir" "$work")

report="$build_dir/src/cli/varnel-report"
# A loaded database is reused by every run, so the runs differ only in the
# reports and pictures.
"$report" --logs "$logs" --db "$work/day.db" --data-dir "$work/data" >/dev/null
for run in 1 2 3; do
  bench_timed "$work" "--report all (run $run)" "$report" --logs "$logs" --db "$work/all.db" --data-dir "$work/data" \
    --report all --out-dir "$work/out"
  bench_timed "$work" "--report all --chart png (run $run)" "$report" --logs "$logs" --db "$work/charts.db" \
    --data-dir "$work/data" --report all --chart png --out-dir "$work/charts"
done
ls "$work/charts"/*.png

bench="$build_dir/bench/report_windows_bench"
VARNEL_BENCH_DB="$work/day.db" "$bench"
# The peak memory of a process that loads only the latency window.
VARNEL_BENCH_DB="$work/day.db" "$bench" --benchmark_filter='^open/latency/'
