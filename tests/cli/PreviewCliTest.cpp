// pixolan-cli preview against a render made here from the sheet itself: each
// frame's rectangle at the canvas centre plus its offsets, colours cut to 5 bits
// and widened again, the transparent colour never drawn (these sheets give it
// colour 0 with or without --first-trans, and the console never draws colour 0). The preview draws from the exported blocks, so repeats,
// mirror bits and palettes must all come out as the sheet was.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <memory>

#include "cli/CliRun.h"
#include "document/PxoDoc.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "image/PngReader.h"
#include "image/RgbPicture.h"

namespace pixolan::test {
namespace {

const std::filesystem::path kWalker = DataDir() / ".." / ".." / "examples" / "walker.pxo";
// Walk Left's frames repeat one block left-right and top-bottom mirrored; Idle has no frames.
const std::filesystem::path kMirror = DataDir() / "golden" / "export-mirror" / "walk.pxo";
const std::filesystem::path kEmpty = DataDir() / "golden" / "export-no-animations" / "walk.pxo";

struct PreviewCase {
  std::filesystem::path document;
  bool firstTrans;
  int scale;
  std::string background;  // empty: the checkerboard
  std::string animation;   // empty: all
};

std::uint8_t Widen(std::uint8_t c) { return static_cast<std::uint8_t>(((c >> 3) << 3) | (c >> 5)); }

RgbColour Background(const PreviewCase& c, int x, int y) {
  if (!c.background.empty()) {
    const unsigned long v = std::stoul(c.background, nullptr, 16);
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  }
  const std::uint8_t grey = (x / 8 + y / 8) % 2 == 0 ? 204 : 153;
  return {grey, grey, grey};
}

// The contact sheet at one picture pixel per canvas pixel.
CRgbPicture Reference(const PreviewCase& c) {
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  EXPECT_TRUE(doc.OnOpenDocument(c.document.string()));
  std::erase_if(doc.m_animations, [&](const auto& a) { return !c.animation.empty() && a->Name() != c.animation; });
  const int cw = doc.m_nCanvasWidth, ch = doc.m_nCanvasHeight;
  int cols = 1;  // and one row: an empty sheet is one empty cell
  for (const auto& a : doc.m_animations) cols = std::max(cols, static_cast<int>(a->m_nFrameCount));
  CRgbPicture out(cw * cols, ch * std::max(1, static_cast<int>(doc.m_animations.size())));
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.Set(x, y, Background(c, x % cw, y % ch));
  const CRasterImage& sheet = *doc.m_pImage;
  for (std::size_t row = 0; row < doc.m_animations.size(); ++row) {
    for (std::uint32_t k = 0; k < doc.m_animations[row]->m_nFrameCount; ++k) {
      const CAnimFrame& f = doc.m_animations[row]->FrameOrNeverSet(k);
      for (int sy = f.m_rectSource.top; sy < f.m_rectSource.bottom; ++sy) {
        for (int sx = f.m_rectSource.left; sx < f.m_rectSource.right; ++sx) {
          const int x = cw / 2 + f.m_nOffsetX + sx - f.m_rectSource.left, y = ch / 2 + f.m_nOffsetY + sy - f.m_rectSource.top;
          const PaletteEntry p = sheet.GetPixelColour(sx, sy);
          if (x < 0 || y < 0 || x >= cw || y >= ch || SameColour(p, sheet.GetPixelColour(0, 0))) continue;
          out.Set(static_cast<int>(k) * cw + x, static_cast<int>(row) * ch + y, {Widen(p.red), Widen(p.green), Widen(p.blue)});
        }
      }
    }
  }
  return out;
}

std::vector<std::string> Args(const PreviewCase& c, const std::string& output) {
  std::vector<std::string> args{"preview", c.document.string(), "-o", output, "--scale", std::to_string(c.scale)};
  if (c.firstTrans) args.push_back("--first-trans");
  if (!c.background.empty()) args.insert(args.end(), {"--background", c.background});
  if (!c.animation.empty()) args.insert(args.end(), {"--animation", c.animation});
  return args;
}

TEST(PreviewCli, DrawsWhatTheSheetShowsPixelForPixel) {
  const std::vector<PreviewCase> cases = {
      {kWalker, true, 2, "", ""}, {kWalker, false, 1, "2040a0", ""}, {kWalker, true, 1, "", "Idle"},
      {kMirror, false, 3, "", ""}, {kMirror, true, 1, "ffffff", ""},  {kEmpty, false, 2, "", ""}};
  for (const PreviewCase& c : cases) {
    SCOPED_TRACE(c.document.filename().string() + (c.firstTrans ? " --first-trans" : "") + " --scale " +
                 std::to_string(c.scale) + " " + c.background + " " + c.animation);
    TempDir dir;
    const CliRun run = RunCli(dir, Args(c, (dir / "out.png").string()));
    ASSERT_EQ(run.status, 0) << run.err;
    CPngReader png;
    ASSERT_TRUE(png.Load((dir / "out.png").string().c_str()));
    const CRgbPicture expected = Reference(c);
    ASSERT_EQ(std::pair(png.m_nWidth, png.m_nHeight), std::pair(expected.Width() * c.scale, expected.Height() * c.scale));
    for (int y = 0; y < png.m_nHeight; ++y) {
      for (int x = 0; x < png.m_nWidth; ++x) {
        const PaletteEntry p = png.GetPixelColour(x, y);
        ASSERT_EQ((RgbColour{p.red, p.green, p.blue}), expected.At(x / c.scale, y / c.scale)) << x << "," << y;
      }
    }
    EXPECT_EQ(RunCli(dir, Args(c, "-")).out, ReadText(dir / "out.png"));  // "-o -": the same bytes on stdout
  }
}

// The GIF: one frame a cell, walk after walk, each the cell the PNG shows, 3/100 s,
// looping; without any frame, the one empty cell.
TEST(PreviewCli, GifHoldsEveryFrameAsItsCell) {
  using Cells = std::vector<std::pair<int, int>>;  // the PNG's column and row of each GIF frame
  const std::vector<std::pair<PreviewCase, Cells>> cases = {
      {{kWalker, true, 2, "", ""}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}}},
      {{kEmpty, false, 2, "", ""}, {{0, 0}}}};
  for (const auto& [c, cells] : cases) {
    TempDir dir;
    std::vector<std::string> args = Args(c, (dir / "out.png").string());
    args.insert(args.end(), {"--gif", (dir / "out.gif").string()});
    ASSERT_EQ(RunCli(dir, args).status, 0);
    int error = 0;
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(DGifOpenFileName((dir / "out.gif").string().c_str(), &error),
                                                             [](GifFileType* g) { DGifCloseFile(g, nullptr); });
    ASSERT_TRUE(gif && DGifSlurp(gif.get()) == GIF_OK);
    ASSERT_EQ(std::tuple(gif->SWidth, gif->SHeight, gif->ImageCount), std::tuple(320, 288, static_cast<int>(cells.size())));
    // giflib hands the extensions before the first frame to that frame: the loop, then its delay.
    const SavedImage& first = gif->SavedImages[0];
    ASSERT_EQ(first.ExtensionBlockCount, 3);
    EXPECT_EQ(first.ExtensionBlocks[0].Function, APPLICATION_EXT_FUNC_CODE);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first.ExtensionBlocks[0].Bytes), 11), "NETSCAPE2.0");
    const std::uint8_t* count = first.ExtensionBlocks[1].Bytes;
    EXPECT_EQ(std::vector<int>(count, count + first.ExtensionBlocks[1].ByteCount), (std::vector<int>{1, 0, 0}));
    CPngReader png;
    ASSERT_TRUE(png.Load((dir / "out.png").string().c_str()));
    for (int i = 0; i < gif->ImageCount; ++i) {
      GraphicsControlBlock control{};
      ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
      EXPECT_EQ(control.DelayTime, 3);
      const SavedImage& image = gif->SavedImages[i];
      const auto [col, row] = cells[static_cast<std::size_t>(i)];
      for (int p = 0; p < 320 * 288; ++p) {
        const GifColorType g = image.ImageDesc.ColorMap->Colors[image.RasterBits[p]];
        const PaletteEntry e = png.GetPixelColour(col * 320 + p % 320, row * 288 + p / 320);
        ASSERT_EQ((RgbColour{g.Red, g.Green, g.Blue}), (RgbColour{e.red, e.green, e.blue})) << "frame " << i;
      }
    }
  }
}

}  // namespace
}  // namespace pixolan::test
