#include "framework/Archive.h"

#include <cstring>

#include "framework/ByteOrder.h"
#include "framework/FileException.h"

namespace pixolan {

CArchive::CArchive(std::string fileName) : m_mode(store), m_strFileName(std::move(fileName)) {}

CArchive::CArchive(std::span<const std::uint8_t> bytes, std::string fileName)
    : m_mode(load), m_strFileName(std::move(fileName)), m_load(bytes) {}

void CArchive::Write(const void* data, std::size_t n) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  m_store.insert(m_store.end(), p, p + n);
}

void CArchive::WriteU32(std::uint32_t v) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                 static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  Write(bytes, 4);
}

void CArchive::Read(void* data, std::size_t n) {
  if (!IsLoading() || n > Remaining()) throw CFileException(CFileException::generic, -1, m_strFileName);
  if (n != 0) std::memcpy(data, m_load.data() + m_nPosition, n);
  m_nPosition += n;
}

std::uint8_t CArchive::ReadU8() {
  std::uint8_t v = 0;
  Read(&v, 1);
  return v;
}

std::uint32_t CArchive::ReadU32() {
  std::uint8_t b[4];
  Read(b, 4);
  return ReadLe32(b);
}

}  // namespace pixolan
