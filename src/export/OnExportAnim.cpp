// File > Export Data > Anim as .ASM File.
#include <optional>

#include "document/PxoDoc.h"
#include "document/SheetFileDialog.h"
#include "export/AnimExport.h"
#include "export/AsmFileDialog.h"
#include "export/AsmLabelStyle.h"
#include "export/ExportOptionsDlg.h"

namespace pixolan {

void CPxoDoc::OnExportAnim() {
  CExportOptionsDlg options;
  options.ReadSettings(Settings());
  if (m_prompts.DoModal(options) != IDOK) return;
  // Stored before anything else happens, so they stay when the export stops early.
  options.WriteSettings(Settings());

  if (auto problem = FindLabelPrefixProblem(options.m_strLabelPrefix)) {
    m_prompts.MessageBox(*problem);
    return;
  }
  CAnimExport exporter(*this, m_prompts);
  if (!exporter.CheckDocument()) return;
  if (options.m_bRemap) {
    // A cancelled choice exports without remapping.
    if (const std::optional<std::string> remapPath = m_prompts.FileDialog(SheetFileRequest(".bmp"))) {
      if (!exporter.Remap(*remapPath)) return;
    }
  }
  const std::optional<std::string> path = m_prompts.FileDialog(AsmFileRequest(false, "spritedata.asm"));
  if (!path) return;
  if (!exporter.Build(options, *path)) return;
  exporter.StyleLabels({options.m_strLabelPrefix, false, {}});
  exporter.Save();
}

}  // namespace pixolan
