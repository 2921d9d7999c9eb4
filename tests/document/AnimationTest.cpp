#include <gtest/gtest.h>

#include "document/Animation.h"

namespace pixolan {
namespace {

CAnimation ThreeFramesMarked() {
  CAnimation a;
  a.SetFrameCount(3);
  for (std::int32_t n = 1; n <= 3; ++n) a.Frame(n)->Set(CRect{n, n, n + 8, n + 8}, -n, n);
  return a;
}

TEST(AnimationTest, FreshRecordSaysOneFrameButHasNoArray) {
  CAnimation a;
  EXPECT_EQ(a.m_nFrameCount, 1u);
  EXPECT_FALSE(a.m_bHasFrameArray);
  EXPECT_EQ(a.Frame(1), nullptr);
  EXPECT_EQ(a.Name(), "");
  a.InsertFrame(0);  // nothing to insert into
  EXPECT_TRUE(a.m_pFrames.empty());
}

TEST(AnimationTest, NewFramesAreInvalidAndAllZero) {
  CAnimation a;
  a.SetFrameCount(2);
  const CAnimFrame& f = *a.Frame(2);
  EXPECT_FALSE(f.m_bValid);
  EXPECT_EQ(f.m_rectSource, CRect{});
  EXPECT_EQ(f.m_nOffsetX, 0);
  EXPECT_EQ(f.m_nOffsetY, 0);
}

TEST(AnimationTest, SetFrameCountKeepsShrinksAndGrows) {
  CAnimation same = ThreeFramesMarked();
  same.SetFrameCount(3);
  for (std::int32_t n = 1; n <= 3; ++n) EXPECT_TRUE(same.Frame(n)->m_bValid);

  CAnimation shrunk = ThreeFramesMarked();
  shrunk.SetFrameCount(2);
  EXPECT_EQ(shrunk.m_nFrameCount, 2u);
  EXPECT_EQ(shrunk.Frame(2)->m_rectSource, (CRect{2, 2, 10, 10}));
  EXPECT_EQ(shrunk.Frame(3), nullptr);

  CAnimation grown = ThreeFramesMarked();
  grown.SetFrameCount(5);
  EXPECT_TRUE(grown.Frame(3)->m_bValid);
  EXPECT_FALSE(grown.Frame(4)->m_bValid);
  EXPECT_FALSE(grown.Frame(5)->m_bValid);
}

TEST(AnimationTest, InsertFrameFirstMiddleLastAndPastEnd) {
  CAnimation first = ThreeFramesMarked();
  first.InsertFrame(0);
  ASSERT_EQ(first.m_nFrameCount, 4u);
  EXPECT_FALSE(first.Frame(1)->m_bValid);
  EXPECT_EQ(first.Frame(2)->m_nOffsetX, -1);
  EXPECT_EQ(first.Frame(4)->m_nOffsetX, -3);

  CAnimation middle = ThreeFramesMarked();
  middle.InsertFrame(2);
  EXPECT_EQ(middle.Frame(2)->m_nOffsetX, -2);
  EXPECT_FALSE(middle.Frame(3)->m_bValid);
  EXPECT_EQ(middle.Frame(4)->m_nOffsetX, -3);

  CAnimation last = ThreeFramesMarked();
  last.InsertFrame(3);
  EXPECT_FALSE(last.Frame(4)->m_bValid);
  EXPECT_EQ(last.Frame(3)->m_nOffsetX, -3);

  CAnimation past = ThreeFramesMarked();
  past.InsertFrame(4);
  EXPECT_EQ(past.m_nFrameCount, 3u);
}

TEST(AnimationTest, InsertIntoEmptyArrayGivesOneFrame) {
  CAnimation a;
  a.SetFrameCount(0);
  a.InsertFrame(0);
  EXPECT_EQ(a.m_nFrameCount, 1u);
  EXPECT_NE(a.Frame(1), nullptr);
}

TEST(AnimationTest, FrameOutsideRangeIsNull) {
  CAnimation a = ThreeFramesMarked();
  EXPECT_EQ(a.Frame(0), nullptr);
  EXPECT_EQ(a.Frame(-1), nullptr);
  EXPECT_EQ(a.Frame(4), nullptr);
  a.m_nFrameCount = 10;  // a count that lies about the array is still bounded by it
  EXPECT_EQ(a.Frame(4), nullptr);
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
}  // namespace pixolan
