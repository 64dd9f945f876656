#!/usr/bin/env bash
# What --html adds to --report all over a generated 1,000,000-line day, and
# the size of the page it writes.
#   bench/report_page_bench.sh BUILD_DIR
# Logs: the folder named by VARNEL_BENCH_LOGS, else a day written by
# BUILD_DIR/tools/varnel-generate-logs into a temporary folder. Each run is
# made RUNS times (default 3); the fastest counts.
set -euo pipefail

build_dir=${1:?usage: report_page_bench.sh BUILD_DIR}
runs=${RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C TZ=UTC

logs=${VARNEL_BENCH_LOGS:-}
if [[ -z "$logs" ]]; then
  logs="$work/logs"
  mkdir -p "$logs"
  "$build_dir/tools/varnel-generate-logs" --out "$logs" --date 2004-05-12 --seed 20040512 --lines 1000000
fi

report="$build_dir/src/cli/varnel-report"
fastest() {  # command...: the fastest wall time of the runs, in seconds
  local best=""
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e" "$@" >/dev/null 2>"$work/time.txt"
    local t
    t=$(tail -n 1 "$work/time.txt")
    if [[ -z "$best" ]] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

plain=$(fastest "$report" --logs "$logs" --db "$work/a.db" --data-dir "$work/data" --report all --out-dir "$work/out")
page=$(fastest "$report" --logs "$logs" --db "$work/b.db" --data-dir "$work/data" --report all --out-dir "$work/out" \
  --html "$work/day.html")
bytes=$(stat -c %s "$work/day.html")
echo "load + --report all:          $plain s"
echo "load + --report all --html:   $page s"
awk "BEGIN{printf \"--html adds:                 %.2f s (target at most 0.5 s)\n\", $page - $plain}"
awk "BEGIN{printf \"page size:                   %d bytes, %.2f MB (target at most 3 MB)\n\", $bytes, $bytes / 1048576}"
