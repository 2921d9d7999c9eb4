#pragma once
// Turns a file name into a loaded image: the first factory whose extension
// matches creates the reader; only that reader is tried.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "image/ImageReaderFactory.h"

namespace pixolan {

// The file-dialog filter for every sheet the readers take.
inline constexpr const char* kSheetFileFilter =
    "All Sheet Files (*.bmp;*.png;*.iff;*.lbm;*.gbr)|*.bmp;*.png;*.iff;*.lbm;*.gbr|"
    "Bitmap Files (*.bmp)|*.bmp|IFF/LBM Files (*.iff;*.lbm)|*.iff;*.lbm|GBR Files (*.gbr)|*.gbr|"
    "PNG Files (*.png)|*.png|All Files (*.*)|*.*||";

class CImageReaderList {
 public:
  CImageReaderList();
  virtual ~CImageReaderList() = default;

  // Null when the file is refused; then refusal (when given) says why, and the
  // debug output too ("No such file or directory", "2-bit BMP").
  std::unique_ptr<CRasterImage> OpenImage(const char* path, std::string* refusal = nullptr) const;
  // Same choice of reader by the name's extension, decoding bytes held in memory.
  std::unique_ptr<CRasterImage> OpenImageFromMemory(std::string_view name, const void* data, std::size_t size,
                                                    std::string* refusal = nullptr) const;
  static void DestroyImage(std::unique_ptr<CRasterImage>& image) { image.reset(); }

  // The format name of the factory that handles a path ("BMP", "GBR", "IFF", "PNG"), or empty.
  std::string_view FormatOf(std::string_view path) const;

 private:
  const CImageReaderFactory* FactoryFor(std::string_view path) const;

  std::vector<std::unique_ptr<CImageReaderFactory>> m_factories;
};

// A refusal message with its reason after it: "FATAL: Unable to load image file: 2-bit BMP"
// (a closing line end stays at the end).
std::string WithReason(std::string_view message, std::string_view reason);

}  // namespace pixolan
