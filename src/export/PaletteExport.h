#pragma once
// The palette export: eight four-colour palettes taken from chosen places of the
// sheet's palette, written as the same "PaletteData:" section the animation
// export writes, so that it can be read back as a palette file.
#include <array>
#include <cstdint>
#include <string>

#include "export/AsmLabelStyle.h"
#include "export/ExportOptions.h"
#include "framework/Prompts.h"
#include "framework/TextFile.h"
#include "image/RasterImage.h"

namespace pixolan {

inline constexpr const char* kMsgImageMustHavePalette = "ERROR: Image must have a palette";

// Palette n is entries S .. S + 3 of the image's palette, S its start index.
// Entries the palette does not have are written as $0000.
void WritePaletteExport(CTextWriter& file, const CRasterImage& image, const PaletteStarts& starts);

// Writes the file in one piece, its label in the style. A failure is shown as the file error's message
// and leaves an earlier file untouched; false then.
bool SavePaletteExport(const CRasterImage& image, const PaletteStarts& starts, const std::string& path,
                       IPrompts& prompts, const AsmLabelStyle& style = {});

}  // namespace pixolan
