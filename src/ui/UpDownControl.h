#pragma once
// Two stacked arrow buttons without a value of their own: the upper proposes a
// change of -1, the lower +1, as the platform's up-down control does by default.
#include <QWidget>

class QToolButton;

namespace pixolan {

class CUpDownControl : public QWidget {
  Q_OBJECT
 public:
  explicit CUpDownControl(QWidget* parent = nullptr);
  QToolButton* UpButton() const { return m_up; }
  QToolButton* DownButton() const { return m_down; }

 signals:
  void deltaPos(int delta);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QToolButton* m_up;
  QToolButton* m_down;
};

}  // namespace pixolan
