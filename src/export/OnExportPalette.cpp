// File > Export Data > Palette data from Bitmap.
#include <optional>

#include "document/PxoDoc.h"
#include "export/AsmFileDialog.h"
#include "export/AsmLabelStyle.h"
#include "export/ExportPaletteDlg.h"
#include "export/PaletteExport.h"

namespace pixolan {

void CPxoDoc::OnExportPalette() {
  if (!m_pImage || !m_pImage->HasPalette()) {
    m_prompts.MessageBox(kMsgImageMustHavePalette);
    return;
  }
  CExportPaletteDlg dialog;
  dialog.ReadSettings(Settings());
  if (m_prompts.DoModal(dialog) != IDOK) return;
  // Stored before the file is chosen: they stay even when the file dialog is cancelled.
  dialog.WriteSettings(Settings());

  if (auto problem = FindLabelPrefixProblem(dialog.m_strLabelPrefix)) {
    m_prompts.MessageBox(*problem);
    return;
  }
  const std::optional<std::string> path = m_prompts.FileDialog(AsmFileRequest(false, "palettedata.asm"));
  if (!path) return;
  SavePaletteExport(*m_pImage, dialog.m_nStart, *path, m_prompts, {dialog.m_strLabelPrefix, false, {}});
}

}  // namespace pixolan
