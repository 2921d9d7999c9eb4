#include "document/ImportImageStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CImportImageStep::CImportImageStep(std::unique_ptr<CRasterImage> image, std::string path, const CRect& selection)
    : CSwapStep("Import Image"), m_pImage(std::move(image)), m_strImagePath(path), m_strLoadedImagePath(std::move(path)),
      m_rectSelection(selection) {}

void CImportImageStep::Swap(CPxoDoc& doc) {
  // A selection belongs to its sheet: each side keeps its own.
  std::swap(doc.m_pImage, m_pImage);
  std::swap(doc.m_strImagePath, m_strImagePath);
  std::swap(doc.m_strLoadedImagePath, m_strLoadedImagePath);
  std::swap(doc.m_rectSelection, m_rectSelection);
  std::swap(doc.m_bSelectionValid, m_bSelectionValid);
  doc.UpdateAllViews(nullptr, HINT_IMAGE_CHANGED);
}

std::size_t CImportImageStep::Bytes() const {
  std::size_t bytes = sizeof(*this) + m_strImagePath.capacity() + m_strLoadedImagePath.capacity();
  if (!m_pImage) return bytes;
  bytes += m_pImage->m_pBits.capacity() + m_pImage->m_ppRows.capacity() * sizeof(std::uint8_t*) +
           m_pImage->m_pPalette.capacity() * sizeof(PaletteEntry);
  if (m_pImage->m_hBitmap) bytes += m_pImage->m_hBitmap->SizeBytes();
  return bytes;
}

}  // namespace pixolan
