// The document and animation model: selection, current animation and frame,
// placing and lifting frames, the sheet, and the animation record itself.
#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "document/Animation.h"

namespace pixolan::test {
namespace {

using PxoDocModelTest = DocumentTest;

TEST_F(PxoDocModelTest, SelectionAcceptsZeroWidthAndKeepsRectangleWhenWithdrawn) {
  CRect out;
  m_doc.SetSelection(CRect{8, 8, 8, 0});
  EXPECT_TRUE(m_doc.GetSelection(out));
  EXPECT_EQ(out, (CRect{8, 8, 8, 0}));  // top and bottom are not tested
  m_doc.SetSelection(CRect{8, 0, 7, 16});
  EXPECT_FALSE(m_doc.GetSelection(out));
  EXPECT_EQ(out, (CRect{8, 8, 8, 0}));
  m_doc.SetSelection(CRect{INT32_MIN, 0, INT32_MAX, 8});  // no overflow in the width test
  EXPECT_TRUE(m_doc.GetSelection(out));
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PxoDocModelTest, CurrentAnimationAndFrameSendHintThreeAfterTheChange) {
  EXPECT_EQ(m_doc.GetCurrentFrame(), -1);  // no current animation
  CAnimation& run = AddAnimation("Run", 2);
  m_doc.SetCurrentAnimation(&run);
  ExpectHints({HINT_CURRENT_CHANGED}, false);
  m_doc.SetCurrentFrame(2);
  ExpectHints({HINT_CURRENT_CHANGED, HINT_CURRENT_CHANGED}, false);
  m_doc.SetCurrentAnimation(nullptr);
  ExpectHints({HINT_CURRENT_CHANGED, HINT_CURRENT_CHANGED, HINT_CURRENT_CHANGED}, false);
  EXPECT_EQ(m_doc.GetCurrentFrame(), -1);
  EXPECT_EQ(m_doc.m_nCurrentFrame, 2);  // untouched by SetCurrentAnimation
}

TEST_F(PxoDocModelTest, PlacingAndLiftingAFrameMarkTheDocument) {
  m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, 1, 2);  // no current animation: nothing
  EXPECT_FALSE(m_doc.IsModified());
  CAnimation& run = AddAnimation("Run", 2);
  m_doc.m_pCurrentAnim = &run;
  for (std::int32_t n : {0, -1, 3, INT32_MAX, INT32_MIN}) {  // out of range: touches nothing
    m_doc.m_nCurrentFrame = n;
    EXPECT_EQ(m_doc.CurrentFrameRecord(), nullptr);
    m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, 0, 0);
    m_doc.LiftCurrentFrame();
  }
  EXPECT_FALSE(m_doc.IsModified());
  m_doc.m_nCurrentFrame = 2;
  m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, -4, 5);
  const CAnimFrame& frame = *run.Frame(2);
  EXPECT_TRUE(frame.m_bValid);
  EXPECT_EQ(frame.m_rectSource, (CRect{0, 0, 8, 8}));
  EXPECT_EQ(std::pair(frame.m_nOffsetX, frame.m_nOffsetY), std::pair(-4, 5));
  EXPECT_TRUE(m_doc.IsModified());
  m_doc.SetModifiedFlag(false);
  m_doc.LiftCurrentFrame();
  EXPECT_FALSE(frame.m_bValid);
  EXPECT_EQ(frame.m_nOffsetX, -4);  // kept in memory
  EXPECT_TRUE(m_doc.IsModified());
  EXPECT_EQ(m_view.m_hints, (std::vector<UpdateHint>{HINT_CURRENT_CHANGED, HINT_CURRENT_CHANGED}));  // the sheet outlines frames
  m_doc.SetModifiedFlag(false);
  run.SetFrameCount(0);
  m_doc.m_nCurrentFrame = 1;
  m_doc.SetCurrentFrameData(CRect{0, 0, 8, 8}, 0, 0);
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PxoDocModelTest, LoadImageReplacesSheetAndClearsSelection) {
  m_doc.SetSelection(CRect{0, 0, 8, 8});
  ASSERT_NE(m_doc.LoadImage(WriteSheet()), nullptr);
  EXPECT_EQ(m_doc.m_pImage->m_nWidth, 16);
  EXPECT_FALSE(m_doc.m_bSelectionValid);
  EXPECT_TRUE(m_doc.m_strImagePath.empty());  // the callers set the path
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(PxoDocModelTest, DeleteContentsEmptiesAndForgetsTheCurrentAnimation) {
  ASSERT_NE(m_doc.LoadImage(WriteSheet()), nullptr);
  m_doc.m_strImagePath = "a.bmp";
  m_doc.SetSelection(CRect{0, 0, 8, 8});
  m_doc.m_pCurrentAnim = &AddAnimation("Run", 1);
  m_doc.m_nZoom = 2;
  m_doc.SetModifiedFlag();
  EXPECT_TRUE(m_doc.OnNewDocument());
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(m_doc.m_pImage, nullptr);
  EXPECT_TRUE(m_doc.m_animations.empty());
  EXPECT_EQ(m_doc.m_pCurrentAnim, nullptr);  // never left pointing at a freed record
  EXPECT_TRUE(m_doc.m_strImagePath.empty());
  EXPECT_FALSE(m_doc.m_bSelectionValid);
  EXPECT_EQ(m_doc.m_nZoom, 2);  // canvas fields stay
}


// Three valid frames; frame n has offset x = -n.
CAnimation ThreeFramesMarked() {
  CAnimation a;
  a.SetFrameCount(3);
  for (std::int32_t n = 1; n <= 3; ++n) a.Frame(n)->Set(CRect{n, n, n + 8, n + 8}, -n, n);
  return a;
}

// "v" for a valid frame's offset x as a digit, "-" for an invalid one.
std::string Frames(const CAnimation& a) {
  std::string s;
  for (std::int32_t n = 1; n <= static_cast<std::int32_t>(a.m_nFrameCount); ++n) {
    const CAnimFrame* f = a.Frame(n);
    s += f == nullptr ? '?' : f->m_bValid ? static_cast<char>('0' - f->m_nOffsetX) : '-';
  }
  return s;
}

TEST(AnimationTest, FreshRecordSaysOneFrameButHasNoArray) {
  CAnimation a;
  EXPECT_EQ(a.m_nFrameCount, 1u);
  EXPECT_EQ(a.Frame(1), nullptr);
  EXPECT_FALSE(a.FrameOrNeverSet(0).m_bValid);  // readers see a frame never set
  EXPECT_EQ(a.Name(), "");
  a.InsertFrame(0);  // nothing to insert into
  EXPECT_EQ(a.m_nFrameCount, 1u);
  EXPECT_EQ(a.Frame(1), nullptr);
  a.SetFrameCount(0);
  a.InsertFrame(0);
  EXPECT_EQ(Frames(a), "-");
  const CAnimFrame& f = *a.Frame(1);  // new frames are invalid and all zero
  EXPECT_EQ(f.m_rectSource, CRect{});
  EXPECT_EQ(std::pair(f.m_nOffsetX, f.m_nOffsetY), std::pair(0, 0));
}

TEST(AnimationTest, SetFrameCountAndInsertFrameKeepTheOtherFrames) {
  const struct {
    std::uint32_t count;  // 0: InsertFrame instead
    std::int32_t insertAfter;
    const char* frames;
  } cases[] = {{3, 0, "123"}, {2, 0, "12"}, {5, 0, "123--"},                              // keep, shrink, grow
               {0, 0, "-123"}, {0, 2, "12-3"}, {0, 3, "123-"}, {0, 4, "123"}};  // first, middle, last, past end
  for (const auto& c : cases) {
    CAnimation a = ThreeFramesMarked();
    if (c.count != 0) a.SetFrameCount(c.count);
    else a.InsertFrame(c.insertAfter);
    EXPECT_EQ(Frames(a), c.frames) << c.count << "/" << c.insertAfter;
  }
  CAnimation shrunk = ThreeFramesMarked();
  shrunk.SetFrameCount(2);
  EXPECT_EQ(shrunk.Frame(2)->m_rectSource, (CRect{2, 2, 10, 10}));
  EXPECT_EQ(shrunk.Frame(3), nullptr);
}

TEST(AnimationTest, FrameOutsideRangeIsNull) {
  CAnimation a = ThreeFramesMarked();
  for (std::int32_t n : {0, -1, 4}) EXPECT_EQ(a.Frame(n), nullptr) << n;
  EXPECT_EQ(&a.FrameOrNeverSet(2), a.Frame(3));
  EXPECT_FALSE(a.FrameOrNeverSet(3).m_bValid);
}

TEST(AnimationTest, SetNameEndsAtNulAndFitsTheFile) {
  CAnimation a;
  a.SetName(std::string("Run\0Jump", 8));
  EXPECT_EQ(a.Name(), "Run");
  a.SetName("");
  ASSERT_TRUE(a.m_pszName.has_value());
  EXPECT_EQ(a.Name(), "");
  a.SetName(std::string(5000, 'x'));
  EXPECT_EQ(a.Name().size(), kMaxDocumentString - 1);
  a.SetName(std::string(kMaxDocumentString - 1, 'y'));
  EXPECT_EQ(a.Name().size(), kMaxDocumentString - 1);
}

}  // namespace
}  // namespace pixolan::test
