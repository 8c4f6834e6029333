#!/usr/bin/env bash
# Installs what is missing, builds the calculator and bendcalc, and starts the
# calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release --target bent-glass-calculator bendcalc
exec build/release/ui/bent-glass-calculator
