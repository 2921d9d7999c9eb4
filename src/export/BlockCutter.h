#pragma once
// Cuts one 8x8 cell of the sheet into a block record: its colour sum, its own
// list of at most four colours in order of first appearance, and one index into
// that list per pixel.
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
  // does not fit the four is reported and gets index 0.
  BlockInfo Cut(std::int32_t cx, std::int32_t cy) const;

 private:
  BlockInfo EmptyRecord() const;

  const CSheetColours& m_sheet;
  PaletteEntry m_transparent;
  bool m_bFirstTrans;
  IPrompts& m_prompts;
};

}  // namespace pixolan
