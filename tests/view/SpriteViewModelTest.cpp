#include <climits>
#include <cstdlib>

#include "ViewFixture.h"
#include "view/SpriteViewModel.h"

namespace pixolan::test {
namespace {

class SpriteViewModelTest : public ViewTest {
 protected:
  SpriteViewModelTest() { m_model.OnSize({700, 600}); }  // centre (350, 300)

  CAnimation& Walk(std::uint32_t frames, std::int32_t current) {
    CAnimation& walk = AddAnimation("Walk", frames);
    m_doc.m_pCurrentAnim = &walk;
    m_doc.m_nCurrentFrame = current;
    return walk;
  }

  CSpriteViewModel m_model{m_doc};
};

TEST_F(SpriteViewModelTest, CentreAndScrollSizeFollowCanvasZoomAndPane) {
  struct Case { std::int32_t width, height, zoom; CSize pane; CPoint centre; CSize scroll; };
  const Case cases[] = {
      {160, 144, 4, {700, 600}, {350, 300}, {640, 576}},
      {160, 144, 4, {300, 200}, {320, 288}, {640, 576}},  // the canvas starts at logical 0
      {160, 144, 0, {100, 100}, {80, 72}, {160, 144}},    // a zoom below 1 is drawn as 1
      {160, 144, -7, {100, 100}, {80, 72}, {160, 144}},
      {INT32_MAX, INT32_MAX, INT32_MAX, {100, 100}, {32768, 32768}, {65536, 65536}},  // a hostile file
      {INT32_MIN, -1, INT32_MIN, {100, 100}, {50, 50}, {1, 1}},
  };
  for (const Case& c : cases) {
    m_doc.m_nCanvasWidth = c.width;
    m_doc.m_nCanvasHeight = c.height;
    m_doc.m_nZoom = c.zoom;
    m_model.OnSize(c.pane);
    EXPECT_EQ(m_model.m_ptCentre, c.centre) << c.width << "x" << c.height << " zoom " << c.zoom;
    EXPECT_EQ(m_model.ScrollSize(), c.scroll);
  }
  EXPECT_EQ(m_doc.m_nZoom, INT32_MIN);  // the document keeps what it read
}

TEST_F(SpriteViewModelTest, CanvasIsWhiteInsideAndGreyAroundTheClipBox) {
  const CanvasPaint paint = m_model.PaintCanvas({0, 0, 700, 600});
  EXPECT_EQ(paint.rectCanvas, (CRect{-320, -288, 320, 288}));  // logical (30, 12) to (670, 588)
  EXPECT_EQ(paint.ptHorzFrom, (CPoint{-320, 0}));
  EXPECT_EQ(paint.ptVertTo, (CPoint{0, 288}));
  const std::vector<CRect> below_above_right_left{
      {-350, 288, 350, 300}, {-350, -300, 350, -288}, {320, -288, 350, 288}, {-350, -288, -320, 288}};
  EXPECT_EQ(paint.greyRects, below_above_right_left);
  EXPECT_TRUE(m_model.PaintCanvas({30, 12, 670, 588}).greyRects.empty());  // exactly the canvas
  EXPECT_EQ(m_model.PaintCanvas({660, 0, 700, 100}).greyRects,
            (std::vector<CRect>{{310, -300, 350, -288}, {320, -288, 350, -200}}));
}

TEST_F(SpriteViewModelTest, CanvasPositionTruncatesTowardZero) {
  const std::pair<std::int32_t, std::int32_t> fromCentreToCanvas[] = {{-1, 0}, {-3, 0}, {-4, -1}, {-7, -1}, {-8, -2},
                                                                      {3, 0},  {4, 1},  {7, 1},   {8, 2}};
  for (const auto& [offset, canvas] : fromCentreToCanvas) {
    m_model.OnMouseMove({350 + offset, 300 + offset}, {});
    EXPECT_EQ(m_model.m_ptCanvas, (CPoint{canvas, canvas})) << offset;
  }
  m_model.OnMouseMove({345, 300}, {});
  EXPECT_EQ(m_model.CoordinatesText(), "X = -1, Y = 0");
  m_model.OnMouseMove({0, 0}, {355, 292});  // scrolled
  EXPECT_EQ(m_model.CoordinatesText(), "X = 1, Y = -2");
}

TEST_F(SpriteViewModelTest, SelectionIsPreviewedAndPlacedMagnified) {
  GiveSheet(32, 32);
  CAnimation& walk = Walk(2, 1);
  m_doc.SetSelection({0, 0, 16, 16});
  const CRect at{350 - 32, 300 - 32, 350 + 32, 300 + 32};  // canvas (-8, -8), 64 by 64
  m_model.OnMouseMove({350 - 32, 300 - 32}, {});
  EXPECT_TRUE(m_model.HidePointer());
  const std::optional<StretchBlit> preview = m_model.Paint({}).preview;
  EXPECT_EQ(preview->rectDest, at);
  EXPECT_EQ(preview->rectSource, (CRect{0, 0, 16, 16}));
  EXPECT_TRUE(m_model.OnLButtonDown({}).bWhole);
  EXPECT_FALSE(Selection());
  EXPECT_EQ(walk.Frame(1)->m_nOffsetX, -8);
  const SpritePaint placed = m_model.Paint({});
  EXPECT_EQ(placed.frame->rectDest, at);
  EXPECT_FALSE(placed.preview);
  EXPECT_EQ(m_model.CanvasRectOfFrame(*walk.Frame(1), {10, 5}), (CRect{at.left - 10, at.top - 5, at.right - 10, 327}));
}

TEST_F(SpriteViewModelTest, ClickPlacesOnlyWithSheetSelectionAndAFrameToTakeIt) {
  GiveSheet(32, 32);
  m_doc.SetSelection({0, 0, 8, 8});
  EXPECT_TRUE(m_model.OnLButtonDown({}).Empty());  // no current animation
  CAnimation& walk = Walk(2, 5);                     // a frame number out of range
  EXPECT_TRUE(m_model.OnLButtonDown({}).Empty());
  EXPECT_TRUE(Selection());
  m_doc.m_nCurrentFrame = 1;
  m_doc.m_pImage.reset();
  EXPECT_TRUE(m_model.OnLButtonDown({}).Empty());  // no sheet
  EXPECT_FALSE(walk.Frame(1)->m_bValid);
}

TEST_F(SpriteViewModelTest, ClickWithoutSelectionLiftsThePlacedFrame) {
  CAnimation& walk = Walk(1, 1);                     // lifting needs no sheet
  EXPECT_TRUE(m_model.OnLButtonDown({}).Empty());  // frame not placed: nothing
  walk.Frame(1)->Set({8, 0, 24, 16}, 3, 4);
  m_model.OnMouseMove({350 + 8, 300 - 4}, {});  // canvas (2, -1)
  EXPECT_TRUE(m_model.OnLButtonDown({}).bWhole);
  EXPECT_EQ(Selection(), (CRect{8, 0, 24, 16}));
  EXPECT_FALSE(walk.Frame(1)->m_bValid);
  EXPECT_EQ(m_model.m_rectPreview, (CRect{358, 296, 358 + 64, 296 + 64}));
  walk.Frame(1)->Set({8, 0, 4, 8}, 0, 0);  // a damaged rectangle from a file cannot be carried
  m_doc.m_bSelectionValid = false;
  EXPECT_TRUE(m_model.OnLButtonDown({}).Empty());
  EXPECT_TRUE(walk.Frame(1)->m_bValid);
}

TEST_F(SpriteViewModelTest, GuideShowsWherePreviousFrameStands) {
  GiveSheet(32, 32);
  CAnimation& walk = Walk(3, 3);
  walk.Frame(2)->Set({0, 0, 8, 16}, -2, 1);
  const CRect second{342, 304, 342 + 32, 304 + 64};
  EXPECT_EQ(m_model.Paint({}).guide, second);
  m_doc.m_nCurrentFrame = 1;  // not placed, and no frame before it
  const SpritePaint first = m_model.Paint({});
  EXPECT_FALSE(first.guide || first.frame);
  m_doc.m_nCurrentFrame = 2;
  m_doc.m_pImage.reset();
  EXPECT_FALSE(m_model.Paint({}).frame);  // nothing to copy from, but the place is kept for HINT_CURRENT_CHANGED
  EXPECT_EQ(m_model.m_rectFrame, second);
}

TEST_F(SpriteViewModelTest, HintThreeRepaintsOldAndNewFrameOthersNothing) {
  GiveSheet(32, 32);
  CAnimation& walk = Walk(2, 1);
  walk.Frame(1)->Set({0, 0, 8, 8}, 0, 0);
  walk.Frame(2)->Set({0, 0, 8, 8}, 10, 0);
  m_model.Paint({});
  m_doc.m_nCurrentFrame = 2;
  const CRect first{350, 300, 382, 332};
  EXPECT_EQ(m_model.OnUpdate(HINT_CURRENT_CHANGED, {}).rects, (std::vector<CRect>{first, {390, 300, 422, 332}}));
  for (UpdateHint hint : {HINT_IMAGE_CHANGED, HINT_ANIM_ADDED, HINT_ANIM_CHANGED}) EXPECT_TRUE(m_model.OnUpdate(hint, {}).Empty()) << static_cast<long>(hint);
  for (UpdateHint hint : {HINT_INITIAL_UPDATE, HINT_SHEET_RELOADED}) EXPECT_TRUE(m_model.OnUpdate(hint, {}).bWhole) << static_cast<long>(hint);
  m_doc.m_pImage.reset();
  EXPECT_EQ(m_model.OnUpdate(HINT_CURRENT_CHANGED, {}).rects, std::vector<CRect>{first});
}

TEST_F(SpriteViewModelTest, HostileDocumentValuesStayInsideViewCoordinates) {
  GiveSheet(32, 32);
  m_doc.m_nCanvasWidth = INT32_MAX;
  m_doc.m_nCanvasHeight = INT32_MIN;
  m_doc.m_nZoom = INT32_MAX;
  m_model.OnSize({INT32_MAX, INT32_MAX});
  CAnimation& walk = Walk(2, 2);
  walk.Frame(1)->Set({INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}, INT32_MIN, INT32_MAX);
  m_doc.SetSelection({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  m_model.OnMouseMove({INT32_MIN, INT32_MAX}, {INT32_MIN, INT32_MAX});
  const SpritePaint paint = m_model.Paint({INT32_MAX, INT32_MIN});
  std::vector<CRect> rects = m_model.PaintCanvas({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}).greyRects;
  rects.insert(rects.end(), {m_model.m_rectPreview, m_model.m_rectFrame, *paint.guide});
  for (const CRect& r : rects) {
    for (std::int32_t v : {r.left, r.top, r.right, r.bottom}) EXPECT_LE(std::abs(v), kMaxViewCoordinate);
  }
  EXPECT_TRUE(m_model.OnLButtonDown({}).bWhole);  // placed at a clamped position
  EXPECT_LE(std::abs(walk.Frame(2)->m_nOffsetY), kMaxViewCoordinate);
}

}  // namespace
}  // namespace pixolan::test
