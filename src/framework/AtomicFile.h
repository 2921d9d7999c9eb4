#pragma once
// Writes a whole file so that a failure never destroys what was there before:
// the bytes go to a temporary file beside the target, which is renamed over the
// target only once everything was written and flushed.
#include <cstdint>
#include <span>
#include <string>

#include "framework/FileException.h"

namespace pixolan {

// Throws CFileException naming the path when anything fails; the target is then untouched.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
void WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace pixolan
