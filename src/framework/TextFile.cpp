#include "framework/TextFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdarg>
#include <vector>

#include "framework/AtomicFile.h"
#include "framework/FileException.h"

namespace pixolan {

void CTextWriter::WriteString(std::string_view text) {
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
    m_bytes.append(text.data() + start, end - start);
    m_bytes += "\r\n";
    start = end + 1;
  }
  m_bytes.append(text.data() + start, text.size() - start);
}

void CTextWriter::WriteHex(std::uint32_t value, int minDigits) {
  char digits[8];
  int n = 0;
  do {
    digits[n++] = "0123456789abcdef"[value & 15u];
    value >>= 4;
  } while (value != 0);
  while (n < minDigits && n < 8) digits[n++] = '0';
  while (n > 0) m_bytes += digits[--n];
}

void CTextWriter::Printf(const char* format, ...) {
  char small[512];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) {
    va_end(copy);
    return;
  }
  if (static_cast<std::size_t>(n) < sizeof small) {
    va_end(copy);
    WriteString(std::string_view(small, static_cast<std::size_t>(n)));
    return;
  }
  std::vector<char> big(static_cast<std::size_t>(n) + 1);
  std::vsnprintf(big.data(), big.size(), format, copy);
  va_end(copy);
  WriteString(std::string_view(big.data(), static_cast<std::size_t>(n)));
}

void CTextWriter::Save(const std::string& path) const { WriteFileAtomically(path, m_bytes); }

CTextFileReader::CTextFileReader(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    throw CFileException(CFileException::badPath, EISDIR, path);
  }
  // A device (/dev/zero) would feed one endless line.
  if (::stat(path.c_str(), &st) == 0 && (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))) {
    throw CFileException(CFileException::accessDenied, EACCES, path);
  }
  m_file.reset(std::fopen(path.c_str(), "rb"));
  if (!m_file) {
    const int error = errno;
    throw CFileException(CFileException::CauseFromErrno(error), error, path);
  }
}

bool CTextFileReader::ReadString(std::string& line) {
  line.clear();
  int c = 0;
  bool any = false;
  while ((c = std::getc(m_file.get())) != EOF) {
    any = true;
    if (c == '\n') break;
    // Text past the limit is dropped, so no line can take unbounded memory.
    if (line.size() < kMaxLineLength) line += static_cast<char>(c);
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace pixolan
