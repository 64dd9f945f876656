#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time from a seed corpus of the
# sample and fixture logs. A crash, a broken rule or a hang fails the run and
# leaves the input in the output folder: copy it to
# tests/fuzz/regressions/<target>/ so that every build replays it.
#   scripts/fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]   (default 60)
# BUILD_DIR is a clang build configured with -DVARNEL_FUZZ=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: scripts/fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]}"
seconds="${2:-60}"
out="${FUZZ_OUT:-$build/fuzz-findings}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Seeds: the logs and their file names, the day entries they give, the
# language packs of the build, and every earlier regression input.
mkdir -p "$work/call-log" "$work/day-names" "$work/language-pack"
i=0
while IFS= read -r log; do
  i=$((i + 1))
  cp "$log" "$work/call-log/seed-$i"
  basename "$log" | tr -d '\n' > "$work/day-names/seed-$i"
done < <(find samples tests/fixtures -name 'CallLog_*' -type f | sort)
printf '05/12/2004 Wednesday' > "$work/day-names/entry"
i=0
while IFS= read -r pack; do
  i=$((i + 1))
  cp "$pack" "$work/language-pack/seed-$i"
done < <(find "$build" -name 'brandingres_*.qm' -type f | sort)
cp tests/fuzz/regressions/call-log/* "$work/call-log/"
cp tests/fuzz/regressions/day-names/* "$work/day-names/"
cp tests/fuzz/regressions/language-pack/* "$work/language-pack/"

status=0
run() {  # target, corpus, extra options...
  local target="$1" corpus="$2"
  shift 2
  echo "== $target: ${seconds} s"
  mkdir -p "$work/$corpus-grown"
  if ! "$build/fuzz/$target" "$work/$corpus-grown" "$work/$corpus" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/$target-" "$@" > "$work/$target.log" 2>&1; then
    status=1
    tail -n 40 "$work/$target.log"
    echo "$target failed: inputs in $out; add them to tests/fuzz/regressions/$corpus/" >&2
  else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+ *DONE' "$work/$target.log" || true
  fi
}
# Whole logs of the seed corpus are up to a few hundred kilobytes; longer
# inputs than 64 KB only slow the search down.
run call_log_fuzz call-log -max_len=65536
run day_names_fuzz day-names -max_len=64
# The packs of the build are about 30 KB.
run language_pack_fuzz language-pack -max_len=65536
exit "$status"
