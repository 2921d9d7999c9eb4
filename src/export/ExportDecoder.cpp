// Reads the export's assembler text into labelled sections of data lines, then
// follows the labels from AnimationData down to each frame's block map, as a
// program on the console would.
#include "export/ExportDecoder.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <unordered_map>

namespace pixolan {
namespace {

using Items = std::vector<std::string>;  // one data line's values, as written

struct Section {
  std::vector<Items> rows;
};
using Sections = std::unordered_map<std::string, Section>;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The values behind "db" or "dw"; nothing when the line holds no data.
std::optional<Items> DataItems(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line[0] != 'd' || (line[1] != 'b' && line[1] != 'w')) return std::nullopt;
  Items items;
  std::string_view rest = line.substr(2);
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    items.emplace_back(Trim(rest.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    rest = rest.substr(comma + 1);
  }
  return items;
}

Sections ReadSections(std::string_view text) {
  Sections sections;
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    line = line.substr(0, line.find(";//"));
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && !line.empty() && line[0] != '\t' && line[0] != ' ') {
      const std::string label(Trim(line.substr(0, colon)));
      if (!sections.try_emplace(label).second) throw ExportDecodeError("label " + label + " is defined twice");
      current = &sections[label];
      line = line.substr(colon + 1);
    }
    if (std::optional<Items> items = DataItems(line)) {
      if (!current) throw ExportDecodeError("data before the first label");
      current->rows.push_back(std::move(*items));
    }
  }
  return sections;
}

const Section& Find(const Sections& sections, const std::string& label) {
  const auto found = sections.find(label);
  if (found == sections.end()) throw ExportDecodeError("label " + label + " is missing");
  return found->second;
}

std::int64_t Number(const std::string& item) {
  const bool hex = !item.empty() && item[0] == '$';
  const char* first = item.data() + (hex ? 1 : 0);
  const char* last = item.data() + item.size();
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (error != std::errc{} || end != last || first == last) throw ExportDecodeError("\"" + item + "\" is not a number");
  return value;
}

const Items& Row(const Section& section, std::size_t row, std::size_t items, const std::string& label) {
  if (row >= section.rows.size() || section.rows[row].size() != items) {
    throw ExportDecodeError(label + ": line " + std::to_string(row + 1) + " needs " + std::to_string(items) + " values");
  }
  return section.rows[row];
}

template <typename Array>
Array FixedRow(const Items& items) {
  Array values{};
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<typename Array::value_type>(Number(items[i]));
  return values;
}

DecodedFrame DecodeFrame(const Sections& sections, const std::string& label) {
  const Section& section = Find(sections, label);
  DecodedFrame frame;
  const Items& size = Row(section, 0, 2, label);
  const Items& offsets = Row(section, 1, 2, label);
  frame.nWidth = Number(size[0]);
  frame.nHeight = Number(size[1]);
  frame.nOffsetX = Number(offsets[0]);
  frame.nOffsetY = Number(offsets[1]);
  if (!frame.HasBlockMap()) return frame;
  if (section.rows.size() != static_cast<std::size_t>(frame.nHeight) + 2) {
    throw ExportDecodeError(label + ": the block map needs " + std::to_string(frame.nHeight) + " lines");
  }
  for (std::int64_t r = 0; r < frame.nHeight; ++r) {
    for (const std::string& word : Row(section, static_cast<std::size_t>(r) + 2, static_cast<std::size_t>(frame.nWidth), label)) {
      frame.words.push_back(static_cast<std::uint32_t>(Number(word)));
    }
  }
  return frame;
}

DecodedAnimation DecodeAnimation(const Sections& sections, const std::string& label) {
  const Section& section = Find(sections, label);
  const std::int64_t count = Number(Row(section, 0, 2, label)[0]);
  if (count < 0 || section.rows.size() != static_cast<std::size_t>(count) + 1) {
    throw ExportDecodeError(label + ": the frame table does not hold " + std::to_string(count) + " frames");
  }
  DecodedAnimation animation{label, {}};
  for (std::size_t f = 1; f < section.rows.size(); ++f) {
    animation.frames.push_back(DecodeFrame(sections, Row(section, f, 1, label)[0]));
  }
  return animation;
}

void DecodeTables(const Sections& sections, DecodedExport& out) {
  for (const Items& row : Find(sections, "PaletteData").rows) {
    if (row.size() != 4) throw ExportDecodeError("PaletteData: a palette needs 4 colours");
    out.palettes.push_back(FixedRow<GbcColourWords>(row));
  }
  for (const Items& row : Find(sections, "GraphicData").rows) {
    if (row.size() != 16) throw ExportDecodeError("GraphicData: a block needs 16 bytes");
    out.graphics.push_back(FixedRow<TileBytes>(row));
  }
  // One palette per block, then a pad byte when the count is odd.
  for (const Items& row : Find(sections, "BlockPaletteData").rows) {
    for (const std::string& item : row) out.blockPalettes.push_back(Number(item));
  }
  const std::size_t blocks = out.graphics.size();
  if (out.blockPalettes.size() != blocks + (blocks % 2)) {
    throw ExportDecodeError("BlockPaletteData: needs a palette for each of " + std::to_string(blocks) + " blocks");
  }
  out.blockPalettes.resize(blocks);
  for (const std::int64_t palette : out.blockPalettes) {
    if (palette < 0 || static_cast<std::size_t>(palette) >= out.palettes.size()) {
      throw ExportDecodeError("BlockPaletteData: palette " + std::to_string(palette) + " is not there");
    }
  }
}

void CheckBlockWords(const DecodedExport& out) {
  for (const DecodedAnimation& animation : out.animations) {
    for (const DecodedFrame& frame : animation.frames) {
      for (const std::uint32_t word : frame.words) {
        if ((word >> 4) >= out.graphics.size()) {
          throw ExportDecodeError(animation.strLabel + ": block " + std::to_string(word >> 4) + " is not there");
        }
      }
    }
  }
}

}  // namespace

int DecodedExport::ColourIndex(std::uint32_t word, int x, int y) const {
  const TileBytes& tile = graphics[word >> 4];
  const int bit = (word & 2u) ? x : 7 - x;
  const auto row = static_cast<std::size_t>((word & 1u) ? 7 - y : y);
  return ((tile[2 * row] >> bit) & 1) | (((tile[2 * row + 1] >> bit) & 1) << 1);
}

std::uint16_t DecodedExport::ColourWord(std::uint32_t word, int index) const {
  return palettes[static_cast<std::size_t>(PaletteOf(word))][static_cast<std::size_t>(index)];
}

DecodedExport DecodeExport(std::string_view text) {
  const Sections sections = ReadSections(text);
  DecodedExport out;
  DecodeTables(sections, out);
  for (const Items& row : Find(sections, "AnimationData").rows) {
    if (row.size() != 1) throw ExportDecodeError("AnimationData: one animation a line");
    out.animations.push_back(DecodeAnimation(sections, row[0]));
  }
  CheckBlockWords(out);
  return out;
}

}  // namespace pixolan
