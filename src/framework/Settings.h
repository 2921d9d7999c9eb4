#pragma once
// Profile settings: small integers and strings in named sections. A missing or
// unreadable value yields the caller's default.
#include <string>

namespace pixolan {

class ISettings {
 public:
  virtual ~ISettings() = default;
  virtual int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) = 0;
  virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) = 0;
  virtual void WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
  virtual void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) = 0;
};

}  // namespace pixolan
