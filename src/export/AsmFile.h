#pragma once
// The assembler file of the animation export. The text is collected in memory
// and reaches the disk only when Close saves it in one piece (a temporary file
// renamed over the target), so a failed export never leaves half a file behind
// and never destroys an earlier one.
#include <string>

#include "framework/TextFile.h"

namespace pixolan {

class CAsmFile {
 public:
  CAsmFile() = default;
  CAsmFile(const CAsmFile&) = delete;
  CAsmFile& operator=(const CAsmFile&) = delete;
  // A file that was never closed is discarded: nothing of it reaches the disk.
  virtual ~CAsmFile() = default;

  // Starts a fresh file for the path and writes the header. False for an empty path.
  bool Open(const std::string& path);
  // Saves the text to the path given to Open and clears the open flag. Throws
  // CFileException when the file cannot be written; the target is then untouched.
  void Close();
  // Clears the open flag without writing anything.
  void Discard();
  bool IsOpen() const { return m_bOpen; }

  void WriteHeader();
  CTextWriter& Writer() { return m_writer; }
  // The file's bytes as they are (or would be) saved, CR LF line ends included.
  const std::string& Bytes() const { return m_writer.Bytes(); }

 private:
  CTextWriter m_writer;
  std::string m_strPath;
  bool m_bOpen = false;
};

}  // namespace pixolan
