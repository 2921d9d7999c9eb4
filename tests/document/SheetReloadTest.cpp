#include <filesystem>
#include <functional>

#include "DocumentFixture.h"

namespace pixolan::test {
namespace {

class SheetReloadTest : public DocumentTest {
 protected:
  SheetReloadTest() {
    LoadSheetAndSelectFirstCell();
    m_doc.AddAnimation("Run", 2);
    m_doc.m_pCurrentAnim = m_doc.m_animations.back().get();
    m_doc.SetCurrentFrameData(CRect{0, 0, 16, 16}, -8, -8);
    m_view.m_hints.clear();
  }

  static std::vector<std::uint8_t> SheetOf(std::uint8_t pixel) {
    return BuildBmp({.width = 16, .height = 16, .bits = 8, .coloursUsed = 16, .palette = GreyPalette(16, 16),
                     .pixels = std::vector<std::uint8_t>(256, pixel)});
  }
};

TEST_F(SheetReloadTest, ARewrittenSheetIsReadAgainKeepingEverythingElse) {
  const auto before = StoredBytes();
  WriteFile(m_doc.m_strImagePath, SheetOf(7));
  EXPECT_TRUE(m_doc.ReloadImage());
  EXPECT_EQ(m_doc.m_pImage->GetPixelIndex(15, 15), 7);
  EXPECT_NE(m_doc.m_pImage->m_hBitmap, nullptr);
  EXPECT_EQ(StoredBytes(), before);  // selection, animations, current animation and frame
  EXPECT_EQ(m_view.m_hints, std::vector<UpdateHint>{HINT_SHEET_RELOADED});
  EXPECT_TRUE(m_doc.IsModified());  // as it was: the placement
  EXPECT_EQ(m_doc.History().UndoName(), "Place Frame");
  m_doc.SetModifiedFlag(false);
  EXPECT_TRUE(m_doc.ReloadImage());
  EXPECT_FALSE(m_doc.IsModified());  // a reload is no edit
}

TEST_F(SheetReloadTest, AFailedReloadKeepsTheSheetShownSoFar) {
  const std::vector<std::uint8_t> whole = SheetOf(7);
  const std::vector<std::function<void(const std::string&)>> spoil = {
      [](const std::string& path) { std::filesystem::remove(path); },
      [&](const std::string& path) { WriteFile(path, std::vector<std::uint8_t>(whole.begin(), whole.begin() + 60)); },
      [&](const std::string& path) { WriteFile(path, std::vector<std::uint8_t>(whole.begin(), whole.end() - 100)); },
      [](const std::string& path) { WriteFile(path, std::string_view("BM not a bitmap")); },
  };
  const CRasterImage* shown = m_doc.m_pImage.get();
  const auto before = StoredBytes();
  for (std::size_t i = 0; i < spoil.size(); ++i) {
    spoil[i](m_doc.m_strImagePath);
    EXPECT_FALSE(m_doc.ReloadImage()) << "case " << i;
    EXPECT_EQ(m_doc.m_pImage.get(), shown) << "case " << i;
    EXPECT_EQ(m_doc.m_pImage->GetPixelIndex(15, 15), 3);
  }
  EXPECT_EQ(StoredBytes(), before);
  EXPECT_TRUE(m_view.m_hints.empty());
  WriteFile(m_doc.m_strImagePath, whole);  // the next write that settles is taken
  EXPECT_TRUE(m_doc.ReloadImage());
}

TEST_F(SheetReloadTest, ASheetFoundBesideTheDocumentIsReadFromThere) {
  m_doc.SetPathName((m_dir / "doc.pxo").string());
  m_doc.m_strImagePath = "/elsewhere/a.bmp";
  EXPECT_EQ(m_doc.SheetFilePath(), m_dir / "a.bmp");
  WriteFile(m_dir / "a.bmp", SheetOf(9));
  EXPECT_TRUE(m_doc.ReloadImage());
  EXPECT_EQ(m_doc.m_pImage->GetPixelIndex(0, 0), 9);
  EXPECT_EQ(m_doc.m_strImagePath, "/elsewhere/a.bmp");  // the document still stores its path
}

}  // namespace
}  // namespace pixolan::test
