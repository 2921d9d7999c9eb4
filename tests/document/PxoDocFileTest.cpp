#include <filesystem>

#include "framework/FileException.h"

#include "DocumentFixture.h"
#include "PxoFileBytes.h"

namespace pixolan::test {
namespace {

class PxoDocFileTest : public DocumentTest {
 protected:
  std::string Doc(const std::string& name = "doc.pxo") { return (m_dir / name).string(); }

  std::vector<std::uint8_t> SaveBytes() {
    EXPECT_TRUE(m_doc.OnSaveDocument(Doc("saved.pxo")));
    return ReadFile(Doc("saved.pxo"));
  }

  // Writes the bytes beside a.bmp and opens them.
  bool Open(const std::vector<std::uint8_t>& bytes) {
    WriteFile(Doc(), bytes);
    return m_doc.OnOpenDocument(Doc());
  }

  // A refused file leaves an empty document and one message naming the file.
  void ExpectRefused(const std::vector<std::uint8_t>& bytes) {
    m_prompts.m_messages.clear();
    EXPECT_FALSE(Open(bytes));
    EXPECT_EQ(m_prompts.m_messages, std::vector<std::string>{"An unknown error occurred while accessing " + Doc() + "."});
    EXPECT_EQ(m_doc.m_pImage, nullptr);
    EXPECT_TRUE(m_doc.m_animations.empty());
    EXPECT_EQ(m_doc.m_pCurrentAnim, nullptr);
    EXPECT_TRUE(m_doc.m_strImagePath.empty());
    EXPECT_EQ(m_doc.m_nCanvasWidth, 160);
    EXPECT_FALSE(m_doc.m_bSelectionValid);
  }

  void MakeRunDocument() {
    m_doc.m_strImagePath = "a.bmp";
    m_doc.SetSelection(CRect{0, 0, 16, 16});
    CAnimation& run = AddAnimation("Run", 2);
    run.Frame(1)->Set(CRect{0, 0, 16, 16}, -8, -8);
    m_doc.m_pCurrentAnim = &run;
  }
};

TEST_F(PxoDocFileTest, WritesTheFixedFiftyFourAndHundredAndThreeBytes) {
  m_doc.SetModifiedFlag();
  EXPECT_EQ(SaveBytes(), EmptyDocumentBytes());
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(m_doc.GetPathName(), Doc("saved.pxo"));
  MakeRunDocument();
  EXPECT_EQ(SaveBytes(), RunDocumentBytes());
  // A lifted frame keeps only its flag in the file.
  m_doc.LiftCurrentFrame();
  auto expected = RunDocumentBytes();
  expected.erase(expected.begin() + 71, expected.begin() + 95);  // offsets and rectangle of frame 1
  expected[67] = 0;
  EXPECT_EQ(SaveBytes(), expected);
}

TEST_F(PxoDocFileTest, ReadsTheRunDocumentWithItsSheetBesideIt) {
  WriteSheet();
  m_doc.SetModifiedFlag();
  ASSERT_TRUE(Open(RunDocumentBytes()));
  ASSERT_NE(m_doc.m_pImage, nullptr);
  EXPECT_EQ(m_doc.m_strImagePath, "a.bmp");  // the stored path is kept for writing
  EXPECT_TRUE(m_doc.m_bSelectionValid);
  EXPECT_EQ(m_doc.m_rectSelection, (CRect{0, 0, 16, 16}));
  ASSERT_EQ(m_doc.m_animations.size(), 1u);
  const CAnimation& run = *m_doc.m_animations[0];
  EXPECT_EQ(run.Name(), "Run");
  ASSERT_EQ(run.m_nFrameCount, 2u);
  const CAnimFrame& first = *run.Frame(1);
  EXPECT_TRUE(first.m_bValid);
  EXPECT_EQ(first.m_rectSource, (CRect{0, 0, 16, 16}));
  EXPECT_EQ(std::pair(first.m_nOffsetX, first.m_nOffsetY), std::pair(-8, -8));
  EXPECT_FALSE(run.Frame(2)->m_bValid);
  EXPECT_EQ(m_doc.m_pCurrentAnim, &run);
  EXPECT_EQ(m_doc.GetCurrentFrame(), 1);
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_TRUE(m_prompts.m_messages.empty());
  EXPECT_EQ(SaveBytes(), RunDocumentBytes());  // round trip
}

TEST_F(PxoDocFileTest, SheetFoundAtStoredPathOrBesideTheDocument) {
  const std::string sheet = WriteSheet("sprites.bmp");
  ASSERT_TRUE(Open(RunDocumentBytes(sheet)));
  EXPECT_EQ(m_doc.m_strImagePath, sheet);
  for (const std::string stored : {"/no/such/folder/sprites.bmp", "C:\\Art\\Game\\sprites.bmp"}) {
    ASSERT_TRUE(Open(RunDocumentBytes(stored))) << stored;
    EXPECT_NE(m_doc.m_pImage, nullptr);
    EXPECT_EQ(m_doc.m_strImagePath, stored);
  }
  ExpectRefused(RunDocumentBytes("/no/such/folder/gone.bmp"));  // found nowhere
}

TEST_F(PxoDocFileTest, LenientFields) {
  ASSERT_TRUE(Open({}));  // a zero-length file opens as a new document
  EXPECT_TRUE(m_doc.m_animations.empty());
  EXPECT_TRUE(m_prompts.m_messages.empty());
  WriteSheet();
  auto bytes = RunDocumentBytes();
  bytes[4] = '9';  // the version is not examined
  bytes[7] = 'x';
  bytes[67] = 2;   // any non-zero frame flag is valid
  ASSERT_TRUE(Open(bytes));
  EXPECT_TRUE(m_doc.m_animations[0]->Frame(1)->m_bValid);
  // An out-of-range current index means no current animation.
  for (std::uint32_t index : {1u, 0xFFFFFFFFu, 0x80000000u}) {
    PutU32(bytes, kRunCurrentIndexAt, index);
    ASSERT_TRUE(Open(bytes));
    EXPECT_EQ(m_doc.m_pCurrentAnim, nullptr);
    EXPECT_EQ(m_doc.m_animations.size(), 1u);
  }
  Bytes noFrames;
  noFrames.text("PXOV1.01").u32le(6).text("a.bmp").u8(0).u32le(160).u32le(144).u32le(4).fill(17, 0).u32le(1);
  noFrames.u32le(2);
  noFrames.u32le(2).text("A").u8(0).u32le(0);  // "A" without frames
  noFrames.u32le(1).u8(0).u32le(1).u32le(0);   // "" with one invalid frame
  noFrames.u32le(1);
  ASSERT_TRUE(Open(noFrames.data()));
  ASSERT_EQ(m_doc.m_animations.size(), 2u);
  EXPECT_EQ(m_doc.m_animations[0]->m_nFrameCount, 0u);
  EXPECT_EQ(m_doc.m_animations[1]->Name(), "");
  EXPECT_EQ(m_doc.m_animations[1]->m_nFrameCount, 1u);
  EXPECT_EQ(m_doc.m_pCurrentAnim, m_doc.m_animations[1].get());
  // The largest string the format allows is read.
  const auto run = RunDocumentBytes();
  EXPECT_TRUE(Open(Bytes().text("PXOV1.01").u32le(2048).text("a.bmp").fill(2048 - 5, 0).raw({run.begin() + 18, run.end()}).data()));
}

TEST_F(PxoDocFileTest, MalformedFilesAreRefused) {
  WriteSheet();
  const auto run = RunDocumentBytes();
  auto withU32 = [&](std::size_t at, std::uint32_t v) {
    auto bytes = run;
    PutU32(bytes, at, v);
    return bytes;
  };
  auto noNul = run;
  noNul[17] = 'x';  // the path's NUL
  auto badMagic = run;
  badMagic[0] = 'Q';
  const std::vector<std::vector<std::uint8_t>> cases = {
      EmptyDocumentBytes(),  // no sheet: cannot be opened again
      badMagic,
      withU32(8, 0),                          // path count 0: no NUL inside it
      withU32(8, 2049),                       // above the 2048-byte string limit
      withU32(8, 0xFFFFFFFF),
      withU32(55, 0xFFFFFFF0),                // name count past the end
      withU32(kRunFrameCountAt, 0x40000000),  // frame count the file cannot hold
      withU32(kRunFrameCountAt, 3),           // one frame too many
      withU32(51, 0x7FFFFFFF),                // animation count past the end
      noNul,
      Bytes().text("PXOV1.01").u32le(2049).text("a.bmp").fill(2049 - 5, 0).data(),
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectRefused(cases[i]);
  }
}

TEST_F(PxoDocFileTest, EveryTruncationOfAnOpenDocumentLeavesItEmpty) {
  WriteSheet();
  const auto run = RunDocumentBytes();
  for (std::size_t length = 1; length < run.size(); ++length) {
    SCOPED_TRACE(length);
    ASSERT_TRUE(Open(run));
    ExpectRefused({run.begin(), run.begin() + static_cast<std::ptrdiff_t>(length)});
  }
}

}  // namespace
}  // namespace pixolan::test
