#include "ui/SheetPicture.h"

#include <cstring>

#include "document/PxoDoc.h"
#include "view/LcdColours.h"

namespace pixolan {
namespace {

QImage ToImage(const std::vector<std::uint32_t>& pixels, std::int32_t width, std::int32_t height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    std::memcpy(image.scanLine(y), pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  }
  return image;
}

// A changed pixel: at scale 1 a half-covering red, larger a red dot in its middle.
QImage MarksImage(const ConsolePicture& console, int scale) {
  QImage marks(console.nWidth * scale, console.nHeight * scale, QImage::Format_ARGB32);
  marks.fill(Qt::transparent);
  const int dot = scale / 2, from = (scale - dot) / 2;
  for (std::int32_t y = 0; y < console.nHeight; ++y) {
    for (std::int32_t x = 0; x < console.nWidth; ++x) {
      if (console.changed[console.At(x, y)] == 0) continue;
      if (scale == 1) {
        marks.setPixel(x, y, 0xa0ff0000u);
        continue;
      }
      for (int dy = 0; dy < dot; ++dy) {
        for (int dx = 0; dx < dot; ++dx) marks.setPixel(x * scale + from + dx, y * scale + from + dy, 0xffff0000u);
      }
    }
  }
  return marks;
}

}  // namespace

void CSheetPicture::SetFlags(const DisplayFlags& flags) {
  if (flags == m_flags) return;
  m_flags = flags;
  Invalidate();
}

void CSheetPicture::SetConsole(std::shared_ptr<const ConsoleResult> result) {
  m_console = std::move(result);
  m_bMarksMade[0] = m_bMarksMade[1] = false;
  if (m_flags.bConsoleColours) Invalidate();
}

bool CSheetPicture::ShowsConsole() const {
  const CRasterImage* sheet = m_doc.m_pImage.get();
  return m_flags.bConsoleColours && m_console && m_console->bExported && sheet != nullptr &&
         m_console->picture.nWidth == sheet->m_nWidth && m_console->picture.nHeight == sheet->m_nHeight;
}

const QImage& CSheetPicture::ChangedMarks(int scale) {
  const int slot = scale == 1 ? 0 : 1;
  if (!ShowsConsole()) {
    m_marks[slot] = QImage();
  } else if (!m_bMarksMade[slot]) {
    m_marks[slot] = MarksImage(m_console->picture, slot == 0 ? 1 : kMarkScale);
    m_bMarksMade[slot] = true;
  }
  return m_marks[slot];
}

void CSheetPicture::BuildConsole(const ConsolePicture& console) {
  if (!m_flags.Lcd()) {
    m_image = ToImage(console.pixels, console.nWidth, console.nHeight);
    return;
  }
  std::vector<std::uint32_t> pixels = console.pixels;
  ApplyLcdColours(pixels);
  m_image = ToImage(pixels, console.nWidth, console.nHeight);
}

const QImage& CSheetPicture::Image() {
  const CRasterImage* sheet = m_doc.m_pImage.get();
  const CDibSection* source = sheet != nullptr ? sheet->m_hBitmap.get() : nullptr;
  if (source == nullptr || !sheet->m_pBitmapInfo) {
    m_pSource = nullptr;
    m_image = QImage();
    return m_image;
  }
  if (source == m_pSource && !m_image.isNull()) return m_image;
  if (ShowsConsole()) {
    BuildConsole(m_console->picture);
  } else {
    ArgbPixels pixels = SheetPixels(*sheet, m_mode);
    if (m_flags.bShowTransparency) ClearTransparentColour(pixels);
    m_image = ToImage(pixels.pixels, pixels.nWidth, pixels.nHeight);
  }
  m_pSource = source;
  return m_image;
}

}  // namespace pixolan
