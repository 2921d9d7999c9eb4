#pragma once
// The open dialog of every sheet file: Import Image and the export's remap image.
#include <string>

#include "framework/Prompts.h"
#include "image/ImageReaderList.h"

namespace pixolan {

inline FileDialogRequest SheetFileRequest(const std::string& defaultExt) {
  return {.bOpen = true, .strDefaultExt = defaultExt, .strFilter = kSheetFileFilter};
}

}  // namespace pixolan
