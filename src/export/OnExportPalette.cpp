// File > Export Data > Palette data from Bitmap.
#include <optional>

#include "document/PxoDoc.h"
#include "export/AsmFileDialog.h"
#include "export/AsmLabelStyle.h"
#include "export/ExportCommands.h"
#include "export/ExportPaletteDlg.h"
#include "export/PaletteExport.h"

namespace pixolan {

void OnExportPalette(CPxoDoc& doc) {
  IPrompts& prompts = doc.Prompts();
  if (!doc.m_pImage || !doc.m_pImage->HasPalette()) {
    prompts.MessageBox(kMsgImageMustHavePalette);
    return;
  }
  CExportPaletteDlg dialog;
  dialog.ReadSettings(doc.Settings());
  if (prompts.DoModal(dialog) != IDOK) return;
  // Stored before the file is chosen: they stay even when the file dialog is cancelled.
  dialog.WriteSettings(doc.Settings());

  if (auto problem = FindLabelPrefixProblem(dialog.m_strLabelPrefix)) {
    prompts.MessageBox(*problem);
    return;
  }
  const std::optional<std::string> path = prompts.FileDialog(AsmFileRequest(false, "palettedata.asm"));
  if (!path) return;
  SavePaletteExport(*doc.m_pImage, dialog.m_nStart, *path, prompts, {dialog.m_strLabelPrefix, false, {}});
}

}  // namespace pixolan
