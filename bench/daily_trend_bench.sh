#!/usr/bin/env bash
# Times the daily trend: the load of a generated 1,000,000-line day without
# and with the trend's gathering, runs of the two interleaved so that a
# machine busy with other work weighs on both alike, and the trend's cost
# after a load of 365 days.
#   bench/daily_trend_bench.sh BUILD_DIR [REPETITIONS]
# Logs: the folder named by VARNEL_BENCH_LOGS, else a day written by
# BUILD_DIR/tools/varnel-generate-logs into a temporary folder.
# Targets: gathering at most 3 % slower load; after the load at most 20 ms.
set -euo pipefail

build_dir=${1:?usage: daily_trend_bench.sh BUILD_DIR [REPETITIONS]}
repetitions=${2:-9}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C TZ=UTC

source "$(dirname "$0")/bench_day.sh"
logs=$(bench_day_logs "$build_dir" "$work")

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
VARNEL_BENCH_LOGS="$logs" "$build_dir/bench/daily_trend_bench" --benchmark_repetitions="$repetitions" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_format=console
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
