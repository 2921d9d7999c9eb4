#include "cli/ExportRun.h"

namespace pixolan::cli {
namespace {

CExportOptionsDlg OptionsFrom(const ExportArguments& args) {
  CExportOptionsDlg options;
  options.m_strPaletteName = args.strPaletteFile;
  options.m_bUsePalette = args.bUsePaletteFile ? 1 : 0;
  options.m_bForceFirst = args.bForceFirst ? 1 : 0;
  options.m_bFirstTrans = args.bFirstTrans ? 1 : 0;
  options.m_bRemap = args.bRemap ? 1 : 0;
  return options;
}

}  // namespace

ExportOptionFlags::ExportOptionFlags(CLI::App& command, ExportArguments& args) {
  command.add_option("document", args.strDocument, "The .pxo document")->required();
  m_pPaletteFile = command.add_option("--palette-file", args.strPaletteFile,
                                      "Start from the palettes of this file's PaletteData section");
  command.add_flag("--force-first", args.bForceFirst, "Make block 0 a block of the transparent colour");
  command.add_flag("--first-trans", args.bFirstTrans, "Give every block the top-left pixel's colour as colour 0");
  m_pRemap = command.add_option("--remap", args.strRemap, "Take the palette colours of this image file first");
}

void ExportOptionFlags::Finish(ExportArguments& args) const {
  args.bUsePaletteFile = m_pPaletteFile->count() > 0;
  args.bRemap = m_pRemap->count() > 0;
}

CExportRun::CExportRun(IPrompts& prompts)
    : m_doc(prompts, m_settings), m_exporter(m_doc, prompts) {
  m_doc.SetBuildDisplayBitmap(false);
}

bool CExportRun::Build(const ExportArguments& args, const std::string& path) {
  if (!m_doc.OnOpenDocument(args.strDocument)) return false;  // the reason is already shown
  const CExportOptionsDlg options = OptionsFrom(args);
  if (!m_exporter.CheckDocument()) return false;
  if (options.m_bRemap && !m_exporter.Remap(args.strRemap)) return false;
  return m_exporter.Build(options, path);
}

}  // namespace pixolan::cli
