#include "export/BlockCutter.h"

#include <cstdio>

namespace pixolan {

CBlockCutter::CBlockCutter(const CSheetColours& sheet, const PaletteEntry& transparent, bool firstTrans,
                           IPrompts& prompts)
    : m_sheet(sheet), m_transparent(transparent), m_bFirstTrans(firstTrans), m_prompts(prompts) {
  m_nTransparentCanonical = sheet.CanonicalOf(transparent);
}

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

BlockInfo CBlockCutter::Cut(std::int32_t cx, std::int32_t cy) {
  BlockInfo record = EmptyRecord();
  record.nCellX = cx;
  record.nCellY = cy;
  if (m_sheet.HasIndices()) {
    CutIndexed(cx, cy, record);
  } else {
    CutColours(cx, cy, record);
  }
  return record;
}

// A block with extra colours is reported once, at its first extra pixel: every
// further pixel would repeat the same text.
void CBlockCutter::ReportExtraColour(std::int32_t cx, std::int32_t cy, bool& reported) {
  if (reported || m_bIgnoreColourWarnings) return;
  reported = true;
  char text[160];
  std::snprintf(text, sizeof text,
                "Block starting at pixel X = %d, Y = %d is using more than 4 colours\n"
                "Any extra colours will be cleared to index 0\n",
                8 * cx, 8 * cy);
  if (m_prompts.WarningWithIgnoreAll(text) == IDIGNORE) m_bIgnoreColourWarnings = true;
}

// Colours in order of first appearance; a pixel of a fifth colour gets index 0.
// Its colour still counts in the sum.
void CBlockCutter::CutIndexed(std::int32_t cx, std::int32_t cy, BlockInfo& record) {
  ++m_nStamp;
  if (m_bFirstTrans && m_nTransparentCanonical >= 0) {
    m_stamps[static_cast<std::size_t>(m_nTransparentCanonical)] = m_nStamp;
    m_slots[static_cast<std::size_t>(m_nTransparentCanonical)] = 0;
  }
  std::array<std::uint8_t, 64> indices;
  m_sheet.CellIndices(cx, cy, indices);
  bool reported = false;
  for (std::size_t p = 0; p < 64; ++p) {
    const std::uint8_t index = indices[p];
    const std::uint8_t canonical = m_sheet.Canonical(index);
    record.nColourSum += m_sheet.IndexSum(index);
    if (m_stamps[canonical] == m_nStamp) {
      record.Pixels[p] = m_slots[canonical];
    } else if (record.nColours < 4) {
      const auto slot = static_cast<std::int8_t>(record.nColours++);
      record.Colours[static_cast<std::size_t>(slot)] = m_sheet.IndexColour(index);
      m_stamps[canonical] = m_nStamp;
      m_slots[canonical] = slot;
      record.Pixels[p] = slot;
    } else {
      ReportExtraColour(cx, cy, reported);
      record.Pixels[p] = 0;
    }
  }
}

// The same for sheets without a palette, comparing the colours themselves.
void CBlockCutter::CutColours(std::int32_t cx, std::int32_t cy, BlockInfo& record) {
  std::array<PaletteEntry, 64> colours;
  m_sheet.CellColours(cx, cy, colours);
  bool reported = false;
  for (std::size_t p = 0; p < 64; ++p) {
    const PaletteEntry& c = colours[p];
    record.nColourSum += c.red + c.green + c.blue;
    std::int32_t k = 0;
    while (k < record.nColours && !SameColour(record.Colours[static_cast<std::size_t>(k)], c)) ++k;
    if (k < record.nColours) {
      record.Pixels[p] = static_cast<std::int8_t>(k);
    } else if (record.nColours < 4) {
      record.Colours[static_cast<std::size_t>(k)] = c;
      record.Pixels[p] = static_cast<std::int8_t>(k);
      ++record.nColours;
    } else {
      ReportExtraColour(cx, cy, reported);
      record.Pixels[p] = 0;
    }
  }
}

}  // namespace pixolan
