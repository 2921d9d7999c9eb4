#pragma once
// Gives every block record one of at most 256 four-colour palettes, first fit:
// the lowest palette that holds the block's colours or has room for the missing
// ones; otherwise a new palette; after 256 palettes, palette 0 with a warning.
#include <array>
#include <cstdint>
#include <vector>

#include "export/BlockInfo.h"
#include "export/ExportTables.h"
#include "export/FirstFitHints.h"
#include "framework/Prompts.h"

namespace pixolan {

inline constexpr const char* kMsgRanOutOfPalettes = "Ran out of palettes, bugger - better just used entry 0!\n";

class CPaletteAssigner {
 public:
  static constexpr std::int32_t kMaxPalettes = 256;

  // Works on the tables' palettes, their counts and the number of palettes in use.
  CPaletteAssigner(CExportTables& tables, IPrompts& prompts);

  // Clears all palettes; loaded palettes become palettes 0, 1, ... with four colours each.
  void Reset(const std::vector<GbcPalette>& loaded);

  // Sets nPalette and rewrites Pixels as indices into that palette.
  void Assign(BlockInfo& record);

 private:
  // Palette entry per block colour when palette p fits the record, else false.
  bool TryPalette(std::int32_t p, const BlockInfo& record, const std::array<std::uint32_t, 4>& rgb,
                  std::array<std::int32_t, 4>& entryOf) const;
  void Append(std::int32_t p, const PaletteEntry& colour);
  void OpenPalette(BlockInfo& record, const std::array<std::uint32_t, 4>& rgb);

  std::array<GbcPalette, 256>& m_palettes;
  std::array<std::int32_t, 256>& m_counts;
  std::int32_t& m_nPalettes;
  IPrompts& m_prompts;
  std::array<std::array<std::uint32_t, 4>, 256> m_rgb{};  // the palettes' colours packed, for quick compares
  CFirstFitHints m_hints;
};

}  // namespace pixolan
