#!/usr/bin/env bash
# Renders the application icon's hicolor sizes from its one SVG drawing,
# data/icons/cn.vitralis_glass.BentGlassCalculator.svg, into data/icons/.
# Needs rsvg-convert (package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
name=cn.vitralis_glass.BentGlassCalculator
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" "$name.svg" --output "$name-$size.png"
done
