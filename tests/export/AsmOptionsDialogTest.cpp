// The export options dialog: defaults, data exchange, browsing and stored settings.
#include <gtest/gtest.h>

#include "export/ExportOptionsDlg.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::test {
namespace {

using Dlg = CExportOptionsDlg;

TEST(ExportOptionsDialog, SettingsAreReadIntoTheBoxesAndWrittenInOrder) {
  CMemorySettings settings;
  CScriptedPrompts prompts;
  Dlg first;
  first.ReadSettings(settings);
  prompts.QueueDialog({DialogAction::Cancel()});
  EXPECT_EQ(prompts.DoModal(first), IDCANCEL);
  EXPECT_EQ(prompts.m_shownDialogs[0].initialControls,
            (DialogControls{{Dlg::IDC_PALETTE_NAME, ""}, {Dlg::IDC_USE_PALETTE, "0"}, {Dlg::IDC_FORCE_FIRST, "0"},
                            {Dlg::IDC_FIRST_TRANS, "0"}, {Dlg::IDC_REMAP, "0"}}));

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
  const FileDialogRequest& request = prompts.m_fileRequests.at(0);
  EXPECT_TRUE(request.bOpen);
  EXPECT_EQ(request.strDefaultExt, ".asm");
  EXPECT_EQ(request.strInitialName, "spritedata.asm");
  EXPECT_TRUE(request.bHideReadOnly && request.bOverwritePrompt);
  EXPECT_EQ(request.strFilter, "Assembler Files (*.asm)|*.asm|All Files (*.*)|*.*||");

  prompts.QueueFile(std::nullopt);
  prompts.QueueDialog({DialogAction::Set(Dlg::IDC_PALETTE_NAME, "typed.asm"), DialogAction::Set(Dlg::IDC_USE_PALETTE, "1"),
                       DialogAction::Press(Dlg::IDC_BROWSE), DialogAction::Ok()});
  EXPECT_EQ(prompts.DoModal(dialog), IDOK);
  EXPECT_EQ(dialog.m_strPaletteName, "typed.asm");
  EXPECT_EQ(dialog.m_bUsePalette, 1);
}

}  // namespace
}  // namespace pixolan::test
