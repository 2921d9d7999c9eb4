#pragma once
// One libpng read of a PNG held in memory, whose allocations are counted and bounded. libpng reports errors by longjmp;
// every call into it happens inside a small function of PngSession.cpp that
// sets the jump target and holds no C++ object with a destructor, so an error
// unwinds nothing of ours and only makes that function return false.
#include <png.h>

#include <cstddef>
#include <cstdint>

namespace pixolan {

struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;
  int interlace = 0;
};

// What the rows should become: packed indices as stored, or 4 bytes a pixel
// (blue, green, red, alpha/filler) with 16-bit channels cut to 8.
enum class PngRowForm { kPackedIndices, kBgra };

class CPngSession {
 public:
  // data must outlive the session; reads never go past data + size.
  CPngSession(const std::uint8_t* data, std::size_t size);
  ~CPngSession();
  CPngSession(const CPngSession&) = delete;
  CPngSession& operator=(const CPngSession&) = delete;

  // Checks the signature and reads every chunk up to the image data. Ancillary
  // chunks are skipped unread (none of them changes the rows we ask for), so a
  // text or profile chunk claiming gigabytes costs nothing.
  bool ReadHeader(PngHeader& header);
  // The PLTE entries (after ReadHeader), or 0 when there is none.
  int Palette(const png_color** entries) const;
  // Decodes all rows (all passes of an interlaced file) into rows[0..height-1],
  // each at least rowCapacity bytes. False on any error or when a row would not fit.
  bool ReadRows(PngRowForm form, std::uint8_t** rows, std::size_t rowCapacity);
  // Decodes every row (every pass) into the one row given and forgets it: proves that
  // the data is all there before the picture's memory is reserved.
  bool CheckRows(PngRowForm form, std::uint8_t* row, std::size_t rowCapacity);
  // libpng's words for the error that ended the last call ("Not enough image data"), or empty.
  const char* Error() const { return m_szError; }
  // libpng asked for more memory than one picture may cost (kMaxLibpngMemory); it may
  // have carried on without it, but the file is refused all the same.
  bool MemoryExceeded() const { return m_memory.bExceeded; }

  // The memory source; public only for libpng's read callback.
  struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
  };
  // What libpng may still allocate; public only for libpng's memory callbacks.
  struct MemoryBudget {
    std::size_t nLeft;
    bool bExceeded;
  };

 private:
  Source m_source;
  MemoryBudget m_memory;
  char m_szError[128] = {};
  png_structp m_png = nullptr;
  png_infop m_info = nullptr;
};

}  // namespace pixolan
