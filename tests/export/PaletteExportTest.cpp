// The palette export: its file, its dialog and its command.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/AsmFixture.h"
#include "export/ExportPaletteDlg.h"
#include "export/PaletteExport.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

constexpr const char* kLine = "\t\t\t\t\t\tdw\t\t";

std::string PaletteFile(const std::vector<std::string>& lines) {
  std::string text = "\r\n;// PALETTE DATA\r\nPaletteData:\r\n";
  for (const std::string& line : lines) text += kLine + line + "\r\n";
  return text + "\r\n";
}

std::string Written(const CRasterImage& image, const PaletteStarts& starts) {
  CTextWriter file;
  WritePaletteExport(file, image, starts);
  return file.Bytes();
}

TEST(PaletteExport, DefaultsTakeEveryEighthGroupOfFourFromAnEightBitPalette) {
  std::vector<PaletteEntry> palette(256);
  for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = Colour(static_cast<std::uint8_t>(i), 0, 0);
  const auto image = MakeAsmSheet(8, 8, palette);
  std::vector<std::string> lines;
  for (unsigned n = 0; n < 8; ++n) {
    char text[64];
    const unsigned s = 16 * n;
    std::snprintf(text, sizeof text, "$%04x, $%04x, $%04x, $%04x", s >> 3, (s + 1) >> 3, (s + 2) >> 3, (s + 3) >> 3);
    lines.push_back(text);
  }
  EXPECT_EQ(Written(*image, DefaultPaletteStarts()), PaletteFile(lines));
}

TEST(PaletteExport, ColourWordsAndFreelyChosenStarts) {
  const auto image = MakeAsmSheet(8, 8, {Colour(0, 0, 0), Colour(0, 0, 0), Colour(255, 255, 255), Colour(255, 0, 0),
                                         Colour(0, 255, 0), Colour(0, 0, 255), Colour(8, 16, 24), Colour(7, 7, 7)});
  image->m_pPalette[252] = Colour(255, 128, 0);
  image->m_pPalette[255] = Colour(8, 16, 24);
  const std::string same = "$7fff, $001f, $03e0, $7c00";
  EXPECT_EQ(Written(*image, {2, 2, 4, 252, 0, 0, 0, 0}),
            PaletteFile({same, same, "$03e0, $7c00, $0c41, $0000", "$021f, $0000, $0000, $0c41",
                         "$0000, $0000, $7fff, $001f", "$0000, $0000, $7fff, $001f", "$0000, $0000, $7fff, $001f",
                         "$0000, $0000, $7fff, $001f"}));
}

TEST(PaletteExport, EntriesBeyondASmallPaletteAreWrittenAsZero) {
  const auto image = MakeAsmSheet(8, 8, {Colour(255, 255, 255), Colour(255, 0, 0)}, 1);
  ASSERT_EQ(image->m_pPalette.size(), 2u);
  const std::string zero = "$0000, $0000, $0000, $0000";
  EXPECT_EQ(Written(*image, DefaultPaletteStarts()),
            PaletteFile({"$7fff, $001f, $0000, $0000", zero, zero, zero, zero, zero, zero, zero}));
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
                                      "ExportPalette/Palette6=96", "ExportPalette/Palette7=7"}));
}

class ExportPaletteCommand : public AsmFixture, public ::testing::Test {
 protected:
  std::string Out() const { return (dir / "palettedata.asm").string(); }
  TempDir dir;
};

TEST_F(ExportPaletteCommand, RefusesWithoutAnImageWithAPalette) {
  doc.OnExportPalette();
  doc.m_pImage = MakeAsmSheet(8, 8, {}, 24);
  doc.OnExportPalette();
  EXPECT_EQ(prompts.m_messages,
            (std::vector<std::string>{"ERROR: Image must have a palette", "ERROR: Image must have a palette"}));
  EXPECT_TRUE(prompts.m_shownDialogs.empty());
}

TEST_F(ExportPaletteCommand, StoresTheStartsEvenWhenTheFileDialogIsCancelled) {
  Sheet(8, 8, {Colour(255, 255, 255)});
  prompts.QueueDialog({DialogAction::Set(1016, "4"), DialogAction::Ok()});
  prompts.QueueFile(std::nullopt);
  doc.OnExportPalette();
  EXPECT_EQ(settings.GetProfileInt("ExportPalette", "Palette0", -1), 4);
  EXPECT_EQ(settings.WriteLog().size(), 8u);
  const FileDialogRequest& request = prompts.m_fileRequests.at(0);
  EXPECT_FALSE(request.bOpen);
  EXPECT_EQ(request.strDefaultExt, ".asm");
  EXPECT_EQ(request.strInitialName, "palettedata.asm");
  EXPECT_TRUE(request.bHideReadOnly && request.bOverwritePrompt);
  EXPECT_EQ(request.strFilter, "Assembler Files (*.asm)|*.asm|All Files (*.*)|*.*||");

  prompts.QueueDialog({DialogAction::Cancel()});
  doc.OnExportPalette();
  EXPECT_EQ(prompts.m_shownDialogs.at(1).initialControls.at(1016), "4");
  EXPECT_EQ(settings.WriteLog().size(), 8u);
}

TEST_F(ExportPaletteCommand, WritesTheFileOrReportsTheFailure) {
  Sheet(8, 8, {Colour(255, 255, 255)});
  prompts.QueueDialog({DialogAction::Ok()});
  prompts.QueueFile(Out());
  doc.OnExportPalette();
  EXPECT_EQ(ReadText(Out()), Written(*doc.m_pImage, DefaultPaletteStarts()));
  EXPECT_TRUE(prompts.m_messages.empty());

  const std::string unwritable = (dir / "none" / "p.asm").string();
  prompts.QueueDialog({DialogAction::Ok()});
  prompts.QueueFile(unwritable);
  doc.OnExportPalette();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>{unwritable + " was not found."});
}

}  // namespace
}  // namespace pixolan::test
