#!/usr/bin/env bash
# Builds the program and its tests (installing what is missing) and runs every
# test headless.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)"
