#pragma once
// Settings kept in memory (tests, the command line). Remembers the order of writes.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/Settings.h"

namespace pixolan {

class CMemorySettings : public ISettings {
 public:
  int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override;
  std::string GetProfileString(const std::string& section, const std::string& entry,
                               const std::string& defaultValue) override;
  void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
  void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

  bool Has(const std::string& section, const std::string& entry) const;
  // "Section/Entry=value" for every write, oldest first.
  const std::vector<std::string>& WriteLog() const { return m_writeLog; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> m_values;
  std::vector<std::string> m_writeLog;
};

}  // namespace pixolan
