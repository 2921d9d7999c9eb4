#pragma once
// A document with a hand-made 8-bit sheet and animations, for the export tests.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/PxoDoc.h"
#include "export/ExportOptionsDlg.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::test {

class CTestSheet : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

inline PaletteEntry Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t reserved = 0) {
  return PaletteEntry{reserved, r, g, b};
}

struct ExportSwitches {
  bool forceFirst = false;
  bool firstTrans = false;
  std::string paletteFile;  // empty: no palette file
};

class PrepareFixture {
 public:
  // A sheet of the given size and depth; all pixels index 0; palette entries as given.
  CRasterImage& MakeSheet(std::int32_t width, std::int32_t height, const std::vector<PaletteEntry>& palette,
                          std::int32_t bits = 8) {
    auto sheet = std::make_unique<CTestSheet>();
    EXPECT_TRUE(sheet->Create(width, height, bits));
    for (std::size_t i = 0; i < palette.size() && i < sheet->m_pPalette.size(); ++i) sheet->m_pPalette[i] = palette[i];
    if (bits == 24) sheet->SetChannelMasks(0, 0xFF0000, 0xFF00, 0xFF);
    m_colours = palette;  // a true-colour sheet stores the colours themselves
    doc.m_pImage = std::move(sheet);
    return *doc.m_pImage;
  }

  void SetPixel(std::int32_t x, std::int32_t y, std::uint8_t index) {
    CRasterImage& sheet = *doc.m_pImage;
    std::uint8_t* row = sheet.m_ppRows[static_cast<std::size_t>(y)];
    switch (sheet.m_nBitsPerPixel) {
      case 8:
        row[x] = index;
        break;
      case 4: {
        std::uint8_t& byte = row[x / 2];
        byte = (x % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (index << 4))
                            : static_cast<std::uint8_t>((byte & 0xF0) | (index & 0x0F));
        break;
      }
      case 24: {
        const PaletteEntry c = index < m_colours.size() ? m_colours[index] : PaletteEntry{};
        row[3 * x] = c.blue;
        row[3 * x + 1] = c.green;
        row[3 * x + 2] = c.red;
        break;
      }
      case 1: {
        const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        row[x / 8] = static_cast<std::uint8_t>(index ? (row[x / 8] | bit) : (row[x / 8] & ~bit));
        break;
      }
      default:
        FAIL() << "depth not supported by the fixture";
    }
  }

  // indices[8 * y + x] becomes pixel (8 * cx + x, 8 * cy + y).
  void FillCell(std::int32_t cx, std::int32_t cy, const std::array<std::uint8_t, 64>& indices) {
    for (std::int32_t y = 0; y < 8; ++y)
      for (std::int32_t x = 0; x < 8; ++x) SetPixel(8 * cx + x, 8 * cy + y, indices[static_cast<std::size_t>(8 * y + x)]);
  }
  void FillCell(std::int32_t cx, std::int32_t cy, std::uint8_t index) {
    std::array<std::uint8_t, 64> all{};
    all.fill(index);
    FillCell(cx, cy, all);
  }

  CAnimation& AddAnimation(const std::string& name, const std::vector<CRect>& frames) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(name);
    animation->SetFrameCount(static_cast<std::uint32_t>(frames.size()));
    for (std::size_t f = 0; f < frames.size(); ++f) animation->m_pFrames[f].Set(frames[f], 0, 0);
    doc.m_animations.push_back(std::move(animation));
    return *doc.m_animations.back();
  }

  void Prepare(const ExportSwitches& switches = {}) {
    CExportOptionsDlg options;
    options.m_bForceFirst = switches.forceFirst;
    options.m_bFirstTrans = switches.firstTrans;
    options.m_bUsePalette = !switches.paletteFile.empty();
    options.m_strPaletteName = switches.paletteFile;
    doc.PrepareExportData(options);
  }

  const BlockInfo& Block(std::int32_t i) const { return doc.m_pBlocks.at(static_cast<std::size_t>(i)); }

  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};

 private:
  std::vector<PaletteEntry> m_colours;
};

// Rect from whole cells: cell (cx, cy), w by h cells.
inline CRect Cells(std::int32_t cx, std::int32_t cy, std::int32_t w, std::int32_t h) {
  return CRect{8 * cx, 8 * cy, 8 * (cx + w), 8 * (cy + h)};
}

}  // namespace pixolan::test
