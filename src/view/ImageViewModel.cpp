#include "view/ImageViewModel.h"

#include <algorithm>

#include "document/PxoDoc.h"

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

void CImageViewModel::Recentre() {
  // A sheet smaller than the pane is centred in it; a larger one starts at logical 0.
  const CSize sheet = SheetSize();
  m_ptCentre = {std::max(Half(m_client.cx), Half(sheet.cx)), std::max(Half(m_client.cy), Half(sheet.cy))};
}

void CImageViewModel::OnSize(CSize client) {
  m_client = client;
  if (m_doc.m_pImage) Recentre();
}

Repaint CImageViewModel::OnUpdate(UpdateHint hint) {
  Repaint repaint;
  if ((hint == HINT_INITIAL_UPDATE && m_doc.m_pImage) || hint == HINT_IMAGE_CHANGED || hint == HINT_SHEET_RELOADED) {
    Recentre();
    repaint.All();
  }
  return repaint;
}

CSize CImageViewModel::ScrollSize() const { return SheetSize(); }

CPoint CImageViewModel::SheetOrigin() const {
  const CSize sheet = SheetSize();
  return {ClampCoordinate(std::int64_t{m_ptCentre.x} - Half(sheet.cx)),
          ClampCoordinate(std::int64_t{m_ptCentre.y} - Half(sheet.cy))};
}

std::optional<SheetBlit> CImageViewModel::SheetToDraw(const CRect& clipLogical) const {
  if (!m_doc.m_pImage) return std::nullopt;
  const CPoint origin = SheetOrigin();
  const CSize sheet = SheetSize();
  const std::int64_t left = std::max<std::int64_t>(clipLogical.left, origin.x);
  const std::int64_t top = std::max<std::int64_t>(clipLogical.top, origin.y);
  const std::int64_t right = std::min<std::int64_t>(clipLogical.right, std::int64_t{origin.x} + sheet.cx);
  const std::int64_t bottom = std::min<std::int64_t>(clipLogical.bottom, std::int64_t{origin.y} + sheet.cy);
  if (right <= left || bottom <= top) return std::nullopt;
  return SheetBlit{{ClampCoordinate(left), ClampCoordinate(top)},
                   MakeClampedRect(left - origin.x, top - origin.y, right - origin.x, bottom - origin.y)};
}

std::optional<CRect> CImageViewModel::CursorToDraw() const {
  if (!m_bShowCursor || !m_doc.m_pImage) return std::nullopt;
  return m_rectCursor;
}

CPoint CImageViewModel::SnapToBlock(CPoint client, CPoint scroll) const {
  // The cell grid starts at the sheet's top-left corner and continues beyond its edges.
  const CPoint origin = SheetOrigin();
  const auto snap = [](std::int64_t p, std::int64_t s, std::int64_t o) { return FloorToCell(p + s - o) + o - s; };
  return {ClampCoordinate(snap(client.x, scroll.x, origin.x)), ClampCoordinate(snap(client.y, scroll.y, origin.y))};
}

Repaint CImageViewModel::OnMouseMove(CPoint client, CPoint scroll, bool captured) {
  Repaint repaint;
  repaint.Add(m_rectCursor);
  const CPoint b = SnapToBlock(client, scroll);
  if (captured) {
    // The drag rectangle runs from the anchor block to the block under the mouse, either way.
    m_rectCursor = MakeClampedRect(std::min(b.x, m_ptAnchor.x), std::min(b.y, m_ptAnchor.y),
                                   std::int64_t{std::max(b.x, m_ptAnchor.x)} + 8,
                                   std::int64_t{std::max(b.y, m_ptAnchor.y)} + 8);
  } else {
    m_rectCursor = MakeClampedRect(b.x, b.y, std::int64_t{b.x} + 8, std::int64_t{b.y} + 8);
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
  // Client to logical (plus scroll), then to sheet pixels (minus the sheet's origin).
  const CPoint origin = SheetOrigin();
  const std::int64_t dx = std::int64_t{scroll.x} - origin.x;
  const std::int64_t dy = std::int64_t{scroll.y} - origin.y;
  const CRect sheetRect =
      MakeClampedRect(m_rectCursor.left + dx, m_rectCursor.top + dy, m_rectCursor.right + dx, m_rectCursor.bottom + dy);
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
