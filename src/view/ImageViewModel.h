#pragma once
// What the sheet pane computes: where the sheet is drawn at its zoom, the block
// cursor that follows the mouse, the block-aligned drag that becomes the
// document's selection, the grid and the outlines of the animation's frames.
// The widget forwards mouse events and paints what this says.
#include <cstdint>
#include <optional>
#include <vector>

#include "view/BlockGrid.h"
#include "view/ViewTypes.h"
#include "framework/UpdateHint.h"

namespace pixolan {

class CPxoDoc;

// Where to copy the sheet: the destination's logical top-left and the sheet
// rectangle, each sheet pixel drawn zoom x zoom.
struct SheetBlit {
  CPoint ptDest;  // logical
  CRect rectSource;  // sheet pixels
};

// A rectangle outlined on the sheet, client coordinates.
struct SheetOutline {
  enum Kind { kFrame, kCurrentFrame, kSelection, kLiveSelection };
  CRect rect;
  Kind kind = kFrame;
  friend bool operator==(const SheetOutline&, const SheetOutline&) = default;
};

class CImageViewModel {
 public:
  explicit CImageViewModel(CPxoDoc& doc) : m_doc(doc) {}

  // Client size of the pane; recentres when the document has a sheet.
  void OnSize(CSize client);
  // The initial update with a sheet, a new or reloaded sheet: recentre and repaint all
  // (the first update and a new sheet also fit the zoom to the pane again). Changes of
  // the animations, the current frame or the selection: repaint all (the outlines).
  Repaint OnUpdate(UpdateHint hint);

  // Screen pixels per sheet pixel, 1..16.
  std::int32_t Zoom() const { return m_nZoom; }
  // Sets the zoom (kept to 1..16) and stops fitting it to the pane; returns the scroll
  // position that keeps the pixel under `anchor` (client) where it is.
  CPoint SetZoom(std::int32_t zoom, CPoint anchor, CPoint scroll);
  // The grid of sheet cells over the sheet, client coordinates.
  GridLines Grid(CPoint scroll, const CRect& clipClient) const;
  // The current animation's placed frames (the current one marked) and the selection.
  std::vector<SheetOutline> Outlines(CPoint scroll) const;

  // The logical size that the scroll bars cover: the whole zoomed sheet (0 x 0 without one).
  CSize ScrollSize() const;
  // The part of the sheet inside the logical clip box, or nothing.
  std::optional<SheetBlit> SheetToDraw(const CRect& clipLogical) const;
  // The inverted block or drag rectangle, client coordinates, when it is shown.
  std::optional<CRect> CursorToDraw() const;

  // scroll: the current scroll position (sx, sy). captured: this view holds the mouse.
  Repaint OnMouseMove(CPoint client, CPoint scroll, bool captured);
  // True when the view should capture the mouse (a drag starts: the document has a sheet).
  bool OnLButtonDown(CPoint client, CPoint scroll);
  // Only while captured: ends the drag, sets the document's selection clipped to the
  // sheet's whole 8x8 cells and repaints all. A drag covering no whole cell sets
  // nothing: the document keeps the selection it had (perhaps a lifted frame's).
  Repaint OnLButtonUp(CPoint scroll, bool captured);
  Repaint OnMouseLeave();
  // The pointer is hidden over the pane while a sheet is shown.
  bool HidePointer() const;

  // The sheet's top-left corner, logical: centre minus half the zoomed sheet.
  CPoint SheetOrigin() const;
  // The client position of the top-left of the sheet cell (8x8 sheet pixels, continued
  // beyond the sheet) that contains the client point; rounds toward minus infinity.
  CPoint SnapToBlock(CPoint client, CPoint scroll) const;

  CPoint m_ptAnchor;
  CRect m_rectCursor{0, 0, 8, 8};
  bool m_bShowCursor = false;
  CPoint m_ptCentre;

 private:
  void Recentre();
  // The sheet's width and height (0 x 0 without one), in sheet and in screen pixels.
  CSize SheetSize() const;
  CSize ShownSize() const;
  // A sheet rectangle as a client one.
  CRect ToClient(const CRect& sheetRect, CPoint scroll) const;

  CPxoDoc& m_doc;
  CSize m_client;
  std::int32_t m_nZoom = 1;
  // Until the user zooms, the zoom follows the pane (a document opens fitted).
  bool m_bFitZoom = false;
};

// The rectangle of whole 8x8 cells of a width x height sheet that lies inside r, or
// nothing when r covers no whole cell.
std::optional<CRect> ClipToWholeCells(const CRect& r, std::int32_t width, std::int32_t height);

}  // namespace pixolan
