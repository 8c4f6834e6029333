#!/usr/bin/env bash
# Photographs the calculator window on a virtual X display (Xvfb) and writes
# the picture to docs/window.png, or to the file given as the first argument.
# Builds the release program first when it is missing. Needs xvfb, xauth and
# imagemagick (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/window.png}
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
  import -window root -crop "$SHOT_GEOMETRY" +repage "$SHOT_OUTPUT"
  kill "$pid"
'
echo "wrote $output"
