#!/usr/bin/env bash
# Times the summary windows over a generated 1,000,000-line day.
#   bench/summary_windows_bench.sh BUILD_DIR
# Logs: the folder named by VARNEL_BENCH_LOGS, else a day written by
# BUILD_DIR/tools/varnel-generate-logs into a temporary folder. The day is
# loaded and every report built by varnel-report, then
# BUILD_DIR/bench/summary_windows_bench opens, scrolls and saves the windows.
set -euo pipefail

build_dir=${1:?usage: summary_windows_bench.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C TZ=UTC

source "$(dirname "$0")/bench_day.sh"
logs=$(bench_day_logs "$build_dir" "$work")

"$build_dir/src/cli/varnel-report" --logs "$logs" --db "$work/day.db" --data-dir "$work/data" \
  --report all --out-dir "$work/out" >/dev/null 2>&1 || true

VARNEL_BENCH_DB="$work/day.db" "$build_dir/bench/summary_windows_bench"
