#pragma once
// Answers modal windows in GUI tests: each step runs once on the next modal window
// that comes to the top (a dialog, then its message box, then the dialog again...).
// Steps run from the event loop, not from the polling timer, so a step may open
// another modal window. A window that no step expects, or any window still up after
// five seconds, is rejected so that a failing test never hangs.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

class ModalScript {
 public:
  using Step = std::function<void(QWidget*)>;

  explicit ModalScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start(10);
    m_clock.start();
  }

  // Every step ran and no unexpected window came up.
  bool Finished() const { return m_next == m_steps.size() && m_unexpected == 0; }

 private:
  void Poll() {
    QWidget* top = QApplication::activeModalWidget();
    if (!top || (top == m_last && m_clock.elapsed() < 5000)) return;
    m_last = top;
    if (m_next == m_steps.size() || m_clock.elapsed() >= 5000) {
      ++m_unexpected;
      if (auto* dialog = qobject_cast<QDialog*>(top)) {
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
      }
      return;
    }
    Step step = m_steps[m_next++];
    QPointer<QWidget> target(top);
    QMetaObject::invokeMethod(qApp, [step, target] { if (target) step(target); }, Qt::QueuedConnection);
  }

  std::vector<Step> m_steps;
  std::size_t m_next = 0;
  int m_unexpected = 0;
  QPointer<QWidget> m_last;
  QTimer m_timer;
  QElapsedTimer m_clock;
};
