#include "export/AsmFile.h"

namespace pixolan {
namespace {

// The fixed explanation at the top of every export: what the frame data and the
// block words mean to the program that reads them.
constexpr const char* kHeaderLines[] = {
    ";//****************************************************************\n",
    ";//\t\tANIMATION DATA EXPORTED FROM THE PIXOLAN\n",
    ";//****************************************************************\n",
    "\n",
    ";// FRAME DATA STRUCTURE\n",
    ";// BYTE\t\t\tDESCRIPTION\n",
    ";//  0\t\t\t\tWidth of the frame in blocks\n",
    ";//  1\t\t\t\tHeight of the frame in blocks\n",
    ";//  2\t\t\t\tXOffset for start of data\n",
    ";//  3\t\t\t\tYOffset for start of data\n",
    ";//  4->\t\t\tCharacter Block Word.\n",
    ";//\n",
    ";// CHARACTER BLOCK WORD\n",
    ";// BITS\t\t\tDESCRIPTION\n",
    ";//  15 - 4\t\t\tBlock number (mask with FFF0h and add to the block table)\n",
    ";//  3\t\t\t\tspare\n",
    ";//  2\t\t\t\tspare\n",
    ";//  1\t\t\t\tX-FLIP BLOCK\n",
    ";//  0\t\t\t\tY-FLIP BLOCK\n",
    "\n",
    ";// ANIMATION HEADER\n",
};

}  // namespace

bool CAsmFile::Open(const std::string& path) {
  m_bOpen = false;
  if (path.empty()) return false;
  m_strPath = path;
  m_writer = CTextWriter{};
  m_bOpen = true;
  WriteHeader();
  return true;
}

void CAsmFile::Close() {
  if (!m_bOpen) return;
  m_bOpen = false;
  m_writer.Save(m_strPath);
}

void CAsmFile::Discard() { m_bOpen = false; }

void CAsmFile::WriteHeader() {
  for (const char* line : kHeaderLines) m_writer.WriteString(line);
}

}  // namespace pixolan
