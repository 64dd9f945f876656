#!/usr/bin/env bash
# Renders the PNG sizes of the hicolor theme from varnel-traffic.svg
# (needs rsvg-convert from librsvg2-bin). Run after changing the SVG and
# commit the PNGs, so that a build needs no renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" varnel-traffic.svg -o "varnel-traffic-$size.png"
done
