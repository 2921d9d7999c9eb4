#pragma once
// A document window's one picture of its sheet, which both panes and printing
// draw: built for the display flags when first drawn after the sheet, the flags
// or the console result changed. Pixels the mode does not draw (the transparent
// colour, or colour 0 with console colours) have alpha 0: the panes paint a
// checkerboard behind. With console colours it also has the changed pixels' marks.
#include <QImage>
#include <memory>

#include "export/ConsoleRun.h"
#include "view/DisplayFlags.h"
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

  void SetFlags(const DisplayFlags& flags);
  const DisplayFlags& Flags() const { return m_flags; }
  // The result console colours draw; null: the sheet's colours until one comes.
  void SetConsole(std::shared_ptr<const ConsoleResult> result);
  // Whether the picture shows the console's result, and its changed pixels as a
  // picture of half-covering red marks; null otherwise.
  bool ShowsConsole() const;
  const QImage& ChangedMarks();
  const ConsoleResult* Console() const { return m_console.get(); }
  // The result shown is older than the document (a newer one is on its way).
  void SetStale(bool stale) { m_bStale = stale; }
  bool IsStale() const { return m_bStale; }

 private:
  void BuildConsole(const ConsolePicture& console);

  const CPxoDoc& m_doc;
  DisplayMode m_mode;
  DisplayFlags m_flags;
  std::shared_ptr<const ConsoleResult> m_console;
  const CDibSection* m_pSource = nullptr;
  QImage m_image;
  QImage m_marks;
  bool m_bMarksMade = false;
  bool m_bStale = false;
};

}  // namespace pixolan
