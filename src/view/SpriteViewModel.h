#pragma once
// What the canvas pane computes: the magnified canvas around its centre, the
// current frame or the placement guide, the selection's preview under the mouse,
// the canvas position shown in the status bar, placing, lifting and moving
// frames, the block grid and the onion skin.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/AnimFrame.h"
#include "view/BlockGrid.h"
#include "view/ViewOptions.h"
#include "view/ViewTypes.h"
#include "framework/UpdateHint.h"

namespace pixolan {

class CPxoDoc;

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
  friend bool operator==(const StretchBlit&, const StretchBlit&) = default;
};

struct SpritePaint {
  std::vector<StretchBlit> onionSkin;  // the previous (and next) frame, drawn translucent first
  std::optional<StretchBlit> frame;    // the current frame, placed (where a drag has it)
  std::optional<CRect> guide;          // client rectangle of the placement guide (white, black border)
  std::optional<StretchBlit> preview;  // the selection following the mouse
};

class CSpriteViewModel {
 public:
  explicit CSpriteViewModel(CPxoDoc& doc) : m_doc(doc) {}

  // The zoom the view draws with: the document's, kept to 1..16.
  std::int32_t Zoom() const;
  // hw, hh: half the magnified canvas.
  CSize HalfCanvas() const;
  // The scroll bars' total: the magnified canvas, kept to 1..65536 pixels a side
  // whatever canvas size and zoom a document file holds.
  CSize ScrollSize() const;

  void OnSize(CSize client);
  // The initial update, a reloaded sheet or a new zoom: repaint all. HINT_CURRENT_CHANGED:
  // the last frame rectangle and the current frame's (all, with the grid or onion skin,
  // which follow the current frame). A dropped selection: its preview. Else nothing.
  Repaint OnUpdate(UpdateHint hint, CPoint scroll) const;

  CanvasPaint PaintCanvas(const CRect& clipLogical) const;
  // Also records the frame or guide rectangle for the next HINT_CURRENT_CHANGED.
  SpritePaint Paint(CPoint scroll);
  // The 8x8 grid over the canvas, through the current frame's top-left corner (the
  // canvas centre without a placed frame), client coordinates.
  GridLines Grid(CPoint scroll, const CRect& clipClient) const;

  // The scroll position that keeps the canvas pixel under `anchor` in place after the
  // zoom changed from oldZoom with the centre at oldCentre (call after OnSize).
  CPoint ScrollAfterZoom(CPoint anchor, CPoint scroll, CPoint oldCentre, std::int32_t oldZoom) const;

  Repaint OnMouseMove(CPoint client, CPoint scroll);
  // Places the selection into the current frame or lifts the current frame.
  Repaint OnLButtonDown(CPoint scroll);
  Repaint OnMouseLeave();
  // Moving the current frame by dragging it. A press on the placed current frame
  // without a selection grabs it (true); the drag moves it by whole canvas pixels
  // (the grabbed pixel stays under the pointer); the release makes one "Move Frame"
  // step, or, when it never moved, lifts it as a click always did.
  bool OnFrameGrab(CPoint client, CPoint scroll);
  Repaint OnFrameDrag(CPoint client, CPoint scroll);
  Repaint OnFrameRelease(CPoint scroll);
  bool IsDragging() const { return m_drag.has_value(); }
  // The client point is on the placed current frame, and no selection waits to be placed.
  bool CanGrabFrameAt(CPoint client, CPoint scroll) const;
  // Moves the current frame by (dx, dy) canvas pixels; held: the key auto-repeats, so
  // the move joins the last one. False without a placed current frame.
  bool Nudge(std::int32_t dx, std::int32_t dy, bool held);
  // Before scrolling: the preview's old place.
  Repaint OnScroll() const;
  bool HidePointer() const;
  // "X = %d, Y = %d" with the canvas position under the mouse.
  std::string CoordinatesText() const;

  // Client rectangle in which a frame is drawn.
  CRect CanvasRectOfFrame(const CAnimFrame& frame, CPoint scroll) const;
  // Canvas position of a client point: ((client + scroll) - centre) / zoom, toward zero.
  CPoint CanvasPosition(CPoint client, CPoint scroll) const;

  // The View menu's options; while playback runs no onion skin is drawn.
  ViewOptions m_options;
  bool m_bPlaying = false;

  CRect m_rectPreview;
  CRect m_rectFrame;
  CPoint m_ptCentre;
  CPoint m_ptCanvas;
  bool m_bMouseInside = false;

 private:
  // The preview's client rectangle: top-left at m_ptCanvas, the source's size magnified.
  CRect PreviewRect(const CRect& source, CPoint scroll) const;
  // Lifting the current frame: its rectangle becomes the selection, shown at the mouse.
  Repaint Lift(CPoint scroll);
  // The current frame where a drag has it.
  CAnimFrame Shown(const CAnimFrame& current) const;
  // Canvas pixel (toward minus infinity) of a client point, for moving.
  CPoint CanvasPixel(CPoint client, CPoint scroll) const;

  struct FrameDrag {
    CPoint ptGrab;   // canvas pixel grabbed
    CPoint ptFrom;   // the frame's offsets at the press
    CPoint ptNow;    // where the drag has it now
  };
  std::optional<FrameDrag> m_drag;

  CPxoDoc& m_doc;
};

}  // namespace pixolan
