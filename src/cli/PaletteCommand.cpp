// pixolan-cli palette SHEET -o OUT.asm: eight palettes from chosen places of a
// sheet's palette, as the palette export writes them.
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "document/PxoDoc.h"
#include "export/ExportPaletteDlg.h"
#include "export/AsmLabelStyle.h"
#include "export/PaletteExport.h"

#include "image/ImageReaderList.h"

namespace pixolan::cli {
namespace {

struct PaletteArguments {
  std::string strSheet;
  std::string strOutput;
  std::string strStarts;
  AsmLabelStyle style;
};

// "S0,...,S7": eight whole numbers 0..252. An error text, or nothing when sound.
std::optional<std::string> ParseStarts(const std::string& text, PaletteStarts& starts) {
  const std::string expected = "--starts needs eight whole numbers 0..252 separated by commas";
  std::stringstream stream(text);
  std::string item;
  std::size_t n = 0;
  while (std::getline(stream, item, ',')) {
    if (n == starts.size() || item.empty() || item.size() > 9 ||
        item.find_first_not_of("0123456789") != std::string::npos) {
      return expected;
    }
    const int value = std::stoi(item);
    if (value > CExportPaletteDlg::kMaxStart) return expected;
    starts[n++] = value;
  }
  if (n != starts.size() || (!text.empty() && text.back() == ',')) return expected;
  return std::nullopt;
}

bool RunPaletteExport(const PaletteArguments& args, const PaletteStarts& starts) {
  if (auto problem = FindLabelPrefixProblem(args.style.strPrefix)) {
    PrintMessage(*problem);
    return false;
  }
  if (auto problem = args.style.bRgbds ? FindSectionNameProblem(args.style.strSection) : std::nullopt) {
    PrintMessage(*problem);
    return false;
  }
  CConsolePrompts prompts = MakeConsolePrompts();
  CImageReaderList readers;
  std::string refusal;
  std::unique_ptr<CRasterImage> image = readers.OpenImage(args.strSheet.c_str(), &refusal);
  if (!image) {
    PrintMessage(WithReason(kMsgUnableToLoadImage, refusal));
    return false;
  }
  if (!image->HasPalette()) {
    PrintMessage(kMsgImageMustHavePalette);
    return false;
  }
  if (IsStdout(args.strOutput)) {
    CTextWriter file;
    WritePaletteExport(file, *image, starts);
    return WriteToStdout(StyledAsm(file.Bytes(), args.style));
  }
  return SavePaletteExport(*image, starts, args.strOutput, prompts, args.style);
}

}  // namespace

void AddPaletteCommand(CLI::App& app, int& exitStatus) {
  auto args = std::make_shared<PaletteArguments>();
  CLI::App* command = app.add_subcommand("palette", "Export eight palettes of a sheet as Game Boy assembler source");
  command->add_option("sheet", args->strSheet, "The sheet (.bmp, .lbm, .iff, .gbr, .png)")->required();
  command->add_option("-o,--output", args->strOutput, "The assembler file to write; - for stdout")
      ->required()
      ->check(NonEmptyPath());
  command
      ->add_option("--starts", args->strStarts, "Start indices of palettes 0..7 (default 0,16,32,48,64,80,96,112)")
      ->check(CLI::Validator(
          [](std::string& text) {
            PaletteStarts starts{};
            return ParseStarts(text, starts).value_or(std::string{});
          },
          "S0,...,S7"));
  command->add_option("--label-prefix", args->style.strPrefix, "Start the file's label with this text");
  CLI::Option* rgbds = command->add_option("--rgbds", args->style.strSection,
                                           "RGBDS-ready: SECTION line (default name: the output's stem), label exported")
                           ->expected(0, 1);
  command->callback([args, rgbds, &exitStatus] {
    args->style.bRgbds = rgbds->count() > 0;
    if (args->style.bRgbds && args->style.strSection.empty()) {
      const std::string& named = IsStdout(args->strOutput) ? args->strSheet : args->strOutput;
      args->style.strSection = std::filesystem::path(named).stem().string();
    }
    PaletteStarts starts = DefaultPaletteStarts();
    if (!args->strStarts.empty()) ParseStarts(args->strStarts, starts);
    if (!RunPaletteExport(*args, starts)) exitStatus = kExitFailure;
  });
}

}  // namespace pixolan::cli
