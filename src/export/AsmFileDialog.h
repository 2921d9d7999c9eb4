#pragma once
// The file dialog every assembler file of the exports goes through: the animation
// export's output, the palette export's output and the palette file to read back.
#include <string>

#include "framework/Prompts.h"

namespace pixolan {

inline FileDialogRequest AsmFileRequest(bool open, const std::string& initialName) {
  FileDialogRequest request;  // hides read-only and prompts before overwriting by default
  request.bOpen = open;
  request.strDefaultExt = ".asm";
  request.strInitialName = initialName;
  request.strFilter = "Assembler Files (*.asm)|*.asm|All Files (*.*)|*.*||";
  return request;
}

}  // namespace pixolan
