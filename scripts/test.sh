#!/usr/bin/env bash
# Sets up everything, then builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen LC_ALL=C TZ=UTC
ctest --test-dir build --output-on-failure -j2
