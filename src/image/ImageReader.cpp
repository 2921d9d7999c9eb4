#include "image/ImageReader.h"

namespace pixolan {

bool CImageReader::Load(const char* path) {
  if (path == nullptr || !m_file.Open(path)) return false;
  return DecodeAndClose();
}

bool CImageReader::LoadMemory(const void* data, std::size_t size) {
  if (!m_file.OpenMemory(data, size)) return false;
  return DecodeAndClose();
}

bool CImageReader::DecodeAndClose() {
  const bool ok = Decode();
  m_file.Close();
  if (!ok) Release();
  return ok;
}

}  // namespace pixolan
