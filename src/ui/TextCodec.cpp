#include "ui/TextCodec.h"

#include <QFile>

namespace {

// Length of the valid UTF-8 sequence at text[pos] and its code point, or 0 when the
// byte there does not start one (overlong forms and surrogates are not valid).
std::size_t Utf8Sequence(std::string_view text, std::size_t pos, char32_t& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    minimum = 0x80;
    codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    minimum = 0x800;
    codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    minimum = 0x10000;
    codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(pos + i) & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return 0;
  return length;
}

}  // namespace

QString FromCoreText(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t codePoint = 0;
    const std::size_t length = Utf8Sequence(text, pos, codePoint);
    if (length == 0) codePoint = static_cast<unsigned char>(text[pos]);  // Latin-1 reading
    result += QString::fromUcs4(&codePoint, 1);
    pos += length == 0 ? 1 : length;
  }
  return result;
}

std::string ToCoreText(const QString& text) { return text.toUtf8().toStdString(); }

QString FromCorePath(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToCorePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
