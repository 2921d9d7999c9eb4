// One truth: the desktop's canvas pane with Console Colours draws each frame of
// the example exactly as `pixolan-cli preview --first-trans --scale 1` does.
// The pane's picture is composed as the pane places it (the sprite view's model
// at zoom 1) over the preview's checkerboard, and compared pixel for pixel.
#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "document/PxoDoc.h"
#include "export/ConsoleRun.h"
#include "export/PreviewCell.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "view/SpriteViewModel.h"

namespace pixolan::test {
namespace {

const std::filesystem::path kExample = DataDir() / ".." / ".." / "examples" / "walker.pxo";

// What the pane shows at canvas pixel (x, y) of the frame's cell, the preview's background behind.
RgbColour PaneColour(const ConsolePicture& picture, const CRect& placed, const CRect& source, CPoint canvasOrigin,
                     int x, int y) {
  const int sx = source.left + (canvasOrigin.x + x - placed.left), sy = source.top + (canvasOrigin.y + y - placed.top);
  const bool inFrame = canvasOrigin.x + x >= placed.left && canvasOrigin.x + x < placed.right &&
                       canvasOrigin.y + y >= placed.top && canvasOrigin.y + y < placed.bottom;
  if (inFrame && sx >= 0 && sy >= 0 && sx < picture.nWidth && sy < picture.nHeight) {
    const std::uint32_t argb = picture.pixels[picture.At(sx, sy)];
    if ((argb >> 24) != 0) return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
                                   static_cast<std::uint8_t>(argb)};
  }
  return ((x / kCheckerSquare) + (y / kCheckerSquare)) % 2 == 0 ? kCheckerLight : kCheckerDark;
}

TEST(ConsoleTruth, TheCanvasInConsoleColoursIsThePreview) {
  TempDir dir;
  const std::string png = (dir / "preview.png").string();
  const CliRun run = RunCli(dir, {"preview", kExample.string(), "--first-trans", "--scale", "1", "-o", png});
  ASSERT_EQ(run.status, 0) << run.err;
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  ASSERT_TRUE(doc.OnOpenDocument(kExample.string()));
  const std::unique_ptr<CRasterImage> preview = doc.m_readers.OpenImage(png.c_str());
  ASSERT_TRUE(preview);
  ExportOptions options;
  options.m_bFirstTrans = true;
  const ConsoleResult result = RunConsole(TakeConsoleSnapshot(doc, options));
  ASSERT_TRUE(result.bExported);
  doc.m_nZoom = 1;
  CSpriteViewModel model(doc);
  model.OnSize({10, 10});
  const CPoint origin{model.m_ptCentre.x - model.HalfCanvas().cx, model.m_ptCentre.y - model.HalfCanvas().cy};
  const int width = doc.m_nCanvasWidth, height = doc.m_nCanvasHeight;
  std::size_t frames = 0, differing = 0, sprite = 0;
  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    const CAnimation& animation = *doc.m_animations[a];
    for (std::uint32_t f = 0; f < animation.m_nFrameCount; ++f, ++frames) {
      const CAnimFrame& frame = animation.FrameOrNeverSet(f);
      ASSERT_TRUE(frame.m_bValid);
      const CRect placed = model.CanvasRectOfFrame(frame, {0, 0});
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const RgbColour pane = PaneColour(result.picture, placed, frame.m_rectSource, origin, x, y);
          const PaletteEntry drawn = preview->GetPixelColour(static_cast<std::int32_t>(f) * width + x,
                                                             static_cast<std::int32_t>(a) * height + y);
          differing += pane == RgbColour{drawn.red, drawn.green, drawn.blue} ? 0 : 1;
          sprite += pane == kCheckerLight || pane == kCheckerDark ? 0 : 1;
        }
      }
    }
  }
  EXPECT_EQ(frames, 10u);
  EXPECT_EQ(differing, 0u);
  EXPECT_GT(sprite, 10u * 100u);  // the sprites themselves, not only the background
}

}  // namespace
}  // namespace pixolan::test
