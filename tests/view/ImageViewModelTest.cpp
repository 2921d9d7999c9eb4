#include "ViewFixture.h"
#include "view/ImageViewModel.h"

namespace pixolan::test {
namespace {

class ImageViewModelTest : public ViewTest {
 protected:
  // A sheet shown in a pane, centred as after the initial update.
  void Show(std::int32_t width, std::int32_t height, CSize pane) {
    GiveSheet(width, height);
    m_model.OnSize(pane);
  }

  // Sheet pixel to client point while the view is not scrolled.
  CPoint AtPixel(std::int32_t x, std::int32_t y) const {
    return {m_model.SheetOrigin().x + x, m_model.SheetOrigin().y + y};
  }

  void Drag(CPoint from, CPoint to) {
    ASSERT_TRUE(m_model.OnLButtonDown(from, {}));
    m_model.OnMouseMove(to, {}, true);
    EXPECT_TRUE(m_model.OnLButtonUp({}, true).bWhole);
  }

  CImageViewModel m_model{m_doc};
};

TEST_F(ImageViewModelTest, SheetIsCentredInPaneOrStartsAtZero) {
  struct Case {
    CSize sheet, pane;
    CPoint centre, origin;
  };
  const Case cases[] = {
      {{32, 32}, {200, 150}, {100, 75}, {84, 59}},
      {{15, 15}, {200, 150}, {100, 75}, {93, 68}},  // odd width: 7 pixels left of the centre
      {{300, 40}, {200, 150}, {150, 75}, {0, 55}},
  };
  for (const Case& c : cases) {
    Show(c.sheet.cx, c.sheet.cy, c.pane);
    EXPECT_EQ(m_model.m_ptCentre, c.centre);
    EXPECT_EQ(m_model.SheetOrigin(), c.origin);
    EXPECT_EQ(m_model.ScrollSize(), c.sheet);  // the whole sheet can be scrolled to
    const std::optional<SheetBlit> all = m_model.SheetToDraw({0, 0, 1000, 1000});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->ptDest, c.origin);
    EXPECT_EQ(all->rectSource, (CRect{0, 0, c.sheet.cx, c.sheet.cy}));
  }
}

TEST_F(ImageViewModelTest, DrawsOnlyThePartOfTheSheetInsideTheClipBox) {
  Show(32, 32, {200, 150});
  const std::optional<SheetBlit> part = m_model.SheetToDraw({90, 60, 100, 200});
  ASSERT_TRUE(part);
  EXPECT_EQ(part->ptDest, (CPoint{90, 60}));
  EXPECT_EQ(part->rectSource, (CRect{6, 1, 16, 32}));
  EXPECT_FALSE(m_model.SheetToDraw({0, 0, 84, 150}));  // left of the sheet
  m_doc.m_pImage.reset();
  EXPECT_FALSE(m_model.SheetToDraw({0, 0, 200, 150}));
  EXPECT_EQ(m_model.ScrollSize(), (CSize{0, 0}));
}

TEST_F(ImageViewModelTest, RecentresOnSizeWithSheetAndOnHintsZeroAndOne) {
  m_model.OnSize({200, 150});
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{0, 0}));  // no sheet: size alone does not centre
  EXPECT_TRUE(m_model.OnUpdate(0).Empty());
  GiveSheet(16, 16);
  for (long hint : {2L, 3L, 4L}) EXPECT_TRUE(m_model.OnUpdate(hint).Empty()) << hint;
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{0, 0}));
  EXPECT_TRUE(m_model.OnUpdate(HINT_IMAGE_CHANGED).bWhole);
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{100, 75}));
  m_model.OnSize({400, 20});
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{200, 10}));
}

TEST_F(ImageViewModelTest, SnapsToSheetCellsWithTwosComplementRounding) {
  struct Case {
    CSize sheet, pane;
    CPoint client, scroll, snapped;
  };
  const Case cases[] = {
      {{32, 32}, {200, 150}, {84 + 13, 59 + 5}, {}, {84 + 8, 59}},  // sheet pixel (13, 5)
      {{32, 32}, {200, 150}, {84 - 3, 59 - 1}, {}, {84 - 8, 59 - 8}},  // -3 rounds to -8
      {{32, 32}, {200, 150}, {84 - 8, 59 - 9}, {}, {84 - 8, 59 - 16}},
      {{24, 24}, {200, 150}, {88 + 17, 63 + 23}, {}, {88 + 16, 63 + 16}},
      {{64, 64}, {40, 40}, {5, 3}, {10, 20}, {-2, -4}},  // scrolled: logical (15, 23) is in cell (8, 16)
  };
  for (const Case& c : cases) {
    Show(c.sheet.cx, c.sheet.cy, c.pane);
    EXPECT_EQ(m_model.SnapToBlock(c.client, c.scroll), c.snapped) << c.client.x << "," << c.client.y;
  }
}

TEST_F(ImageViewModelTest, HoverBlockFollowsTheMouseAndLeavesWithIt) {
  Show(32, 32, {200, 150});
  const CRect start = m_model.m_rectCursor;
  const Repaint moved = m_model.OnMouseMove(AtPixel(13, 5), {}, false);
  const CRect block{84 + 8, 59, 84 + 16, 59 + 8};  // sheet pixels 8..15 by 0..7
  EXPECT_EQ(moved.rects, (std::vector<CRect>{start, block}));
  EXPECT_EQ(m_model.CursorToDraw(), block);
  EXPECT_TRUE(m_model.HidePointer());
  EXPECT_EQ(m_model.OnMouseLeave().rects, std::vector<CRect>{block});
  EXPECT_FALSE(m_model.CursorToDraw());
}

TEST_F(ImageViewModelTest, DragSetsSelectionOfWholeCellsInsideTheSheet) {
  struct Case {
    CSize sheet;
    CPoint from, to;  // sheet pixels
    std::optional<CRect> selection;
  };
  const Case cases[] = {
      {{32, 32}, {1, 1}, {20, 12}, CRect{0, 0, 24, 16}},
      {{32, 32}, {20, 12}, {1, 1}, CRect{0, 0, 24, 16}},  // bottom-right to top-left: the same
      {{32, 32}, {5, 5}, {5, 5}, CRect{0, 0, 8, 8}},      // a click selects one block
      {{32, 32}, {17, 17}, {100, 90}, CRect{16, 16, 32, 32}},  // past the right and bottom edges
      {{32, 32}, {-10, -20}, {3, 3}, CRect{0, 0, 8, 8}},       // from left of and above the sheet
      {{15, 15}, {0, 0}, {14, 14}, CRect{0, 0, 8, 8}},         // the partial column 8..14 belongs to no cell
      {{15, 15}, {9, 0}, {14, 14}, std::nullopt},              // no whole cell
      {{32, 32}, {-30, -30}, {-20, -9}, std::nullopt},
  };
  for (const Case& c : cases) {
    Show(c.sheet.cx, c.sheet.cy, {200, 150});
    m_doc.SetSelection({8, 8, 16, 16});
    Drag(AtPixel(c.from.x, c.from.y), AtPixel(c.to.x, c.to.y));
    // A drag covering no whole cell leaves the earlier selection alone.
    EXPECT_EQ(Selection(), c.selection.value_or(CRect{8, 8, 16, 16})) << c.from.x << "," << c.to.x;
  }
}

TEST_F(ImageViewModelTest, ScrolledDragIsConvertedToSheetPixels) {
  Show(64, 64, {40, 40});  // larger than the pane: the sheet starts at logical 0
  ASSERT_TRUE(m_model.OnLButtonDown({1, 1}, {16, 8}));
  m_model.OnMouseMove({30, 20}, {16, 8}, true);
  m_model.OnLButtonUp({16, 8}, true);
  EXPECT_EQ(Selection(), (CRect{16, 8, 48, 32}));
}

TEST_F(ImageViewModelTest, ButtonsDoNothingWithoutSheetOrCapture) {
  EXPECT_FALSE(m_model.OnLButtonDown({10, 10}, {}));
  EXPECT_TRUE(m_model.OnLButtonUp({}, true).Empty());
  m_model.OnMouseMove({10, 10}, {}, false);
  EXPECT_FALSE(m_model.CursorToDraw());  // the cursor is drawn only over a sheet
  EXPECT_FALSE(m_model.HidePointer());
  Show(32, 32, {200, 150});
  EXPECT_TRUE(m_model.OnLButtonUp({}, false).Empty());
  EXPECT_FALSE(Selection());
}

TEST(ClipToWholeCells, KeepsOnlyWholeCellsOfTheSheet) {
  struct Case {
    CRect r;
    std::int32_t width, height;
    std::optional<CRect> clipped;
  };
  const Case cases[] = {
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 17, 40, CRect{0, 0, 16, 40}},
      {{3, 9, 21, 30}, 64, 64, CRect{8, 16, 16, 24}},  // edges off the grid round inward
      {{0, 0, 8, 8}, 7, 8, std::nullopt},
      {{0, 0, 8, 8}, 0, 0, std::nullopt},
      {{8, 0, 0, 8}, 64, 64, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ClipToWholeCells(c.r, c.width, c.height), c.clipped) << c.r.left;
}

}  // namespace
}  // namespace pixolan::test
