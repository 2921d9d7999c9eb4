#include "export/BlockCutter.h"

#include <array>
#include <cstdio>

namespace pixolan {

CBlockCutter::CBlockCutter(const CSheetColours& sheet, const PaletteEntry& transparent, bool firstTrans,
                           IPrompts& prompts)
    : m_sheet(sheet), m_transparent(transparent), m_bFirstTrans(firstTrans), m_prompts(prompts) {}

BlockInfo CBlockCutter::EmptyRecord() const {
  BlockInfo record;
  record.nBlock = -1;
  record.nColourSum = 0;
  record.nColours = 0;
  if (m_bFirstTrans) {
    record.nColours = 1;
    record.Colours[0] = m_transparent;
  }
  return record;
}

BlockInfo CBlockCutter::ForcedFirst() const {
  BlockInfo record = EmptyRecord();
  record.nCellX = record.nCellY = -1;
  record.nColourSum = 64 * (m_transparent.red + m_transparent.green + m_transparent.blue);
  return record;
}

BlockInfo CBlockCutter::Cut(std::int32_t cx, std::int32_t cy) const {
  BlockInfo record = EmptyRecord();
  record.nCellX = cx;
  record.nCellY = cy;
  std::array<PaletteEntry, 64> colours;
  m_sheet.CellColours(cx, cy, colours);
  std::array<std::uint32_t, 4> listed{};
  for (std::int32_t k = 0; k < record.nColours; ++k) listed[static_cast<std::size_t>(k)] = PackRgb(record.Colours[static_cast<std::size_t>(k)]);

  for (std::size_t p = 0; p < 64; ++p) {
    const PaletteEntry& c = colours[p];
    record.nColourSum += c.red + c.green + c.blue;
    const std::uint32_t rgb = PackRgb(c);
    std::int32_t k = 0;
    while (k < record.nColours && listed[static_cast<std::size_t>(k)] != rgb) ++k;
    if (k < record.nColours) {
      record.Pixels[p] = static_cast<std::int8_t>(k);
    } else if (record.nColours < 4) {
      record.Colours[static_cast<std::size_t>(k)] = c;
      listed[static_cast<std::size_t>(k)] = rgb;
      record.Pixels[p] = static_cast<std::int8_t>(k);
      ++record.nColours;
    } else {
      char text[160];
      std::snprintf(text, sizeof text,
                    "Block starting at pixel X = %d, Y = %d is using more than 4 colours\n"
                    "Any extra colours will be cleared to index 0\n",
                    8 * cx, 8 * cy);
      m_prompts.MessageBox(text);
      record.Pixels[p] = 0;
    }
  }
  return record;
}

}  // namespace pixolan
