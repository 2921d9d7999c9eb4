#!/usr/bin/env bash
# Builds Pixolan and runs its main job on the bundled example: shows what the
# sheet and the document hold, then exports the document's animations and the
# sheet's palettes as Game Boy assembler source.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build -DPIXOLAN_BUILD_TESTS=OFF
cli=build/bin/pixolan-cli
out=build/examples
mkdir -p "$out"
"$cli" info examples/walker.bmp examples/walker.pxo
"$cli" export examples/walker.pxo -o "$out/walker.asm"
"$cli" palette examples/walker.bmp -o "$out/walker-palettes.asm" --starts 0,0,0,0,0,0,0,0
echo "Animation data written to $out/walker.asm"
echo "Palette data written to $out/walker-palettes.asm"
