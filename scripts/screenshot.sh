#!/usr/bin/env bash
# Opens the desktop application on the example under a virtual X server and saves
# a picture of the screen. Usage: scripts/screenshot.sh [OUT.png] [DOCUMENT]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
doc=${2:-examples/walker.pxo}
scripts/deps.sh xvfb xauth imagemagick
scripts/build.sh build -DPIXOLAN_BUILD_TESTS=OFF
runtime=$(mktemp -d)
config=$(mktemp -d)
trap 'rm -rf "$runtime" "$config"' EXIT
XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  build/bin/pixolan "$1" & app=$!
  sleep 3
  import -window root "$2"
  kill $app' _ "$doc" "$out"
echo "Screenshot written to $out"
