#include "ui/UpDownControl.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace pixolan {
namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  return button;
}

}  // namespace

CUpDownControl::CUpDownControl(QWidget* parent)
    : QWidget(parent), m_up(ArrowButton(Qt::UpArrow, this)), m_down(ArrowButton(Qt::DownArrow, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_up);
  layout->addWidget(m_down);
  setFocusPolicy(Qt::StrongFocus);
  connect(m_up, &QToolButton::clicked, this, [this] { emit deltaPos(-1); });
  connect(m_down, &QToolButton::clicked, this, [this] { emit deltaPos(+1); });
}

void CUpDownControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    emit deltaPos(-1);
  } else if (event->key() == Qt::Key_Down) {
    emit deltaPos(+1);
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace pixolan
