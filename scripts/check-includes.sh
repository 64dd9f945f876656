#!/usr/bin/env bash
# Checks that the folders of src/ are layers. A file includes only files of
# its own folder or of a folder below it; folders on one level are
# neighbours and include none of each other. Files of the core library
# include no QtWidgets, QtPrintSupport or QCustomPlot header, and each
# folder's CMakeLists.txt puts its files into the one target named below.
# Usage: scripts/check-includes.sh [--qt-headers DIR]   (default: qtpaths6)
set -euo pipefail
cd "$(dirname "$0")/.."

# The folders of src/, lowest level first; each as folder:target.
levels=(
  "containers:varnel_core"
  "text:varnel_core"
  "platform:varnel_core"
  "shell:varnel_core"
  "update:varnel_core"
  "settings:varnel_core"
  "store:varnel_core"
  "ingest:varnel_core"
  "reports:varnel_core"
  "summaries:varnel_core"
  "catalogue:varnel_core"
  "session:varnel_core commandline:varnel_core"
  "charts:varnel_render"
  "render:varnel_render"
  "windowkit:varnel_views"
  "reportwindows:varnel_views summarywindows:varnel_views shellwindows:varnel_views reportpage:varnel_views mainwindow:varnel_views"
  "app:varnel-traffic cli:varnel-report"
)
core_target=varnel_core

qt_headers=""
if [ "${1:-}" = "--qt-headers" ]; then
  qt_headers="${2:?--qt-headers needs a folder}"
elif command -v qtpaths6 >/dev/null; then
  qt_headers="$(qtpaths6 --query QT_INSTALL_HEADERS)"
fi
if [ ! -d "$qt_headers/QtWidgets" ]; then
  echo "check-includes: no Qt headers found (give --qt-headers DIR)" >&2
  exit 2
fi

failures=0
fail() {
  echo "$*" >&2
  failures=$((failures + 1))
}

declare -A level target
for ((i = 0; i < ${#levels[@]}; i++)); do
  for entry in ${levels[i]}; do
    level[${entry%%:*}]=$i
    target[${entry%%:*}]=${entry#*:}
  done
done

for dir in src/*/; do
  folder=$(basename "$dir")
  [ -n "${level[$folder]:-}" ] || fail "src/$folder: not in the folder order of $0"
done
for folder in "${!level[@]}"; do
  [ -d "src/$folder" ] || { fail "src/$folder: in the folder order of $0 but missing"; continue; }
  # Every target the folder's CMakeLists.txt adds to is the folder's own.
  while read -r named; do
    [ "$named" = "${target[$folder]}" ] ||
      fail "src/$folder/CMakeLists.txt: adds to $named, but the folder belongs to ${target[$folder]}"
  done < <(grep -oE '^(target_sources|add_executable)\(\s*[A-Za-z0-9_-]+' "src/$folder/CMakeLists.txt" |
    sed -E 's/.*\(\s*//' | sort -u)
done

# Headers of the widget libraries, as included by their class names or
# with their module folder; the ones QtGui and QtCore hold too are theirs.
widget_headers=$( (echo qcustomplot.h
  comm -23 <(ls "$qt_headers/QtWidgets" "$qt_headers/QtPrintSupport" | grep -v ':$' | sort -u) \
    <(ls "$qt_headers/QtGui" "$qt_headers/QtCore" | grep -v ':$' | sort -u)) | tr '\n' ' ')
folders=$(for folder in "${!level[@]}"; do echo "$folder:${level[$folder]}:${target[$folder]}"; done | tr '\n' ' ')

include_failures=$(grep -rnE '^\s*#\s*include\s*[<"]' src --include='*.h' --include='*.cpp' |
  awk -v folders="$folders" -v widgets="$widget_headers" -v core="$core_target" '
    BEGIN {
      n = split(folders, list, " ")
      for (i = 1; i <= n; i++) { split(list[i], f, ":"); level[f[1]] = f[2]; target[f[1]] = f[3] }
      n = split(widgets, list, " ")
      for (i = 1; i <= n; i++) widget[list[i]] = 1
    }
    {
      split($0, part, ":")
      file = part[1]; number = part[2]
      included = $0
      sub(/^[^#]*#[ \t]*include[ \t]*[<"]/, "", included)
      sub(/[>"].*$/, "", included)
      split(file, path, "/"); folder = path[2]
      other = index(included, "/") ? substr(included, 1, index(included, "/") - 1) : ""
      if (other != "" && other != folder && (other in level) && (folder in level)) {
        if (level[other] + 0 > level[folder] + 0)
          print file ":" number ": includes " included " of a higher folder"
        else if (level[other] == level[folder])
          print file ":" number ": includes " included " of a neighbour folder on its level"
      }
      if (target[folder] == core && ((included in widget) || other == "QtWidgets" || other == "QtPrintSupport"))
        print file ":" number ": a core file includes the widget header " included
    }')
if [ -n "$include_failures" ]; then
  echo "$include_failures" >&2
  failures=$((failures + $(wc -l <<< "$include_failures")))
fi

if ((failures > 0)); then
  echo "check-includes: $failures problem(s)" >&2
  exit 1
fi
echo "Includes: every folder of src/ includes only its own and lower folders"
