#pragma once
// Cuts one 8x8 cell of the sheet into a block record: its colour sum, its own
// list of at most four colours in order of first appearance, and one index into
// that list per pixel.
#include <array>
#include <cstdint>

#include "export/BlockInfo.h"
#include "export/SheetColours.h"
#include "framework/Prompts.h"

namespace pixolan {

class CBlockCutter {
 public:
  // firstTrans: the transparent colour takes index 0 of every block's list.
  CBlockCutter(const CSheetColours& sheet, const PaletteEntry& transparent, bool firstTrans, IPrompts& prompts);

  // The record that stands for a block of 64 transparent pixels, made before any cell.
  BlockInfo ForcedFirst() const;

  // Cell (cx, cy) must be a whole cell of the sheet. Every pixel whose colour
  // does not fit the four gets index 0; the block is reported once, unless the
  // user chose to ignore the rest of this export's colour warnings.
  BlockInfo Cut(std::int32_t cx, std::int32_t cy);

 private:
  BlockInfo EmptyRecord() const;
  void CutIndexed(std::int32_t cx, std::int32_t cy, BlockInfo& record);
  void CutColours(std::int32_t cx, std::int32_t cy, BlockInfo& record);
  void ReportExtraColour(std::int32_t cx, std::int32_t cy, bool& reported);

  const CSheetColours& m_sheet;
  PaletteEntry m_transparent;
  bool m_bFirstTrans;
  IPrompts& m_prompts;
  bool m_bIgnoreColourWarnings = false;  // "Ignore All": one cutter serves one export
  // Indexed sheets: which colour (by canonical index) holds which place in the
  // block being cut; a slot counts only when its stamp is the current block's.
  std::int32_t m_nTransparentCanonical = -1;
  std::uint32_t m_nStamp = 0;
  std::array<std::uint32_t, 256> m_stamps{};
  std::array<std::int8_t, 256> m_slots{};
};

}  // namespace pixolan
