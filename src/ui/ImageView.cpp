#include "ui/ImageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "document/PxoDoc.h"
#include "ui/QtGeometry.h"

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
  m_model.OnSize(ToCSize(viewport()->size()));
  ApplyRepaint(viewport(), m_model.OnUpdate(hint));
  SetScrollSizes(m_model.ScrollSize());
  UpdatePointer(m_model.HidePointer());
}

void CPxoImageView::OnClientSize(CSize client) {
  m_model.OnSize(client);
  SetScrollSizes(m_model.ScrollSize());
}

void CPxoImageView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), palette().color(QPalette::Base));
  const CPoint scroll = ScrollPosition();
  const CRect clipLogical = ToCRect(event->rect().translated(scroll.x, scroll.y));
  if (auto blit = m_model.SheetToDraw(clipLogical)) {
    const QImage& sheet = m_picture.Image();
    if (!sheet.isNull()) {
      painter.drawImage(QPoint(blit->ptDest.x - scroll.x, blit->ptDest.y - scroll.y), sheet,
                        ToQRect(blit->rectSource));
    }
  }
  if (auto cursor = m_model.CursorToDraw()) {
    // Difference with white gives each pixel's complement.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(ToQRect(*cursor), Qt::white);
  }
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
