#include <gtest/gtest.h>

#include <climits>

#include "image/ImageReaderList.h"
#include "view/AutoScroll.h"
#include "view/FileFilter.h"
#include "view/PaneLayout.h"

namespace pixolan {
namespace {

TEST(PaneLayout, HalvesTheChildClientTowardZero) {
  struct Case {
    CRect client;
    PaneSplit split;
  };
  const Case cases[] = {
      {{0, 0, 801, 601}, {400, 300}},
      {{10, 20, 811, 621}, {400, 300}},
      {{0, 0, -801, -1}, {-400, 0}},
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {INT32_MAX, INT32_MAX}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitChildClient(c.client), c.split) << c.client.right;
}

TEST(FileFilter, SheetFilterBecomesDesktopFilters) {
  const std::vector<FilterEntry> entries = ParseFilter(kSheetFileFilter);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[2].strDescription, "IFF/LBM Files (*.iff;*.lbm)");
  EXPECT_EQ(entries[2].patterns, (std::vector<std::string>{"*.iff", "*.lbm"}));
  // Every readable sheet first: the dialog opens on it.
  EXPECT_EQ(DesktopFilters(kSheetFileFilter),
            (std::vector<std::string>{"All Sheet Files (*.bmp *.png *.iff *.lbm *.gbr)", "Bitmap Files (*.bmp)",
                                      "IFF/LBM Files (*.iff *.lbm)", "GBR Files (*.gbr)", "PNG Files (*.png)",
                                      "All Files (*)"}));
}

TEST(FileFilter, ToleratesMissingTerminatorAndBareDescriptions) {
  struct Case {
    const char* filter;
    std::vector<std::string> desktop;
  };
  const Case cases[] = {
      {"Assembler Files (*.asm)|*.asm", {"Assembler Files (*.asm)"}},
      {"Text|*.txt; *.doc|", {"Text (*.txt *.doc)"}},
      {"Pictures (bitmaps)|*.bmp||Ignored|*.x", {"Pictures (*.bmp)"}},  // Qt reads patterns from the parentheses
      {"No pattern|", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(DesktopFilters(c.filter), c.desktop) << c.filter;
}

}  // namespace
}  // namespace pixolan

namespace pixolan::test {

TEST(AutoScroll, StepsTowardThePointerFasterFurtherOutAndNotInside) {
  struct Case {
    CPoint client;
    CPoint step;
  };
  const CSize pane{100, 50};
  const Case cases[] = {
      {{0, 0}, {0, 0}},          {{99, 49}, {0, 0}},  // the last pixels are inside
      {{-1, 10}, {-2, 0}},       {{100, 10}, {2, 0}},  // just past: the slowest step
      {{-10, 60}, {-10, 11}},    {{130, -40}, {31, -40}},
      {{-1000, 5000}, {-64, 64}}, {{INT32_MIN, INT32_MAX}, {-64, 64}},
  };
  for (const Case& c : cases) EXPECT_EQ(AutoScrollStep(c.client, pane), c.step) << c.client.x << "," << c.client.y;
  EXPECT_EQ(AutoScrollStep({0, 0}, {0, 0}), (CPoint{0, 0}));  // a pane without size scrolls nothing over it
}

}  // namespace pixolan::test
