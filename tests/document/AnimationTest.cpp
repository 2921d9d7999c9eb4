#include <gtest/gtest.h>

#include "document/Animation.h"

namespace pixolan {
namespace {

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
  EXPECT_FALSE(a.m_bHasFrameArray);
  EXPECT_EQ(a.Frame(1), nullptr);
  EXPECT_EQ(a.Name(), "");
  a.InsertFrame(0);  // nothing to insert into
  EXPECT_TRUE(a.m_pFrames.empty());
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
