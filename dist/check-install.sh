#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the layout: both
# programs in bin/, the data folder with the icon and every data file that
# lies beside the programs in the build tree, the desktop files, and that the
# installed command line tool runs. Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
expect() {
  [ -e "$prefix/$1" ] || { echo "missing after install: $1" >&2; status=1; }
}
expect bin/varnel-traffic
expect bin/varnel-report
expect share/varnel-traffic/varnel-traffic.svg
expect share/applications/varnel-traffic.desktop
expect share/metainfo/com.dravon.varnel_traffic.metainfo.xml
expect share/icons/hicolor/scalable/apps/varnel-traffic.svg
for size in 16 24 32 48 64 128 256; do expect "share/icons/hicolor/${size}x${size}/apps/varnel-traffic.png"; done
expect share/man/man1/varnel-report.1.gz
expect share/man/man1/varnel-traffic.1.gz
expect share/doc/varnel-traffic/copyright
expect share/doc/varnel-traffic/changelog.gz

# Language packs, help pages and the update helper beside either program.
for dir in "$build/src/app" "$build/src/cli"; do
  while IFS= read -r -d '' file; do
    expect "share/varnel-traffic/${file#"$dir"/}"
  done < <(find "$dir" \( -name CMakeFiles -o -name '*_autogen' \) -prune -o -type f \
    \( -name '*.qm' -o -name '*.htm' -o -name '*.html' -o -name '*.css' -o -name test.sh \) -print0)
done

# Nothing of the build tree's tests, benchmarks or tools is installed.
unexpected="$(find "$prefix" -type f \( -name '*test*' ! -name test.sh -o -name '*bench*' -o -name '*generate*' \) -print)"
if [ -n "$unexpected" ]; then
  echo "installed but not part of the program: $unexpected" >&2
  status=1
fi

# The installed tool runs from its prefix and finds its data there.
out="$(mktemp -d)"
trap 'rm -rf "$prefix" "$out"' EXIT
if ! QT_QPA_PLATFORM=offscreen "$prefix/bin/varnel-report" --logs "$source_dir/samples/logs" --data-dir "$out" \
    --report node-traffic --out-dir "$out" >/dev/null; then
  echo "the installed varnel-report failed" >&2
  status=1
fi
ls "$out"/NodeTrafficSummary_*.csv >/dev/null 2>&1 || { echo "installed varnel-report wrote no report" >&2; status=1; }
exit "$status"
