#pragma once
// Base of the sheet readers: a CRasterImage filled from one file format. The
// file is open only inside Load; Decode reads it through the checked cursor.
#include <cstddef>
#include <string>

#include "image/MappedFile.h"
#include "image/RasterImage.h"

namespace pixolan {

class CImageReader : public CRasterImage {
 public:
  bool Load(const char* path) final;
  // Decodes a file image held in memory (fuzzing, tests).
  bool LoadMemory(const void* data, std::size_t size);
  // Why the last load refused its file ("2-bit BMP"); empty after a success.
  const std::string& Refusal() const { return m_strRefusal; }

 protected:
  // Reads m_file from its start; false refuses the file, with a reason given through Refuse.
  virtual bool Decode() = 0;
  // Keeps the first reason given for a refusal; always false, so that a reader can return it.
  bool Refuse(std::string reason);

  CMappedFile m_file;

 private:
  bool DecodeAndClose();

  std::string m_strRefusal;
};

}  // namespace pixolan
