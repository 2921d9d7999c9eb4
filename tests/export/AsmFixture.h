#pragma once
// Documents with a hand-made 8-bit sheet for the writer and command tests, and
// helpers that turn the "\n" of expected texts into the CR LF the files hold.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/PxoDoc.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::test {

class CAsmSheet : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

inline std::string CrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

inline std::unique_ptr<CRasterImage> MakeAsmSheet(std::int32_t width, std::int32_t height,
                                                  const std::vector<PaletteEntry>& palette, std::int32_t bits = 8) {
  auto sheet = std::make_unique<CAsmSheet>();
  EXPECT_TRUE(sheet->Create(width, height, bits));
  for (std::size_t i = 0; i < palette.size() && i < sheet->m_pPalette.size(); ++i) sheet->m_pPalette[i] = palette[i];
  return sheet;
}

class AsmFixture {
 public:
  CRasterImage& Sheet(std::int32_t width, std::int32_t height, const std::vector<PaletteEntry>& palette) {
    doc.m_pImage = MakeAsmSheet(width, height, palette);
    return *doc.m_pImage;
  }
  void Pixel(std::int32_t x, std::int32_t y, std::uint8_t index) {
    doc.m_pImage->m_ppRows[static_cast<std::size_t>(y)][x] = index;
  }
  // index(x, y) gives the pixel (8 * cx + x, 8 * cy + y) of the cell.
  template <typename F>
  void Cell(std::int32_t cx, std::int32_t cy, F index) {
    for (std::int32_t y = 0; y < 8; ++y)
      for (std::int32_t x = 0; x < 8; ++x) Pixel(8 * cx + x, 8 * cy + y, static_cast<std::uint8_t>(index(x, y)));
  }
  struct FrameSpec {
    CRect source;
    std::int32_t x = 0;
    std::int32_t y = 0;
  };
  CAnimation& Animation(const std::string& name, const std::vector<FrameSpec>& frames) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(name);
    animation->SetFrameCount(static_cast<std::uint32_t>(frames.size()));
    for (std::size_t f = 0; f < frames.size(); ++f) animation->m_pFrames[f].Set(frames[f].source, frames[f].x, frames[f].y);
    doc.m_animations.push_back(std::move(animation));
    return *doc.m_animations.back();
  }

  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};
};

inline CRect CellRect(std::int32_t cx, std::int32_t cy, std::int32_t w, std::int32_t h) {
  return CRect{8 * cx, 8 * cy, 8 * (cx + w), 8 * (cy + h)};
}

inline PaletteEntry Colour(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return PaletteEntry{0, r, g, b}; }

}  // namespace pixolan::test
