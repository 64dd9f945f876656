#!/usr/bin/env bash
# The checked build for CI: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer (and the fuzzers' coverage) in build-asan/, the
# whole test suite on it, then each fuzz target for FUZZ_SECONDS (default 60).
# Any sanitizer report, also one from a program a test starts, fails the run.
# Run ./scripts/setup.sh first (it installs clang and its runtime).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNEL_WERROR=ON -DVARNEL_SANITIZE=ON -DVARNEL_FUZZ=ON >/dev/null
cmake --build "$build"

reports="$(mktemp -d)"
trap 'rm -rf "$reports"' EXIT
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export QT_QPA_PLATFORM=offscreen LC_ALL=C TZ=UTC
status=0
ctest --test-dir "$build" --output-on-failure -j2 || status=1
if compgen -G "$reports/*" >/dev/null; then
  echo "Sanitizer reports:" >&2
  cat "$reports"/* >&2
  status=1
fi
[ "$status" -eq 0 ] || exit "$status"

./scripts/fuzz.sh "$build" "${FUZZ_SECONDS:-60}"
