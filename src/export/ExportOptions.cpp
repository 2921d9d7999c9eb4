#include "export/ExportOptions.h"

namespace pixolan {
namespace {

constexpr const char* kOptionsSection = "ExportOptions";
constexpr const char* kPaletteSection = "ExportPalette";

std::string StartEntry(std::size_t palette) { return "Palette" + std::to_string(palette); }

}  // namespace

ExportOptions ReadExportOptions(ISettings& settings) {
  ExportOptions options;
  options.m_strPaletteName = settings.GetProfileString(kOptionsSection, "PaletteName", "");
  options.m_bUsePalette = settings.GetProfileInt(kOptionsSection, "UsePalette", 0) != 0;
  options.m_bForceFirst = settings.GetProfileInt(kOptionsSection, "ForceFirst", 0) != 0;
  options.m_bFirstTrans = settings.GetProfileInt(kOptionsSection, "FirstTrans", 0) != 0;
  options.m_bRemap = settings.GetProfileInt(kOptionsSection, "Remap", 0) != 0;
  options.m_strLabelPrefix = settings.GetProfileString(kOptionsSection, "LabelPrefix", "");
  return options;
}

void WriteExportOptions(ISettings& settings, const ExportOptions& options) {
  settings.WriteProfileString(kOptionsSection, "PaletteName", options.m_strPaletteName);
  settings.WriteProfileInt(kOptionsSection, "UsePalette", options.m_bUsePalette ? 1 : 0);
  settings.WriteProfileInt(kOptionsSection, "ForceFirst", options.m_bForceFirst ? 1 : 0);
  settings.WriteProfileInt(kOptionsSection, "FirstTrans", options.m_bFirstTrans ? 1 : 0);
  settings.WriteProfileInt(kOptionsSection, "Remap", options.m_bRemap ? 1 : 0);
  settings.WriteProfileString(kOptionsSection, "LabelPrefix", options.m_strLabelPrefix);
}

PaletteStarts DefaultPaletteStarts() {
  PaletteStarts starts{};
  for (std::size_t n = 0; n < starts.size(); ++n) starts[n] = static_cast<std::int32_t>(16 * n);
  return starts;
}

PaletteStarts ReadPaletteStarts(ISettings& settings) {
  PaletteStarts starts = DefaultPaletteStarts();
  for (std::size_t n = 0; n < starts.size(); ++n) {
    starts[n] = settings.GetProfileInt(kPaletteSection, StartEntry(n), starts[n]);
  }
  return starts;
}

void WritePaletteStarts(ISettings& settings, const PaletteStarts& starts) {
  for (std::size_t n = 0; n < starts.size(); ++n) settings.WriteProfileInt(kPaletteSection, StartEntry(n), starts[n]);
}

std::string ReadPaletteLabelPrefix(ISettings& settings) {
  return settings.GetProfileString(kPaletteSection, "LabelPrefix", "");
}

void WritePaletteLabelPrefix(ISettings& settings, const std::string& prefix) {
  settings.WriteProfileString(kPaletteSection, "LabelPrefix", prefix);
}

}  // namespace pixolan
