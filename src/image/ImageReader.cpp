#include "image/ImageReader.h"

namespace pixolan {

bool CImageReader::Load(const char* path) {
  m_strRefusal.clear();
  if (path == nullptr) return Refuse("no file name given");
  if (!m_file.Open(path)) return Refuse(m_file.OpenError());
  return DecodeAndClose();
}

bool CImageReader::LoadMemory(const void* data, std::size_t size) {
  m_strRefusal.clear();
  if (!m_file.OpenMemory(data, size)) return Refuse("empty file");
  return DecodeAndClose();
}

bool CImageReader::Refuse(std::string reason) {
  if (m_strRefusal.empty()) m_strRefusal = std::move(reason);
  return false;
}

bool CImageReader::DecodeAndClose() {
  const bool ok = Decode();
  m_file.Close();
  if (ok) {
    m_strRefusal.clear();
    return true;
  }
  // A reader that names no reason still tells the user that the contents were the trouble.
  if (m_strRefusal.empty()) m_strRefusal = "unreadable contents";
  Release();
  return false;
}

}  // namespace pixolan
