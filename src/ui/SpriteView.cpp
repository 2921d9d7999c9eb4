#include "ui/SpriteView.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "document/PxoDoc.h"
#include "ui/ConsoleMarks.h"
#include "ui/QtGeometry.h"
#include "ui/SpritePainter.h"
#include "ui/TextCodec.h"
#include "view/ZoomMath.h"

namespace pixolan {

CPxoSpriteView::CPxoSpriteView(CPxoDoc& doc, CSheetPicture& picture, QWidget* parent)
    : CScrollingView(parent),
      m_doc(doc),
      m_model(doc),
      m_picture(picture),
      m_bridge(doc, [this](UpdateHint hint) { OnUpdate(hint); }) {
  viewport()->setAutoFillBackground(false);
  SetScrollSizes(CSize{640, 576});
}

void CPxoSpriteView::OnInitialUpdate() {
  OnUpdate(HINT_INITIAL_UPDATE);
  SetScrollSizes(m_model.ScrollSize());
  m_model.OnSize(ToCSize(viewport()->size()));
}

void CPxoSpriteView::OnUpdate(UpdateHint hint) {
  if (hint == HINT_ZOOM_CHANGED) {
    // A new zoom (also undone or redone): the canvas's size and centre change.
    m_model.OnSize(ToCSize(viewport()->size()));
    SetScrollSizes(m_model.ScrollSize());
    emit zoomChanged();
  }
  ApplyRepaint(viewport(), m_model.OnUpdate(hint, ScrollPosition()));
  UpdatePointerForSelection();
}

void CPxoSpriteView::ZoomTo(std::int32_t zoom, CPoint anchor) {
  const CPoint oldCentre = m_model.m_ptCentre;
  const std::int32_t oldZoom = m_model.Zoom();
  const CPoint scroll = ScrollPosition();
  m_doc.SetZoom(zoom);  // every canvas of the document hears of it
  if (m_model.Zoom() == oldZoom) return;
  SetScrollPosition(m_model.ScrollAfterZoom(anchor, scroll, oldCentre, oldZoom));
  // The selection's preview takes the new size where the pointer is.
  if (m_model.m_bMouseInside) {
    m_model.OnMouseMove(ToCPoint(viewport()->mapFromGlobal(QCursor::pos())), ScrollPosition());
  }
}

void CPxoSpriteView::keyPressEvent(QKeyEvent* event) {
  // Arrows nudge the current frame by a pixel, with Shift by a block; a key held
  // down repeats into the same step.
  const int step = (event->modifiers() & Qt::ShiftModifier) ? 8 : 1;
  int dx = 0;
  int dy = 0;
  switch (event->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    default: CScrollingView::keyPressEvent(event); return;
  }
  if (!m_model.Nudge(dx, dy, event->isAutoRepeat())) CScrollingView::keyPressEvent(event);
}

QString CPxoSpriteView::CoordinatesText() const { return FromCoreText(m_model.CoordinatesText()); }

void CPxoSpriteView::OnClientSize(CSize client) { m_model.OnSize(client); }

void CPxoSpriteView::paintEvent(QPaintEvent* event) {
  m_model.m_options = ViewOptions::Load(m_doc.Settings());
  m_model.m_bPlaying = m_playing && m_playing();
  QPainter painter(viewport());
  PaintSpriteView(painter, m_model, m_picture.Image(), ScrollPosition(), event->rect());
  PaintSpriteConsoleMarks(painter, m_doc, m_model, m_picture, ScrollPosition(), viewport()->rect());
}

void CPxoSpriteView::mouseMoveEvent(QMouseEvent* event) {
  const CPoint client = ToCPoint(event->position().toPoint());
  m_ptMouse = client;
  if (m_model.IsDragging()) ApplyRepaint(viewport(), m_model.OnFrameDrag(client, ScrollPosition()));
  ApplyRepaint(viewport(), m_model.OnMouseMove(client, ScrollPosition()));
  UpdatePointerForSelection();
  emit coordinatesChanged();
  CScrollingView::mouseMoveEvent(event);
}

void CPxoSpriteView::mousePressEvent(QMouseEvent* event) {
  CScrollingView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // The press position is where the frame goes, even without a move before it.
  const CPoint client = ToCPoint(event->position().toPoint());
  m_ptMouse = client;
  m_model.OnMouseMove(client, ScrollPosition());
  // A press on the current frame grabs it: moving or lifting waits for the release.
  if (!m_model.OnFrameGrab(client, ScrollPosition())) ApplyRepaint(viewport(), m_model.OnLButtonDown(ScrollPosition()));
  UpdatePointerForSelection();
  emit coordinatesChanged();
}

void CPxoSpriteView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_model.IsDragging()) {
    ApplyRepaint(viewport(), m_model.OnFrameRelease(ScrollPosition()));
    UpdatePointerForSelection();
  }
  CScrollingView::mouseReleaseEvent(event);
}

void CPxoSpriteView::scrollContentsBy(int dx, int dy) {
  ApplyRepaint(viewport(), m_model.OnScroll());
  CScrollingView::scrollContentsBy(dx, dy);
}

void CPxoSpriteView::OnMouseLeave() { ApplyRepaint(viewport(), m_model.OnMouseLeave()); }

void CPxoSpriteView::UpdatePointerForSelection() {
  UpdatePointer(m_model.HidePointer());
  // A hand over the current frame: it can be dragged.
  if (m_model.IsDragging()) viewport()->setCursor(Qt::ClosedHandCursor);
  else if (m_model.CanGrabFrameAt(m_ptMouse, ScrollPosition())) viewport()->setCursor(Qt::OpenHandCursor);
}

}  // namespace pixolan
