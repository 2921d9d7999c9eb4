#include "ui/SheetPicture.h"

#include <memory>
#include <utility>
#include <vector>

#include "document/PxoDoc.h"
#include "export/SheetColours.h"
#include "view/LcdColours.h"

namespace pixolan {
namespace {

using Pixels = std::vector<std::uint32_t>;

// The image takes the pixels over instead of copying them: a large sheet's
// picture is tens of megabytes written once. Qt frees them through the cleanup
// function; drawing only reads, so the image never detaches from them.
QImage ToImage(Pixels&& pixels, std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return QImage();
  auto owner = std::make_unique<Pixels>(std::move(pixels));
  QImage image(reinterpret_cast<uchar*>(owner->data()), width, height,
               static_cast<qsizetype>(width) * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_ARGB32,
               [](void* info) { const std::unique_ptr<Pixels> freed(static_cast<Pixels*>(info)); }, owner.get());
  static_cast<void>(owner.release());  // the image owns them now
  return image;
}

QImage MarksImage(const ConsolePicture& console) {
  QImage marks(console.nWidth, console.nHeight, QImage::Format_ARGB32);
  marks.fill(Qt::transparent);
  for (std::int32_t y = 0; y < console.nHeight; ++y) {
    for (std::int32_t x = 0; x < console.nWidth; ++x) {
      if (console.changed[console.At(x, y)] != 0) marks.setPixel(x, y, 0xa0ff0000u);
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
  m_bMarksMade = false;
  if (m_flags.bConsoleColours) Invalidate();
}

bool CSheetPicture::ShowsConsole() const {
  const CRasterImage* sheet = m_doc.m_pImage.get();
  return m_flags.bConsoleColours && m_console && m_console->bExported && sheet != nullptr &&
         m_console->picture.nWidth == sheet->m_nWidth && m_console->picture.nHeight == sheet->m_nHeight;
}

const QImage& CSheetPicture::ChangedMarks() {
  if (!ShowsConsole()) {
    m_marks = QImage();
  } else if (!m_bMarksMade) {
    m_marks = MarksImage(m_console->picture);
    m_bMarksMade = true;
  }
  return m_marks;
}

void CSheetPicture::BuildConsole(const ConsolePicture& console) {
  std::vector<std::uint32_t> pixels = console.pixels;
  if (m_flags.Lcd()) ApplyLcdColours(pixels);
  // Without the checkerboard what the console leaves undrawn shows the transparent colour, as on the sheet.
  if (!m_flags.bShowTransparency) {
    const PaletteEntry t = TransparentColour(ExportSheet(m_doc.m_pImage));
    for (std::uint32_t& p : pixels) {
      if ((p >> 24) == 0) p = ToArgb({t.red, t.green, t.blue});
    }
  }
  m_image = ToImage(std::move(pixels), console.nWidth, console.nHeight);
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
    m_image = ToImage(std::move(pixels.pixels), pixels.nWidth, pixels.nHeight);
  }
  m_pSource = source;
  return m_image;
}

}  // namespace pixolan
