#include "ui/SheetPicture.h"

#include <cstring>

#include "document/PxoDoc.h"

namespace pixolan {

const QImage& CSheetPicture::Image() {
  const CRasterImage* sheet = m_doc.m_pImage.get();
  const CDibSection* source = sheet != nullptr ? sheet->m_hBitmap.get() : nullptr;
  if (source == nullptr || !sheet->m_pBitmapInfo) {
    m_pSource = nullptr;
    m_image = QImage();
    return m_image;
  }
  if (source == m_pSource && !m_image.isNull()) return m_image;
  const ArgbPixels pixels = SheetPixels(*sheet, m_mode);
  m_image = QImage(pixels.nWidth, pixels.nHeight, QImage::Format_RGB32);
  for (int y = 0; y < pixels.nHeight; ++y) {
    std::memcpy(m_image.scanLine(y), pixels.pixels.data() + static_cast<std::size_t>(y) * pixels.nWidth,
                static_cast<std::size_t>(pixels.nWidth) * sizeof(std::uint32_t));
  }
  m_pSource = source;
  return m_image;
}

}  // namespace pixolan
