#!/usr/bin/env bash
# Builds the program alone, not its tests (installing what is missing), and
# starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh kalderon
exec ./build/kalderon "$@"
