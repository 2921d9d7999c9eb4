#pragma once
// What export, check and preview share: the export's options on the command
// line, and the run of the export's own steps (open, check, remap, prepare,
// write) with the finished file kept in memory.
#include <string>

#include <CLI/CLI.hpp>

#include "document/PxoDoc.h"
#include "export/AnimExport.h"
#include "export/ExportOptions.h"
#include "framework/MemorySettings.h"

namespace pixolan::cli {

struct ExportArguments {
  std::string strDocument;
  // A palette file or remap image given on the command line, even as an empty
  // name, is used: an empty name then fails to load.
  ExportOptions options;
};

// Registers the document argument and the export's options on a subcommand.
// Call Finish() from the subcommand's callback before using the arguments.
class ExportOptionFlags {
 public:
  ExportOptionFlags(CLI::App& command, ExportArguments& args);
  void Finish(ExportArguments& args) const;

 private:
  CLI::Option* m_pPaletteFile = nullptr;
  CLI::Option* m_pRemap = nullptr;
};

class CExportRun {
 public:
  // Messages go to the prompts as the menu command would show them.
  explicit CExportRun(IPrompts& prompts);

  // The same steps, in the same order, as the menu command after its dialogs;
  // false after a message. `path` names the file in the output's messages.
  bool Build(const ExportArguments& args, const std::string& path);

  CPxoDoc& Doc() { return m_doc; }
  CAnimExport& Exporter() { return m_exporter; }
  const std::string& Bytes() const { return m_exporter.File().Bytes(); }

 private:
  CMemorySettings m_settings;
  CPxoDoc m_doc;
  CAnimExport m_exporter;
};

}  // namespace pixolan::cli
