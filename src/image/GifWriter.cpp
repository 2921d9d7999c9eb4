#include "image/GifWriter.h"

#include <gif_lib.h>

#include <string>
#include <unordered_map>

namespace pixolan {
namespace {

constexpr int kMaxColours = 256;

// giflib's output callback; an exception must not pass through giflib.
int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  try {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
  } catch (...) {
    return 0;  // giflib reports a failed write
  }
}

// giflib has no text for some codes.
std::string ErrorText(int error) {
  const char* text = GifErrorString(error);
  return text != nullptr ? text : "error " + std::to_string(error);
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// The frame's pixels as indices into its colours, in order of first use.
struct IndexedFrame {
  std::vector<GifPixelType> indices;
  std::vector<GifColorType> colours;
};

IndexedFrame IndexColours(const CRgbPicture& frame) {
  IndexedFrame out;
  out.indices.reserve(static_cast<std::size_t>(frame.Width()) * static_cast<std::size_t>(frame.Height()));
  std::unordered_map<std::uint32_t, GifPixelType> known;
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      const RgbColour c = frame.At(x, y);
      const std::uint32_t key = std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
      auto [at, added] = known.try_emplace(key, static_cast<GifPixelType>(out.colours.size()));
      if (added) {
        if (out.colours.size() == kMaxColours) {
          throw GifWriteError("a GIF frame holds at most " + std::to_string(kMaxColours) + " colours; this one has more");
        }
        out.colours.push_back(GifColorType{c.red, c.green, c.blue});
      }
      out.indices.push_back(at->second);
    }
  }
  return out;
}

// giflib takes colour maps of 2, 4, ... 256 entries: the rest stays black.
ColourMap MakeColourMap(std::vector<GifColorType> colours) {
  std::size_t size = 2;
  while (size < colours.size()) size *= 2;
  colours.resize(size, GifColorType{0, 0, 0});
  ColourMap map(GifMakeMapObject(static_cast<int>(size), colours.data()));
  if (!map) throw GifWriteError("out of memory for a GIF colour map");
  return map;
}

}  // namespace

void CGifWriter::Closer::operator()(GifFileType* gif) const {
  int error = 0;
  EGifCloseFile(gif, &error);
}

CGifWriter::CGifWriter(int width, int height, int delay) : m_nWidth(width), m_nHeight(height), m_nDelay(delay) {
  if (width < 1 || height < 1 || width > 65535 || height > 65535) {
    throw GifWriteError("a GIF is 1 to 65535 pixels a side, not " + std::to_string(width) + "x" + std::to_string(height));
  }
  int error = 0;
  m_gif.reset(EGifOpen(&m_bytes, AppendBytes, &error));
  if (!m_gif) throw GifWriteError("giflib: " + ErrorText(error));
  EGifSetGifVersion(m_gif.get(), true);  // the delays and the loop are GIF89a extensions
  Check(EGifPutScreenDesc(m_gif.get(), width, height, 8, 0, nullptr), "screen");
  // Application extension: loop the animation forever (count 0).
  static const GifByteType kLoop[] = {1, 0, 0};
  Check(EGifPutExtensionLeader(m_gif.get(), APPLICATION_EXT_FUNC_CODE), "loop");
  Check(EGifPutExtensionBlock(m_gif.get(), 11, "NETSCAPE2.0"), "loop");
  Check(EGifPutExtensionBlock(m_gif.get(), sizeof kLoop, kLoop), "loop");
  Check(EGifPutExtensionTrailer(m_gif.get()), "loop");
}

CGifWriter::~CGifWriter() = default;

void CGifWriter::Check(int result, const char* what) {
  if (result == GIF_OK) return;
  const int error = m_gif ? m_gif->Error : 0;
  throw GifWriteError(std::string("giflib failed writing the ") + what + ": " + ErrorText(error));
}

void CGifWriter::AddFrame(const CRgbPicture& frame) {
  if (!m_gif) throw GifWriteError("the GIF is already finished");
  if (frame.Width() != m_nWidth || frame.Height() != m_nHeight) throw GifWriteError("a GIF frame must fill the screen");
  IndexedFrame indexed = IndexColours(frame);
  const ColourMap map = MakeColourMap(std::move(indexed.colours));
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = m_nDelay;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4] = {};
  const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
  Check(EGifPutExtension(m_gif.get(), GRAPHICS_EXT_FUNC_CODE, length, extension), "frame delay");
  Check(EGifPutImageDesc(m_gif.get(), 0, 0, m_nWidth, m_nHeight, false, map.get()), "frame");
  for (int y = 0; y < m_nHeight; ++y) {
    GifPixelType* row = indexed.indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth);
    Check(EGifPutLine(m_gif.get(), row, m_nWidth), "frame");
  }
}

std::vector<std::uint8_t> CGifWriter::Finish() {
  if (!m_gif) throw GifWriteError("the GIF is already finished");
  int error = 0;
  const int result = EGifCloseFile(m_gif.release(), &error);  // frees the handle whatever happens
  if (result != GIF_OK) throw GifWriteError("giflib failed ending the GIF: " + ErrorText(error));
  return std::move(m_bytes);
}

}  // namespace pixolan
