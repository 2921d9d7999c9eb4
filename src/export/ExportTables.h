#pragma once
// The animation export's work tables: every block cut in this export, the record
// each sheet cell was cut into, the records that supply the output blocks, and
// the palettes. Each export builds them anew; they are never saved.
#include <array>
#include <cstdint>
#include <vector>

#include "export/BlockInfo.h"

namespace pixolan {

class CPxoDoc;
class CTextWriter;
class IPrompts;
struct ExportOptions;

struct CExportTables {
  static constexpr std::size_t kMaxPalettes = 256;

  // Records in cutting order; with a forced first block, that block is record 0.
  std::vector<BlockInfo> m_pBlocks;
  // Per sheet cell, in cell index order: the record it was cut into, or -1.
  std::vector<std::int32_t> m_pCellMap;
  // Per output block number: the record that supplies its graphics.
  std::vector<std::int32_t> m_pUniqueBlocks;
  std::int32_t m_nPalettes = 0;  // palettes in use, 0..256
  std::array<GbcPalette, kMaxPalettes> m_Palettes{};
  std::array<std::int32_t, kMaxPalettes> m_nPaletteColours{};  // entries used in each palette

  // The summary line's counts: records cut, and output blocks.
  std::int32_t BlockCount() const { return static_cast<std::int32_t>(m_pBlocks.size()); }
  std::int32_t UniqueBlockCount() const { return static_cast<std::int32_t>(m_pUniqueBlocks.size()); }
};

// Cuts every frame into 8x8 blocks of the sheet (each cell once), links repeated
// and mirrored blocks, numbers the rest and gives every block a palette. Block
// and palette warnings go to the prompts. An unreadable palette file throws its
// CFileException before any table changes.
void PrepareExportData(const CPxoDoc& doc, const ExportOptions& options, IPrompts& prompts, CExportTables& tables);

// Links each record to the nearest earlier one it repeats (directly or mirrored),
// resolves the chains and numbers the output blocks.
void MatchBlocks(const CPxoDoc& doc, CExportTables& tables);

// The four data sections of the assembler file.
void WritePaletteData(CTextWriter& file, const CExportTables& tables);
void WriteBlockPaletteData(CTextWriter& file, const CExportTables& tables);
void WriteAnimationData(CTextWriter& file, const CPxoDoc& doc, const CExportTables& tables);
void WriteGraphicData(CTextWriter& file, const CExportTables& tables);

}  // namespace pixolan
