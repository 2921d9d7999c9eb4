#include "export/PaletteFileReader.h"

#include "framework/TextFile.h"

namespace pixolan {
namespace {

constexpr std::string_view kSectionLabel = "PaletteData:";

bool Contains(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Feeds lines to the section reader one at a time, so that a file is read only
// as far as its section goes.
class CSectionReader {
 public:
  // False once the section (or the reading) has ended.
  bool Feed(std::string_view line) {
    if (!m_bInSection) {
      if (!Contains(line, kSectionLabel)) return true;
      m_bInSection = true;
    }
    if (Contains(line, "dw")) {
      // Palette lines past the table's capacity are read over and dropped.
      if (m_palettes.size() < CPaletteFileReader::kMaxPalettes) {
        m_palettes.push_back(CPaletteFileReader::ParsePaletteLine(line));
      }
      return true;
    }
    return Contains(line, kSectionLabel);
  }
  std::vector<GbcPalette> Take() { return std::move(m_palettes); }

 private:
  bool m_bInSection = false;
  std::vector<GbcPalette> m_palettes;
};

}  // namespace

PaletteEntry CPaletteFileReader::ColourFromWord(unsigned word) {
  PaletteEntry c;
  c.red = static_cast<std::uint8_t>((word & 31u) * 8);
  c.green = static_cast<std::uint8_t>(((word >> 5) & 31u) * 8);
  c.blue = static_cast<std::uint8_t>(((word >> 10) & 31u) * 8);
  return c;
}

GbcPalette CPaletteFileReader::ParsePaletteLine(std::string_view line) {
  GbcPalette palette{};
  std::size_t pos = line.find("dw");
  if (pos == std::string_view::npos) return palette;
  for (PaletteEntry& colour : palette) {
    pos = line.find('$', pos);
    if (pos == std::string_view::npos) break;  // missing values stay black
    ++pos;
    unsigned value = 0;
    // Up to four digits; a comma, any other non-digit or the line's end stops early.
    for (int digits = 0; digits < 4 && pos < line.size(); ++digits, ++pos) {
      const int d = HexDigitValue(line[pos]);
      if (d < 0) break;
      value = value * 16 + static_cast<unsigned>(d);
    }
    colour = ColourFromWord(value);
  }
  return palette;
}

std::vector<GbcPalette> CPaletteFileReader::ReadLines(const std::vector<std::string>& lines) {
  CSectionReader section;
  for (const std::string& line : lines) {
    if (!section.Feed(line)) break;
  }
  return section.Take();
}

std::vector<GbcPalette> CPaletteFileReader::Read(const std::string& path) {
  CTextFileReader file(path);
  CSectionReader section;
  std::string line;
  while (file.ReadString(line)) {
    if (!section.Feed(line)) break;
  }
  return section.Take();
}

}  // namespace pixolan
