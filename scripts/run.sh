#!/usr/bin/env bash
# Builds Pixolan and opens the desktop application on the bundled example. On a
# machine without a display it says so and runs the headless main job instead:
# what the sheet and the document hold, then both Game Boy exports. Either way it
# first draws the preview of the example's export.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build -DPIXOLAN_BUILD_TESTS=OFF

# Whether the example's export fits the console's object limits, and what the
# console will show of it (the sheet's top-left colour transparent).
mkdir -p build/examples
build/bin/pixolan-cli check examples/walker.pxo --first-trans || echo "The example does not fit the console's limits: see the lines above."
build/bin/pixolan-cli preview examples/walker.pxo --first-trans -o build/examples/walker-preview.png \
  --gif build/examples/walker-preview.gif
echo "Preview of the exported data written to build/examples/walker-preview.png and .gif"

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  exec build/bin/pixolan examples/walker.pxo
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the headless export of examples/ instead."
cli=build/bin/pixolan-cli
out=build/examples
mkdir -p "$out"
"$cli" info examples/walker.bmp examples/walker.pxo
"$cli" export examples/walker.pxo -o "$out/walker.asm"
"$cli" palette examples/walker.bmp -o "$out/walker-palettes.asm" --starts 0,0,0,0,0,0,0,0
echo "Animation data written to $out/walker.asm"
echo "Palette data written to $out/walker-palettes.asm"
