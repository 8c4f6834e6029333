#!/usr/bin/env bash
# Photographs the calculator window on a virtual X display (Xvfb) and writes
# the picture to docs/window.png, or to the file given as the first argument.
# With "worked-example" as the second argument it first types radius 1000,
# 30 degrees and glass 6 and clicks 计算. Builds the release program first
# when it is missing. Needs xvfb, xauth, imagemagick and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/window.png}
export SHOT_SCENE=${2:-}
program=build/release/ui/bent-glass-calculator

if [ ! -x "$program" ]; then
  cmake --preset release
  cmake --build --preset release --target bent-glass-calculator
fi
mkdir -p "$(dirname "$output")"

# The window as laid out: at 451,145 with a 501 x 285 client area. The
# virtual display has no window manager, so there is no frame around it.
export SHOT_PROGRAM=$program SHOT_OUTPUT=$output SHOT_GEOMETRY=501x285+451+145
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  QT_QPA_PLATFORM=xcb "$SHOT_PROGRAM" &
  pid=$!
  sleep 3
  if [ "$SHOT_SCENE" = worked-example ]; then
    # Screen points of 半径, 圆心角角度, 玻璃厚度 and 计算 in the window as laid out.
    xdotool mousemove 696 251 click 1 type 1000
    xdotool mousemove 557 298 click 1 type 30
    xdotool mousemove 842 251 click 1 type 6
    xdotool mousemove 560 366 click 1
    sleep 2
  fi
  import -window root -crop "$SHOT_GEOMETRY" +repage "$SHOT_OUTPUT"
  kill "$pid"
'
echo "wrote $output"
