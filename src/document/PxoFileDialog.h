#pragma once
// The file dialog of Pixolan documents: File Open and Save As.
#include <string>

#include "framework/Prompts.h"

namespace pixolan {

inline FileDialogRequest PxoFileRequest(bool open, const std::string& initialName) {
  FileDialogRequest request;  // hides read-only and prompts before overwriting by default
  request.bOpen = open;
  request.strDefaultExt = ".pxo";
  request.strInitialName = initialName;
  request.strFilter = "Pixolan Files (*.pxo)|*.pxo|All Files (*.*)|*.*||";
  return request;
}

}  // namespace pixolan
