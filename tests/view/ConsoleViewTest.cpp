// What the views compute for the console's display: the scanline bands of a
// frame wider than the line limit, the LCD colours, the transparent colour's
// alpha and the display flags' settings.
#include "ViewFixture.h"
#include "framework/MemorySettings.h"
#include "view/DisplayFlags.h"
#include "view/LcdColours.h"
#include "view/ScanlineMarks.h"
#include "view/SheetPixels.h"

namespace pixolan::test {
namespace {

class ConsoleViewTest : public ViewTest {
 protected:
  ConsoleViewTest() { m_model.OnSize({700, 600}); }  // centre (350, 300), canvas 640x576 at zoom 4
  CSpriteViewModel m_model{m_doc};
};

TEST_F(ConsoleViewTest, ABandAcrossTheCanvasForEveryBlockRowOfAFrameWiderThanTheLimit) {
  CAnimFrame frame;
  frame.Set(CRect{0, 0, 8 * 11, 8 * 2 + 5}, -10, 3);  // two whole block rows; the rest is no row
  EXPECT_TRUE(ScanlineMarks(m_model, frame, 10, 10, {0, 0}).empty());
  const std::vector<CRect> marks = ScanlineMarks(m_model, frame, 11, 10, {5, 7});
  // Rows from the frame's top (300 + 4 * 3 - 7), 32 pixels each, across the canvas (350 -+ 320, less the scroll).
  EXPECT_EQ(marks, (std::vector<CRect>{{25, 305, 665, 337}, {25, 337, 665, 369}}));
}

TEST(LcdColours, TheMatrixMixesChannelsAndKeepsAlpha) {
  EXPECT_EQ(LcdColour(0xffffffffu), 0xfff0f0f0u);  // white saturates at 960 / 4
  EXPECT_EQ(LcdColour(0x00000000u), 0x00000000u);
  // Pure red (31): R = 26 * 31 / 4, G = 0, B = 6 * 31 / 4.
  EXPECT_EQ(LcdColour(0x80ff0000u), 0x80000000u | (26u * 31 / 4) << 16 | (6u * 31 / 4));
  EXPECT_EQ(LcdColour(0xff00f800u), 0xff000000u | (4u * 31 / 4) << 16 | (24u * 31 / 4) << 8 | (4u * 31 / 4));
}

TEST(SheetPixels, TheTopLeftColourBecomesTransparentWherever) {
  ArgbPixels pixels{3, 1, {0xffff00ffu, 0xff000000u, 0xffff00ffu}};
  ClearTransparentColour(pixels);
  EXPECT_EQ(pixels.pixels, (std::vector<std::uint32_t>{0x00ff00ffu, 0xff000000u, 0x00ff00ffu}));
}

TEST(DisplayFlags, DefaultsAndRoundTrip) {
  CMemorySettings settings;
  const DisplayFlags defaults = ReadDisplayFlags(settings);
  EXPECT_TRUE(defaults.bShowTransparency);
  EXPECT_FALSE(defaults.bConsoleColours || defaults.bLcdColours || defaults.bBudget);
  const DisplayFlags changed{false, true, true, true};
  WriteDisplayFlags(settings, changed);
  EXPECT_EQ(ReadDisplayFlags(settings), changed);
  EXPECT_FALSE((DisplayFlags{true, false, true, false}).Lcd());  // LCD colours only with console colours
}

}  // namespace
}  // namespace pixolan::test
