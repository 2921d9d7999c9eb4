#include "ui/AnimListBox.h"

#include <QMouseEvent>

namespace pixolan {

void CAnimListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit contextMenuAt(event->globalPosition().toPoint());
    return;  // the list's own handling would move the selection
  }
  QListWidget::mousePressEvent(event);
}

}  // namespace pixolan
