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
#include "support/TestSupport.h"

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

inline CRect CellRect(std::int32_t cx, std::int32_t cy, std::int32_t w, std::int32_t h) {
  return CRect{8 * cx, 8 * cy, 8 * (cx + w), 8 * (cy + h)};
}

inline PaletteEntry Colour(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return PaletteEntry{0, r, g, b}; }

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
  struct FramePlacement {
    CRect source;
    std::int32_t x = 0;
    std::int32_t y = 0;
  };
  CAnimation& Animation(const std::string& name, const std::vector<FramePlacement>& frames) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(name);
    animation->SetFrameCount(static_cast<std::uint32_t>(frames.size()));
    for (std::size_t f = 0; f < frames.size(); ++f) animation->m_pFrames[f].Set(frames[f].source, frames[f].x, frames[f].y);
    doc.m_animations.push_back(std::move(animation));
    return *doc.m_animations.back();
  }

  // Palette: 0 magenta (the transparent colour, top-left), 1 black, 2 white, 3 red.
  // Cells of the 24x16 sheet:
  //   (0,0) all magenta    (1,0) A: black where x <= y, else white    (2,0) A mirrored left-right
  //   (0,1) A mirrored top-bottom    (1,1) A again    (2,1) a red top row on magenta
  // Animation "Walk Left" shows the top row of cells, then the bottom row; "Idle" has no frames.
  void MirrorSheet() {
    Sheet(24, 16, {Colour(255, 0, 255), Colour(0, 0, 0), Colour(255, 255, 255), Colour(255, 0, 0)});
    auto a = [](int x, int y) { return x <= y ? 1 : 2; };
    Cell(0, 0, [](int, int) { return 0; });
    Cell(1, 0, a);
    Cell(2, 0, [&](int x, int y) { return a(7 - x, y); });
    Cell(0, 1, [&](int x, int y) { return a(x, 7 - y); });
    Cell(1, 1, a);
    Cell(2, 1, [](int, int y) { return y == 0 ? 3 : 0; });
    Animation("Walk Left", {{CellRect(0, 0, 3, 1), -12, -8}, {CellRect(0, 1, 3, 1), 4, -3}});
    Animation("Idle", {});
  }

  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};
};

// A Windows bitmap of 4, 8 or 24 bits per pixel; pixel(x, y) gives the index
// (or, for 24 bits, the grey level). Rows are stored bottom-up.
template <typename F>
std::vector<std::uint8_t> BmpBytes(std::int32_t width, std::int32_t height, std::int32_t bits,
                                   const std::vector<PaletteEntry>& palette, F pixel) {
  const std::uint32_t colours = bits <= 8 ? (1u << bits) : 0u;
  const std::uint32_t stride = ((static_cast<std::uint32_t>(width * bits) + 31) / 32) * 4;
  const std::uint32_t offset = 14 + 40 + 4 * colours;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  Bytes b;
  b.text("BM").u32le(offset + imageSize).u16le(0).u16le(0).u32le(offset);
  b.u32le(40).u32le(static_cast<std::uint32_t>(width)).u32le(static_cast<std::uint32_t>(height)).u16le(1);
  b.u16le(static_cast<std::uint32_t>(bits)).u32le(0).u32le(imageSize).u32le(2835).u32le(2835).u32le(colours).u32le(0);
  for (std::uint32_t i = 0; i < colours; ++i) {
    const PaletteEntry c = i < palette.size() ? palette[i] : PaletteEntry{};
    b.u8(c.blue).u8(c.green).u8(c.red).u8(0);
  }
  for (std::int32_t y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (std::int32_t x = 0; x < width; ++x) {
      const auto v = static_cast<std::uint8_t>(pixel(x, y));
      if (bits == 8) row[static_cast<std::size_t>(x)] = v;
      else if (bits == 4) row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? v & 15 : v << 4);
      else for (int k = 0; k < 3; ++k) row[static_cast<std::size_t>(3 * x + k)] = v;
    }
    b.raw(row);
  }
  return b.data();
}

}  // namespace pixolan::test
