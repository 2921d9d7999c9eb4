#include <gtest/gtest.h>

#include <climits>

#include "image/ImageReaderList.h"
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
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[1].strDescription, "IFF/LBM Files (*.iff;*.lbm)");
  EXPECT_EQ(entries[1].patterns, (std::vector<std::string>{"*.iff", "*.lbm"}));
  EXPECT_EQ(DesktopFilters(kSheetFileFilter),
            (std::vector<std::string>{"Bitmap Files (*.bmp)", "IFF/LBM Files (*.iff *.lbm)", "GBR Files (*.gbr)",
                                      "PNG Files (*.png)", "All Files (*)"}));
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
