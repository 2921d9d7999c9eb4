#!/usr/bin/env bash
# Configures and builds one tree, warnings as errors. Usage: scripts/build.sh BUILD_DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXOLAN_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j "$jobs"
