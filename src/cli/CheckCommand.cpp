// pixolan-cli check DOC.pxo: runs the export in memory and reports, frame by
// frame, what the data asks of the console. Exit 0 when everything fits, 1 when
// a limit is broken, pixels changed or a file failed, 2 for bad usage.
#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExportRun.h"
#include "export/CheckReport.h"
#include "export/ExportDecoder.h"
#include "export/PaletteAssigner.h"

namespace pixolan::cli {
namespace {

// Prints what the export shows except its colour warnings, which the report
// counts per frame instead, and notes when the palettes ran out.
class CCheckPrompts : public CConsolePrompts {
 public:
  CCheckPrompts() : CConsolePrompts(PrintMessage) {}
  void MessageBox(std::string_view text) override {
    if (text == kMsgRanOutOfPalettes) {
      m_bRanOutOfPalettes = true;
      return;
    }
    CConsolePrompts::MessageBox(text);
  }
  int WarningWithIgnoreAll(std::string_view text) override {
    (void)text;
    return IDIGNORE;
  }
  bool RanOutOfPalettes() const { return m_bRanOutOfPalettes; }

 private:
  bool m_bRanOutOfPalettes = false;
};

nlohmann::ordered_json FrameJson(const FrameCheck& frame) {
  return {{"frame", frame.nFrame},       {"width", frame.nWidth},   {"height", frame.nHeight},
          {"objects", frame.nObjects},   {"drawn", frame.nDrawn},   {"perLine", frame.nPerLine},
          {"palettes", frame.nPalettes}, {"pixelsChanged", frame.nChangedPixels},
          {"pixelsHidden", frame.nHiddenPixels}, {"offsetX", frame.nOffsetX},
          {"offsetY", frame.nOffsetY}};
}

std::string Json(const ExportCheck& check, const std::vector<CheckLine>& lines) {
  nlohmann::ordered_json animations = nlohmann::ordered_json::array();
  for (const AnimationCheck& animation : check.animations) {
    nlohmann::ordered_json frames = nlohmann::ordered_json::array();
    for (const FrameCheck& frame : animation.frames) frames.push_back(FrameJson(frame));
    animations.push_back({{"name", animation.strName}, {"frames", frames}});
  }
  nlohmann::ordered_json over = nlohmann::ordered_json::array(), changed = nlohmann::ordered_json::array();
  nlohmann::ordered_json hidden = nlohmann::ordered_json::array();
  for (const CheckLine& line : lines) {
    if (line.kind == CheckLine::Kind::kOver) over.push_back(line.strText);
    if (line.kind == CheckLine::Kind::kChanged) changed.push_back(line.strText);
    if (line.kind == CheckLine::Kind::kHidden) hidden.push_back(line.strText);
  }
  const nlohmann::ordered_json document = {
      {"animations", animations},
      {"export",
       {{"palettes", check.nPalettes},
        {"uniqueBlocks", check.nUniqueBlocks},
        {"tileBanks", check.TileBanksNeeded()},
        {"ranOutOfPalettes", check.bRanOutOfPalettes}}},
      {"limits",
       {{"objects", kObjectsPerFrame},
        {"perLine", kObjectsPerLine},
        {"palettes", kObjectPalettes},
        {"tilesPerBank", kTilesPerBank},
        {"banks", kTileBanks}}},
      {"over", over},
      {"changed", changed},
      {"hidden", hidden},
      {"fits", check.Fits()}};
  // Names are bytes from the document: anything that is not UTF-8 is replaced, not refused.
  return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string Text(const std::vector<CheckLine>& lines) {
  std::string text;
  for (const CheckLine& line : lines) text += line.Printed() + "\n";
  return text;
}

int RunCheck(const ExportArguments& args, bool json) {
  CCheckPrompts prompts;
  CExportRun run(prompts);
  run.Exporter().WriteValuesPastByte();  // reported below as limits, not refused
  if (!run.Build(args, args.strDocument)) return kExitFailure;
  try {
    const DecodedExport decoded = DecodeExport(run.Bytes());
    const ExportCheck check = CheckExport(run.Doc(), decoded, args.options.m_bFirstTrans, prompts.RanOutOfPalettes());
    const std::vector<CheckLine> lines = CheckReport(check);
    if (!WriteToStdout(json ? Json(check, lines) : Text(lines))) return kExitFailure;
    return check.Fits() ? kExitOk : kExitFailure;
  } catch (const ExportDecodeError& e) {
    PrintMessage(std::string("ERROR: The exported data could not be read back: ") + e.what());
    return kExitFailure;
  }
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& exitStatus) {
  auto args = std::make_shared<ExportArguments>();
  auto json = std::make_shared<bool>(false);
  CLI::App* command =
      app.add_subcommand("check", "Check a document's exported data against the Game Boy Color's object limits");
  auto flags = std::make_shared<ExportOptionFlags>(*command, *args);
  command->add_flag("--json", *json, "Report as one JSON document");
  command->callback([args, json, flags, &exitStatus] {
    flags->Finish(*args);
    exitStatus = RunCheck(*args, *json);
  });
}

}  // namespace pixolan::cli
