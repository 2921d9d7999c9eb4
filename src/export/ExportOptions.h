#pragma once
// The export's options as plain values: what the menu command, the command line,
// the check, the preview and the tests pass. The dialogs fill them and keep them
// in their settings sections between exports.
#include <array>
#include <cstdint>
#include <string>

#include "framework/Settings.h"

namespace pixolan {

struct ExportOptions {
  std::string m_strPaletteName;  // with m_bUsePalette: the file whose "PaletteData:" the palettes start from
  bool m_bUsePalette = false;
  bool m_bForceFirst = false;    // block 0 is a block of the transparent colour
  bool m_bFirstTrans = false;    // every block's colour 0 is the transparent colour
  bool m_bRemap = false;         // the sheet takes the palette of m_strRemapImage first
  std::string m_strRemapImage;
  std::string m_strLabelPrefix;  // starts every label of the file (empty: labels as they are)
};

// The "ExportOptions" settings section (the remap image is chosen anew each time).
ExportOptions ReadExportOptions(ISettings& settings);
void WriteExportOptions(ISettings& settings, const ExportOptions& options);

// The palette export: palette n is entries S .. S + 3 of the sheet's palette.
using PaletteStarts = std::array<std::int32_t, 8>;

// The defaults of the dialog and of the command line: 0, 16, ..., 112.
PaletteStarts DefaultPaletteStarts();

// The "ExportPalette" settings section; a missing entry takes its default.
PaletteStarts ReadPaletteStarts(ISettings& settings);
void WritePaletteStarts(ISettings& settings, const PaletteStarts& starts);
// The palette export's label prefix, in the same section.
std::string ReadPaletteLabelPrefix(ISettings& settings);
void WritePaletteLabelPrefix(ISettings& settings, const std::string& prefix);

}  // namespace pixolan
