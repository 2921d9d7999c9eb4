#pragma once
// A document window's one picture of its sheet, which both panes and printing
// draw: built for a display mode when first drawn after the sheet changed (a new
// display bitmap, or the window was told so).
#include <QImage>

#include "view/SheetPixels.h"

namespace pixolan {

class CPxoDoc;
class CDibSection;

class CSheetPicture {
 public:
  explicit CSheetPicture(const CPxoDoc& doc, DisplayMode mode = DisplayMode::kSheetColours)
      : m_doc(doc), m_mode(mode) {}

  // The picture of the document's current sheet; a null image without one.
  const QImage& Image();
  void Invalidate() { m_pSource = nullptr; }

 private:
  const CPxoDoc& m_doc;
  DisplayMode m_mode;
  const CDibSection* m_pSource = nullptr;
  QImage m_image;
};

}  // namespace pixolan
