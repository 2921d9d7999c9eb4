#include "cli/ExportRun.h"

namespace pixolan::cli {

ExportOptionFlags::ExportOptionFlags(CLI::App& command, ExportArguments& args) {
  command.add_option("document", args.strDocument, "The .pxo document")->required();
  m_pPaletteFile = command.add_option("--palette-file", args.options.m_strPaletteName,
                                      "Start from the palettes of this file's PaletteData section");
  command.add_flag("--force-first", args.options.m_bForceFirst, "Make block 0 a block of the transparent colour");
  command.add_flag("--first-trans", args.options.m_bFirstTrans,
                   "Give every block the top-left pixel's colour as colour 0");
  m_pRemap = command.add_option("--remap", args.options.m_strRemapImage,
                                "Take the palette colours of this image file first");
}

void ExportOptionFlags::Finish(ExportArguments& args) const {
  args.options.m_bUsePalette = m_pPaletteFile->count() > 0;
  args.options.m_bRemap = m_pRemap->count() > 0;
}

CExportRun::CExportRun(IPrompts& prompts)
    : m_doc(prompts, m_settings), m_exporter(m_doc, prompts) {
  m_doc.SetBuildDisplayBitmap(false);
}

bool CExportRun::Build(const ExportArguments& args, const std::string& path) {
  if (!m_doc.OnOpenDocument(args.strDocument)) return false;  // the reason is already shown
  if (!m_exporter.CheckDocument()) return false;
  if (args.options.m_bRemap && !m_exporter.Remap(args.options.m_strRemapImage)) return false;
  return m_exporter.Build(args.options, path);
}

}  // namespace pixolan::cli
