#!/usr/bin/env bash
# Times loading a generated 1,000,000-line day with varnel-report against the
# sqlite3 shell importing the same file into one raw text table.
# Usage: bench/load_bench.sh BUILD_DIR [RUNS]
# EXTRA_ARGS (e.g. "--report all") is appended to the varnel-report command.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 BUILD_DIR [RUNS]" >&2
  exit 2
fi
build_dir="$1"
runs="${2:-5}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
  echo "RUNS must be a positive whole number" >&2
  exit 2
fi
generator="$build_dir/tools/varnel-generate-logs"
report="$build_dir/src/cli/varnel-report"
read -r -a extra_args <<< "${EXTRA_ARGS:-}"
for program in "$generator" "$report"; do
  if [ ! -x "$program" ]; then
    echo "$program not found: build the project in $build_dir first" >&2
    exit 1
  fi
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
log="$tmp/CallLog_20040512.log"

# Middle value of the numbers on stdin (mean of the two middle ones for an even count).
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# Prints PASS or FAIL for "label: value <= limit".
verdict() {
  local label="$1" value="$2" limit="$3"
  awk -v l="$label" -v v="$value" -v m="$limit" 'BEGIN { printf "%s %s (%s, limit %s)\n", (v <= m ? "PASS" : "FAIL"), l, v, m }'
}

"$generator" --out "$tmp" --date 2004-05-12 --lines 1000000 --seed 20040512
echo "Day: $(wc -l < "$log") lines, $(awk -v b="$(stat -c %s "$log")" 'BEGIN { printf "%.1f", b / 1e6 }') MB"

# A data folder of its own, so the database template is the one this build
# makes, not one left in the user's data folder by an older build.
echo "Load: $report --logs $tmp --db $tmp/PortData.db --data-dir $tmp/data ${extra_args[*]}"
: > "$tmp/load.times"
for ((run = 1; run <= runs; run++)); do
  rm -f "$tmp"/PortData.db*
  if ! /usr/bin/time -f '%e %M' -o "$tmp/time.out" \
      "$report" --logs "$tmp" --db "$tmp/PortData.db" --data-dir "$tmp/data" "${extra_args[@]}" >/dev/null; then
    echo "varnel-report failed on run $run" >&2
    exit 1
  fi
  read -r seconds kilobytes < "$tmp/time.out"
  echo "  run $run: ${seconds} s, $(awk -v k="$kilobytes" 'BEGIN { printf "%.1f", k / 1024 }') MB peak"
  echo "$seconds $kilobytes" >> "$tmp/load.times"
done
load_median="$(cut -d' ' -f1 "$tmp/load.times" | median)"
peak_mb="$(cut -d' ' -f2 "$tmp/load.times" | sort -n | tail -1 | awk '{ printf "%.1f", $1 / 1024 }')"
echo "Load median: $load_median s, max peak memory: $peak_mb MB"

mkdir "$tmp/import"
printf '.mode csv\nCREATE TABLE raw(c0,c1,c2,c3,c4,c5,c6,c7,c8);\n.import %s raw\n' "$log" > "$tmp/import.sql"
: > "$tmp/import.times"
for ((run = 1; run <= runs; run++)); do
  rm -f "$tmp/import/t.db"
  # Port lines have five fields: the shell warns on each and fills with NULL.
  /usr/bin/time -f '%e' -o "$tmp/time.out" sqlite3 "$tmp/import/t.db" < "$tmp/import.sql" 2>/dev/null
  echo "  sqlite3 import run $run: $(cat "$tmp/time.out") s"
  cat "$tmp/time.out" >> "$tmp/import.times"
done
import_median="$(median < "$tmp/import.times")"
echo "sqlite3 import median: $import_median s"

ratio="$(awk -v l="$load_median" -v i="$import_median" 'BEGIN { printf "%.4f", (i > 0 ? l / i : 1e9) }')"
echo "Load/import: $ratio"
verdict "load median s" "$load_median" 1.0
verdict "load/import" "$ratio" 0.3333
verdict "peak memory MB" "$peak_mb" 150
