#pragma once
// Reads an exported assembler file back the way a Game Boy program would use it:
// palettes, a palette per block, each frame's block map, the 2bpp graphics.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "image/PaletteEntry.h"

namespace pixolan::test {

struct DecodedFrame {
  int width = 0, height = 0, offsetX = 0, offsetY = 0;
  std::vector<unsigned> words;  // row by row
};

struct DecodedExport {
  std::vector<std::vector<unsigned>> palettes;  // colour words
  std::vector<int> blockPalettes;
  std::vector<DecodedFrame> frames;             // in file order
  std::vector<std::vector<std::uint8_t>> graphics;

  // Colour index 0..3 of pixel (x, y) of output block n, drawn with the mirror bits.
  int TilePixel(unsigned word, int x, int y) const {
    const auto& g = graphics.at(word >> 4);
    const int tx = (word & 2) ? 7 - x : x, ty = (word & 1) ? 7 - y : y;
    const int bit = 7 - tx;
    return ((g.at(static_cast<std::size_t>(2 * ty)) >> bit) & 1) | (((g.at(static_cast<std::size_t>(2 * ty + 1)) >> bit) & 1) << 1);
  }
  // The colour a cell's pixel shows, as 5-bit components.
  std::array<int, 3> Shown(unsigned word, int x, int y) const {
    const int palette = blockPalettes.at(word >> 4);
    const unsigned c = palettes.at(static_cast<std::size_t>(palette)).at(static_cast<std::size_t>(TilePixel(word, x, y)));
    return {static_cast<int>(c & 31), static_cast<int>((c >> 5) & 31), static_cast<int>((c >> 10) & 31)};
  }
};

// Numbers after "db"/"dw" up to a comment: decimal, or hexadecimal behind '$'.
inline std::vector<long> ValuesOf(const std::string& line) {
  std::vector<long> values;
  std::string body = line.substr(0, line.find(";//"));
  const std::size_t d = body.find_first_of("d");
  if (d == std::string::npos) return values;
  std::stringstream items(body.substr(d + 2));
  std::string item;
  while (std::getline(items, item, ',')) {
    const std::size_t start = item.find_first_not_of(" \t");
    if (start == std::string::npos) continue;
    item = item.substr(start);
    values.push_back(item[0] == '$' ? std::stol(item.substr(1), nullptr, 16) : std::stol(item));
  }
  return values;
}

inline DecodedExport DecodeExport(const std::string& bytes) {
  DecodedExport out;
  enum { kNone, kPalettes, kBlockPalettes, kFrame, kGraphics } mode = kNone;
  int frameLine = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", pos);
    const std::string line = bytes.substr(pos, end - pos);
    pos = end == std::string::npos ? bytes.size() : end + 2;
    if (line.empty() || line.rfind(";//", 0) == 0) continue;
    if (line == "PaletteData:") { mode = kPalettes; continue; }
    if (line == "BlockPaletteData:") { mode = kBlockPalettes; continue; }
    if (line == "GraphicData:") { mode = kGraphics; continue; }
    if (line.back() == ':' && line.find("Frame") != std::string::npos) {
      mode = kFrame;
      frameLine = 0;
      out.frames.emplace_back();
      continue;
    }
    if (line.back() == ':' || line.rfind("AnimationData:", 0) == 0) { mode = kNone; continue; }
    if (mode == kNone) continue;  // label words and counts are not needed
    const std::vector<long> v = ValuesOf(line);
    switch (mode) {
      case kPalettes:
        out.palettes.emplace_back(v.begin(), v.end());
        break;
      case kBlockPalettes:
        if (line.find("Pad byte") == std::string::npos) out.blockPalettes.insert(out.blockPalettes.end(), v.begin(), v.end());
        break;
      case kFrame: {
        DecodedFrame& f = out.frames.back();
        if (frameLine == 0) f.width = static_cast<int>(v.at(0)), f.height = static_cast<int>(v.at(1));
        else if (frameLine == 1) f.offsetX = static_cast<int>(v.at(0)), f.offsetY = static_cast<int>(v.at(1));
        else f.words.insert(f.words.end(), v.begin(), v.end());
        ++frameLine;
        break;
      }
      case kGraphics:
        out.graphics.emplace_back(v.begin(), v.end());
        break;
      case kNone:
        break;
    }
  }
  return out;
}

}  // namespace pixolan::test
