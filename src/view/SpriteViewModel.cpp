#include "view/SpriteViewModel.h"

#include <algorithm>
#include <cstdio>

#include "document/PxoDoc.h"
#include "view/ZoomMath.h"

namespace pixolan {
namespace {

// The magnified canvas is kept to 1..65536 screen pixels a side, whatever a
// document file says about its canvas and zoom.
constexpr std::int64_t kMaxMagnifiedCanvas = 65536;

// v x zoom for any 32-bit v (also differences of two) and zoom 1..INT32_MAX: v is
// first limited to 2^26, beyond which every result is clamped anyway, so the
// product stays far inside 64 bits.
std::int64_t Magnify(std::int64_t v, std::int32_t zoom) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 26;
  return std::clamp(v, -kLimit, kLimit) * zoom;
}

std::int64_t MagnifiedCanvas(std::int32_t canvasPixels, std::int32_t zoom) {
  return std::clamp<std::int64_t>(Magnify(canvasPixels, zoom), 1, kMaxMagnifiedCanvas);
}

void AddIfAny(Repaint& repaint, const CRect& r) {
  if (r.right > r.left && r.bottom > r.top) repaint.Add(r);
}

}  // namespace

std::int32_t CSpriteViewModel::Zoom() const { return ClampZoom(m_doc.m_nZoom); }

CSize CSpriteViewModel::ScrollSize() const {
  const std::int32_t zoom = Zoom();
  return {static_cast<std::int32_t>(MagnifiedCanvas(m_doc.m_nCanvasWidth, zoom)),
          static_cast<std::int32_t>(MagnifiedCanvas(m_doc.m_nCanvasHeight, zoom))};
}

CSize CSpriteViewModel::HalfCanvas() const {
  const CSize total = ScrollSize();
  return {Half(total.cx), Half(total.cy)};
}

void CSpriteViewModel::OnSize(CSize client) {
  // A canvas smaller than the pane is centred in it; a larger one starts at logical 0.
  const CSize half = HalfCanvas();
  m_ptCentre = {std::max(half.cx, Half(client.cx)), std::max(half.cy, Half(client.cy))};
}

Repaint CSpriteViewModel::OnUpdate(UpdateHint hint, CPoint scroll) const {
  Repaint repaint;
  if (hint == HINT_INITIAL_UPDATE || hint == HINT_SHEET_RELOADED || hint == HINT_ZOOM_CHANGED ||
      (hint == HINT_CURRENT_CHANGED && (m_options.bGrid || m_options.bOnionSkin))) {
    repaint.All();
  } else if (hint == HINT_SELECTION_DROPPED) {
    AddIfAny(repaint, m_rectPreview);
  } else if (hint == HINT_CURRENT_CHANGED) {
    // The frame drawn last goes, the new current frame comes.
    AddIfAny(repaint, m_rectFrame);
    const CAnimFrame* frame = m_doc.CurrentFrameRecord();
    if (m_doc.m_pImage && frame != nullptr && frame->m_bValid) AddIfAny(repaint, CanvasRectOfFrame(*frame, scroll));
  }
  return repaint;
}

CanvasPaint CSpriteViewModel::PaintCanvas(const CRect& clipLogical) const {
  const CSize half = HalfCanvas();
  const std::int32_t hw = half.cx;
  const std::int32_t hh = half.cy;
  CanvasPaint paint;
  paint.rectCanvas = {-hw, -hh, hw, hh};
  paint.ptHorzFrom = {-hw, 0};
  paint.ptHorzTo = {hw, 0};
  paint.ptVertFrom = {0, -hh};
  paint.ptVertTo = {0, hh};
  // The clip box relative to the canvas centre.
  std::int64_t left = std::int64_t{clipLogical.left} - m_ptCentre.x;
  std::int64_t right = std::int64_t{clipLogical.right} - m_ptCentre.x;
  std::int64_t top = std::int64_t{clipLogical.top} - m_ptCentre.y;
  std::int64_t bottom = std::int64_t{clipLogical.bottom} - m_ptCentre.y;
  // Grey below and above across the whole clip width, then right and left between them.
  if (bottom > hh) paint.greyRects.push_back(MakeClampedRect(left, hh, right, bottom));
  if (top < -hh) paint.greyRects.push_back(MakeClampedRect(left, top, right, -hh));
  top = std::max<std::int64_t>(top, -hh);
  bottom = std::min<std::int64_t>(bottom, hh);
  if (right > hw) paint.greyRects.push_back(MakeClampedRect(hw, top, right, bottom));
  if (left < -hw) paint.greyRects.push_back(MakeClampedRect(left, top, -hw, bottom));
  return paint;
}

SpritePaint CSpriteViewModel::Paint(CPoint scroll) {
  SpritePaint paint;
  if (CAnimation* animation = m_doc.m_pCurrentAnim) {
    const int n = m_doc.GetCurrentFrame();
    const CAnimFrame* frame = animation->Frame(n);
    const CAnimFrame* previous = n >= 2 ? animation->Frame(n - 1) : nullptr;
    const CAnimFrame* next = n < INT32_MAX ? animation->Frame(n + 1) : nullptr;
    if (m_options.bOnionSkin && !m_bPlaying && m_doc.m_pImage) {
      for (const CAnimFrame* other : {previous, m_options.bOnionSkinNext ? next : nullptr}) {
        if (other != nullptr && other->m_bValid) {
          paint.onionSkin.push_back({CanvasRectOfFrame(*other, scroll), other->m_rectSource});
        }
      }
    }
    if (frame != nullptr && frame->m_bValid) {
      m_rectFrame = CanvasRectOfFrame(Shown(*frame), scroll);
      if (m_doc.m_pImage) paint.frame = StretchBlit{m_rectFrame, frame->m_rectSource};
    } else if (previous != nullptr && previous->m_bValid) {
      // The placement guide: where the previous frame stands, to line the new one up.
      m_rectFrame = CanvasRectOfFrame(*previous, scroll);
      paint.guide = m_rectFrame;
    }
  }
  CRect selection;
  if (m_doc.GetSelection(selection) && m_bMouseInside && m_doc.m_pImage) {
    paint.preview = StretchBlit{m_rectPreview, selection};
  }
  return paint;
}

CRect CSpriteViewModel::PreviewRect(const CRect& source, CPoint scroll) const {
  const std::int32_t zoom = Zoom();
  const std::int64_t left = m_ptCentre.x + Magnify(m_ptCanvas.x, zoom) - scroll.x;
  const std::int64_t top = m_ptCentre.y + Magnify(m_ptCanvas.y, zoom) - scroll.y;
  return MakeClampedRect(left, top, left + Magnify(std::int64_t{source.right} - source.left, zoom),
                         top + Magnify(std::int64_t{source.bottom} - source.top, zoom));
}

Repaint CSpriteViewModel::OnMouseMove(CPoint client, CPoint scroll) {
  Repaint repaint;
  m_ptCanvas = CanvasPosition(client, scroll);
  CRect selection;
  if (m_doc.m_pImage && m_doc.GetSelection(selection)) {
    AddIfAny(repaint, m_rectPreview);
    m_rectPreview = PreviewRect(selection, scroll);
    AddIfAny(repaint, m_rectPreview);
    m_bMouseInside = true;
  }
  return repaint;
}

Repaint CSpriteViewModel::OnLButtonDown(CPoint scroll) {
  Repaint repaint;
  CRect selection;
  const bool hasSelection = m_doc.GetSelection(selection);
  CAnimFrame* frame = m_doc.CurrentFrameRecord();
  if (hasSelection && m_doc.m_pImage) {
    // Placing. Without a frame to take it (no current animation, or a frame number
    // out of range) the selection stays, so nothing is lost.
    if (frame == nullptr) return repaint;
    m_doc.SetCurrentFrameData(selection, m_ptCanvas.x, m_ptCanvas.y);  // uses the selection up
    repaint.All();
  } else if (!hasSelection && frame != nullptr && frame->m_bValid) {
    return Lift(scroll);
  }
  return repaint;
}

Repaint CSpriteViewModel::Lift(CPoint scroll) {
  // The frame's rectangle becomes the selection and follows the mouse.
  Repaint repaint;
  const CAnimFrame* frame = m_doc.CurrentFrameRecord();
  if (frame == nullptr || !frame->m_bValid) return repaint;
  const CRect source = frame->m_rectSource;
  if (!m_doc.LiftCurrentFrame()) return repaint;  // a damaged rectangle cannot be carried
  m_rectPreview = PreviewRect(source, scroll);
  repaint.All();
  return repaint;
}

CAnimFrame CSpriteViewModel::Shown(const CAnimFrame& current) const {
  CAnimFrame shown = current;
  if (m_drag) {
    shown.m_nOffsetX = m_drag->ptNow.x;
    shown.m_nOffsetY = m_drag->ptNow.y;
  }
  return shown;
}

CPoint CSpriteViewModel::CanvasPixel(CPoint client, CPoint scroll) const {
  const std::int32_t zoom = Zoom();
  return {ClampCoordinate(FloorDiv(std::int64_t{client.x} + scroll.x - m_ptCentre.x, zoom)),
          ClampCoordinate(FloorDiv(std::int64_t{client.y} + scroll.y - m_ptCentre.y, zoom))};
}

bool CSpriteViewModel::CanGrabFrameAt(CPoint client, CPoint scroll) const {
  const CAnimFrame* frame = m_doc.CurrentFrameRecord();
  if (m_doc.m_bSelectionValid || frame == nullptr || !frame->m_bValid) return false;
  const CRect r = CanvasRectOfFrame(*frame, scroll);
  return client.x >= r.left && client.x < r.right && client.y >= r.top && client.y < r.bottom;
}

bool CSpriteViewModel::OnFrameGrab(CPoint client, CPoint scroll) {
  m_drag.reset();
  if (!CanGrabFrameAt(client, scroll)) return false;
  const CAnimFrame* frame = m_doc.CurrentFrameRecord();
  const CPoint at{frame->m_nOffsetX, frame->m_nOffsetY};
  m_drag = FrameDrag{CanvasPixel(client, scroll), at, at};
  return true;
}

Repaint CSpriteViewModel::OnFrameDrag(CPoint client, CPoint scroll) {
  Repaint repaint;
  if (!m_drag) return repaint;
  const CPoint pixel = CanvasPixel(client, scroll);
  const CPoint now{ClampCoordinate(std::int64_t{m_drag->ptFrom.x} + pixel.x - m_drag->ptGrab.x),
                   ClampCoordinate(std::int64_t{m_drag->ptFrom.y} + pixel.y - m_drag->ptGrab.y)};
  if (now == m_drag->ptNow) return repaint;
  m_drag->ptNow = now;
  repaint.All();  // the grid follows the frame too
  return repaint;
}

Repaint CSpriteViewModel::OnFrameRelease(CPoint scroll) {
  if (!m_drag) return {};
  const FrameDrag drag = *m_drag;
  m_drag.reset();
  // A click that never moved the frame keeps its old meaning: lift it.
  if (drag.ptNow == drag.ptFrom) return Lift(scroll);
  m_doc.MoveCurrentFrame(drag.ptNow.x, drag.ptNow.y);
  Repaint repaint;
  repaint.All();
  return repaint;
}

bool CSpriteViewModel::Nudge(std::int32_t dx, std::int32_t dy, bool held) {
  const CAnimFrame* frame = m_doc.CurrentFrameRecord();
  if (frame == nullptr || !frame->m_bValid || m_drag) return false;
  return m_doc.MoveCurrentFrame(ClampCoordinate(std::int64_t{frame->m_nOffsetX} + dx),
                                ClampCoordinate(std::int64_t{frame->m_nOffsetY} + dy), held);
}

GridLines CSpriteViewModel::Grid(CPoint scroll, const CRect& clipClient) const {
  const CSize half = HalfCanvas();
  const std::int64_t cx = std::int64_t{m_ptCentre.x} - scroll.x;
  const std::int64_t cy = std::int64_t{m_ptCentre.y} - scroll.y;
  const CRect canvas = MakeClampedRect(cx - half.cx, cy - half.cy, cx + half.cx, cy + half.cy);
  CPoint through{ClampCoordinate(cx), ClampCoordinate(cy)};
  const CAnimFrame* frame = m_doc.CurrentFrameRecord();
  if (frame != nullptr && frame->m_bValid) {
    const CRect r = CanvasRectOfFrame(Shown(*frame), scroll);
    through = {r.left, r.top};
  }
  return BlockGridLines(through, 8 * Zoom(), canvas, clipClient);
}

CPoint CSpriteViewModel::ScrollAfterZoom(CPoint anchor, CPoint scroll, CPoint oldCentre, std::int32_t oldZoom) const {
  return ScrollKeepingPoint(anchor, scroll, oldCentre, oldZoom, m_ptCentre, Zoom());
}

Repaint CSpriteViewModel::OnMouseLeave() {
  Repaint repaint;
  AddIfAny(repaint, m_rectPreview);
  m_bMouseInside = false;
  return repaint;
}

Repaint CSpriteViewModel::OnScroll() const {
  Repaint repaint;
  if (m_doc.m_pImage && m_doc.m_bSelectionValid) AddIfAny(repaint, m_rectPreview);
  return repaint;
}

bool CSpriteViewModel::HidePointer() const { return m_doc.m_bSelectionValid; }

std::string CSpriteViewModel::CoordinatesText() const {
  char text[48];
  std::snprintf(text, sizeof text, "X = %d, Y = %d", static_cast<int>(m_ptCanvas.x), static_cast<int>(m_ptCanvas.y));
  return text;
}

CRect CSpriteViewModel::CanvasRectOfFrame(const CAnimFrame& frame, CPoint scroll) const {
  const std::int32_t zoom = Zoom();
  const std::int64_t left = m_ptCentre.x + Magnify(frame.m_nOffsetX, zoom) - scroll.x;
  const std::int64_t top = m_ptCentre.y + Magnify(frame.m_nOffsetY, zoom) - scroll.y;
  const CRect& s = frame.m_rectSource;
  return MakeClampedRect(left, top, left + Magnify(std::int64_t{s.right} - s.left, zoom),
                         top + Magnify(std::int64_t{s.bottom} - s.top, zoom));
}

CPoint CSpriteViewModel::CanvasPosition(CPoint client, CPoint scroll) const {
  // C++ division truncates toward zero: 1 to 3 pixels left of the centre at zoom 4 is 0.
  const std::int32_t zoom = Zoom();
  return {ClampCoordinate((std::int64_t{client.x} + scroll.x - m_ptCentre.x) / zoom),
          ClampCoordinate((std::int64_t{client.y} + scroll.y - m_ptCentre.y) / zoom)};
}

}  // namespace pixolan
