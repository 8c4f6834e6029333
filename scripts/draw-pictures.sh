#!/usr/bin/env bash
# Draws the calculator window's three pictures with ImageMagick and writes
# them into ui/pictures/:
#   pane.ico     32 x 32 icon with transparency: a blue window pane with glazing bars
#   globe.jpg    33 x 34 JPEG: a blue globe with an orange ring (the web-site link)
#   penguin.bmp  45 x 50 24-bit bitmap: a penguin with a red scarf (the messaging link)
set -euo pipefail
cd "$(dirname "$0")/.."
out=ui/pictures
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The pane: a dark blue frame, four light panes, a white highlight on each.
convert -size 32x32 xc:none \
  -fill '#1d4f9c' -draw 'roundrectangle 2,2 29,29 3,3' \
  -fill '#8cc8ff' \
  -draw 'rectangle 5,5 14,14' -draw 'rectangle 17,5 26,14' \
  -draw 'rectangle 5,17 14,26' -draw 'rectangle 17,17 26,26' \
  -fill '#e6f4ff' \
  -draw 'polygon 6,6 11,6 6,11' -draw 'polygon 18,6 23,6 18,11' \
  -draw 'polygon 6,18 11,18 6,23' -draw 'polygon 18,18 23,18 18,23' \
  "PNG32:$work/pane.png"
convert "$work/pane.png" "$out/pane.ico"

# The globe: a blue sphere with a lighter meridian and equator, circled by an
# orange ring.
convert -size 33x34 xc:white \
  -fill '#2a6fd6' -stroke '#1a4f9f' -strokewidth 1 -draw 'circle 16,17 16,6' \
  -fill none -stroke '#9cc9ff' -draw 'ellipse 16,17 5,11 0,360' -draw 'line 5,17 27,17' \
  -stroke '#ff8a00' -strokewidth 2 -draw 'translate 16,17 rotate -28 ellipse 0,0 16,6 200,520' \
  -quality 92 "JPG:$out/globe.jpg"

# The penguin: black body, white belly and eyes, orange beak and feet, a red
# scarf with a hanging end.
convert -size 45x50 xc:white \
  -fill '#f08c00' -draw 'ellipse 14,46 7,3 0,360' -draw 'ellipse 31,46 7,3 0,360' \
  -fill '#111111' -draw 'ellipse 22,27 15,20 0,360' \
  -fill '#ffffff' -draw 'ellipse 22,33 10,13 0,360' \
  -draw 'ellipse 17,14 4,5 0,360' -draw 'ellipse 27,14 4,5 0,360' \
  -fill '#111111' -draw 'circle 18,15 18,13' -draw 'circle 26,15 26,13' \
  -fill '#ffb300' -draw 'ellipse 22,20 5,2 0,360' \
  -fill '#e0201b' -draw 'roundrectangle 9,23 35,27 2,2' -draw 'polygon 28,25 33,25 34,36 29,35' \
  -alpha off -type TrueColor "BMP3:$out/penguin.bmp"
