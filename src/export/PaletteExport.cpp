#include "export/PaletteExport.h"

#include "image/Colour.h"
#include "framework/FileException.h"

namespace pixolan {
namespace {

std::uint16_t WordOfEntry(const CRasterImage& image, std::int64_t index) {
  if (index < 0 || index >= image.PaletteSize()) return 0;
  return GbcColourWord(image.m_pPalette[static_cast<std::size_t>(index)]);
}

}  // namespace

void WritePaletteExport(CTextWriter& file, const CRasterImage& image, const PaletteStarts& starts) {
  file.WriteString("\n;// PALETTE DATA\nPaletteData:\n");
  for (const std::int32_t start : starts) {
    const std::int64_t s = start;
    file.Printf("\t\t\t\t\t\tdw\t\t$%04x, $%04x, $%04x, $%04x\n", WordOfEntry(image, s), WordOfEntry(image, s + 1),
                WordOfEntry(image, s + 2), WordOfEntry(image, s + 3));
  }
  file.WriteString("\n");
}

bool SavePaletteExport(const CRasterImage& image, const PaletteStarts& starts, const std::string& path,
                       IPrompts& prompts, const AsmLabelStyle& style) {
  CTextWriter file;
  WritePaletteExport(file, image, starts);
  if (!style.IsPlain()) file.ReplaceBytes(StyledAsm(file.Bytes(), style));
  try {
    file.Save(path);
  } catch (const CFileException& e) {
    prompts.MessageBox(e.GetErrorMessage());
    return false;
  }
  return true;
}

}  // namespace pixolan
