#pragma once
// Writes an animated GIF in memory through giflib: a screen of one size, a
// loop that never ends (the NETSCAPE2.0 extension), and frames that each fill
// the screen with a colour map of their own and a fixed delay.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "image/RgbPicture.h"

struct GifFileType;

namespace pixolan {

class GifWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CGifWriter {
 public:
  // Every frame is width x height (1..65535) and shows for delay hundredths of
  // a second. Throws GifWriteError.
  CGifWriter(int width, int height, int delay);
  ~CGifWriter();
  CGifWriter(const CGifWriter&) = delete;
  CGifWriter& operator=(const CGifWriter&) = delete;

  // Appends a frame of the screen's size. A frame of more than 256 colours, or
  // of another size, is refused with GifWriteError and nothing is appended.
  void AddFrame(const CRgbPicture& frame);
  // Ends the file and hands over its bytes; the writer takes no more frames.
  std::vector<std::uint8_t> Finish();

 private:
  struct Closer {
    void operator()(GifFileType* gif) const;
  };
  void Check(int result, const char* what);

  std::vector<std::uint8_t> m_bytes;  // declared first: the handle writes into it until it is closed
  std::unique_ptr<GifFileType, Closer> m_gif;
  int m_nWidth;
  int m_nHeight;
  int m_nDelay;
};

}  // namespace pixolan
