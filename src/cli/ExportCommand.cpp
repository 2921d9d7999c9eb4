// pixolan-cli export DOC.pxo -o OUT.asm: the animation export without dialogs.
// The options come from the command line only; no stored settings are used.
#include <memory>
#include <optional>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "document/PxoDoc.h"
#include "export/AnimExport.h"
#include "framework/MemorySettings.h"

namespace pixolan::cli {
namespace {

struct ExportArguments {
  std::string strDocument;
  std::string strOutput;
  std::string strPaletteFile;
  std::string strRemap;
  bool bForceFirst = false;
  bool bFirstTrans = false;
  // Given on the command line, even if empty: an empty name then fails to load.
  bool bUsePaletteFile = false;
  bool bRemap = false;
};

CExportOptionsDlg OptionsFrom(const ExportArguments& args) {
  CExportOptionsDlg options;
  options.m_strPaletteName = args.strPaletteFile;
  options.m_bUsePalette = args.bUsePaletteFile ? 1 : 0;
  options.m_bForceFirst = args.bForceFirst ? 1 : 0;
  options.m_bFirstTrans = args.bFirstTrans ? 1 : 0;
  options.m_bRemap = args.bRemap ? 1 : 0;
  return options;
}

// The same steps, in the same order, as the menu command after its dialogs.
bool RunExport(const ExportArguments& args) {
  CConsolePrompts prompts = MakeConsolePrompts();
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  doc.SetBuildDisplayBitmap(false);
  if (!doc.OnOpenDocument(args.strDocument)) return false;  // the reason is already printed

  const CExportOptionsDlg options = OptionsFrom(args);
  CAnimExport exporter(doc, prompts);
  if (!exporter.CheckDocument()) return false;
  if (options.m_bRemap && !exporter.Remap(args.strRemap)) return false;
  if (!exporter.Build(options, args.strOutput)) return false;
  if (IsStdout(args.strOutput)) return WriteToStdout(exporter.File().Bytes());
  return exporter.Save();
}

}  // namespace

void AddExportCommand(CLI::App& app, int& exitStatus) {
  auto args = std::make_shared<ExportArguments>();
  CLI::App* command = app.add_subcommand("export", "Export a document's animations as Game Boy assembler source");
  command->add_option("document", args->strDocument, "The .pxo document")->required();
  command->add_option("-o,--output", args->strOutput, "The assembler file to write; - for stdout")
      ->required()
      ->check(NonEmptyPath());
  CLI::Option* paletteFile = command->add_option("--palette-file", args->strPaletteFile,
                                                 "Start from the palettes of this file's PaletteData section");
  command->add_flag("--force-first", args->bForceFirst, "Make block 0 a block of the transparent colour");
  command->add_flag("--first-trans", args->bFirstTrans, "Give every block the top-left pixel's colour as colour 0");
  CLI::Option* remap =
      command->add_option("--remap", args->strRemap, "Take the palette colours of this image file first");
  command->callback([args, paletteFile, remap, &exitStatus] {
    args->bUsePaletteFile = paletteFile->count() > 0;
    args->bRemap = remap->count() > 0;
    if (!RunExport(*args)) exitStatus = kExitFailure;
  });
}

}  // namespace pixolan::cli
