#include "framework/RecentFileList.h"

#include <algorithm>

namespace pixolan {
namespace {

constexpr const char* kSection = "Recent File List";

std::string EntryName(std::size_t index) { return "File" + std::to_string(index + 1); }

// Keeps the first folder and as many trailing folders as fit in front of the
// file name, which always stays whole: "/home/.../sprites/walk.pxo".
std::string ShortenedPath(const std::string& path, std::size_t limit) {
  if (path.size() <= limit) return path;
  const std::size_t nameSeparator = path.rfind('/');
  const std::size_t headEnd = path.find('/', path.starts_with('/') ? 1 : 0);
  if (nameSeparator == std::string::npos || headEnd >= nameSeparator) return path;
  const std::string head = path.substr(0, headEnd) + "/...";
  std::size_t tail = nameSeparator;
  for (std::size_t s = path.find('/', headEnd + 1); s < nameSeparator; s = path.find('/', s + 1)) {
    if (head.size() + path.size() - s <= limit) {
      tail = s;
      break;
    }
  }
  return head + path.substr(tail);
}

// A single "&" in a menu text marks the mnemonic; the path's own are doubled.
std::string EscapeMnemonics(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

}  // namespace

CRecentFileList::CRecentFileList(ISettings& settings, std::size_t maxEntries)
    : m_settings(settings), m_nMaxEntries(maxEntries) {}

void CRecentFileList::Load() {
  m_entries.clear();
  for (std::size_t i = 0; i < m_nMaxEntries; ++i) {
    const std::string path = m_settings.GetProfileString(kSection, EntryName(i), "");
    if (path.empty()) break;
    // A hand-edited list may repeat a file: the menu shows it once.
    if (std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end()) m_entries.push_back(path);
  }
}

void CRecentFileList::Save() {
  for (std::size_t i = 0; i < m_nMaxEntries; ++i) {
    m_settings.WriteProfileString(kSection, EntryName(i), i < m_entries.size() ? m_entries[i] : std::string());
  }
}

void CRecentFileList::Add(const std::string& path) {
  if (path.empty() || m_nMaxEntries == 0) return;
  m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
  m_entries.insert(m_entries.begin(), path);
  if (m_entries.size() > m_nMaxEntries) m_entries.resize(m_nMaxEntries);
}

void CRecentFileList::Remove(std::size_t index) {
  if (index < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string CRecentFileList::MenuText(std::size_t index) const {
  if (index >= m_entries.size()) return {};
  return "&" + std::to_string(index + 1) + " " + EscapeMnemonics(ShortenedPath(m_entries[index], kMenuPathChars));
}

}  // namespace pixolan
