# Sourced by the benchmark scripts: the folder of the day they measure, and
# one timed run.
# bench_day_logs BUILD_DIR WORK prints the folder named by VARNEL_BENCH_LOGS,
# else writes the generated 1,000,000-line day of 12 May 2004 into WORK/logs
# and prints that folder.
bench_day_logs() {
  local build_dir=$1 work=$2
  if [[ -n "${VARNEL_BENCH_LOGS:-}" ]]; then
    echo "$VARNEL_BENCH_LOGS"
    return
  fi
  mkdir -p "$work/logs"
  "$build_dir/tools/varnel-generate-logs" --out "$work/logs" --date 2004-05-12 --seed 20040512 \
    --lines 1000000 >&2
  echo "$work/logs"
}

# bench_timed WORK LABEL COMMAND...: runs the command once, output dropped,
# and prints "LABEL: seconds wall, kilobytes peak"; a failing run still
# prints its figures.
bench_timed() {
  local work=$1 label=$2
  shift 2
  /usr/bin/time -f "$label: %e s wall, %M KB peak" "$@" >/dev/null 2>"$work/time.txt" || true
  tail -n 1 "$work/time.txt"
}
