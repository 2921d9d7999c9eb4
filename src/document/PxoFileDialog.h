#pragma once
// The file dialog of Pixolan documents: File Open and Save As.
#include <string>

#include "framework/Prompts.h"

namespace pixolan {

inline FileDialogRequest PxoFileRequest(bool open, const std::string& initialName) {
  return {.bOpen = open,
          .strDefaultExt = ".pxo",
          .strInitialName = initialName,
          .strFilter = "Pixolan Files (*.pxo)|*.pxo|All Files (*.*)|*.*||"};
}

}  // namespace pixolan
