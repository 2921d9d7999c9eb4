#pragma once
// The core keeps names and paths as bytes. Names are shown as UTF-8 with a Latin-1
// reading of any byte that is not part of a valid UTF-8 sequence, and what the user
// types is stored as UTF-8; paths go through the file system's own encoding.
#include <QString>
#include <string>
#include <string_view>

QString FromCoreText(std::string_view text);
std::string ToCoreText(const QString& text);
QString FromCorePath(std::string_view path);
std::string ToCorePath(const QString& path);
