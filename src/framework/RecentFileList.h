#pragma once
// The most recently opened documents, newest first, kept in the settings
// (section "Recent File List", values "File1", "File2", ...) and shown as
// numbered entries of the File menu.
#include <cstddef>
#include <string>
#include <vector>

#include "framework/Settings.h"

namespace pixolan {

class CRecentFileList {
 public:
  explicit CRecentFileList(ISettings& settings, std::size_t maxEntries = 4);

  // Reads File1, File2, ... up to the first missing or empty value.
  void Load();
  // Writes File1..FileN and empties the places behind them.
  void Save();

  // The path becomes the first entry; an equal entry further down goes, and
  // the oldest falls off beyond the maximum. An empty path is ignored.
  void Add(const std::string& path);
  // Removes the entry at that place (a file that no longer opens); out of range: nothing.
  void Remove(std::size_t index);

  const std::vector<std::string>& Entries() const { return m_entries; }
  // "&1 /home/ann/sprites/walk.pxo": the number as the mnemonic and the path,
  // with folders in its middle elided as "..." when it is long; "" out of range.
  std::string MenuText(std::size_t index) const;

  static constexpr std::size_t kMenuPathChars = 48;

 private:
  ISettings& m_settings;
  std::size_t m_nMaxEntries;
  std::vector<std::string> m_entries;
};

}  // namespace pixolan
