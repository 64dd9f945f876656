#!/usr/bin/env bash
# Measures the figures of the README's benchmark table in one run and prints
# the table in Markdown: the load of one and ten generated 1,000,000-line
# days, each report, all reports, all reports with their charts, the peak
# memory of each, and the sqlite3 shell's .import of the same files.
#   bench/readme_table.sh BUILD_DIR [RUNS]
# Each figure is the median of RUNS runs (default 3); memory is the largest
# peak resident size seen.
set -euo pipefail

build_dir=${1:?usage: readme_table.sh BUILD_DIR [RUNS]}
runs=${2:-3}
report="$build_dir/src/cli/varnel-report"
generator="$build_dir/tools/varnel-generate-logs"
for program in "$report" "$generator"; do
  [[ -x "$program" ]] || { echo "$program not found: build $build_dir first" >&2; exit 1; }
done
export LC_ALL=C TZ=UTC QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
one="$work/one"
ten="$work/ten"
mkdir -p "$one" "$ten"
"$generator" --out "$one" --date 2004-05-12 --seed 20040512 --lines 1000000 >/dev/null
for day in 10 11 12 13 14 15 16 17 18 19; do
  "$generator" --out "$ten" --date "2004-05-$day" --seed "200405$day" --lines 1000000 >/dev/null
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Runs a command RUNS times; prints "median_seconds peak_MB".
measure() {
  : > "$work/times"
  for ((run = 1; run <= runs; run++)); do
    rm -rf "$work/out" "$work/db"* "$work/import.db"
    mkdir -p "$work/out"
    /usr/bin/time -f '%e %M' -o "$work/time.out" "$@" >/dev/null 2>"$work/stderr" ||
      { echo "failed: $*" >&2; cat "$work/stderr" >&2; exit 1; }
    tail -n 1 "$work/time.out" >> "$work/times"
  done
  printf '%s %s\n' "$(cut -d' ' -f1 "$work/times" | median)" \
    "$(cut -d' ' -f2 "$work/times" | sort -n | tail -1 | awk '{ printf "%.0f", $1 / 1024 }')"
}

row() {  # label, logs, extra arguments...
  local label=$1 logs=$2
  shift 2
  read -r seconds mb < <(measure "$report" --logs "$logs" --db "$work/db" --data-dir "$work/data" \
    --out-dir "$work/out" "$@")
  printf '| %s | %s s | %s MB |\n' "$label" "$seconds" "$mb"
}

import_row() {  # label, logs
  local label=$1 logs=$2
  {
    echo '.mode csv'
    echo 'CREATE TABLE raw(c0,c1,c2,c3,c4,c5,c6,c7,c8);'
    for log in "$logs"/CallLog_*.log; do echo ".import $log raw"; done
  } > "$work/import.sql"
  read -r seconds mb < <(measure sh -c "sqlite3 '$work/import.db' < '$work/import.sql' 2>/dev/null")
  printf '| %s | %s s | %s MB |\n' "$label" "$seconds" "$mb"
}

echo "| work (varnel-report unless named) | time (median of $runs) | peak memory |"
echo "|---|---|---|"
row "one day: load" "$one"
for name in port-availability queue-activity latency node-traffic node-errors daily-trend; do
  row "one day: load + --report $name" "$one" --report "$name"
done
row "one day: load + --report all" "$one" --report all
row "one day: load + --report all --chart png" "$one" --report all --chart png
import_row "one day: sqlite3 shell .import of the log" "$one"
row "ten days: load" "$ten"
row "ten days: load + --report all" "$ten" --report all
row "ten days: load + --report all --chart png" "$ten" --report all --chart png
import_row "ten days: sqlite3 shell .import of the logs" "$ten"
