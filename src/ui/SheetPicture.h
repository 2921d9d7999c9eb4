#pragma once
// The document's sheet as a picture the painters draw, rebuilt when the sheet
// changes (a new display bitmap, or a hint that says so).
#include <QImage>

namespace pixolan {

class CPxoDoc;
class CDibSection;

class CSheetPicture {
 public:
  // The picture of the document's current sheet; a null image without one.
  const QImage& Get(const CPxoDoc& doc);
  void Invalidate() { m_pSource = nullptr; }

 private:
  const CDibSection* m_pSource = nullptr;
  QImage m_image;
};

}  // namespace pixolan
