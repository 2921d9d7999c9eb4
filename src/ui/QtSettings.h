#pragma once
// The application's profile settings in an INI file of the user's configuration
// folder (Brindlewerk/Pixolan/Pixolan.ini), one group per section.
#include <QSettings>
#include <string>

#include "framework/Settings.h"

class CQtSettings : public pixolan::ISettings {
 public:
  CQtSettings();

  int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) override;
  std::string GetProfileString(const std::string& section, const std::string& entry,
                               const std::string& defaultValue) override;
  void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
  void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

  // Where the values are kept, for tests and diagnostics.
  QString FileName() const { return m_settings.fileName(); }

 private:
  QSettings m_settings;
};
