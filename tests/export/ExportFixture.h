#pragma once
// Documents with a hand-made sheet for the export tests and 8x8 cell pictures.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/PxoDoc.h"
#include "export/ExportOptions.h"
#include "export/ExportTables.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "support/TestSupport.h"

namespace pixolan::test {

using Cell = std::array<std::uint8_t, 64>;  // index of pixel (x, y) at 8 * y + x

inline PaletteEntry Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t reserved = 0) {
  return PaletteEntry{reserved, r, g, b};
}
// Rect from whole cells: cell (cx, cy), w by h cells.
inline CRect Cells(std::int32_t cx, std::int32_t cy, std::int32_t w, std::int32_t h) {
  return CRect{8 * cx, 8 * cy, 8 * (cx + w), 8 * (cy + h)};
}
template <typename F>
Cell CellOf(F index) {
  Cell c{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) c[static_cast<std::size_t>(8 * y + x)] = static_cast<std::uint8_t>(index(x, y));
  return c;
}
inline Cell Uniform(std::uint8_t index) { return CellOf([&](int, int) { return index; }); }
// Colour 1 with marks that no mirror maps onto themselves.
inline Cell Asymmetric() {
  Cell c = Uniform(1);
  c[8 * 2 + 1] = c[8 * 0 + 5] = 2;
  c[8 * 6 + 2] = 3;
  return c;
}
// The picture seen through a mirror: out(x, y) = in(x', y').
inline Cell Mirror(const Cell& in, bool yFlip, bool xFlip) {
  return CellOf([&](int x, int y) { return in[static_cast<std::size_t>(8 * (yFlip ? 7 - y : y) + (xFlip ? 7 - x : x))]; });
}

struct CTestSheet : CRasterImage {
  bool Load(const char*) override { return false; }
};

inline std::unique_ptr<CRasterImage> MakeSheetImage(std::int32_t width, std::int32_t height,
                                                    const std::vector<PaletteEntry>& palette, std::int32_t bits = 8) {
  auto sheet = std::make_unique<CTestSheet>();
  EXPECT_TRUE(sheet->Create(width, height, bits));
  for (std::size_t i = 0; i < palette.size() && i < sheet->m_pPalette.size(); ++i) sheet->m_pPalette[i] = palette[i];
  if (bits == 24) sheet->SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
  return sheet;
}

// The open or save dialog of an assembler file.
inline void ExpectAsmFileDialog(const FileDialogRequest& request, bool open, const std::string& initialName) {
  EXPECT_EQ(request.bOpen, open);
  EXPECT_EQ(request.strDefaultExt, ".asm");
  EXPECT_EQ(request.strInitialName, initialName);
  EXPECT_TRUE(request.bHideReadOnly && request.bOverwritePrompt);
  EXPECT_EQ(request.strFilter, "Assembler Files (*.asm)|*.asm|All Files (*.*)|*.*||");
}

struct ExportSwitches {
  bool forceFirst = false;
  bool firstTrans = false;
  std::string paletteFile;  // empty: no palette file
};

struct FramePlacement {  // a frame's rectangle on the sheet and its offsets
  FramePlacement(CRect s = {}, std::int32_t dx = 0, std::int32_t dy = 0) : source(s), x(dx), y(dy) {}
  CRect source;
  std::int32_t x, y;
};

class ExportFixture {
 public:
  // A sheet of the given size and depth, all pixels index 0. A true-colour
  // sheet stores the colours themselves: SetPixel looks the index up in `palette`.
  CRasterImage& MakeSheet(std::int32_t width, std::int32_t height, const std::vector<PaletteEntry>& palette,
                          std::int32_t bits = 8) {
    doc.m_pImage = MakeSheetImage(width, height, palette, bits);
    m_colours = palette;
    return *doc.m_pImage;
  }

  void SetPixel(std::int32_t x, std::int32_t y, std::uint8_t index) {
    std::uint8_t* row = doc.m_pImage->m_ppRows[static_cast<std::size_t>(y)];
    const std::int32_t bits = doc.m_pImage->m_nBitsPerPixel;
    if (bits == 24) {
      const PaletteEntry c = index < m_colours.size() ? m_colours[index] : PaletteEntry{};
      row[3 * x] = c.blue, row[3 * x + 1] = c.green, row[3 * x + 2] = c.red;
      return;
    }
    // 1, 4 or 8 bits, leftmost pixel in the high bits.
    const int shift = 8 - bits - (x * bits) % 8, mask = ((1 << bits) - 1) << shift;
    std::uint8_t& byte = row[x * bits / 8];
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((index << shift) & mask));
  }
  void FillCell(std::int32_t cx, std::int32_t cy, const Cell& indices) {
    for (std::int32_t p = 0; p < 64; ++p) SetPixel(8 * cx + p % 8, 8 * cy + p / 8, indices[static_cast<std::size_t>(p)]);
  }
  void FillCell(std::int32_t cx, std::int32_t cy, std::uint8_t index) { FillCell(cx, cy, Uniform(index)); }

  CAnimation& AddAnimation(const std::string& name, const std::vector<FramePlacement>& frames) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(name);
    animation->SetFrameCount(static_cast<std::uint32_t>(frames.size()));
    for (std::size_t f = 0; f < frames.size(); ++f) {
      animation->Frame(static_cast<std::int32_t>(f + 1))->Set(frames[f].source, frames[f].x, frames[f].y);
    }
    doc.m_animations.push_back(std::move(animation));
    return *doc.m_animations.back();
  }

  void Prepare(const ExportSwitches& switches = {}) {
    ExportOptions options;
    options.m_bForceFirst = switches.forceFirst;
    options.m_bFirstTrans = switches.firstTrans;
    options.m_bUsePalette = !switches.paletteFile.empty();
    options.m_strPaletteName = switches.paletteFile;
    PrepareExportData(doc, options, prompts, tables);
  }
  const BlockInfo& Block(std::int32_t i) const { return tables.m_pBlocks.at(static_cast<std::size_t>(i)); }

  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};
  CExportTables tables;

 private:
  std::vector<PaletteEntry> m_colours;
};

}  // namespace pixolan::test
