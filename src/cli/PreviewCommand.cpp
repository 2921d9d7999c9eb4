// pixolan-cli preview DOC.pxo -o OUT.png: what the export's tables show, drawn
// from the exported data as the console draws it, as a PNG contact sheet and
// optionally an animated GIF.
#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExportRun.h"
#include "export/ExportDecoder.h"
#include "export/PreviewSheet.h"
#include "image/PngWriter.h"

namespace pixolan::cli {
namespace {

struct PreviewArguments {
  std::string strOutput;
  std::string strGif;  // empty: no GIF
  std::string strAnimation;
  bool bOneAnimation = false;  // --animation given, even as ""
  int nScale = 2;
  std::string strBackground;  // empty: the checkerboard
  bool bMarkLimits = false;
  int nColumns = 0;  // 0: one row per animation, wrapped at the side limit
};

// "RRGGBB" in hexadecimal; nothing for any other text.
std::optional<RgbColour> ParseColour(const std::string& text) {
  if (text.size() != 6) return std::nullopt;
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
  }
  const unsigned long value = std::stoul(text, nullptr, 16);
  return RgbColour{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                   static_cast<std::uint8_t>(value)};
}

// The rows of the sheet: every animation, or the one named. Nothing (after a
// message) when no animation has that name.
std::optional<std::vector<std::size_t>> ChooseAnimations(const CPxoDoc& doc, const PreviewArguments& args) {
  std::vector<std::size_t> chosen;
  std::string names;
  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    const std::string& name = doc.m_animations[a]->Name();
    if (!args.bOneAnimation || name == args.strAnimation) chosen.push_back(a);
    names += (names.empty() ? "\"" : ", \"") + name + "\"";
  }
  if (args.bOneAnimation && chosen.empty()) {
    PrintMessage("ERROR: No animation is named \"" + args.strAnimation + "\"; the document has " +
                 (names.empty() ? std::string("none") : names));
    return std::nullopt;
  }
  return chosen;
}

// Saves in one piece, or sends to stdout for "-"; false after a message.
bool Output(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (IsStdout(path)) return WriteToStdout(std::string(bytes.begin(), bytes.end()));
  return SaveFile(path, bytes);
}

bool RunPreview(const ExportArguments& exportArgs, const PreviewArguments& args) {
  CConsolePrompts prompts = MakeConsolePrompts();
  CExportRun run(prompts);
  if (!run.Build(exportArgs, args.strOutput)) return false;
  const std::optional<std::vector<std::size_t>> chosen = ChooseAnimations(run.Doc(), args);
  if (!chosen) return false;
  PreviewSettings settings;
  settings.nCanvasWidth = run.Doc().m_nCanvasWidth;
  settings.nCanvasHeight = run.Doc().m_nCanvasHeight;
  settings.nScale = args.nScale;
  settings.background = ParseColour(args.strBackground);
  settings.bMarkLimits = args.bMarkLimits;
  settings.nColumns = args.nColumns;
  std::vector<std::uint8_t> png, gif;
  try {
    const DecodedExport file = DecodeExport(run.Bytes());
    if (file.animations.size() != run.Doc().m_animations.size()) throw ExportDecodeError("the animation list is short");
    png = EncodePng(RenderPreviewSheet(file, *chosen, settings));
    if (!args.strGif.empty()) gif = EncodePreviewGif(file, *chosen, settings);
  } catch (const ExportDecodeError& e) {
    PrintMessage(std::string("ERROR: The exported data could not be read back: ") + e.what());
    return false;
  } catch (const std::runtime_error& e) {  // the preview's size, or the PNG or GIF encoder
    PrintMessage(std::string("ERROR: No preview: ") + e.what());
    return false;
  }
  return Output(args.strOutput, png) && (args.strGif.empty() || Output(args.strGif, gif));
}

CLI::Validator ColourText() {
  return CLI::Validator(
      [](std::string& text) { return ParseColour(text) ? std::string() : std::string("needs six hex digits RRGGBB"); },
      "RRGGBB");
}

}  // namespace

void AddPreviewCommand(CLI::App& app, int& exitStatus) {
  auto exportArgs = std::make_shared<ExportArguments>();
  auto args = std::make_shared<PreviewArguments>();
  CLI::App* command = app.add_subcommand("preview", "Draw what the exported data shows, as a PNG contact sheet");
  auto flags = std::make_shared<ExportOptionFlags>(*command, *exportArgs);
  command->add_option("-o,--output", args->strOutput, "The PNG to write; - for stdout")->required()->check(NonEmptyPath());
  command->add_option("--scale", args->nScale, "Pixels a side for each canvas pixel (default 2)")
      ->check(CLI::Range(kMinPreviewScale, kMaxPreviewScale));
  command->add_option("--background", args->strBackground, "Background colour (default: a grey checkerboard)")
      ->check(ColourText());
  command->add_flag("--mark-limits", args->bMarkLimits,
                    "Outline in red the objects past the 10th on a line and those of palette 8 or more");
  command->add_option("--columns", args->nColumns, "Continue an animation on the next row after this many frames")
      ->check(CLI::Range(1, static_cast<int>(kMaxPreviewSide)));
  CLI::Option* animation = command->add_option("--animation", args->strAnimation, "Draw only the animation of this name");
  CLI::Option* gif = command->add_option("--gif", args->strGif, "Also write the animations as one looping GIF")
                         ->check(NonEmptyPath());
  command->callback([exportArgs, args, flags, animation, gif, &exitStatus] {
    flags->Finish(*exportArgs);
    args->bOneAnimation = animation->count() > 0;
    if (IsStdout(args->strOutput) && gif->count() > 0 && IsStdout(args->strGif)) {
      throw CLI::ValidationError("--gif", "the PNG already goes to standard output");
    }
    if (!RunPreview(*exportArgs, *args)) exitStatus = kExitFailure;
  });
}

}  // namespace pixolan::cli
