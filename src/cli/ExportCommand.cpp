// pixolan-cli export DOC.pxo -o OUT.asm: the animation export without dialogs.
// The options come from the command line only; no stored settings are used.
// --format c writes the same export as GBDK-2020 C: OUT.c and OUT.h.
#include <filesystem>
#include <memory>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExportRun.h"
#include "export/AsmLabelStyle.h"
#include "export/ExportDecoder.h"
#include "export/GbdkSource.h"

namespace pixolan::cli {
namespace {

struct OutputArguments {
  std::string strPath;
  std::string strFormat = "asm";
  std::string strLabelPrefix;
  std::string strSection;
  bool bRgbds = false;
};

bool Refuse(const std::optional<std::string>& problem) {
  if (problem) PrintMessage(*problem);
  return problem.has_value();
}

bool WriteAsm(CExportRun& run, const OutputArguments& out) {
  if (!out.bRgbds && out.strLabelPrefix.empty()) {
    if (IsStdout(out.strPath)) return WriteToStdout(run.Bytes());
    return run.Exporter().Save();
  }
  const std::string text = StyledAsm(run.Bytes(), {out.strLabelPrefix, out.bRgbds, out.strSection});
  return IsStdout(out.strPath) ? WriteToStdout(text) : SaveFile(out.strPath, text);
}

bool WriteC(CExportRun& run, const OutputArguments& out) {
  const std::filesystem::path source(out.strPath);
  const std::filesystem::path header = std::filesystem::path(source).replace_extension(".h");
  GbdkNames names{out.strLabelPrefix.empty() ? source.stem().string() : out.strLabelPrefix,
                  header.filename().string(), {}};
  for (const auto& animation : run.Doc().m_animations) names.animationNames.push_back(animation->Name());
  try {
    const DecodedExport decoded = DecodeExport(run.Bytes());
    if (Refuse(FindGbdkProblem(decoded, names))) return false;
    const GbdkSource written = WriteGbdkSource(decoded, names);
    return SaveFile(header.string(), written.strHeader) && SaveFile(source.string(), written.strSource);
  } catch (const ExportDecodeError& e) {
    PrintMessage(std::string("ERROR: The exported data could not be read back: ") + e.what());
    return false;
  }
}

bool RunExport(const ExportArguments& args, const OutputArguments& out) {
  if (Refuse(FindLabelPrefixProblem(out.strLabelPrefix))) return false;
  if (out.bRgbds && Refuse(FindSectionNameProblem(out.strSection))) return false;
  CConsolePrompts prompts = MakeConsolePrompts();
  CExportRun run(prompts);
  if (!run.Build(args, out.strPath)) return false;
  return out.strFormat == "c" ? WriteC(run, out) : WriteAsm(run, out);
}

// The section's default name: the output file's stem (the document's for stdout).
std::string DefaultSection(const ExportArguments& args, const OutputArguments& out) {
  return std::filesystem::path(IsStdout(out.strPath) ? args.strDocument : out.strPath).stem().string();
}

}  // namespace

void AddExportCommand(CLI::App& app, int& exitStatus) {
  auto args = std::make_shared<ExportArguments>();
  auto out = std::make_shared<OutputArguments>();
  CLI::App* command = app.add_subcommand("export", "Export a document's animations as Game Boy assembler source");
  auto flags = std::make_shared<ExportOptionFlags>(*command, *args);
  command->add_option("-o,--output", out->strPath, "The file to write; - for stdout (assembler only)")
      ->required()
      ->check(NonEmptyPath());
  command->add_option("--format", out->strFormat, "asm (default), or c: GBDK-2020 C, the .c file and its .h")
      ->check(CLI::IsMember({"asm", "c"}));
  command->add_option("--label-prefix", out->strLabelPrefix, "Start every label (or C name) with this text");
  CLI::Option* rgbds = command->add_option("--rgbds", out->strSection,
                                           "RGBDS-ready: SECTION line (default name: the output's stem), labels exported")
                           ->expected(0, 1);
  command->callback([args, out, flags, rgbds, &exitStatus] {
    flags->Finish(*args);
    out->bRgbds = rgbds->count() > 0;
    const bool headerClash = std::filesystem::path(out->strPath).extension() == ".h";
    if (out->strFormat == "c" && (out->bRgbds || IsStdout(out->strPath) || headerClash)) {
      throw CLI::ValidationError("--format c", "writes two files: give -o NAME.c, without --rgbds");
    }
    if (out->bRgbds && out->strSection.empty()) out->strSection = DefaultSection(*args, *out);
    if (!RunExport(*args, *out)) exitStatus = kExitFailure;
  });
}

}  // namespace pixolan::cli
