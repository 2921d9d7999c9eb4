// The palette export: its file, its dialog and its command.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"
#include "export/ExportPaletteDlg.h"
#include "export/PaletteExport.h"

namespace pixolan::test {
namespace {

std::string PaletteFile(const std::vector<std::string>& lines) {
  std::string text = "\r\n;// PALETTE DATA\r\nPaletteData:\r\n";
  for (const std::string& line : lines) text += "\t\t\t\t\t\tdw\t\t" + line + "\r\n";
  return text + "\r\n";
}

std::string Written(const CRasterImage& image, const PaletteStarts& starts) {
  CTextWriter file;
  WritePaletteExport(file, image, starts);
  return file.Bytes();
}

TEST(PaletteExport, ColourWordsOfTheChosenGroupsOfFour) {
  std::vector<PaletteEntry> ramp(256);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = Rgb(static_cast<std::uint8_t>(i), 0, 0);
  // The defaults take every eighth group of four: red 16n .. 16n + 3, five bits each.
  EXPECT_EQ(Written(*MakeSheetImage(8, 8, ramp), DefaultPaletteStarts()),
            PaletteFile({"$0000, $0000, $0000, $0000", "$0002, $0002, $0002, $0002", "$0004, $0004, $0004, $0004",
                         "$0006, $0006, $0006, $0006", "$0008, $0008, $0008, $0008", "$000a, $000a, $000a, $000a",
                         "$000c, $000c, $000c, $000c", "$000e, $000e, $000e, $000e"}));

  // Components are cut to five bits; the reserved byte never counts; starts overlap freely.
  const auto image = MakeSheetImage(8, 8, {Rgb(0, 0, 0), Rgb(0, 0, 0, 0xff), Rgb(255, 255, 255), Rgb(255, 0, 0),
                                           Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(8, 16, 24), Rgb(7, 7, 7)});
  image->m_pPalette[252] = Rgb(255, 128, 0);
  image->m_pPalette[255] = Rgb(8, 16, 24);
  const std::string same = "$7fff, $001f, $03e0, $7c00", end = "$0000, $0000, $7fff, $001f";
  EXPECT_EQ(Written(*image, {2, 2, 4, 252, 0, 0, 0, 0}),
            PaletteFile({same, same, "$03e0, $7c00, $0c41, $0000", "$021f, $0000, $0000, $0c41", end, end, end, end}));

  // Entries beyond a small palette are written as zero.
  const std::string zero = "$0000, $0000, $0000, $0000";
  EXPECT_EQ(Written(*MakeSheetImage(8, 8, {Rgb(255, 255, 255), Rgb(255, 0, 0)}, 1), DefaultPaletteStarts()),
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

class ExportPaletteCommand : public ExportFixture, public ::testing::Test {};

TEST_F(ExportPaletteCommand, RefusesWithoutAnImageWithAPalette) {
  doc.OnExportPalette();
  doc.m_pImage = MakeSheetImage(8, 8, {}, 24);
  doc.OnExportPalette();
  EXPECT_EQ(prompts.m_messages, std::vector<std::string>(2, "ERROR: Image must have a palette"));
  EXPECT_TRUE(prompts.m_shownDialogs.empty());
}

TEST_F(ExportPaletteCommand, StoresTheStartsEvenWhenTheFileDialogIsCancelledAndWritesTheFile) {
  MakeSheet(8, 8, {Rgb(255, 255, 255)});
  prompts.QueueDialog({DialogAction::Set(1016, "4"), DialogAction::Ok()});
  doc.OnExportPalette();  // the file dialog is cancelled
  EXPECT_EQ(settings.GetProfileInt("ExportPalette", "Palette0", -1), 4);
  EXPECT_EQ(settings.WriteLog().size(), 8u);
  ExpectAsmFileDialog(prompts.m_fileRequests.at(0), false, "palettedata.asm");

  prompts.QueueDialog({DialogAction::Cancel()});
  doc.OnExportPalette();
  EXPECT_EQ(prompts.m_shownDialogs.at(1).initialControls.at(1016), "4");
  EXPECT_EQ(settings.WriteLog().size(), 8u);

  TempDir dir;
  prompts.QueueDialog({DialogAction::Ok()});
  prompts.QueueFile((dir / "p.asm").string());
  doc.OnExportPalette();
  EXPECT_EQ(ReadText(dir / "p.asm"), Written(*doc.m_pImage, {4, 16, 32, 48, 64, 80, 96, 112}));
  EXPECT_TRUE(prompts.m_messages.empty());
}

}  // namespace
}  // namespace pixolan::test
