#pragma once
// The export run for what the desktop shows of the console: a copy of what the
// export reads (the sheet as the export reads it, the animations, the canvas,
// the options), taken on the thread that owns the document, and the run on that
// copy, which any thread may do while the document goes on changing.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/Animation.h"
#include "export/ConsolePicture.h"
#include "export/ExportCheck.h"
#include "export/ExportOptions.h"
#include "image/RasterImage.h"

namespace pixolan {

class CPxoDoc;

struct ConsoleSnapshot {
  std::shared_ptr<const CRasterImage> sheet;  // null: no sheet
  std::vector<CAnimation> animations;
  std::int32_t nCanvasWidth = 160;
  std::int32_t nCanvasHeight = 144;
  ExportOptions options;  // the remap is left out: it would change the sheet's palette
};

// The sheet is copied every time (a megapixel sheet in well under a
// millisecond): a remap changes a sheet's palette in place.
ConsoleSnapshot TakeConsoleSnapshot(CPxoDoc& doc, const ExportOptions& options);
// True when both would give the same result.
bool SameConsoleInput(const ConsoleSnapshot& a, const ConsoleSnapshot& b);

struct ConsoleResult {
  bool bExported = false;             // false: the export refused; `messages` say why
  std::vector<std::string> messages;  // what the export said, each once, in order
  DecodedExport decoded;
  ExportCheck check;
  ConsolePicture picture;
};

// The export's own steps (checks, preparation, writing in memory), the file
// read back, checked and drawn. Never throws for a document the export refuses.
ConsoleResult RunConsole(const ConsoleSnapshot& snapshot);

}  // namespace pixolan
