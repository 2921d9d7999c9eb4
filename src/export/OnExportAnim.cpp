// File > Export Data > Anim as .ASM File.
#include <optional>

#include "document/PxoDoc.h"
#include "export/AnimExport.h"
#include "export/AsmFileDialog.h"
#include "export/ExportOptionsDlg.h"

namespace pixolan {
namespace {

FileDialogRequest RemapImageRequest() {
  FileDialogRequest request;
  request.bOpen = true;
  request.strDefaultExt = ".bmp";
  request.bHideReadOnly = true;
  request.bOverwritePrompt = true;
  request.strFilter = kSheetFileFilter;
  return request;
}

}  // namespace

void CPxoDoc::OnExportAnim() {
  CExportOptionsDlg options;
  options.ReadSettings(Settings());
  if (m_prompts.DoModal(options) != IDOK) return;
  // Stored before anything else happens, so they stay when the export stops early.
  options.WriteSettings(Settings());

  CAnimExport exporter(*this, m_prompts);
  if (!exporter.CheckDocument()) return;
  if (options.m_bRemap) {
    // A cancelled choice exports without remapping.
    if (const std::optional<std::string> remapPath = m_prompts.FileDialog(RemapImageRequest())) {
      if (!exporter.Remap(*remapPath)) return;
    }
  }
  const std::optional<std::string> path = m_prompts.FileDialog(AsmFileRequest(false, "spritedata.asm"));
  if (!path) return;
  if (!exporter.Build(options, *path)) return;
  exporter.Save();
}

}  // namespace pixolan
