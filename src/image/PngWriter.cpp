#include "image/PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <string>

namespace pixolan {
namespace {

[[noreturn]] void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

// libpng's output callback. An exception must not pass through libpng: a
// failed append becomes a libpng error once the try block has ended.
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bool appended = false;
  try {
    bytes->insert(bytes->end(), data, data + length);
    appended = true;
  } catch (...) {
  }
  if (!appended) png_error(png, "out of memory");
}
void FlushNothing(png_structp) {}

// Every libpng call of a write; false after a libpng error.
bool WriteAll(png_structp png, png_infop info, const CRgbPicture& picture, std::vector<std::uint8_t>* bytes) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, bytes, AppendBytes, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.Height(); ++y) png_write_row(png, picture.Row(y));
  png_write_end(png, info);
  return true;
}

// Owns libpng's write structures.
class CPngWriteSession {
 public:
  CPngWriteSession() {
    m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (m_png != nullptr) m_info = png_create_info_struct(m_png);
  }
  ~CPngWriteSession() {
    if (m_png != nullptr) png_destroy_write_struct(&m_png, m_info != nullptr ? &m_info : nullptr);
  }
  CPngWriteSession(const CPngWriteSession&) = delete;
  CPngWriteSession& operator=(const CPngWriteSession&) = delete;

  bool Write(const CRgbPicture& picture, std::vector<std::uint8_t>& bytes) {
    return m_png != nullptr && m_info != nullptr && WriteAll(m_png, m_info, picture, &bytes);
  }

 private:
  png_structp m_png = nullptr;
  png_infop m_info = nullptr;
};

}  // namespace

std::vector<std::uint8_t> EncodePng(const CRgbPicture& picture) {
  std::vector<std::uint8_t> bytes;
  CPngWriteSession session;
  if (!session.Write(picture, bytes)) {
    throw PngWriteError("the PNG of " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()) +
                        " pixels could not be written");
  }
  return bytes;
}

}  // namespace pixolan
