#pragma once
// The animation list: a right click opens the "Anim List" menu and leaves the
// selection as it is.
#include <QListWidget>

namespace pixolan {

class CAnimListBox : public QListWidget {
  Q_OBJECT
 public:
  using QListWidget::QListWidget;

 signals:
  void contextMenuAt(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace pixolan
