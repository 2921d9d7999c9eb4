#pragma once
#include <initializer_list>
#include <memory>
#include <string_view>

#include "image/ImageReader.h"

namespace pixolan {

class CImageReaderFactory {
 public:
  virtual ~CImageReaderFactory() = default;
  virtual bool Handles(std::string_view path) const { (void)path; return false; }
  virtual std::unique_ptr<CImageReader> CreateReader() const { return nullptr; }
  // Short name of the format for reports: "BMP", "GBR", "IFF", "PNG".
  virtual std::string_view Format() const { return {}; }
};

// True when the text from the path's last '.' to its end equals one of the
// extensions (given with their dot), ignoring the case of ASCII letters.
bool PathHasExtension(std::string_view path, std::initializer_list<std::string_view> extensions);

}  // namespace pixolan
