#pragma once
// The one exception the program throws: a file could not be read or written.
// Callers report it with GetErrorMessage(), which names the file.
#include <stdexcept>
#include <string>

namespace pixolan {

class CFileException : public std::runtime_error {
 public:
  enum Cause { generic, fileNotFound, accessDenied, diskFull, endOfFile, badPath };  // endOfFile: a read past the end

  CFileException(Cause cause, int osError, std::string fileName);

  Cause m_cause;
  int m_lOsError;  // errno, or -1 when the fault is the file's content
  std::string m_strFileName;

  // The standard report for the cause, with the file's path (or "an unnamed file") in it.
  std::string GetErrorMessage() const;
  // Maps an errno value to a cause.
  static Cause CauseFromErrno(int error);
};

// Replaces every "%1" in a message template with the argument (and "%2" likewise).
std::string FormatMessage(const std::string& pattern, const std::string& arg1, const std::string& arg2 = {});

}  // namespace pixolan
