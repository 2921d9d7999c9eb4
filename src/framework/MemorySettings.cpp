#include "framework/MemorySettings.h"

#include <charconv>

namespace pixolan {

int CMemorySettings::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  auto it = m_values.find({section, entry});
  if (it == m_values.end()) return defaultValue;
  int value = 0;
  const std::string& text = it->second;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return (ec == std::errc() && end == text.data() + text.size()) ? value : defaultValue;
}

std::string CMemorySettings::GetProfileString(const std::string& section, const std::string& entry,
                                              const std::string& defaultValue) {
  auto it = m_values.find({section, entry});
  return it == m_values.end() ? defaultValue : it->second;
}

void CMemorySettings::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  WriteProfileString(section, entry, std::to_string(value));
}

void CMemorySettings::WriteProfileString(const std::string& section, const std::string& entry,
                                         const std::string& value) {
  m_values[{section, entry}] = value;
  m_writeLog.push_back(section + "/" + entry + "=" + value);
}

bool CMemorySettings::Has(const std::string& section, const std::string& entry) const {
  return m_values.count({section, entry}) != 0;
}

}  // namespace pixolan
