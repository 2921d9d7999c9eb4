#pragma once
// The open dialog of every sheet file: Import Image and the export's remap image.
#include <string>

#include "framework/Prompts.h"
#include "image/ImageReaderList.h"

namespace pixolan {

inline FileDialogRequest SheetFileRequest(const std::string& defaultExt) {
  FileDialogRequest request;
  request.strDefaultExt = defaultExt;
  request.strFilter = kSheetFileFilter;
  return request;
}

}  // namespace pixolan
