#pragma once
// Reads the "PaletteData:" section of an assembler file written by either export:
// a label line, then one "dw" line of four Game Boy Color colour words per palette.
#include <string>
#include <string_view>
#include <vector>

#include "export/BlockInfo.h"

namespace pixolan {

class CPaletteFileReader {
 public:
  static constexpr std::size_t kMaxPalettes = 256;

  // Throws CFileException when the file cannot be opened. Lines end with CR LF or LF.
  static std::vector<GbcPalette> Read(const std::string& path);

  // The section reader over lines already split; at most kMaxPalettes palettes,
  // further palette lines are ignored.
  static std::vector<GbcPalette> ReadLines(const std::vector<std::string>& lines);

  // The four colours of one palette line; missing values read as 0 (black).
  static GbcPalette ParsePaletteLine(std::string_view line);

  // A 15-bit colour word: red in bits 0-4, green 5-9, blue 10-14, each scaled by 8.
  static PaletteEntry ColourFromWord(unsigned word);
};

}  // namespace pixolan
