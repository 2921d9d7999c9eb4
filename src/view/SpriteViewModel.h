#pragma once
// What the canvas pane computes: the magnified canvas around its centre, the
// current frame or the placement guide, the selection's preview under the mouse,
// the canvas position shown in the status bar, and placing and lifting frames.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "view/ViewTypes.h"
#include "framework/UpdateHint.h"

namespace pixolan {

class CPxoDoc;
class CAnimFrame;

// The canvas and its surround, in logical coordinates relative to the canvas centre.
struct CanvasPaint {
  CRect rectCanvas;                // white with a one-pixel black border: (-hw, -hh, hw, hh)
  CPoint ptHorzFrom, ptHorzTo;     // the centre cross, end points excluded
  CPoint ptVertFrom, ptVertTo;
  std::vector<CRect> greyRects;    // below, above, right, left of the canvas, in that order
};

// A sheet rectangle stretched into a client rectangle.
struct StretchBlit {
  CRect rectDest;    // client
  CRect rectSource;  // sheet pixels
};

struct SpritePaint {
  std::optional<StretchBlit> frame;    // the current frame, placed
  std::optional<CRect> guide;          // client rectangle of the placement guide (white, black border)
  std::optional<StretchBlit> preview;  // the selection following the mouse
};

class CSpriteViewModel {
 public:
  explicit CSpriteViewModel(CPxoDoc& doc) : m_doc(doc) {}

  // The zoom the view draws with: the document's, or 1 when that is below 1.
  std::int32_t Zoom() const;
  // hw, hh: half the magnified canvas.
  CSize HalfCanvas() const;
  // The scroll bars' total: the magnified canvas, kept to 1..65536 pixels a side
  // whatever canvas size and zoom a document file holds.
  CSize ScrollSize() const;

  void OnSize(CSize client);
  // The initial update or a reloaded sheet: repaint all. HINT_CURRENT_CHANGED: the
  // last frame rectangle and the current frame's. Else nothing.
  Repaint OnUpdate(UpdateHint hint, CPoint scroll) const;

  CanvasPaint PaintCanvas(const CRect& clipLogical) const;
  // Also records the frame or guide rectangle for the next HINT_CURRENT_CHANGED.
  SpritePaint Paint(CPoint scroll);

  Repaint OnMouseMove(CPoint client, CPoint scroll);
  // Places the selection into the current frame or lifts the current frame.
  Repaint OnLButtonDown(CPoint scroll);
  Repaint OnMouseLeave();
  // Before scrolling: the preview's old place.
  Repaint OnScroll() const;
  bool HidePointer() const;
  // "X = %d, Y = %d" with the canvas position under the mouse.
  std::string CoordinatesText() const;

  // Client rectangle in which a frame is drawn.
  CRect CanvasRectOfFrame(const CAnimFrame& frame, CPoint scroll) const;
  // Canvas position of a client point: ((client + scroll) - centre) / zoom, toward zero.
  CPoint CanvasPosition(CPoint client, CPoint scroll) const;

  CRect m_rectPreview;
  CRect m_rectFrame;
  CPoint m_ptCentre;
  CPoint m_ptCanvas;
  bool m_bMouseInside = false;

 private:
  // The preview's client rectangle: top-left at m_ptCanvas, the source's size magnified.
  CRect PreviewRect(const CRect& source, CPoint scroll) const;

  CPxoDoc& m_doc;
};

}  // namespace pixolan
