#include "ui/FrameKeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/AnimDetails.h"

namespace pixolan {

std::optional<FrameKey> FrameKeyOf(const QKeyEvent& event) {
  // Ctrl+Page Up and the like are commands of their own.
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_PageUp:
    case Qt::Key_Comma: return FrameKey::kPrevious;
    case Qt::Key_PageDown:
    case Qt::Key_Period: return FrameKey::kNext;
    case Qt::Key_Home: return FrameKey::kFirst;
    case Qt::Key_End: return FrameKey::kLast;
    case Qt::Key_Space: return FrameKey::kPlayStop;
    default: return std::nullopt;
  }
}

CFrameKeys::CFrameKeys(CPxoAnimDetails& pane) : QObject(&pane), m_pane(pane) {}

void CFrameKeys::Watch(QWidget* widget) { widget->installEventFilter(this); }

bool CFrameKeys::eventFilter(QObject* watched, QEvent* event) {
  // Taken before the list or a button sees them (the list would move its selection,
  // a button would be clicked by Space); a held key repeats the step.
  if (event->type() == QEvent::KeyPress) {
    if (const std::optional<FrameKey> key = FrameKeyOf(*static_cast<QKeyEvent*>(event))) {
      m_pane.OnFrameKey(*key);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace pixolan
