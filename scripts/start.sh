#!/usr/bin/env bash
# Builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target ostrelin-calculator
exec ./build/dev/ostrelin-calculator
