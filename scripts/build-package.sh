#!/usr/bin/env bash
# Builds the Debian package of the calculator and bendcalc from the release
# build (installing what is missing first) and prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh package
cmake --preset release > /dev/null
cmake --build --preset release
rm -rf build/package
cpack --config build/release/CPackConfig.cmake -B build/package > /dev/null
realpath build/package/*.deb
