#!/usr/bin/env bash
# Builds the Debian package pixolan_VERSION_ARCH.deb in the build tree (default build/)
# from a build with warnings as errors; prints its path.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
scripts/build.sh "$dir" >/dev/null
(cd "$dir" && rm -f pixolan_*.deb && cpack -G DEB >/dev/null)
ls "$dir"/pixolan_*.deb
