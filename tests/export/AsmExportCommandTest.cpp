// The menu command: its order of steps, its dialogs and the refusals it reports.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/AnimExport.h"
#include "export/ExportFixture.h"

namespace pixolan::test {
namespace {

constexpr int kRemap = CExportOptionsDlg::IDC_REMAP;

class ExportAnimCommand : public ExportFixture, public ::testing::Test {
 protected:
  void SetUp() override {
    MakeSheet(16, 8, {Rgb(255, 0, 255), Rgb(0, 0, 0), Rgb(255, 255, 255)});
    FillCell(1, 0, CellOf([](int x, int y) { return x < y ? 1 : 2; }));
    AddAnimation("Run", {Cells(0, 0, 2, 1)});
  }
  std::string Out() const { return (dir / "sprites.asm").string(); }
  // Confirms the options (after the given changes) and picks `file` to save.
  void Run(std::vector<DialogAction> actions = {}, const std::string& file = "") {
    actions.push_back(DialogAction::Ok());
    prompts.QueueDialog(std::move(actions));
    if (!file.empty()) prompts.QueueFile(file);
    doc.OnExportAnim();
  }
  std::string WriteBmp(const std::string& name, std::int32_t bits, const std::vector<PaletteEntry>& palette) {
    WriteFile(dir / name, BmpBytes(8, 8, bits, palette, [](int, int) { return 0; }));
    return (dir / name).string();
  }
  std::vector<std::string> Messages() const { return prompts.m_messages; }

  TempDir dir;
};

TEST_F(ExportAnimCommand, WritesTheFileChosenInTheSaveDialog) {
  Run({}, Out());
  EXPECT_TRUE(prompts.m_messages.empty());
  ASSERT_EQ(prompts.m_shownDialogs.size(), 1u);
  EXPECT_EQ(prompts.m_shownDialogs[0].nTemplateId, 139);
  EXPECT_EQ(prompts.m_shownDialogs[0].strTitle, "Export Options");
  ASSERT_EQ(prompts.m_fileRequests.size(), 1u);
  ExpectAsmFileDialog(prompts.m_fileRequests[0], false, "spritedata.asm");
  CAnimExport again(doc, prompts);
  ASSERT_TRUE(again.Build(CExportOptionsDlg{}, Out()));
  EXPECT_EQ(ReadText(Out()), again.File().Bytes());
  EXPECT_EQ(settings.WriteLog(), (std::vector<std::string>{"ExportOptions/PaletteName=", "ExportOptions/UsePalette=0",
                                                          "ExportOptions/ForceFirst=0", "ExportOptions/FirstTrans=0",
                                                          "ExportOptions/Remap=0"}));
}

TEST_F(ExportAnimCommand, CancelledOptionsStoreNothingNoSheetOrNoPaletteStopsAfterTheSettingsAreStored) {
  prompts.QueueDialog({DialogAction::Set(kRemap, "1"), DialogAction::Cancel()});
  doc.OnExportAnim();
  EXPECT_TRUE(settings.WriteLog().empty());
  doc.m_pImage = MakeSheetImage(16, 8, {}, 24);
  Run();
  doc.m_pImage.reset();
  Run();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ERROR: Image has no palette\n", "ERROR: No image loaded\n"}));
  EXPECT_EQ(settings.WriteLog().size(), 10u);
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, RemapCopiesOnlyTheEntriesOfTheOtherPaletteAndLastsWithoutAFile) {
  const std::string remap = WriteBmp("remap.bmp", 4, std::vector<PaletteEntry>(16, Rgb(8, 16, 24)));
  prompts.QueueFile(remap);
  doc.m_pImage->m_pPalette[16] = Rgb(1, 2, 3);
  Run({DialogAction::Set(kRemap, "1")});  // the save dialog is cancelled
  ASSERT_EQ(prompts.m_fileRequests.size(), 2u);
  const FileDialogRequest& open = prompts.m_fileRequests[0];
  EXPECT_TRUE(open.bOpen);
  EXPECT_EQ(open.strDefaultExt, ".bmp");
  EXPECT_EQ(open.strInitialName, "");
  EXPECT_EQ(open.strFilter,
            "Bitmap Files (*.bmp)|*.bmp|IFF/LBM Files (*.iff;*.lbm)|*.iff;*.lbm|GBR Files (*.gbr)|*.gbr|PNG Files "
            "(*.png)|*.png|All Files (*.*)|*.*||");
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[0], Rgb(8, 16, 24)));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[15], Rgb(8, 16, 24)));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[16], Rgb(1, 2, 3)));
  EXPECT_TRUE(doc.m_pBlocks.empty());  // no preparation
  EXPECT_FALSE(std::filesystem::exists(Out()));

  // A larger palette fills only our sixteen entries.
  doc.m_pImage = MakeSheetImage(16, 8, {Rgb(255, 0, 255)}, 4);
  ASSERT_TRUE(CAnimExport(doc, prompts).Remap(WriteBmp("big.bmp", 8, std::vector<PaletteEntry>(256, Rgb(248, 248, 248)))));
  ASSERT_EQ(doc.m_pImage->m_pPalette.size(), 16u);
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[15], Rgb(248, 248, 248)));
}

TEST_F(ExportAnimCommand, RemapFailuresStopTheExportAndACancelledRemapDoesNot) {
  const std::string missing = (dir / "missing.bmp").string();
  for (const std::string& remap : {missing, WriteBmp("true.bmp", 24, {})}) {
    prompts.m_messages.clear();
    prompts.m_fileRequests.clear();
    prompts.QueueFile(remap);
    Run({DialogAction::Set(kRemap, "1")});
    EXPECT_EQ(prompts.m_fileRequests.size(), 1u);  // no save dialog
    EXPECT_EQ(Messages(), std::vector<std::string>{remap == missing ? "FATAL: Unable to load image file"
                                                                    : "ERROR: Image has no palette\n"});
  }
  prompts.QueueFile(std::nullopt);
  Run({DialogAction::Set(kRemap, "1")}, Out());
  EXPECT_TRUE(std::filesystem::exists(Out()));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[0], Rgb(255, 0, 255)));
}

TEST_F(ExportAnimCommand, ColourWarningsAppearAndTheExportGoesOn) {
  FillCell(0, 0, CellOf([](int x, int) { return x % 5; }));  // five colours in one block
  doc.m_pImage->m_pPalette[3] = Rgb(255, 0, 0);
  doc.m_pImage->m_pPalette[4] = Rgb(0, 255, 0);
  Run({}, Out());
  ASSERT_FALSE(prompts.m_messages.empty());
  EXPECT_EQ(prompts.m_messages[0],
            "Block starting at pixel X = 0, Y = 0 is using more than 4 colours\nAny extra colours will be cleared to "
            "index 0\n");
  EXPECT_TRUE(std::filesystem::exists(Out()));
}

TEST_F(ExportAnimCommand, FramesReachingOutsideTheWholeCellsAreRefusedBeforeWriting) {
  const std::pair<CRect, bool> cases[] = {
      {CRect{0, 0, 16, 8}, false}, {CRect{0, 0, 20, 12}, false},  // the partial column and row are not cut
      {CRect{8, 0, 24, 8}, true},  {CRect{0, 8, 8, 16}, true},    {CRect{-8, 0, 8, 8}, true},
      {CRect{-4, 0, 12, 8}, true},  // its block map would start at a cell it does not cover
      {CRect{}, false},            {CRect{40, 40, 30, 50}, false},  // covers nothing
      {CRect{0, 0, 7, 800}, false},  // width 0: no block map
  };
  for (const auto& [source, outside] : cases) {
    doc.m_animations.clear();
    AddAnimation("Walk Left", {Cells(0, 0, 1, 1), source});
    EXPECT_EQ(FindFrameOutsideSheet(doc).value_or(""),
              outside ? "ERROR: Frame 1 of animation Walk Left lies outside the image\n" : "")
        << source.left << "," << source.top;
  }
  doc.m_pImage = MakeSheetImage(20, 12, {Rgb(255, 0, 255)});  // two whole cells
  doc.m_animations.clear();
  AddAnimation("Big", {CRect{0, 0, 24, 8}});
  Run({}, Out());
  EXPECT_EQ(Messages(), std::vector<std::string>{"ERROR: Frame 0 of animation Big lies outside the image\n"});
  EXPECT_FALSE(std::filesystem::exists(Out()));
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, LabelsMustBeUniqueAndMadeOfLabelCharacters) {
  auto problemWith = [&](const std::vector<std::pair<std::string, int>>& animations) {
    doc.m_animations.clear();
    for (const auto& [name, frames] : animations) AddAnimation(name, std::vector<FramePlacement>(static_cast<std::size_t>(frames)));
    return FindLabelProblem(doc).value_or("");
  };
  EXPECT_EQ(problemWith({{"Walk Left", 2}, {"Walk_Right", 1}, {"", 1}, {"ation", 0}}), "");
  EXPECT_EQ(problemWith({{"Walk", 1}, {"Walk", 1}}),
            "ERROR: Animations \"Walk\" and \"Walk\" both define the label AnimWalk\n");
  EXPECT_EQ(problemWith({{"Walk Left", 1}, {"Walk_Left", 1}}),
            "ERROR: Animations \"Walk Left\" and \"Walk_Left\" both define the label AnimWalk_Left\n");
  EXPECT_EQ(problemWith({{"X", 2}, {"XFrame1", 0}}),
            "ERROR: Animations \"X\" and \"XFrame1\" both define the label AnimXFrame1\n");
  EXPECT_EQ(problemWith({{"ationData", 0}}),
            "ERROR: Animation \"ationData\" defines the label AnimationData, which the file uses for its own data\n");
  EXPECT_EQ(problemWith({{"Jump!", 1}}),
            "ERROR: Animation \"Jump!\" gives the label AnimJump!, which holds a character no assembler label can "
            "hold\n");
  EXPECT_NE(problemWith({{"Tab\there", 1}}), "");

  problemWith({{"Walk", 1}, {"Walk", 1}});
  Run({}, Out());
  ASSERT_EQ(prompts.m_messages.size(), 1u);
  EXPECT_TRUE(prompts.m_messages[0].starts_with("ERROR: "));
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

// The options dialog on its own: defaults, data exchange, browsing and stored settings.
using Dlg = CExportOptionsDlg;

TEST(ExportOptionsDialog, SettingsAreReadIntoTheBoxesAndWrittenInOrder) {
  CMemorySettings settings;
  settings.WriteProfileString("ExportOptions", "PaletteName", "pal.asm");
  settings.WriteProfileInt("ExportOptions", "UsePalette", 1);
  settings.WriteProfileInt("ExportOptions", "FirstTrans", 1);
  Dlg dialog;
  dialog.ReadSettings(settings);
  EXPECT_EQ(dialog.m_strPaletteName, "pal.asm");
  EXPECT_EQ(std::vector<int>({dialog.m_bUsePalette, dialog.m_bForceFirst, dialog.m_bFirstTrans, dialog.m_bRemap}),
            std::vector<int>({1, 0, 1, 0}));
  CMemorySettings written;
  dialog.m_bRemap = 1;
  dialog.WriteSettings(written);
  EXPECT_EQ(written.WriteLog(),
            (std::vector<std::string>{"ExportOptions/PaletteName=pal.asm", "ExportOptions/UsePalette=1",
                                      "ExportOptions/ForceFirst=0", "ExportOptions/FirstTrans=1",
                                      "ExportOptions/Remap=1"}));
}

TEST(ExportOptionsDialog, BrowsingKeepsTheBoxesAndShowsThePickedPathUnlessCancelled) {
  CScriptedPrompts prompts;
  Dlg dialog;
  prompts.QueueFile("/music/palettes.asm");
  prompts.QueueDialog({DialogAction::Set(Dlg::IDC_REMAP, "1"), DialogAction::Set(Dlg::IDC_FORCE_FIRST, "1"),
                       DialogAction::Press(Dlg::IDC_BROWSE), DialogAction::Ok()});
  EXPECT_EQ(prompts.DoModal(dialog), IDOK);
  EXPECT_EQ(dialog.m_strPaletteName, "/music/palettes.asm");
  EXPECT_EQ(dialog.m_bRemap, 1);
  EXPECT_EQ(dialog.m_bForceFirst, 1);
  ExpectAsmFileDialog(prompts.m_fileRequests.at(0), true, "spritedata.asm");

  prompts.QueueFile(std::nullopt);
  prompts.QueueDialog({DialogAction::Set(Dlg::IDC_PALETTE_NAME, "typed.asm"), DialogAction::Set(Dlg::IDC_USE_PALETTE, "1"),
                       DialogAction::Press(Dlg::IDC_BROWSE), DialogAction::Ok()});
  EXPECT_EQ(prompts.DoModal(dialog), IDOK);
  EXPECT_EQ(dialog.m_strPaletteName, "typed.asm");
  EXPECT_EQ(dialog.m_bUsePalette, 1);
}

}  // namespace
}  // namespace pixolan::test
