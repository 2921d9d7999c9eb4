// pixolan-cli export DOC.pxo -o OUT.asm: the animation export without dialogs.
// The options come from the command line only; no stored settings are used.
#include <memory>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExportRun.h"

namespace pixolan::cli {
namespace {

bool RunExport(const ExportArguments& args, const std::string& output) {
  CConsolePrompts prompts = MakeConsolePrompts();
  CExportRun run(prompts);
  if (!run.Build(args, output)) return false;
  if (IsStdout(output)) return WriteToStdout(run.Bytes());
  return run.Exporter().Save();
}

}  // namespace

void AddExportCommand(CLI::App& app, int& exitStatus) {
  auto args = std::make_shared<ExportArguments>();
  auto output = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("export", "Export a document's animations as Game Boy assembler source");
  auto flags = std::make_shared<ExportOptionFlags>(*command, *args);
  command->add_option("-o,--output", *output, "The assembler file to write; - for stdout")
      ->required()
      ->check(NonEmptyPath());
  command->callback([args, output, flags, &exitStatus] {
    flags->Finish(*args);
    if (!RunExport(*args, *output)) exitStatus = kExitFailure;
  });
}

}  // namespace pixolan::cli
