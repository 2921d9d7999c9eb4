#include "ui/ImageView.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "document/PxoDoc.h"
#include "ui/ConsoleMarks.h"
#include "ui/OverlayPainter.h"
#include "ui/QtGeometry.h"
#include "view/ViewOptions.h"
#include "view/ZoomMath.h"

namespace pixolan {

CPxoImageView::CPxoImageView(CPxoDoc& doc, CSheetPicture& picture, QWidget* parent)
    : CScrollingView(parent),
      m_doc(doc),
      m_model(doc),
      m_picture(picture),
      m_bridge(doc, [this](UpdateHint hint) { OnUpdate(hint); }) {
  viewport()->setAutoFillBackground(false);
}

void CPxoImageView::OnInitialUpdate() {
  OnUpdate(HINT_INITIAL_UPDATE);
  m_model.m_rectCursor = CRect{0, 0, 8, 8};
}

void CPxoImageView::OnUpdate(UpdateHint hint) {
  const std::int32_t zoom = m_model.Zoom();
  m_model.OnSize(ToCSize(viewport()->size()));
  ApplyRepaint(viewport(), m_model.OnUpdate(hint));
  SetScrollSizes(m_model.ScrollSize());
  UpdatePointer(m_model.HidePointer());
  if (m_model.Zoom() != zoom) emit zoomChanged();
}

void CPxoImageView::OnClientSize(CSize client) {
  const std::int32_t zoom = m_model.Zoom();
  m_model.OnSize(client);
  SetScrollSizes(m_model.ScrollSize());
  if (m_model.Zoom() != zoom) emit zoomChanged();
}

void CPxoImageView::ZoomTo(std::int32_t zoom, CPoint anchor) {
  const CPoint scroll = m_model.SetZoom(zoom, anchor, ScrollPosition());
  SetScrollSizes(m_model.ScrollSize());
  SetScrollPosition(scroll);
  // The block cursor takes the new size where the pointer is.
  if (m_model.m_bShowCursor) {
    m_model.OnMouseMove(ToCPoint(viewport()->mapFromGlobal(QCursor::pos())), ScrollPosition(), m_bCaptured);
  }
  viewport()->update();
  emit zoomChanged();
}

void CPxoImageView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), palette().color(QPalette::Base));
  const CPoint scroll = ScrollPosition();
  const CRect clipLogical = ToCRect(event->rect().translated(scroll.x, scroll.y));
  if (auto blit = m_model.SheetToDraw(clipLogical)) {
    const QImage& sheet = m_picture.Image();
    if (!sheet.isNull()) {
      // Nearest neighbour: every sheet pixel a crisp zoom x zoom square.
      const int zoom = m_model.Zoom();
      const QRect source = ToQRect(blit->rectSource);
      const QRect dest(blit->ptDest.x - scroll.x, blit->ptDest.y - scroll.y, source.width() * zoom,
                       source.height() * zoom);
      if (sheet.hasAlphaChannel()) PaintCheckerboard(painter, dest, dest.topLeft() - source.topLeft() * zoom);
      painter.drawImage(dest, sheet, source);
      PaintChangedMarks(painter, m_picture, dest, source, zoom);
    }
  }
  if (ViewOptions::Load(m_doc.Settings()).bGrid) PaintGrid(painter, m_model.Grid(scroll, ToCRect(event->rect())));
  PaintOutlines(painter, m_model.Outlines(scroll));
  if (auto cursor = m_model.CursorToDraw()) {
    // Difference with white gives each pixel's complement.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(ToQRect(*cursor), Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  PaintStaleMark(painter, m_picture, viewport()->rect());
}

void CPxoImageView::mouseMoveEvent(QMouseEvent* event) {
  ApplyRepaint(viewport(), m_model.OnMouseMove(ToCPoint(event->position().toPoint()), ScrollPosition(), m_bCaptured));
  UpdatePointer(m_model.HidePointer());
  CScrollingView::mouseMoveEvent(event);
}

void CPxoImageView::mousePressEvent(QMouseEvent* event) {
  CScrollingView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // Qt's implicit grab keeps reporting moves, also outside the pane, until release.
  m_bCaptured = m_model.OnLButtonDown(ToCPoint(event->position().toPoint()), ScrollPosition());
}

void CPxoImageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const bool captured = m_bCaptured;
    m_bCaptured = false;
    ApplyRepaint(viewport(), m_model.OnLButtonUp(ScrollPosition(), captured));
  }
  CScrollingView::mouseReleaseEvent(event);
}

void CPxoImageView::OnDragScrolled(CPoint delta) {
  // The drag's anchor block is kept in client coordinates.
  m_model.m_ptAnchor = CPoint{m_model.m_ptAnchor.x - delta.x, m_model.m_ptAnchor.y - delta.y};
}

void CPxoImageView::OnMouseLeave() { ApplyRepaint(viewport(), m_model.OnMouseLeave()); }

}  // namespace pixolan
