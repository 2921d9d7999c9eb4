#pragma once
// The animation export's assembler file read back the way a Game Boy program
// walks it: the animation list, each animation's frame table, each frame's
// size, offsets and block map, the palettes, a palette per block and the 2bpp
// graphics. What the console would draw is answered from these tables alone.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pixolan {

// A file that is not the export's layout: a missing label, a short line, a
// block word naming a block that is not there.
class ExportDecodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DecodedFrame {
  std::int64_t nWidth = 0;   // blocks; zero or less: no block map
  std::int64_t nHeight = 0;
  std::int64_t nOffsetX = 0;
  std::int64_t nOffsetY = 0;
  std::vector<std::uint32_t> words;  // row by row, nWidth * nHeight of them

  bool HasBlockMap() const { return nWidth > 0 && nHeight > 0; }
  std::uint32_t Word(std::int64_t col, std::int64_t row) const {
    return words[static_cast<std::size_t>(row * nWidth + col)];
  }
};

struct DecodedAnimation {
  std::string strLabel;  // "AnimWalk_Left"
  std::vector<DecodedFrame> frames;
};

using GbcColourWords = std::array<std::uint16_t, 4>;
using TileBytes = std::array<std::uint8_t, 16>;

struct DecodedExport {
  std::vector<GbcColourWords> palettes;
  std::vector<std::int64_t> blockPalettes;  // one per output block
  std::vector<TileBytes> graphics;          // one per output block
  std::vector<DecodedAnimation> animations;

  // The colour index (0..3) that pixel (x, y) of a cell drawn with this block
  // word shows, the word's mirror bits applied. The word's block exists: the
  // decoder refuses files whose maps name blocks that are not there.
  int ColourIndex(std::uint32_t word, int x, int y) const;
  // The 15-bit colour that index has in the block's palette.
  std::uint16_t ColourWord(std::uint32_t word, int index) const;
  // The palette a block word draws with.
  std::int64_t PaletteOf(std::uint32_t word) const { return blockPalettes[word >> 4]; }
};

// Throws ExportDecodeError for a file the export did not write.
DecodedExport DecodeExport(std::string_view text);

}  // namespace pixolan
