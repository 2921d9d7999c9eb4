#include <filesystem>

#include "framework/FileException.h"

#include "DocumentFixture.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

// The format's two worked examples, kept as data with the golden info cases: no
// sheet and no animations (54 bytes); sheet a.bmp, selection (0, 0, 16, 16), the
// current animation "Run" of two frames, the first at (0, 0, 16, 16) offset
// (-8, -8), the second never set (103 bytes). The sheet path can be replaced.
std::vector<std::uint8_t> EmptyDocumentBytes() { return ReadFile(DataDir() / "golden/info-unopenable/empty.pxo"); }
std::vector<std::uint8_t> RunDocumentBytes(const std::string& sheet = "a.bmp") {
  const std::vector<std::uint8_t> run = ReadFile(DataDir() / "golden/info-document/run.pxo");
  Bytes b;
  b.raw({run.begin(), run.begin() + 8}).u32le(static_cast<std::uint32_t>(sheet.size() + 1)).text(sheet).u8(0);
  return b.raw({run.begin() + 18, run.end()}).data();
}

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
    EXPECT_TRUE(!m_doc.m_pImage && m_doc.m_animations.empty() && !m_doc.m_pCurrentAnim && m_doc.m_strImagePath.empty());
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

// Frames whose offsets or size the export refuses (golden cases) are the
// document's own business: they open and save byte for byte.
TEST_F(PxoDocFileTest, FramesTheExportRefusesOpenAndSaveUnchanged) {
  const std::filesystem::path golden = DataDir() / "golden";
  for (const auto& [doc, sheet] : {std::pair("export-offset-x-past-byte/walk.pxo", "export-mirror/sheet.bmp"),
                                   std::pair("export-frame-too-wide/wide.pxo", "export-frame-too-wide/wide.bmp")}) {
    const std::filesystem::path sheetPath = golden / sheet;
    std::filesystem::copy_file(sheetPath, m_dir / sheetPath.filename().string(), std::filesystem::copy_options::overwrite_existing);
    const std::vector<std::uint8_t> bytes = ReadFile(golden / doc);
    ASSERT_TRUE(Open(bytes)) << doc;
    EXPECT_EQ(SaveBytes(), bytes) << doc;
  }
}

// A relative path is looked for in the document's folder first, then as given
// (the working folder); an absolute one as given, then by its name beside the document.
TEST_F(PxoDocFileTest, SheetFoundBesideTheDocumentBeforeTheWorkingFolder) {
  const std::string sheet = WriteSheet("sprites.bmp");
  ASSERT_TRUE(Open(RunDocumentBytes(sheet)));
  EXPECT_EQ(m_doc.m_strLoadedImagePath, sheet);
  const std::string beside = (m_dir / "sprites.bmp").string();
  for (const std::string stored : {"/no/such/folder/sprites.bmp", "C:\\Art\\Game\\sprites.bmp", "sprites.bmp"}) {
    ASSERT_TRUE(Open(RunDocumentBytes(stored))) << stored;
    EXPECT_EQ(m_doc.m_strLoadedImagePath, beside);
    EXPECT_EQ(m_doc.m_strImagePath, stored);  // kept for saving
  }
  // Another sprites.bmp in the working folder does not win over the one beside the document.
  TempDir work;
  WriteFile(work / "sprites.bmp", SmallSheet());
  WriteFile(work / "only-here.bmp", SmallSheet());
  const fs::path previous = fs::current_path();
  fs::current_path(work.path());
  EXPECT_TRUE(Open(RunDocumentBytes("sprites.bmp")));
  EXPECT_EQ(m_doc.m_strLoadedImagePath, beside);
  EXPECT_TRUE(Open(RunDocumentBytes("only-here.bmp")));  // then as given
  EXPECT_EQ(m_doc.m_strLoadedImagePath, "only-here.bmp");
  fs::current_path(previous);
  ExpectRefused(RunDocumentBytes("/no/such/folder/gone.bmp"));  // found nowhere
}

}  // namespace
}  // namespace pixolan::test
