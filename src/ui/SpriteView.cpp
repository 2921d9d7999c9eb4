#include "ui/SpriteView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "document/PxoDoc.h"
#include "ui/ConsoleMarks.h"
#include "ui/QtGeometry.h"
#include "ui/SpritePainter.h"
#include "ui/TextCodec.h"

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
  ApplyRepaint(viewport(), m_model.OnUpdate(hint, ScrollPosition()));
  UpdatePointerForSelection();
}

QString CPxoSpriteView::CoordinatesText() const { return FromCoreText(m_model.CoordinatesText()); }

void CPxoSpriteView::OnClientSize(CSize client) { m_model.OnSize(client); }

void CPxoSpriteView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  PaintSpriteView(painter, m_model, m_picture.Image(), ScrollPosition(), event->rect());
  PaintSpriteConsoleMarks(painter, m_doc, m_model, m_picture, ScrollPosition(), viewport()->rect());
}

void CPxoSpriteView::mouseMoveEvent(QMouseEvent* event) {
  ApplyRepaint(viewport(), m_model.OnMouseMove(ToCPoint(event->position().toPoint()), ScrollPosition()));
  UpdatePointerForSelection();
  emit coordinatesChanged();
  CScrollingView::mouseMoveEvent(event);
}

void CPxoSpriteView::mousePressEvent(QMouseEvent* event) {
  CScrollingView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // The press position is where the frame goes, even without a move before it.
  m_model.OnMouseMove(ToCPoint(event->position().toPoint()), ScrollPosition());
  ApplyRepaint(viewport(), m_model.OnLButtonDown(ScrollPosition()));
  UpdatePointerForSelection();
  emit coordinatesChanged();
}

void CPxoSpriteView::scrollContentsBy(int dx, int dy) {
  ApplyRepaint(viewport(), m_model.OnScroll());
  CScrollingView::scrollContentsBy(dx, dy);
}

void CPxoSpriteView::OnMouseLeave() { ApplyRepaint(viewport(), m_model.OnMouseLeave()); }

void CPxoSpriteView::UpdatePointerForSelection() { UpdatePointer(m_model.HidePointer()); }

}  // namespace pixolan
