#!/usr/bin/env bash
# Sets up everything, then runs the program over the bundled sample logs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
exec ./build/src/cli/varnel-report --logs samples/logs
