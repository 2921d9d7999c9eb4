// The menu commands of both exports: their order of steps, dialogs, stored
// settings and refusals (their files: the golden cases).
#include <filesystem>
#include <gtest/gtest.h>

#include "export/AnimExport.h"
#include "export/ByteFields.h"
#include "export/ExportCommands.h"
#include "export/ExportFixture.h"
#include "export/ExportOptionsDlg.h"
#include "export/ExportPaletteDlg.h"
#include "export/PaletteExport.h"

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
    OnExportAnim(doc);
  }
  static std::string Data(const std::string& file) { return (DataDir() / file).string(); }
  std::vector<std::string> Messages() const { return prompts.m_messages; }

  TempDir dir;
};

TEST_F(ExportAnimCommand, WritesTheFileChosenInTheSaveDialogAndKeepsTheOptions) {
  Run({DialogAction::Set(CExportOptionsDlg::IDC_FIRST_TRANS, "1"), DialogAction::Set(CExportOptionsDlg::IDC_PALETTE_NAME, "p.asm"),
       DialogAction::Set(CExportOptionsDlg::IDC_LABEL_PREFIX, "Hero")},
      Out());
  EXPECT_TRUE(prompts.m_messages.empty());
  ASSERT_EQ(prompts.m_shownDialogs.size(), 1u);
  EXPECT_EQ(prompts.m_shownDialogs[0].nTemplateId, 139);
  EXPECT_EQ(prompts.m_shownDialogs[0].strTitle, "Export Options");
  ASSERT_EQ(prompts.m_fileRequests.size(), 1u);
  ExpectAsmFileDialog(prompts.m_fileRequests[0], false, "spritedata.asm");
  ExportOptions options;
  options.m_bFirstTrans = true;
  CAnimExport again(doc, prompts);
  ASSERT_TRUE(again.Build(options, Out()));
  again.StyleLabels({"Hero", false, {}});
  EXPECT_EQ(ReadText(Out()), again.File().Bytes());
  EXPECT_NE(again.File().Bytes().find("\nHeroAnimRun:\r\n"), std::string::npos);
  EXPECT_EQ(settings.WriteLog(), (std::vector<std::string>{"ExportOptions/PaletteName=p.asm", "ExportOptions/UsePalette=0",
                                                          "ExportOptions/ForceFirst=0", "ExportOptions/FirstTrans=1",
                                                          "ExportOptions/Remap=0", "ExportOptions/LabelPrefix=Hero"}));
  // The next export shows what was stored, each box from its own setting.
  prompts.QueueDialog({DialogAction::Cancel()});
  OnExportAnim(doc);
  EXPECT_EQ(prompts.m_shownDialogs.at(1).initialControls,
            (DialogControls{{1013, "0"}, {1014, "p.asm"}, {1016, "0"}, {1017, "1"}, {1018, "0"}, {1019, "Hero"}}));
}

TEST_F(ExportAnimCommand, CancelledOptionsStoreNothingNoSheetOrNoPaletteStopsAfterTheSettingsAreStored) {
  prompts.QueueDialog({DialogAction::Set(kRemap, "1"), DialogAction::Cancel()});
  OnExportAnim(doc);
  EXPECT_TRUE(settings.WriteLog().empty());
  // True colour of more colours than a palette holds (a true-colour sheet of fewer is exported as indexed).
  doc.m_pImage = MakeSheetImage(32, 16, {}, 24);
  for (std::size_t i = 0; i < 32 * 16; ++i) {
    std::uint8_t* pixel = doc.m_pImage->m_ppRows[i / 32] + 3 * (i % 32);
    pixel[0] = static_cast<std::uint8_t>(i);
    pixel[1] = static_cast<std::uint8_t>(i >> 8);
  }
  Run();
  doc.m_pImage.reset();
  Run();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ERROR: Image has no palette: 512 colours (at most 256 become a palette)\n",
                                                  "ERROR: No image loaded\n"}));
  EXPECT_EQ(settings.WriteLog().size(), 12u);
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, RemapCopiesOnlyTheEntriesOfTheOtherPaletteAndLastsWithoutAFile) {
  prompts.QueueFile(Data("images/bmp/4-bit-without-colour-count-high-nibble-first.bmp"));  // entry i grey 17 i
  doc.m_pImage->m_pPalette[16] = Rgb(1, 2, 3);
  Run({DialogAction::Set(kRemap, "1")});  // the save dialog is cancelled
  ASSERT_EQ(prompts.m_fileRequests.size(), 2u);
  const FileDialogRequest& open = prompts.m_fileRequests[0];
  EXPECT_TRUE(open.bOpen);
  EXPECT_EQ(open.strDefaultExt, ".bmp");
  EXPECT_EQ(open.strFilter, kSheetFileFilter);
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[0], Rgb(0, 0, 0)));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[15], Rgb(255, 255, 255)));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[16], Rgb(1, 2, 3)));
  EXPECT_FALSE(std::filesystem::exists(Out()));

  // A larger palette fills only our sixteen entries.
  doc.m_pImage = MakeSheetImage(16, 8, {Rgb(255, 0, 255)}, 4);
  ASSERT_TRUE(CAnimExport(doc, prompts).Remap(Data("golden/export-remap/grey.bmp")));  // 256 entries grey 64
  ASSERT_EQ(doc.m_pImage->m_pPalette.size(), 16u);
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[15], Rgb(64, 64, 64)));
}

TEST_F(ExportAnimCommand, RemapFailuresStopTheExportAndACancelledRemapDoesNot) {
  const std::string missing = (dir / "missing.bmp").string();
  for (const std::string& remap : {missing, Data("golden/palette-true-colour/true.bmp")}) {
    prompts.m_messages.clear();
    prompts.m_fileRequests.clear();
    prompts.QueueFile(remap);
    Run({DialogAction::Set(kRemap, "1")});
    EXPECT_EQ(prompts.m_fileRequests.size(), 1u);  // no save dialog
    EXPECT_EQ(Messages(), std::vector<std::string>{remap == missing
                                                       ? "FATAL: Unable to load image file: No such file or directory"
                                                       : "ERROR: Image has no palette\n"});
  }
  prompts.QueueFile(std::nullopt);
  Run({DialogAction::Set(kRemap, "1")}, Out());
  EXPECT_TRUE(std::filesystem::exists(Out()));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[0], Rgb(255, 0, 255)));
}

TEST_F(ExportAnimCommand, FramesReachingOutsideTheWholeCellsAreFound) {
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
}

// Values past a byte are refused at the bounds the file's db lines can hold;
// the menu command shows the message before its save dialog and writes nothing.
TEST_F(ExportAnimCommand, ValuesAByteCannotHoldAreRefused) {
  const std::string frame = "ERROR: Frame 1 of animation Walk Left ";
  const std::pair<FramePlacement, std::string> cases[] = {
      {{Cells(0, 0, 1, 1), -128, 127}, ""},
      {{Cells(0, 0, 255, 255), 0, 0}, ""},
      {{Cells(0, 0, 1, 1), -129, 0}, "has the X offset -129, which its byte cannot hold (-128 to 127)\n"},
      {{Cells(0, 0, 1, 1), 0, 128}, "has the Y offset 128, which its byte cannot hold (-128 to 127)\n"},
      {{Cells(0, 0, 256, 1), 0, 0}, "is 256 blocks wide, which its byte cannot hold (at most 255)\n"},
      {{CRect{0, 0, -8 * 129, 8}, 0, 0}, "is -129 blocks wide, which its byte cannot hold (at most 255)\n"},
      {{Cells(0, 0, 1, 256), 0, 0}, "is 256 blocks tall, which its byte cannot hold (at most 255)\n"},
  };
  for (const auto& [placement, problem] : cases) {
    doc.m_animations.clear();
    AddAnimation("Walk Left", {Cells(0, 0, 1, 1), placement});
    EXPECT_EQ(FindValuePastByte(doc).value_or(""), problem.empty() ? "" : frame + problem) << problem;
  }
  doc.m_animations.clear();
  AddAnimation("Walk Left", {Cells(0, 0, 1, 1), {Cells(0, 0, 2, 1), 0, 128}});
  Run({}, Out());
  EXPECT_EQ(Messages(), std::vector<std::string>{frame + "has the Y offset 128, which its byte cannot hold (-128 to 127)\n"});
  EXPECT_TRUE(prompts.m_fileRequests.empty());
  EXPECT_FALSE(std::filesystem::exists(Out()));
  EXPECT_EQ(PaletteCountPastByte(255), std::nullopt);
  EXPECT_EQ(PaletteCountPastByte(256).value_or(""),
            "ERROR: The export needs 256 palettes, which the palette count's byte cannot hold (at most 255)\n");
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
}

// Browsing from the options dialog.
using Dlg = CExportOptionsDlg;

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

// Block numbers no test sheet reaches keep all their digits in the block map.
TEST(AsmWriters, BlockNumbersBeyondTwelveBits) {
  ExportFixture f;
  f.MakeSheet(16, 8, {Rgb(0, 0, 0)});
  f.tables.m_pBlocks.assign(2, BlockInfo{});
  f.tables.m_pCellMap = {0, 1};
  f.tables.m_pBlocks[0].nBlock = 4096;
  f.tables.m_pBlocks[1].nBlock = 0x1234;
  f.tables.m_pBlocks[1].bXFlip = f.tables.m_pBlocks[1].bYFlip = true;
  f.AddAnimation("Big", {Cells(0, 0, 2, 1)});
  CTextWriter out;
  WriteAnimationData(out, f.doc, f.tables);
  EXPECT_NE(out.Bytes().find("\t\t\t\t\t\tdw\t\t$10000, $12343\r\n"), std::string::npos);
}


// The palette export's dialog and command (its files: the golden palette cases).
std::string Written(const CRasterImage& image, const PaletteStarts& starts) {
  CTextWriter file;
  WritePaletteExport(file, image, starts);
  return file.Bytes();
}

TEST(PaletteExportDialog, ValidatesEachStartAndStoresThemInOrder) {
  CMemorySettings settings;
  CScriptedPrompts prompts;
  CExportPaletteDlg dialog;
  dialog.ReadSettings(settings);
  EXPECT_EQ(dialog.m_nStart, DefaultPaletteStarts());
  prompts.QueueDialog({DialogAction::Set(1017, "253"), DialogAction::Ok(), DialogAction::Set(1017, "x"),
                       DialogAction::Ok(), DialogAction::Set(1017, "252"), DialogAction::Set(1023, "-1"),
                       DialogAction::Ok(), DialogAction::Set(1023, "7"), DialogAction::Ok()});
  EXPECT_EQ(prompts.DoModal(dialog), IDOK);
  EXPECT_EQ(prompts.m_shownDialogs[0].nTemplateId, 140);
  EXPECT_EQ(prompts.m_shownDialogs[0].strTitle, "Export Palette");
  EXPECT_EQ(prompts.m_shownDialogs[0].initialControls.at(1016), "0");
  EXPECT_EQ(prompts.m_shownDialogs[0].initialControls.at(1023), "112");
  EXPECT_EQ(prompts.m_messages,
            (std::vector<std::string>{"Please enter an integer between 0 and 252.", "Please enter an integer.",
                                      "Please enter an integer between 0 and 252."}));
  dialog.WriteSettings(settings);
  EXPECT_EQ(settings.WriteLog(),
            (std::vector<std::string>{"ExportPalette/Palette0=0", "ExportPalette/Palette1=252",
                                      "ExportPalette/Palette2=32", "ExportPalette/Palette3=48",
                                      "ExportPalette/Palette4=64", "ExportPalette/Palette5=80",
                                      "ExportPalette/Palette6=96", "ExportPalette/Palette7=7",
                                      "ExportPalette/LabelPrefix="}));
}

class ExportPaletteCommand : public ExportFixture, public ::testing::Test {};

TEST_F(ExportPaletteCommand, RefusesWithoutAnImageWithAPalette) {
  OnExportPalette(doc);
  doc.m_pImage = MakeSheetImage(8, 8, {}, 24);
  OnExportPalette(doc);
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>(2, "ERROR: Image must have a palette"));
  EXPECT_TRUE(prompts.m_shownDialogs.empty());
}

TEST_F(ExportPaletteCommand, StoresTheStartsEvenWhenTheFileDialogIsCancelledAndWritesTheFile) {
  MakeSheet(8, 8, {Rgb(255, 255, 255)});
  prompts.QueueDialog({DialogAction::Set(1016, "4"), DialogAction::Ok()});
  OnExportPalette(doc);  // the file dialog is cancelled
  EXPECT_EQ(settings.GetProfileInt("ExportPalette", "Palette0", -1), 4);
  EXPECT_EQ(settings.WriteLog().size(), 9u);
  ExpectAsmFileDialog(prompts.m_fileRequests.at(0), false, "palettedata.asm");

  prompts.QueueDialog({DialogAction::Cancel()});
  OnExportPalette(doc);
  EXPECT_EQ(prompts.m_shownDialogs.at(1).initialControls.at(1016), "4");
  EXPECT_EQ(settings.WriteLog().size(), 9u);

  TempDir dir;
  prompts.QueueDialog({DialogAction::Ok()});
  prompts.QueueFile((dir / "p.asm").string());
  OnExportPalette(doc);
  EXPECT_EQ(ReadText(dir / "p.asm"), Written(*doc.m_pImage, {4, 16, 32, 48, 64, 80, 96, 112}));
  EXPECT_TRUE(prompts.m_messages.empty());

  // A prefix is checked before the file is chosen, and then starts the label.
  prompts.QueueDialog({DialogAction::Set(CExportPaletteDlg::IDC_LABEL_PREFIX, "9x"), DialogAction::Ok()});
  OnExportPalette(doc);
  EXPECT_EQ(prompts.m_messages,
            (std::vector<std::string>{"ERROR: The label prefix 9x starts with a digit, which no assembler label can\n"}));
  prompts.QueueDialog({DialogAction::Set(CExportPaletteDlg::IDC_LABEL_PREFIX, "Pal"), DialogAction::Ok()});
  prompts.QueueFile((dir / "p.asm").string());
  OnExportPalette(doc);
  EXPECT_NE(ReadText(dir / "p.asm").find("\nPalPaletteData:\r\n"), std::string::npos);
}

}  // namespace
}  // namespace pixolan::test
