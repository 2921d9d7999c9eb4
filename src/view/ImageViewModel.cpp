#include "view/ImageViewModel.h"

#include <algorithm>

#include "document/PxoDoc.h"
#include "view/ZoomMath.h"

namespace pixolan {
namespace {

// Rounds toward minus infinity to a multiple of 8 by clearing the three low bits
// of the two's-complement value (-3 becomes -8).
constexpr std::int64_t FloorToCell(std::int64_t v) { return v & ~std::int64_t{7}; }
constexpr std::int64_t CeilToCell(std::int64_t v) { return FloorToCell(v + 7); }

}  // namespace

CSize CImageViewModel::SheetSize() const {
  if (!m_doc.m_pImage) return {};
  return {std::clamp(m_doc.m_pImage->m_nWidth, 0, kMaxViewCoordinate),
          std::clamp(m_doc.m_pImage->m_nHeight, 0, kMaxViewCoordinate)};
}

CSize CImageViewModel::ShownSize() const {
  const CSize sheet = SheetSize();
  return {ClampCoordinate(std::int64_t{sheet.cx} * m_nZoom), ClampCoordinate(std::int64_t{sheet.cy} * m_nZoom)};
}

void CImageViewModel::Recentre() {
  if (m_bFitZoom && m_client.cx > 0 && m_client.cy > 0) m_nZoom = FitZoom(SheetSize(), m_client);
  // A sheet smaller than the pane is centred in it; a larger one starts at logical 0.
  const CSize sheet = ShownSize();
  m_ptCentre = {std::max(Half(m_client.cx), Half(sheet.cx)), std::max(Half(m_client.cy), Half(sheet.cy))};
}

void CImageViewModel::OnSize(CSize client) {
  m_client = client;
  if (m_doc.m_pImage) Recentre();
}

Repaint CImageViewModel::OnUpdate(UpdateHint hint) {
  Repaint repaint;
  if ((hint == HINT_INITIAL_UPDATE && m_doc.m_pImage) || hint == HINT_IMAGE_CHANGED || hint == HINT_SHEET_RELOADED) {
    if (hint != HINT_SHEET_RELOADED) m_bFitZoom = true;
    Recentre();
    repaint.All();
  } else if (hint != HINT_INITIAL_UPDATE && hint != HINT_ZOOM_CHANGED) {
    repaint.All();  // the outlines of the frames and the selection
  }
  return repaint;
}

CPoint CImageViewModel::SetZoom(std::int32_t zoom, CPoint anchor, CPoint scroll) {
  const CPoint oldOrigin = SheetOrigin();
  const std::int32_t oldZoom = m_nZoom;
  m_bFitZoom = false;
  m_nZoom = ClampZoom(zoom);
  Recentre();
  return ScrollKeepingPoint(anchor, scroll, oldOrigin, oldZoom, SheetOrigin(), m_nZoom);
}

CSize CImageViewModel::ScrollSize() const { return ShownSize(); }

CPoint CImageViewModel::SheetOrigin() const {
  const CSize sheet = ShownSize();
  return {ClampCoordinate(std::int64_t{m_ptCentre.x} - Half(sheet.cx)),
          ClampCoordinate(std::int64_t{m_ptCentre.y} - Half(sheet.cy))};
}

std::optional<SheetBlit> CImageViewModel::SheetToDraw(const CRect& clipLogical) const {
  if (!m_doc.m_pImage) return std::nullopt;
  const CPoint origin = SheetOrigin();
  const CSize sheet = SheetSize();
  const std::int64_t z = m_nZoom;
  // The whole sheet pixels the clip box touches.
  const auto first = [z](std::int64_t clip, std::int64_t o) { return std::max<std::int64_t>(FloorDiv(clip - o, z), 0); };
  const auto end = [z](std::int64_t clip, std::int64_t o, std::int64_t size) {
    return std::min<std::int64_t>(FloorDiv(clip - o + z - 1, z), size);
  };
  const std::int64_t left = first(clipLogical.left, origin.x);
  const std::int64_t top = first(clipLogical.top, origin.y);
  const std::int64_t right = end(clipLogical.right, origin.x, sheet.cx);
  const std::int64_t bottom = end(clipLogical.bottom, origin.y, sheet.cy);
  if (right <= left || bottom <= top) return std::nullopt;
  return SheetBlit{{ClampCoordinate(origin.x + left * z), ClampCoordinate(origin.y + top * z)},
                   MakeClampedRect(left, top, right, bottom)};
}

std::optional<CRect> CImageViewModel::CursorToDraw() const {
  if (!m_bShowCursor || !m_doc.m_pImage) return std::nullopt;
  return m_rectCursor;
}

CPoint CImageViewModel::SnapToBlock(CPoint client, CPoint scroll) const {
  // The cell grid starts at the sheet's top-left corner and continues beyond its edges.
  const CPoint origin = SheetOrigin();
  const std::int64_t cell = std::int64_t{8} * m_nZoom;
  const auto snap = [cell](std::int64_t p, std::int64_t s, std::int64_t o) {
    return FloorDiv(p + s - o, cell) * cell + o - s;
  };
  return {ClampCoordinate(snap(client.x, scroll.x, origin.x)), ClampCoordinate(snap(client.y, scroll.y, origin.y))};
}

Repaint CImageViewModel::OnMouseMove(CPoint client, CPoint scroll, bool captured) {
  Repaint repaint;
  repaint.Add(m_rectCursor);
  const CPoint b = SnapToBlock(client, scroll);
  const std::int64_t cell = std::int64_t{8} * m_nZoom;
  if (captured) {
    // The drag rectangle runs from the anchor block to the block under the mouse, either way.
    m_rectCursor = MakeClampedRect(std::min(b.x, m_ptAnchor.x), std::min(b.y, m_ptAnchor.y),
                                   std::max(b.x, m_ptAnchor.x) + cell, std::max(b.y, m_ptAnchor.y) + cell);
  } else {
    m_rectCursor = MakeClampedRect(b.x, b.y, b.x + cell, b.y + cell);
  }
  repaint.Add(m_rectCursor);
  m_bShowCursor = true;
  return repaint;
}

bool CImageViewModel::OnLButtonDown(CPoint client, CPoint scroll) {
  if (!m_doc.m_pImage) return false;
  m_ptAnchor = SnapToBlock(client, scroll);
  return true;
}

Repaint CImageViewModel::OnLButtonUp(CPoint scroll, bool captured) {
  Repaint repaint;
  if (!m_doc.m_pImage || !captured) return repaint;
  // Client to logical (plus scroll), then to sheet pixels (minus the sheet's origin,
  // divided by the zoom: the cursor's edges are on whole cells, so nothing is lost).
  const CPoint origin = SheetOrigin();
  const std::int64_t dx = std::int64_t{scroll.x} - origin.x;
  const std::int64_t dy = std::int64_t{scroll.y} - origin.y;
  const std::int64_t z = m_nZoom;
  const CRect sheetRect = MakeClampedRect(FloorDiv(m_rectCursor.left + dx, z), FloorDiv(m_rectCursor.top + dy, z),
                                          FloorDiv(m_rectCursor.right + dx, z), FloorDiv(m_rectCursor.bottom + dy, z));
  // A drag that covers no whole cell leaves the document's selection as it was.
  const CSize sheet = SheetSize();
  if (const std::optional<CRect> cells = ClipToWholeCells(sheetRect, sheet.cx, sheet.cy)) m_doc.SetSelection(*cells);
  repaint.All();
  return repaint;
}

Repaint CImageViewModel::OnMouseLeave() {
  Repaint repaint;
  repaint.Add(m_rectCursor);
  m_bShowCursor = false;
  return repaint;
}

bool CImageViewModel::HidePointer() const { return m_doc.m_pImage != nullptr; }

CRect CImageViewModel::ToClient(const CRect& r, CPoint scroll) const {
  const CPoint origin = SheetOrigin();
  const std::int64_t x = std::int64_t{origin.x} - scroll.x;
  const std::int64_t y = std::int64_t{origin.y} - scroll.y;
  const std::int64_t z = m_nZoom;
  const auto limit = [](std::int32_t v) { return std::clamp(v, -kMaxViewCoordinate, kMaxViewCoordinate); };
  return MakeClampedRect(x + limit(r.left) * z, y + limit(r.top) * z, x + limit(r.right) * z, y + limit(r.bottom) * z);
}

GridLines CImageViewModel::Grid(CPoint scroll, const CRect& clipClient) const {
  if (!m_doc.m_pImage) return {};
  const CSize sheet = SheetSize();
  const CRect area = ToClient({0, 0, sheet.cx, sheet.cy}, scroll);
  return BlockGridLines({area.left, area.top}, 8 * m_nZoom, area, clipClient);
}

std::vector<SheetOutline> CImageViewModel::Outlines(CPoint scroll) const {
  std::vector<SheetOutline> outlines;
  if (!m_doc.m_pImage) return outlines;
  if (const CAnimation* animation = m_doc.m_pCurrentAnim) {
    const int current = m_doc.GetCurrentFrame();
    for (std::uint32_t i = 0; i < animation->m_nFrameCount; ++i) {
      const CAnimFrame& frame = animation->FrameOrNeverSet(i);
      if (!frame.m_bValid) continue;
      const bool isCurrent = static_cast<std::int64_t>(i) + 1 == current;
      outlines.push_back(
          {ToClient(frame.m_rectSource, scroll), isCurrent ? SheetOutline::kCurrentFrame : SheetOutline::kFrame});
    }
  }
  // The selection: following the pointer on the canvas, or only kept (a document just
  // opened, a selection dropped).
  CRect selection;
  const bool live = m_doc.GetSelection(selection);
  if (selection.right > selection.left && selection.bottom > selection.top) {
    outlines.push_back({ToClient(selection, scroll), live ? SheetOutline::kLiveSelection : SheetOutline::kSelection});
  }
  return outlines;
}

std::optional<CRect> ClipToWholeCells(const CRect& r, std::int32_t width, std::int32_t height) {
  // The export reads frames as whole cells counted from the sheet's top-left corner;
  // a partial cell at the right or bottom edge belongs to none.
  const std::int64_t left = CeilToCell(std::max<std::int64_t>(r.left, 0));
  const std::int64_t top = CeilToCell(std::max<std::int64_t>(r.top, 0));
  const std::int64_t right = std::min(FloorToCell(r.right), FloorToCell(std::max(width, 0)));
  const std::int64_t bottom = std::min(FloorToCell(r.bottom), FloorToCell(std::max(height, 0)));
  if (right <= left || bottom <= top) return std::nullopt;
  return CRect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(right),
               static_cast<std::int32_t>(bottom)};
}

}  // namespace pixolan
