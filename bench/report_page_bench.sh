#!/usr/bin/env bash
# What --html adds to --report all over a generated 1,000,000-line day, and
# the size of the page it writes.
#   bench/report_page_bench.sh BUILD_DIR
# Logs: the folder named by VARNEL_BENCH_LOGS, else a day written by
# BUILD_DIR/tools/varnel-generate-logs into a temporary folder. Each run is
# made RUNS times (default 3); the fastest counts, by wall time and by CPU
# time (user + system; steadier on a busy machine).
set -euo pipefail

build_dir=${1:?usage: report_page_bench.sh BUILD_DIR}
runs=${RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C TZ=UTC

source "$(dirname "$0")/bench_day.sh"
logs=$(bench_day_logs "$build_dir" "$work")

report="$build_dir/src/cli/varnel-report"
fastest() {  # command...: "wall cpu", the fastest of the runs in seconds
  local wall="" cpu=""
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %U %S" "$@" >/dev/null 2>"$work/time.txt"
    local w u s c
    read -r w u s < <(tail -n 1 "$work/time.txt")
    c=$(awk "BEGIN{print $u + $s}")
    if [[ -z "$wall" ]] || awk "BEGIN{exit !($w < $wall)}"; then wall=$w; fi
    if [[ -z "$cpu" ]] || awk "BEGIN{exit !($c < $cpu)}"; then cpu=$c; fi
  done
  echo "$wall $cpu"
}

read -r plain plain_cpu < <(fastest "$report" --logs "$logs" --db "$work/a.db" --data-dir "$work/data" --report all --out-dir "$work/out")
read -r page page_cpu < <(fastest "$report" --logs "$logs" --db "$work/b.db" --data-dir "$work/data" --report all --out-dir "$work/out" \
  --html "$work/day.html")
bytes=$(stat -c %s "$work/day.html")
echo "load + --report all:          $plain s wall, $plain_cpu s CPU"
echo "load + --report all --html:   $page s wall, $page_cpu s CPU"
awk "BEGIN{printf \"--html adds:                 %.2f s wall, %.2f s CPU (target at most 0.5 s)\n\", \
  $page - $plain, $page_cpu - $plain_cpu}"
awk "BEGIN{printf \"page size:                   %d bytes, %.2f MB (target at most 3 MB)\n\", $bytes, $bytes / 1048576}"
