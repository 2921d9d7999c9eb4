#pragma once
// The export as GBDK-2020 C: the tiles, the palettes and every frame as a
// metasprite_t table, written from the decoded export so that the C output and
// the assembler file can never disagree. Items are laid out as GBDK's
// move_metasprite_ex() walks them: row by row, each item's dy/dx relative to the
// item before it (the first one relative to the pivot, the canvas centre), props
// holding the CGB palette (bits 0-2), the tile's VRAM bank (bit 3) and the
// flips (X bit 5, Y bit 6).
#include <optional>
#include <string>
#include <vector>

#include "export/ExportDecoder.h"

namespace pixolan {

struct GbdkNames {
  std::string strPrefix;      // every C name starts with it and "_"
  std::string strHeaderName;  // what the .c file includes
  std::vector<std::string> animationNames;  // as the document names them, in export order
};

struct GbdkSource {
  std::string strSource;
  std::string strHeader;
};

inline constexpr int kGbdkMaxTiles = 512;  // two VRAM banks of 256 object tiles

// The message for the first thing the C output cannot express (a name, a tile
// past the second bank, a palette past 7, an offset a metasprite item cannot
// hold); nothing when all of it can be written.
std::optional<std::string> FindGbdkProblem(const DecodedExport& decoded, const GbdkNames& names);

// The .c and .h texts, LF line ends. Call FindGbdkProblem first.
GbdkSource WriteGbdkSource(const DecodedExport& decoded, const GbdkNames& names);

}  // namespace pixolan
