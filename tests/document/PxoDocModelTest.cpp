#include "DocumentFixture.h"

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

TEST_F(PxoDocModelTest, CurrentAnimationAndFrameSendHintThree) {
  EXPECT_EQ(m_doc.GetCurrentFrame(), -1);  // no current animation
  CAnimation& run = AddAnimation("Run", 2);
  m_doc.SetCurrentAnimation(&run);
  m_doc.SetCurrentFrame(2);
  m_doc.SetCurrentAnimation(nullptr);
  EXPECT_EQ(m_view.m_hints, (std::vector<long>{3, 3, 3}));
  EXPECT_EQ(m_doc.GetCurrentFrame(), -1);
  EXPECT_EQ(m_doc.m_nCurrentFrame, 2);  // untouched by SetCurrentAnimation
  EXPECT_FALSE(m_doc.IsModified());
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
  EXPECT_TRUE(m_view.m_hints.empty());
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
  m_doc.m_strImagePath = "earlier.bmp";
  WriteFile(m_dir / "bad.bmp", std::string_view("BM not a bitmap"));
  EXPECT_EQ(m_doc.LoadImage((m_dir / "bad.bmp").string()), nullptr);
  EXPECT_EQ(m_doc.m_pImage, nullptr);
  EXPECT_EQ(m_doc.m_strImagePath, "earlier.bmp");
  EXPECT_EQ(m_doc.LoadImage((m_dir / "missing.bmp").string()), nullptr);
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

}  // namespace
}  // namespace pixolan::test
