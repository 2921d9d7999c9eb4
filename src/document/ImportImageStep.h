#pragma once
// Import Image: the sheet object, its path and its selection against those of
// the other side (the earlier sheet is kept whole, pixels and palette as they were).
#include <memory>
#include <string>

#include "document/SwapStep.h"
#include "framework/Rect.h"
#include "image/RasterImage.h"

namespace pixolan {

class CImportImageStep : public CSwapStep {
 public:
  // The new sheet, read from path; it comes without a selection.
  CImportImageStep(std::unique_ptr<CRasterImage> image, std::string path, const CRect& selection);

  // The sheet it keeps: pixels, palette and display bitmap.
  std::size_t Bytes() const override;

 private:
  void Swap(CPxoDoc& doc) override;

  std::unique_ptr<CRasterImage> m_pImage;
  std::string m_strImagePath;
  std::string m_strLoadedImagePath;  // the chosen path too: the sheet was read from it
  CRect m_rectSelection;
  bool m_bSelectionValid = false;
};

}  // namespace pixolan
