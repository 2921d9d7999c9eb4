#include "image/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "framework/ByteOrder.h"

namespace pixolan {

bool CMappedFile::Open(const char* path) {
  Close();
  m_strOpenError.clear();
  auto fail = [this](std::string why) {
    Close();
    m_strOpenError = std::move(why);
    return false;
  };
  m_hFile = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (m_hFile < 0) return fail(std::strerror(errno));
  struct stat st {};
  if (::fstat(m_hFile, &st) != 0) return fail(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return fail("not a regular file");
  if (st.st_size <= 0) return fail("empty file");
  // Readers go through the whole file: mapping a sheet-sized one in one go spares
  // a fault per page (a huge file, perhaps refused after its header, is not read ahead).
  int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
  constexpr off_t kPopulateMax = off_t{256} << 20;
  if (st.st_size <= kPopulateMax) flags |= MAP_POPULATE;
#endif
  void* view = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, flags, m_hFile, 0);
  if (view == MAP_FAILED) return fail(std::strerror(errno));
  ::posix_madvise(view, static_cast<std::size_t>(st.st_size), POSIX_MADV_SEQUENTIAL);
  m_hMapping = view;
  m_nSize = static_cast<std::size_t>(st.st_size);
  m_pBase = static_cast<const std::uint8_t*>(view);
  m_nCursor = 0;
  return true;
}

bool CMappedFile::OpenMemory(const void* data, std::size_t size) {
  Close();
  if (data == nullptr || size == 0) return false;
  m_pBase = static_cast<const std::uint8_t*>(data);
  m_nSize = size;
  m_nCursor = 0;
  return true;
}

void CMappedFile::Close() {
  if (m_hMapping != nullptr) ::munmap(m_hMapping, m_nSize);
  m_hMapping = nullptr;
  m_pBase = nullptr;
  m_nCursor = 0;
  if (m_hFile >= 0) ::close(m_hFile);
  m_hFile = -1;
  m_nSize = 0;
}

void CMappedFile::Seek(std::uint32_t offset, int origin) {
  switch (origin) {
    case kCurrent:
      m_nCursor += offset;
      break;
    case kEnd:
      m_nCursor = static_cast<std::int64_t>(m_nSize) - offset;
      break;
    default:
      m_nCursor = offset;
      break;
  }
}

std::size_t CMappedFile::Remaining() const {
  if (m_pBase == nullptr || m_nCursor < 0 || m_nCursor >= static_cast<std::int64_t>(m_nSize)) return 0;
  return m_nSize - static_cast<std::size_t>(m_nCursor);
}

const std::uint8_t* CMappedFile::ReadSpan(std::size_t n) {
  if (!CanRead(n)) return nullptr;
  const std::uint8_t* p = m_pBase + m_nCursor;
  m_nCursor += static_cast<std::int64_t>(n);
  return p;
}

bool CMappedFile::ReadBytes(void* out, std::size_t n) {
  const std::uint8_t* p = ReadSpan(n);
  if (p == nullptr) return false;
  if (n != 0) std::memcpy(out, p, n);
  return true;
}

bool CMappedFile::Skip(std::size_t n) { return ReadSpan(n) != nullptr; }

bool CMappedFile::ReadU8(std::uint8_t& value) {
  const std::uint8_t* p = ReadSpan(1);
  if (p == nullptr) return false;
  value = p[0];
  return true;
}

bool CMappedFile::ReadU16LE(std::uint16_t& value) {
  const std::uint8_t* p = ReadSpan(2);
  if (p == nullptr) return false;
  value = ReadLe16(p);
  return true;
}

bool CMappedFile::ReadU16BE(std::uint16_t& value) {
  const std::uint8_t* p = ReadSpan(2);
  if (p == nullptr) return false;
  value = ReadBe16(p);
  return true;
}

bool CMappedFile::ReadU32LE(std::uint32_t& value) {
  const std::uint8_t* p = ReadSpan(4);
  if (p == nullptr) return false;
  value = ReadLe32(p);
  return true;
}

bool CMappedFile::ReadU32BE(std::uint32_t& value) {
  const std::uint8_t* p = ReadSpan(4);
  if (p == nullptr) return false;
  value = ReadBe32(p);
  return true;
}

}  // namespace pixolan
