#include "ui/QtSettings.h"

#include "ui/TextCodec.h"

namespace {

QString Key(const std::string& section, const std::string& entry) {
  return FromCoreText(section) + '/' + FromCoreText(entry);
}

}  // namespace

CQtSettings::CQtSettings()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Brindlewerk/Pixolan"),
                 QStringLiteral("Pixolan")) {}

int CQtSettings::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  const QVariant value = m_settings.value(Key(section, entry));
  if (!value.isValid()) return defaultValue;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? number : defaultValue;
}

std::string CQtSettings::GetProfileString(const std::string& section, const std::string& entry,
                                          const std::string& defaultValue) {
  const QVariant value = m_settings.value(Key(section, entry));
  if (!value.isValid()) return defaultValue;
  if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
  // An unquoted comma in a hand-edited file makes the INI reader split the text.
  if (value.typeId() == QMetaType::QStringList) return ToCoreText(value.toStringList().join(','));
  return ToCoreText(value.toString());
}

void CQtSettings::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  m_settings.setValue(Key(section, entry), value);
  m_settings.sync();  // stored at once: the work that follows may end the program
}

void CQtSettings::WriteProfileString(const std::string& section, const std::string& entry,
                                     const std::string& value) {
  const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
  const QString text = QString::fromUtf8(bytes);
  // Bytes that are not UTF-8 (a path in another encoding) are kept as bytes, unchanged.
  if (text.toUtf8() == bytes) m_settings.setValue(Key(section, entry), text);
  else m_settings.setValue(Key(section, entry), bytes);
  m_settings.sync();
}
