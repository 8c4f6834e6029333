#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the
# development build and once under the address and undefined-behaviour
# sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --workflow --preset dev
# A short fuzz run of the number conversions (clang, libFuzzer, ASan, UBSan).
bash scripts/run-fuzz.sh 15
cmake --workflow --preset asan
