#!/usr/bin/env bash
# Times the report builds over a generated 1,000,000-line day.
#   bench/reports_bench.sh BUILD_DIR
# Logs: the folder named by VARNEL_BENCH_LOGS, else a day written by
# BUILD_DIR/tools/varnel-generate-logs into a temporary folder.
# Prints the load alone, the load with --report all (time and peak memory),
# then the per-table builds of BUILD_DIR/bench/reports_bench.
set -euo pipefail

build_dir=${1:?usage: reports_bench.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C TZ=UTC

source "$(dirname "$0")/bench_day.sh"
logs=$(bench_day_logs "$build_dir" "$work")

report="$build_dir/src/cli/varnel-report"
bench_timed "$work" "load alone" "$report" --logs "$logs" --db "$work/load.db" --data-dir "$work/data"
bench_timed "$work" "load + --report all" "$report" --logs "$logs" --db "$work/all.db" --data-dir "$work/data" \
  --report all --out-dir "$work/out"

VARNEL_BENCH_DB="$work/load.db" "$build_dir/bench/reports_bench"
