#include "framework/FileException.h"

#include <cerrno>

namespace pixolan {
namespace {

const char* PatternFor(CFileException::Cause cause) {
  switch (cause) {
    case CFileException::fileNotFound:
      return "%1 was not found.";
    case CFileException::accessDenied:
      return "Access to %1 was denied.";
    case CFileException::diskFull:
      return "Disk full while accessing %1.";
    case CFileException::endOfFile:
      return "An attempt was made to access %1 past its end.";
    case CFileException::badPath:
      return "%1 contains an invalid path.";
    case CFileException::generic:
    default:
      return "An unknown error occurred while accessing %1.";
  }
}

// A file without a name (an empty palette file name) is still named in the message.
std::string NameOf(const std::string& fileName) { return fileName.empty() ? "an unnamed file" : fileName; }

}  // namespace

CFileException::CFileException(Cause cause, int osError, std::string fileName)
    : std::runtime_error(FormatMessage(PatternFor(cause), NameOf(fileName))),
      m_cause(cause),
      m_lOsError(osError),
      m_strFileName(std::move(fileName)) {}

std::string CFileException::GetErrorMessage() const {
  return FormatMessage(PatternFor(m_cause), NameOf(m_strFileName));
}

CFileException::Cause CFileException::CauseFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return fileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return accessDenied;
    case ENOSPC:
    case EDQUOT:
      return diskFull;
    case EISDIR:
    case ENOTDIR:
    case ENAMETOOLONG:
      return badPath;
    default:
      return generic;
  }
}

std::string FormatMessage(const std::string& pattern, const std::string& arg1, const std::string& arg2) {
  // One pass over the pattern only: a "%2" inside a substituted path stays as it is.
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      text += pattern[i + 1] == '1' ? arg1 : arg2;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace pixolan
