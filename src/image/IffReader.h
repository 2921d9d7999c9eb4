#pragma once
#include "image/ImageReader.h"

namespace pixolan {

class CIffReader : public CImageReader {
 protected:
  bool Decode() override { return false; }
};

}  // namespace pixolan
