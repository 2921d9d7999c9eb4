#!/usr/bin/env bash
# Builds Pixolan and runs its main job on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build -DPIXOLAN_BUILD_TESTS=OFF
build/bin/pixolan-cli info examples/*.bmp
