// File > Export Data > Anim as .ASM File.
#include <optional>

#include "document/PxoDoc.h"
#include "document/SheetFileDialog.h"
#include "export/AnimExport.h"
#include "export/AsmFileDialog.h"
#include "export/AsmLabelStyle.h"
#include "export/ExportCommands.h"
#include "export/ExportOptionsDlg.h"

namespace pixolan {

void OnExportAnim(CPxoDoc& doc) {
  IPrompts& prompts = doc.Prompts();
  CExportOptionsDlg dialog;
  dialog.ReadSettings(doc.Settings());
  if (prompts.DoModal(dialog) != IDOK) return;
  // Stored before anything else happens, so they stay when the export stops early.
  dialog.WriteSettings(doc.Settings());
  const ExportOptions options = dialog.Options();

  if (auto problem = FindLabelPrefixProblem(options.m_strLabelPrefix)) {
    prompts.MessageBox(*problem);
    return;
  }
  CAnimExport exporter(doc, prompts);
  if (!exporter.CheckDocument()) return;
  if (options.m_bRemap) {
    // A cancelled choice exports without remapping.
    if (const std::optional<std::string> remapPath = prompts.FileDialog(SheetFileRequest(".bmp"))) {
      if (!exporter.Remap(*remapPath)) return;
    }
  }
  const std::optional<std::string> path = prompts.FileDialog(AsmFileRequest(false, "spritedata.asm"));
  if (!path) return;
  if (!exporter.Build(options, *path)) return;
  exporter.StyleLabels({options.m_strLabelPrefix, false, {}});
  exporter.Save();
}

}  // namespace pixolan
