#!/usr/bin/env bash
# Sets up everything, then opens the desktop program on the bundled sample
# logs. Where no display exists, prints the load summary of the same logs
# with the command line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/app/varnel-traffic --logs samples/logs "$@"
fi
echo "No display found: showing the command line summary instead." >&2
exec ./build/src/cli/varnel-report --logs samples/logs
