#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need,
# then configures and builds the project into build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqt6svg6 qt6-qpa-plugins libgl-dev
  libqcustomplot-dev libqcustomplot2.1-qt6
  libsqlitecpp-dev libsqlite3-dev sqlite3 time tidy
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth poppler-utils
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream file dpkg-dev lintian mandoc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_type="${BUILD_TYPE:-Release}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" -DVARNEL_WERROR="${VARNEL_WERROR:-ON}" >/dev/null
cmake --build build
