#!/usr/bin/env bash
# The performance targets of varnel-report, measured in one run beside the
# sqlite3 shell's import of the same day as the reference:
#   one 1,000,000-line day, --report all       <= 0.8 s
#   ten such days, --report all                <= 6 s, <= 400 MB peak
#   the latency report                         <= 0.3 s per million lines
#   port availability, queue activity          <= 20 ms each after the load
#   the load alone                             <= 0.45 s per day, <= 64 MB
# Usage: bench/targets_bench.sh BUILD_DIR [RUNS]
# Times are medians of RUNS runs (default 3), wall clock; user + system CPU
# is shown too, and the load average, since the targets hold for an idle
# machine with two cores.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 BUILD_DIR [RUNS]" >&2
  exit 2
fi
build_dir="$1"
runs="${2:-3}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
  echo "RUNS must be a positive whole number" >&2
  exit 2
fi
generator="$build_dir/tools/varnel-generate-logs"
# VARNEL_REPORT names another varnel-report to measure, e.g. an older build.
report="${VARNEL_REPORT:-$build_dir/src/cli/varnel-report}"
micro="$build_dir/bench/reports_bench"
for program in "$generator" "$report"; do
  if [ ! -x "$program" ]; then
    echo "$program not found: build the project in $build_dir first" >&2
    exit 1
  fi
done
export LC_ALL=C TZ=UTC

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/day" "$tmp/days"
"$generator" --out "$tmp/day" --date 2004-05-12 --seed 20040512 --lines 1000000
for day in 10 11 12 13 14 15 16 17 18 19; do
  "$generator" --out "$tmp/days" --date "2004-05-$day" --seed "200405$day" --lines 1000000
done
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

verdict() {  # label value limit
  awk -v l="$1" -v v="$2" -v m="$3" 'BEGIN { printf "%s %s: %s (limit %s)\n", (v <= m ? "PASS" : "FAIL"), l, v, m }'
}

# measure NAME LOGS [ARGS...]: median wall seconds in $tmp/NAME.s, largest
# peak in MB in $tmp/NAME.mb, median CPU seconds in $tmp/NAME.cpu.
measure() {
  local name="$1" logs="$2"
  shift 2
  : > "$tmp/$name.runs"
  for ((run = 1; run <= runs; run++)); do
    rm -rf "$tmp/out" "$tmp"/PortData.db*
    /usr/bin/time -v -o "$tmp/time.out" \
      "$report" --logs "$logs" --db "$tmp/PortData.db" --data-dir "$tmp/data" --out-dir "$tmp/out" "$@" >/dev/null
    awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; w = s }
                /User time/ { u = $2 } /System time/ { y = $2 } /Maximum resident/ { m = $2 }
                END { printf "%s %.2f %.1f\n", w, u + y, m / 1024 }' "$tmp/time.out" >> "$tmp/$name.runs"
  done
  cut -d' ' -f1 "$tmp/$name.runs" | median > "$tmp/$name.s"
  cut -d' ' -f2 "$tmp/$name.runs" | median > "$tmp/$name.cpu"
  cut -d' ' -f3 "$tmp/$name.runs" | sort -g | tail -1 > "$tmp/$name.mb"
  echo "  $name: $(cat "$tmp/$name.s") s wall, $(cat "$tmp/$name.cpu") s CPU, $(cat "$tmp/$name.mb") MB peak"
}

echo "sqlite3 reference: .import of the one day into one text table"
printf '.mode csv\nCREATE TABLE raw(c0,c1,c2,c3,c4,c5,c6,c7,c8);\n.import %s raw\n' \
  "$tmp/day/CallLog_20040512.log" > "$tmp/import.sql"
: > "$tmp/import.runs"
for ((run = 1; run <= runs; run++)); do
  rm -f "$tmp/import.db"
  # Port lines have five fields: the shell warns on each and fills with NULL.
  /usr/bin/time -f '%e' -o "$tmp/time.out" sqlite3 "$tmp/import.db" < "$tmp/import.sql" 2>/dev/null
  cat "$tmp/time.out" >> "$tmp/import.runs"
done
reference="$(median < "$tmp/import.runs")"
echo "  sqlite3 import: $reference s"

echo "varnel-report"
measure load "$tmp/day"
measure all "$tmp/day" --report all
measure latency "$tmp/day" --report latency
measure load10 "$tmp/days"
measure latency10 "$tmp/days" --report latency
measure all10 "$tmp/days" --report all

ratio() { awk -v a="$(cat "$tmp/$1.s")" -v r="$reference" 'BEGIN { printf "%.2f", a / r }'; }
echo "Beside the reference (time / sqlite3 import time): load $(ratio load), one day all $(ratio all)," \
  "ten days all $(ratio all10)"

latency_day="$(awk -v a="$(cat "$tmp/latency.s")" -v l="$(cat "$tmp/load.s")" 'BEGIN { printf "%.3f", a - l }')"
latency_ten="$(awk -v a="$(cat "$tmp/latency10.s")" -v l="$(cat "$tmp/load10.s")" 'BEGIN { printf "%.3f", (a - l) / 10 }')"
load_ten="$(awk -v l="$(cat "$tmp/load10.s")" 'BEGIN { printf "%.3f", l / 10 }')"
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

verdict "load s per day (one day)" "$(cat "$tmp/load.s")" 0.45
verdict "load s per day (ten days)" "$load_ten" 0.45
verdict "load peak MB" "$(cat "$tmp/load.mb")" 64
verdict "one day --report all s" "$(cat "$tmp/all.s")" 0.8
verdict "ten days --report all s" "$(cat "$tmp/all10.s")" 6
verdict "ten days --report all peak MB" "$(cat "$tmp/all10.mb")" 400
verdict "latency s per million lines (one day)" "$latency_day" 0.3
verdict "latency s per million lines (ten days)" "$latency_ten" 0.3

if [ -x "$micro" ]; then
  # The per-minute reports once the load is done, from the extremes it gathered.
  "$report" --logs "$tmp/day" --db "$tmp/bench.db" --data-dir "$tmp/data" >/dev/null
  VARNEL_BENCH_DB="$tmp/bench.db" "$micro" --benchmark_filter='AfterLoad' --benchmark_format=csv 2>/dev/null |
    awk -F, '/AfterLoad/ { gsub(/"/, "", $1); print $1, $3 }' | while read -r name ms; do
      verdict "$name ms" "$ms" 20
    done
fi
