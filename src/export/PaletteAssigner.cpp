#include "export/PaletteAssigner.h"

#include <algorithm>

#include "export/SheetColours.h"

namespace pixolan {

CPaletteAssigner::CPaletteAssigner(CExportTables& tables, IPrompts& prompts)
    : m_palettes(tables.m_Palettes),
      m_counts(tables.m_nPaletteColours),
      m_nPalettes(tables.m_nPalettes),
      m_prompts(prompts) {}

void CPaletteAssigner::Reset(const std::vector<GbcPalette>& loaded) {
  for (GbcPalette& palette : m_palettes) palette.fill(PaletteEntry{});
  m_counts.fill(0);
  m_rgb = {};
  m_hints = CFirstFitHints{};
  const std::size_t n = std::min<std::size_t>(loaded.size(), kMaxPalettes);
  for (std::size_t p = 0; p < n; ++p) {
    m_palettes[p] = loaded[p];
    m_counts[p] = 4;
    for (std::size_t e = 0; e < 4; ++e) m_rgb[p][e] = PackRgb(loaded[p][e]);
  }
  m_nPalettes = static_cast<std::int32_t>(n);
}

bool CPaletteAssigner::TryPalette(std::int32_t p, const BlockInfo& record, const std::array<std::uint32_t, 4>& rgb,
                                  std::array<std::int32_t, 4>& entryOf) const {
  const std::int32_t used = m_counts[static_cast<std::size_t>(p)];
  const std::array<std::uint32_t, 4>& entries = m_rgb[static_cast<std::size_t>(p)];
  std::int32_t need = used;
  for (std::int32_t k = 0; k < record.nColours; ++k) {
    std::int32_t e = 0;
    while (e < used && entries[static_cast<std::size_t>(e)] != rgb[static_cast<std::size_t>(k)]) ++e;
    if (e < used) {
      entryOf[static_cast<std::size_t>(k)] = e;
      continue;
    }
    if (need == 4) return false;
    entryOf[static_cast<std::size_t>(k)] = -1;  // appended once the palette is known to fit
    ++need;
  }
  return true;
}

void CPaletteAssigner::Append(std::int32_t p, const PaletteEntry& colour) {
  const auto pi = static_cast<std::size_t>(p);
  const auto e = static_cast<std::size_t>(m_counts[pi]++);
  m_palettes[pi][e] = colour;
  m_rgb[pi][e] = PackRgb(colour);
}

void CPaletteAssigner::OpenPalette(BlockInfo& record, const std::array<std::uint32_t, 4>& rgb) {
  const auto q = static_cast<std::size_t>(m_nPalettes++);
  for (std::size_t k = 0; k < static_cast<std::size_t>(record.nColours); ++k) {
    m_palettes[q][k] = record.Colours[k];
    m_rgb[q][k] = rgb[k];
  }
  m_counts[q] = record.nColours;
  // The block's own indices are already this palette's indices.
  record.nPalette = static_cast<std::int32_t>(q);
}

void CPaletteAssigner::Assign(BlockInfo& record) {
  record.nColours = std::clamp(record.nColours, 0, 4);
  std::array<std::uint32_t, 4> rgb{};
  for (std::size_t k = 0; k < static_cast<std::size_t>(record.nColours); ++k) rgb[k] = PackRgb(record.Colours[k]);

  // Palettes below the hint were already too full for these colours.
  std::int32_t& start = m_hints.StartFor(rgb, record.nColours);
  std::array<std::int32_t, 4> entryOf{};
  for (std::int32_t p = start; p < m_nPalettes; ++p) {
    if (!TryPalette(p, record, rgb, entryOf)) continue;
    for (std::size_t k = 0; k < static_cast<std::size_t>(record.nColours); ++k) {
      if (entryOf[k] >= 0) continue;
      entryOf[k] = m_counts[static_cast<std::size_t>(p)];
      Append(p, record.Colours[k]);
    }
    for (std::int8_t& pixel : record.Pixels) {
      if (pixel >= 0 && pixel < record.nColours) pixel = static_cast<std::int8_t>(entryOf[static_cast<std::size_t>(pixel)]);
    }
    record.nPalette = p;
    start = p;
    return;
  }
  start = m_nPalettes;
  if (m_nPalettes == kMaxPalettes) {
    m_prompts.MessageBox(kMsgRanOutOfPalettes);
    record.nPalette = 0;  // pixels stay indices into the block's own colours
    return;
  }
  OpenPalette(record, rgb);
}

}  // namespace pixolan
