#include "image/PngSession.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pixolan {
namespace {

// Chunks other than the image data may not make libpng reserve more than this.
constexpr png_alloc_size_t kMaxChunkMemory = 8u << 20;

// libpng's largest accepted size; ours is checked afterwards, so that it can be named.
constexpr png_uint_32 kLibpngSizeLimit = 1000000;
constexpr std::size_t kErrorCapacity = 128;

// All that libpng may hold at once for one picture: rows of 16384 pixels and the
// inflate window need far less.
constexpr std::size_t kMaxLibpngMemory = 64u << 20;
// Each block carries its size in front, kept aligned for anything libpng stores.
constexpr std::size_t kBlockHeader = alignof(std::max_align_t);

png_voidp Allocate(png_structp png, png_alloc_size_t size) {
  auto* budget = static_cast<CPngSession::MemoryBudget*>(png_get_mem_ptr(png));
  if (budget == nullptr || size > budget->nLeft) {
    if (budget != nullptr) budget->bExceeded = true;
    return nullptr;
  }
  auto* block = static_cast<unsigned char*>(std::malloc(size + kBlockHeader));
  if (block == nullptr) return nullptr;
  std::memcpy(block, &size, sizeof size);
  budget->nLeft -= size;
  return block + kBlockHeader;
}

void Release(png_structp png, png_voidp pointer) {
  if (pointer == nullptr) return;
  unsigned char* block = static_cast<unsigned char*>(pointer) - kBlockHeader;
  png_alloc_size_t size = 0;
  std::memcpy(&size, block, sizeof size);
  if (auto* budget = static_cast<CPngSession::MemoryBudget*>(png_get_mem_ptr(png))) budget->nLeft += size;
  std::free(block);
}

// libpng must not print, and an error must never return to it; its words are kept.
[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
  if (auto* out = static_cast<char*>(png_get_error_ptr(png)); out != nullptr && message != nullptr) {
    std::snprintf(out, kErrorCapacity, "%s", message);
  }
  png_longjmp(png, 1);
}
void OnPngWarning(png_structp, png_const_charp) {}

// Reads from the memory source; a read past its end is a libpng error.
void ReadFromSource(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<CPngSession::Source*>(png_get_io_ptr(png));
  if (source == nullptr || length > source->size - source->position) png_error(png, "cut short");
  std::memcpy(out, source->data + source->position, length);
  source->position += length;
}

// Asks libpng for rows in the form the image takes them. Called inside a jump frame.
void SetTransforms(png_structp png, png_infop info, PngRowForm form) {
  if (form == PngRowForm::kBgra) {
    const png_byte colourType = png_get_color_type(png, info);
    png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0) png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_bgr(png);
  } else {
    png_set_strip_16(png);  // 16-bit grey keeps its high byte
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

}  // namespace

CPngSession::CPngSession(const std::uint8_t* data, std::size_t size)
    : m_source{data, size, 0}, m_memory{kMaxLibpngMemory, false} {
  static_assert(sizeof m_szError == kErrorCapacity);
  m_png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, m_szError, OnPngError, OnPngWarning, &m_memory, Allocate,
                                   Release);
  if (m_png != nullptr) m_info = png_create_info_struct(m_png);
}

CPngSession::~CPngSession() {
  if (m_png != nullptr) png_destroy_read_struct(&m_png, m_info != nullptr ? &m_info : nullptr, nullptr);
}

bool CPngSession::ReadHeader(PngHeader& header) {
  if (m_png == nullptr || m_info == nullptr) return false;
  if (m_source.size < 8 || png_sig_cmp(m_source.data, 0, 8) != 0) return false;
  if (setjmp(png_jmpbuf(m_png))) return false;
  png_set_read_fn(m_png, &m_source, ReadFromSource);
  // libpng refuses absurd sizes itself, before it reserves anything for them;
  // the reader names the size of those it refuses below that.
  png_set_user_limits(m_png, kLibpngSizeLimit, kLibpngSizeLimit);
  png_set_chunk_malloc_max(m_png, kMaxChunkMemory);
  // Every chunk but IHDR, PLTE, tRNS, IDAT and IEND is skipped unread. libpng
  // 1.6.39 would otherwise allocate a text chunk as long as it claims to be.
  png_set_keep_unknown_chunks(m_png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(m_png, m_info);
  header.width = png_get_image_width(m_png, m_info);
  header.height = png_get_image_height(m_png, m_info);
  header.bitDepth = png_get_bit_depth(m_png, m_info);
  header.colourType = png_get_color_type(m_png, m_info);
  header.interlace = png_get_interlace_type(m_png, m_info);
  return true;
}

int CPngSession::Palette(const png_color** entries) const {
  png_colorp palette = nullptr;
  int count = 0;
  if (m_png == nullptr || png_get_PLTE(m_png, m_info, &palette, &count) == 0 || palette == nullptr) return 0;
  *entries = palette;
  return count;
}

bool CPngSession::ReadRows(PngRowForm form, std::uint8_t** rows, std::size_t rowCapacity) {
  if (m_png == nullptr || m_info == nullptr) return false;
  if (setjmp(png_jmpbuf(m_png))) return false;
  SetTransforms(m_png, m_info, form);
  if (png_get_rowbytes(m_png, m_info) > rowCapacity) return false;
  png_read_image(m_png, rows);
  return true;
}

bool CPngSession::CheckRows(PngRowForm form, std::uint8_t* row, std::size_t rowCapacity) {
  if (m_png == nullptr || m_info == nullptr) return false;
  if (setjmp(png_jmpbuf(m_png))) return false;
  SetTransforms(m_png, m_info, form);
  if (png_get_rowbytes(m_png, m_info) > rowCapacity) return false;
  const int passes = png_get_interlace_type(m_png, m_info) == PNG_INTERLACE_ADAM7 ? 7 : 1;
  const png_uint_32 height = png_get_image_height(m_png, m_info);
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(m_png, row, nullptr);
  }
  return true;
}

}  // namespace pixolan
