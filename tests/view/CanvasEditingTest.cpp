// Zoom, grid, outlines, moving frames and the onion skin, as the panes compute them.
#include "ViewFixture.h"
#include "view/ImageViewModel.h"
#include "view/SpriteViewModel.h"
#include "view/ZoomMath.h"

namespace pixolan::test {
namespace {

TEST(ZoomMath, FitsStepsAndKeepsThePixelUnderThePointer) {
  EXPECT_EQ(FitZoom({128, 48}, {600, 400}), 4);
  EXPECT_EQ(FitZoom({16, 16}, {1000, 1000}), kMaxFitZoom);
  EXPECT_EQ(FitZoom({300, 300}, {200, 200}), 1);
  EXPECT_EQ(FitZoom({0, 0}, {200, 200}), 1);
  EXPECT_EQ(StepZoom(16, +1, 1, 16), 16);
  EXPECT_EQ(StepZoom(1, -1, 1, 16), 1);
  for (const auto& [z0, z1] : {std::pair{4, 8}, {8, 3}, {1, 16}, {5, 5}}) {
    for (std::int32_t client = -13; client < 40; client += 7) {
      const CPoint scroll = ScrollKeepingPoint({client, client}, {5, 0}, {20, 10}, z0, {-7, 300}, z1);
      EXPECT_EQ(FloorDiv(client + scroll.x + 7, z1), FloorDiv(client + 5 - 20, z0)) << z0 << ">" << z1 << " " << client;
      EXPECT_EQ(FloorDiv(client + scroll.y - 300, z1), FloorDiv(client - 10, z0));
    }
  }
  EXPECT_EQ(ScrollKeepingPoint({340, 0}, {}, {350, 0}, 4, {640, 0}, 8).x, 280);  // within the pixel too
}

TEST(BlockGrid, LinesEveryStepThroughThePointInsideAreaAndClip) {
  const GridLines grid = BlockGridLines({5, 3}, 8, {0, 0, 40, 20}, {10, 0, 100, 100});
  EXPECT_EQ(grid.span, (CRect{10, 0, 40, 20}));
  EXPECT_EQ(grid.xs, (std::vector<std::int32_t>{13, 21, 29, 37}));
  EXPECT_EQ(grid.ys, (std::vector<std::int32_t>{3, 11, 19}));
  EXPECT_EQ(BlockGridLines({-3, -3}, 16, {-40, -40, 0, 0}, {-99, -99, 99, 99}).xs,
            (std::vector<std::int32_t>{-35, -19, -3}));
  EXPECT_TRUE(BlockGridLines({0, 0}, 8, {0, 0, 40, 20}, {50, 50, 60, 60}).xs.empty());
}

class SheetZoomTest : public ViewTest {
 protected:
  SheetZoomTest() {
    GiveSheet(32, 32);
    m_model.OnSize({200, 150});
  }
  CPoint At(CPoint pixel) const { return {52 + pixel.x * 3, 27 + pixel.y * 3}; }  // at zoom 3
  CImageViewModel m_model{m_doc};
};

TEST_F(SheetZoomTest, OpensFittedAndSnapsDragsAndDrawsAtEveryZoom) {
  m_model.OnUpdate(HINT_INITIAL_UPDATE);
  EXPECT_EQ(m_model.Zoom(), 4);  // 32 x 32 fits 150 pixels four times
  m_model.SetZoom(3, {100, 75}, {});
  m_model.OnSize({200, 150});  // no longer fitted
  EXPECT_EQ(m_model.Zoom(), 3);
  EXPECT_EQ(m_model.SheetOrigin(), (CPoint{52, 27}));
  EXPECT_EQ(m_model.ScrollSize(), (CSize{96, 96}));
  EXPECT_EQ(m_model.SnapToBlock(At({13, 5}), {}), At({8, 0}));
  m_model.OnMouseMove(At({13, 5}), {}, false);
  EXPECT_EQ(m_model.CursorToDraw(), (CRect{52 + 24, 27, 52 + 48, 27 + 24}));
  ASSERT_TRUE(m_model.OnLButtonDown(At({20, 12}), {}));
  m_model.OnMouseMove(At({1, 1}), {}, true);
  m_model.OnLButtonUp({}, true);
  EXPECT_EQ(Selection(), (CRect{0, 0, 24, 16}));
  const std::optional<SheetBlit> blit = m_model.SheetToDraw({60, 30, 70, 40});  // whole sheet pixels
  EXPECT_EQ(blit->ptDest, (CPoint{58, 30}));
  EXPECT_EQ(blit->rectSource, (CRect{2, 1, 6, 5}));
  const GridLines grid = m_model.Grid({}, {0, 0, 200, 150});
  EXPECT_EQ(grid.xs, (std::vector<std::int32_t>{52, 76, 100, 124}));
  EXPECT_EQ(grid.ys, (std::vector<std::int32_t>{27, 51, 75, 99}));
}

TEST_F(SheetZoomTest, OutlinesTheAnimationsFramesTheCurrentOneAndTheSelection) {
  m_model.SetZoom(3, {}, {});
  CAnimation& walk = AddAnimation("Walk", 3);
  walk.Frame(1)->Set({0, 0, 16, 16}, 0, 0);
  walk.Frame(3)->Set({16, 0, 32, 16}, 0, 0);
  m_doc.m_pCurrentAnim = &walk;
  m_doc.m_nCurrentFrame = 3;
  m_doc.SetSelection({0, 16, 8, 24});
  m_doc.DropSelection();
  const std::vector<SheetOutline> expected{{{52, 27, 100, 75}, SheetOutline::kFrame},
                                           {{100, 27, 148, 75}, SheetOutline::kCurrentFrame},
                                           {{52, 75, 76, 99}, SheetOutline::kSelection}};
  EXPECT_EQ(m_model.Outlines({}), expected);
  m_doc.SetSelection({0, 16, 8, 24});
  EXPECT_EQ(m_model.Outlines({0, 10}).back(), (SheetOutline{{52, 65, 76, 89}, SheetOutline::kLiveSelection}));
}

class CanvasEditingTest : public ViewTest {
 protected:
  CanvasEditingTest() {
    GiveSheet(32, 32);
    m_model.OnSize({700, 600});  // centre (350, 300), zoom 4
    m_walk = &AddAnimation("Walk", 3);
    for (std::int32_t n = 1; n <= 3; ++n) m_walk->Frame(n)->Set({0, 0, 8, 8}, n * 10, 0);
    m_walk->Frame(2)->Set({0, 0, 8, 8}, 2, 3);  // drawn at (358, 312) to (390, 344)
    m_doc.m_pCurrentAnim = m_walk;
    m_doc.m_nCurrentFrame = 2;
  }
  CAnimation* m_walk = nullptr;
  CSpriteViewModel m_model{m_doc};
};

TEST_F(CanvasEditingTest, DraggingTheFrameMovesItByWholePixelsAsOneStep) {
  EXPECT_FALSE(m_model.OnFrameGrab({357, 315}, {}));  // beside the frame
  ASSERT_TRUE(m_model.OnFrameGrab({360, 315}, {}));
  EXPECT_TRUE(m_model.OnFrameDrag({361, 314}, {}).Empty());  // still the same canvas pixels
  EXPECT_TRUE(m_model.OnFrameDrag({369, 310}, {}).bWhole);   // two right, one up
  EXPECT_EQ(m_model.Paint({}).frame->rectDest, (CRect{366, 308, 398, 340}));
  EXPECT_EQ(m_walk->Frame(2)->m_nOffsetX, 2);  // the document changes on release only
  m_model.OnFrameRelease({});
  EXPECT_EQ(std::pair(m_walk->Frame(2)->m_nOffsetX, m_walk->Frame(2)->m_nOffsetY), std::pair(4, 2));
  EXPECT_EQ(m_doc.History().UndoName(), "Move Frame");
  // A press and release without movement lifts the frame, as a click always did.
  ASSERT_TRUE(m_model.OnFrameGrab({370, 310}, {}));
  m_model.OnFrameRelease({});
  EXPECT_EQ(Selection(), (CRect{0, 0, 8, 8}));
  EXPECT_FALSE(m_walk->Frame(2)->m_bValid);
  EXPECT_EQ(m_doc.History().UndoName(), "Lift Frame");
  m_doc.OnEditUndo();
  m_doc.SetSelection({0, 0, 8, 8});
  EXPECT_FALSE(m_model.OnFrameGrab({370, 310}, {}));  // with a live selection a press places it
}

TEST_F(CanvasEditingTest, NudgesOfAHeldKeyAreOneStep) {
  EXPECT_TRUE(m_model.Nudge(1, 0, false));
  EXPECT_TRUE(m_model.Nudge(1, 0, true));
  EXPECT_TRUE(m_model.Nudge(0, -8, true));
  EXPECT_EQ(m_doc.History().StepCount(), 1u);
  EXPECT_TRUE(m_model.Nudge(0, 8, false));
  EXPECT_EQ(m_doc.History().StepCount(), 2u);
  EXPECT_EQ(std::pair(m_walk->Frame(2)->m_nOffsetX, m_walk->Frame(2)->m_nOffsetY), std::pair(4, 3));
  m_walk->Frame(2)->m_bValid = false;
  EXPECT_FALSE(m_model.Nudge(1, 0, false));
}

TEST_F(CanvasEditingTest, OnionSkinShowsTheNeighboursUnlessPlaying) {
  EXPECT_TRUE(m_model.Paint({}).onionSkin.empty());
  m_model.m_options.bOnionSkin = true;
  const StretchBlit previous{{390, 300, 422, 332}, {0, 0, 8, 8}};
  const StretchBlit next{{470, 300, 502, 332}, {0, 0, 8, 8}};
  EXPECT_EQ(m_model.Paint({}).onionSkin, std::vector<StretchBlit>{previous});
  m_model.m_options.bOnionSkinNext = true;
  EXPECT_EQ(m_model.Paint({}).onionSkin, (std::vector<StretchBlit>{previous, next}));
  EXPECT_TRUE(m_model.OnUpdate(HINT_CURRENT_CHANGED, {}).bWhole);  // the neighbours change with the frame
  m_model.m_bPlaying = true;
  EXPECT_TRUE(m_model.Paint({}).onionSkin.empty());
}

TEST_F(CanvasEditingTest, GridRunsThroughTheCurrentFramesBlocks) {
  const GridLines grid = m_model.Grid({}, {350, 300, 420, 350});
  EXPECT_EQ(grid.xs, (std::vector<std::int32_t>{358, 390}));
  EXPECT_EQ(grid.ys, (std::vector<std::int32_t>{312, 344}));
  m_walk->Frame(2)->m_bValid = false;  // no frame: through the canvas centre
  EXPECT_EQ(m_model.Grid({}, {350, 300, 420, 350}).xs, (std::vector<std::int32_t>{350, 382, 414}));
  EXPECT_EQ(m_model.Grid({}, {0, 0, 700, 600}).span, (CRect{30, 12, 670, 588}));
  EXPECT_TRUE(m_model.OnUpdate(HINT_ZOOM_CHANGED, {}).bWhole);
}

}  // namespace
}  // namespace pixolan::test
