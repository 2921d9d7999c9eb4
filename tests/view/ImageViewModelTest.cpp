#include "ViewFixture.h"
#include "view/ImageViewModel.h"

namespace pixolan::test {
namespace {

class ImageViewModelTest : public ViewTest {
 protected:
  void Show(CSize sheet, CSize pane) {
    GiveSheet(sheet.cx, sheet.cy);
    m_model.OnSize(pane);
  }
  // Sheet pixel to client point while the view is not scrolled.
  CPoint At(CPoint pixel) const { return {m_model.SheetOrigin().x + pixel.x, m_model.SheetOrigin().y + pixel.y}; }

  CImageViewModel m_model{m_doc};
};

TEST_F(ImageViewModelTest, SheetIsCentredInPaneOrStartsAtZeroAndScrollsWhole) {
  struct Case { CSize sheet, pane; CPoint centre, origin; };
  const Case cases[] = {
      {{32, 32}, {200, 150}, {100, 75}, {84, 59}},
      {{15, 15}, {200, 150}, {100, 75}, {93, 68}},  // odd width: all 15 columns, from 7 left of the centre
      {{300, 40}, {200, 150}, {150, 75}, {0, 55}},
  };
  for (const Case& c : cases) {
    Show(c.sheet, c.pane);
    EXPECT_EQ(m_model.m_ptCentre, c.centre);
    EXPECT_EQ(m_model.SheetOrigin(), c.origin);
    EXPECT_EQ(m_model.ScrollSize(), c.sheet);
    const std::optional<SheetBlit> all = m_model.SheetToDraw({0, 0, 1000, 1000});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->ptDest, c.origin);
    EXPECT_EQ(all->rectSource, (CRect{0, 0, c.sheet.cx, c.sheet.cy}));
  }
  const std::optional<SheetBlit> part = m_model.SheetToDraw({90, 60, 100, 200});  // the 300 x 40 sheet
  EXPECT_EQ(part->ptDest, (CPoint{90, 60}));
  EXPECT_EQ(part->rectSource, (CRect{90, 5, 100, 40}));
  EXPECT_FALSE(m_model.SheetToDraw({0, 0, 300, 55}));  // above the sheet
}

TEST_F(ImageViewModelTest, RecentresOnSizeWithSheetAndOnTheFirstUpdateOrANewSheet) {
  m_model.OnSize({200, 150});
  EXPECT_TRUE(m_model.OnUpdate(HINT_INITIAL_UPDATE).Empty());  // no sheet: neither size nor the first update centres
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{0, 0}));
  EXPECT_FALSE(m_model.SheetToDraw({0, 0, 200, 150}));
  GiveSheet(16, 16);
  EXPECT_TRUE(m_model.OnUpdate(HINT_ZOOM_CHANGED).Empty());  // the canvas's zoom
  for (UpdateHint hint : {HINT_ANIM_ADDED, HINT_CURRENT_CHANGED, HINT_ANIM_CHANGED, HINT_SELECTION_DROPPED}) EXPECT_TRUE(m_model.OnUpdate(hint).bWhole) << static_cast<long>(hint);  // the outlines
  for (UpdateHint hint : {HINT_IMAGE_CHANGED, HINT_SHEET_RELOADED}) EXPECT_TRUE(m_model.OnUpdate(hint).bWhole) << static_cast<long>(hint);  // a new or reloaded sheet
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{100, 75}));
  m_model.OnSize({400, 20});
  EXPECT_EQ(m_model.m_ptCentre, (CPoint{200, 10}));
}

TEST_F(ImageViewModelTest, SnapsToSheetCellsWithTwosComplementRounding) {
  struct Case { CSize sheet, pane; CPoint client, scroll, snapped; };
  const Case cases[] = {
      {{32, 32}, {200, 150}, {84 + 13, 59 + 5}, {}, {84 + 8, 59}},     // sheet pixel (13, 5)
      {{32, 32}, {200, 150}, {84 - 3, 59 - 1}, {}, {84 - 8, 59 - 8}},  // -3 rounds to -8
      {{32, 32}, {200, 150}, {84 - 8, 59 - 9}, {}, {84 - 8, 59 - 16}},
      {{24, 24}, {200, 150}, {88 + 17, 63 + 23}, {}, {88 + 16, 63 + 16}},
      {{64, 64}, {40, 40}, {5, 3}, {10, 20}, {-2, -4}},  // scrolled: logical (15, 23) is in cell (8, 16)
  };
  for (const Case& c : cases) {
    Show(c.sheet, c.pane);
    EXPECT_EQ(m_model.SnapToBlock(c.client, c.scroll), c.snapped) << c.client.x << "," << c.client.y;
  }
}

TEST_F(ImageViewModelTest, HoverBlockFollowsTheMouseOnlyOverASheet) {
  m_model.OnMouseMove({10, 10}, {}, false);
  EXPECT_FALSE(m_model.CursorToDraw());
  EXPECT_FALSE(m_model.HidePointer());
  EXPECT_FALSE(m_model.OnLButtonDown({10, 10}, {}));  // no drag without a sheet
  EXPECT_TRUE(m_model.OnLButtonUp({}, true).Empty());
  Show({32, 32}, {200, 150});
  const CRect before = m_model.m_rectCursor;
  const CRect block{84 + 8, 59, 84 + 16, 59 + 8};  // sheet pixels 8..15 by 0..7
  EXPECT_EQ(m_model.OnMouseMove(At({13, 5}), {}, false).rects, (std::vector<CRect>{before, block}));
  EXPECT_EQ(m_model.CursorToDraw(), block);
  EXPECT_TRUE(m_model.HidePointer());
  EXPECT_TRUE(m_model.OnLButtonUp({}, false).Empty());  // not captured
  EXPECT_EQ(m_model.OnMouseLeave().rects, std::vector<CRect>{block});
  EXPECT_FALSE(m_model.CursorToDraw());
}

TEST_F(ImageViewModelTest, DragSetsSelectionOfWholeCellsInsideTheSheet) {
  struct Case { CSize sheet; CPoint from, to; std::optional<CRect> selection; };
  const Case cases[] = {
      {{32, 32}, {1, 1}, {20, 12}, CRect{0, 0, 24, 16}},
      {{32, 32}, {20, 12}, {1, 1}, CRect{0, 0, 24, 16}},       // bottom-right to top-left: the same
      {{32, 32}, {5, 5}, {5, 5}, CRect{0, 0, 8, 8}},           // a click selects one block
      {{32, 32}, {17, 17}, {100, 90}, CRect{16, 16, 32, 32}},  // past the right and bottom edges
      {{32, 32}, {-10, -20}, {3, 3}, CRect{0, 0, 8, 8}},       // from left of and above the sheet
      {{15, 15}, {0, 0}, {14, 14}, CRect{0, 0, 8, 8}},         // columns 8..14 make no whole cell
      {{15, 15}, {9, 0}, {14, 14}, std::nullopt},
      {{32, 32}, {-30, -30}, {-20, -9}, std::nullopt},
  };
  for (const Case& c : cases) {
    Show(c.sheet, {200, 150});
    m_doc.SetSelection({8, 8, 16, 16});
    ASSERT_TRUE(m_model.OnLButtonDown(At(c.from), {}));
    m_model.OnMouseMove(At(c.to), {}, true);
    EXPECT_TRUE(m_model.OnLButtonUp({}, true).bWhole);
    // No whole cell: the earlier selection stays.
    EXPECT_EQ(Selection(), c.selection.value_or(CRect{8, 8, 16, 16})) << c.from.x << "," << c.to.x;
  }
  Show({64, 64}, {40, 40});  // scrolled by (16, 8): client to logical to sheet pixels
  ASSERT_TRUE(m_model.OnLButtonDown({1, 1}, {16, 8}));
  m_model.OnMouseMove({30, 20}, {16, 8}, true);
  m_model.OnLButtonUp({16, 8}, true);
  EXPECT_EQ(Selection(), (CRect{16, 8, 48, 32}));
}

TEST(ClipToWholeCells, KeepsOnlyWholeCellsOfTheSheet) {
  struct Case { CRect r; std::int32_t width, height; std::optional<CRect> clipped; };
  const Case cases[] = {
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 17, 40, CRect{0, 0, 16, 40}},
      {{3, 9, 21, 30}, 64, 64, CRect{8, 16, 16, 24}},  // edges off the grid round inward
      {{0, 0, 8, 8}, 7, 8, std::nullopt},
      {{8, 0, 0, 8}, 64, 64, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ClipToWholeCells(c.r, c.width, c.height), c.clipped) << c.r.left;
}

}  // namespace
}  // namespace pixolan::test
