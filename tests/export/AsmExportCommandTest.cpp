// The menu command: its order of steps, its dialogs and every failure it reports.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/AnimExport.h"
#include "export/AsmFixture.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

constexpr int kRemap = CExportOptionsDlg::IDC_REMAP;

class ExportAnimCommand : public AsmFixture, public ::testing::Test {
 protected:
  void SetUp() override {
    Sheet(16, 8, {Colour(255, 0, 255), Colour(0, 0, 0), Colour(255, 255, 255)});
    Cell(1, 0, [](int x, int y) { return x < y ? 1 : 2; });
    Animation("Run", {{CellRect(0, 0, 2, 1), 0, 0}});
  }
  std::string Out() const { return (dir / "sprites.asm").string(); }
  void ConfirmOptions(std::vector<DialogAction> actions = {}) {
    actions.push_back(DialogAction::Ok());
    prompts.QueueDialog(std::move(actions));
  }
  std::vector<std::string> OptionWrites() const {
    return {"ExportOptions/PaletteName=", "ExportOptions/UsePalette=0", "ExportOptions/ForceFirst=0",
            "ExportOptions/FirstTrans=0", "ExportOptions/Remap=0"};
  }
  std::string WriteBmp(const std::string& name, std::int32_t bits, const std::vector<PaletteEntry>& palette) {
    const auto path = dir / name;
    WriteFile(path, BmpBytes(8, 8, bits, palette, [](int, int) { return 0; }));
    return path.string();
  }

  TempDir dir;
};

TEST_F(ExportAnimCommand, WritesTheFileChosenInTheSaveDialog) {
  ConfirmOptions();
  prompts.QueueFile(Out());
  doc.OnExportAnim();
  EXPECT_TRUE(prompts.m_messages.empty());
  ASSERT_EQ(prompts.m_shownDialogs.size(), 1u);
  EXPECT_EQ(prompts.m_shownDialogs[0].nTemplateId, 139);
  EXPECT_EQ(prompts.m_shownDialogs[0].strTitle, "Export Options");
  ASSERT_EQ(prompts.m_fileRequests.size(), 1u);
  const FileDialogRequest& save = prompts.m_fileRequests[0];
  EXPECT_FALSE(save.bOpen);
  EXPECT_EQ(save.strDefaultExt, ".asm");
  EXPECT_EQ(save.strInitialName, "spritedata.asm");
  EXPECT_TRUE(save.bHideReadOnly && save.bOverwritePrompt);
  EXPECT_EQ(save.strFilter, "Assembler Files (*.asm)|*.asm|All Files (*.*)|*.*||");

  CAnimExport again(doc, prompts);
  ASSERT_TRUE(again.Build(CExportOptionsDlg{}, Out()));
  EXPECT_EQ(ReadText(Out()), again.File().Bytes());
  EXPECT_EQ(settings.WriteLog(), OptionWrites());
}

TEST_F(ExportAnimCommand, CancelledOptionsStoreAndWriteNothing) {
  prompts.QueueDialog({DialogAction::Set(kRemap, "1"), DialogAction::Cancel()});
  doc.OnExportAnim();
  EXPECT_TRUE(settings.WriteLog().empty());
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, NoImageStopsAfterTheSettingsAreStored) {
  doc.m_pImage.reset();
  ConfirmOptions();
  doc.OnExportAnim();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{"ERROR: No image loaded\n"});
  EXPECT_EQ(settings.WriteLog(), OptionWrites());
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, ImageWithoutPaletteIsRefused) {
  doc.m_pImage = MakeAsmSheet(16, 8, {}, 24);
  ConfirmOptions();
  doc.OnExportAnim();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{"ERROR: Image has no palette\n"});
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, RemapCopiesOnlyTheEntriesOfTheOtherPalette) {
  std::vector<PaletteEntry> sixteen(16, Colour(8, 16, 24));
  const std::string remap = WriteBmp("remap.bmp", 4, sixteen);
  ConfirmOptions({DialogAction::Set(kRemap, "1")});
  prompts.QueueFile(remap);
  prompts.QueueFile(std::nullopt);  // the save dialog is cancelled afterwards
  doc.m_pImage->m_pPalette[16] = Colour(1, 2, 3);
  doc.OnExportAnim();
  ASSERT_EQ(prompts.m_fileRequests.size(), 2u);
  const FileDialogRequest& open = prompts.m_fileRequests[0];
  EXPECT_TRUE(open.bOpen);
  EXPECT_EQ(open.strDefaultExt, ".bmp");
  EXPECT_EQ(open.strInitialName, "");
  EXPECT_EQ(open.strFilter,
            "Bitmap Files (*.bmp)|*.bmp|IFF/LBM Files (*.iff;*.lbm)|*.iff;*.lbm|GBR Files (*.gbr)|*.gbr|All Files "
            "(*.*)|*.*||");
  // The remap lasts although nothing was written.
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[0], Colour(8, 16, 24)));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[15], Colour(8, 16, 24)));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[16], Colour(1, 2, 3)));
  EXPECT_TRUE(doc.m_pBlocks.empty());  // no preparation
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(ExportAnimCommand, RemapWithALargerPaletteFillsOnlyOurs) {
  doc.m_pImage = MakeAsmSheet(16, 8, {Colour(255, 0, 255)}, 4);
  std::vector<PaletteEntry> many(256, Colour(248, 248, 248));
  CAnimExport exporter(doc, prompts);
  ASSERT_TRUE(exporter.Remap(WriteBmp("big.bmp", 8, many)));
  ASSERT_EQ(doc.m_pImage->m_pPalette.size(), 16u);
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[15], Colour(248, 248, 248)));
}

TEST_F(ExportAnimCommand, RemapFailuresStopTheExport) {
  for (const std::string& remap : {(dir / "missing.bmp").string(), WriteBmp("true.bmp", 24, {})}) {
    CScriptedPrompts script;
    CPxoDoc other(script, settings);
    other.m_pImage = MakeAsmSheet(16, 8, {Colour(255, 0, 255)});
    script.QueueDialog({DialogAction::Set(kRemap, "1"), DialogAction::Ok()});
    script.QueueFile(remap);
    script.QueueFile(Out());
    other.OnExportAnim();
    EXPECT_EQ(script.m_fileRequests.size(), 1u);
    ASSERT_EQ(script.m_messages.size(), 1u);
    EXPECT_EQ(script.m_messages[0], remap.ends_with("missing.bmp") ? "FATAL: Unable to load image file"
                                                                  : "ERROR: Image has no palette\n");
  }
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(ExportAnimCommand, CancelledRemapDialogExportsWithoutRemap) {
  ConfirmOptions({DialogAction::Set(kRemap, "1")});
  prompts.QueueFile(std::nullopt);
  prompts.QueueFile(Out());
  doc.OnExportAnim();
  EXPECT_TRUE(std::filesystem::exists(Out()));
  EXPECT_TRUE(SameColour(doc.m_pImage->m_pPalette[0], Colour(255, 0, 255)));
}

TEST_F(ExportAnimCommand, UnreadablePaletteFileIsReportedAndNothingWritten) {
  const std::string missing = (dir / "palettes.asm").string();
  ConfirmOptions({DialogAction::Set(CExportOptionsDlg::IDC_USE_PALETTE, "1"),
                  DialogAction::Set(CExportOptionsDlg::IDC_PALETTE_NAME, missing)});
  prompts.QueueFile(Out());
  doc.OnExportAnim();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{missing + " was not found."});
  EXPECT_FALSE(std::filesystem::exists(Out()));
  EXPECT_EQ(settings.WriteLog().front(), "ExportOptions/PaletteName=" + missing);
}

TEST_F(ExportAnimCommand, FailedWriteIsReportedAndKeepsTheEarlierFile) {
  WriteFile(Out(), std::string_view("earlier"));
  const std::string unwritable = (dir / "no such folder" / "sprites.asm").string();
  ConfirmOptions();
  prompts.QueueFile(unwritable);
  doc.OnExportAnim();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{unwritable + " was not found."});
  EXPECT_FALSE(std::filesystem::exists(unwritable));
  EXPECT_EQ(ReadText(Out()), "earlier");
}

TEST_F(ExportAnimCommand, ColourWarningsAppearAndTheExportGoesOn) {
  Cell(0, 0, [](int x, int) { return x % 5; });  // five colours in one block
  doc.m_pImage->m_pPalette[3] = Colour(255, 0, 0);
  doc.m_pImage->m_pPalette[4] = Colour(0, 255, 0);
  ConfirmOptions();
  prompts.QueueFile(Out());
  doc.OnExportAnim();
  ASSERT_FALSE(prompts.m_messages.empty());
  EXPECT_EQ(prompts.m_messages[0],
            "Block starting at pixel X = 0, Y = 0 is using more than 4 colours\nAny extra colours will be cleared to "
            "index 0\n");
  EXPECT_TRUE(std::filesystem::exists(Out()));
}

struct FrameCase {
  CRect source;
  bool outside;
};

TEST_F(ExportAnimCommand, FramesReachingOutsideTheWholeCellsAreRefusedBeforeWriting) {
  const FrameCase cases[] = {
      {CRect{0, 0, 16, 8}, false},   {CRect{0, 0, 20, 12}, false},  // the partial column and row are not cut
      {CRect{8, 0, 24, 8}, true},    {CRect{0, 8, 8, 16}, true},    {CRect{-8, 0, 8, 8}, true},
      {CRect{-4, 0, 12, 8}, true},   // its block map would start at a cell it does not cover
      {CRect{}, false},              {CRect{40, 40, 30, 50}, false},  // covers nothing
      {CRect{0, 0, 7, 800}, false},  // width 0: no block map
  };
  for (const FrameCase& c : cases) {
    doc.m_animations.clear();
    Animation("Walk Left", {{CellRect(0, 0, 1, 1), 0, 0}, {c.source, 0, 0}});
    const std::optional<std::string> problem = FindFrameOutsideSheet(doc);
    EXPECT_EQ(problem.has_value(), c.outside) << c.source.left << "," << c.source.top;
    if (problem) {
      EXPECT_EQ(*problem, "ERROR: Frame 1 of animation Walk Left lies outside the image\n");
    }
  }
  // Sheet 20 x 12: two whole cells.
  doc.m_pImage = MakeAsmSheet(20, 12, {Colour(255, 0, 255)});
  doc.m_animations.clear();
  Animation("Big", {{CRect{0, 0, 24, 8}, 0, 0}});
  ConfirmOptions();
  prompts.QueueFile(Out());
  doc.OnExportAnim();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{"ERROR: Frame 0 of animation Big lies outside the image\n"});
  EXPECT_FALSE(std::filesystem::exists(Out()));
  EXPECT_TRUE(prompts.m_fileRequests.empty());
}

TEST_F(ExportAnimCommand, LabelsMustBeUniqueAndMadeOfLabelCharacters) {
  auto problemWith = [&](const std::vector<std::pair<std::string, int>>& animations) {
    doc.m_animations.clear();
    for (const auto& [name, frames] : animations) {
      Animation(name, std::vector<AsmFixture::FramePlacement>(static_cast<std::size_t>(frames)));
    }
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
  ConfirmOptions();
  prompts.QueueFile(Out());
  doc.OnExportAnim();
  ASSERT_EQ(prompts.m_messages.size(), 1u);
  EXPECT_TRUE(prompts.m_messages[0].starts_with("ERROR: "));
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

}  // namespace
}  // namespace pixolan::test
