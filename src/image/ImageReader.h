#pragma once
// Base of the sheet readers: a CRasterImage filled from one file format. The
// file is open only inside Load; Decode reads it through the checked cursor.
#include <cstddef>

#include "image/MappedFile.h"
#include "image/RasterImage.h"

namespace pixolan {

class CImageReader : public CRasterImage {
 public:
  bool Load(const char* path) final;
  // Decodes a file image held in memory (fuzzing, tests).
  bool LoadMemory(const void* data, std::size_t size);

 protected:
  // Reads m_file from its start; false refuses the file.
  virtual bool Decode() = 0;

  CMappedFile m_file;

 private:
  bool DecodeAndClose();
};

}  // namespace pixolan
