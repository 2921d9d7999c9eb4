#include "ui/ConsoleState.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "document/PxoDoc.h"

namespace pixolan {

CConsoleState::CConsoleState(CPxoDoc& doc, QObject* parent)
    : QObject(parent),
      m_doc(doc),
      m_bridge(doc, [this](UpdateHint) { Schedule(); }),
      m_stateBridge(doc, [this] { Schedule(); }) {
  m_lookTimer.setSingleShot(true);
  m_lookTimer.setInterval(0);
  connect(&m_lookTimer, &QTimer::timeout, this, &CConsoleState::Look);
  m_staleTimer.setSingleShot(true);
  m_staleTimer.setInterval(kStaleMs);
  connect(&m_staleTimer, &QTimer::timeout, this, [this] {
    m_bStale = true;
    emit changed();
  });
  m_channel->pOwner = this;
  m_worker = std::thread(Work, m_channel);
  Schedule();
}

// An idle worker is joined; one still computing is left to finish on its own
// (a large sheet, or a slow build), so that closing a window never waits for it.
CConsoleState::~CConsoleState() {
  bool busy = false;
  {
    std::lock_guard lock(m_channel->mutex);
    m_channel->bStop = true;
    m_channel->pOwner = nullptr;
    busy = m_channel->bBusy;
  }
  m_channel->wake.notify_one();
  if (busy) {
    m_worker.detach();
  } else {
    m_worker.join();
  }
}

void CConsoleState::Schedule() {
  if (m_bWanted && !m_lookTimer.isActive()) m_lookTimer.start();
}

void CConsoleState::SetWanted(bool wanted) {
  if (wanted == m_bWanted) return;
  m_bWanted = wanted;
  Schedule();
}

// Copies what the export reads and hands it to the worker, unless it is what
// the newest request was made of (a change of the current frame, say).
void CConsoleState::Look() {
  ConsoleSnapshot snapshot = TakeConsoleSnapshot(m_doc, ReadExportOptions(m_doc.Settings()));
  if (m_lastInput && SameConsoleInput(*m_lastInput, snapshot)) {
    emit changed();  // the rows follow the current frame
    return;
  }
  m_lastInput = snapshot;
  {
    std::lock_guard lock(m_channel->mutex);
    m_channel->pending = std::move(snapshot);
    m_channel->nGeneration = ++m_nRequested;
  }
  m_channel->wake.notify_one();
  if (!m_staleTimer.isActive() && !m_bStale) m_staleTimer.start();
}

void CConsoleState::Work(std::shared_ptr<Channel> channel) {
  for (;;) {
    ConsoleSnapshot snapshot;
    std::uint64_t generation = 0;
    {
      std::unique_lock lock(channel->mutex);
      channel->bBusy = false;
      channel->wake.wait(lock, [&] { return channel->bStop || channel->pending.has_value(); });
      if (channel->bStop) return;
      snapshot = std::move(*channel->pending);
      channel->pending.reset();
      generation = channel->nGeneration;
      channel->bBusy = true;
    }
    std::shared_ptr<const ConsoleResult> result;
    try {
      result = std::make_shared<const ConsoleResult>(RunConsole(snapshot));
    } catch (const std::exception& e) {  // out of memory, say: told in the budget pane, the thread lives on
      auto failed = std::make_shared<ConsoleResult>();
      failed->messages.push_back(std::string("The console view could not be computed: ") + e.what());
      result = std::move(failed);
    }
    // Posted under the lock, so the window cannot go in between; Qt drops what
    // is still queued for a window that goes later.
    std::lock_guard lock(channel->mutex);
    if (channel->bStop || channel->pOwner == nullptr) return;
    CConsoleState* owner = channel->pOwner;
    QMetaObject::invokeMethod(owner, [owner, result, generation] { owner->Finish(result, generation); },
                              Qt::QueuedConnection);
  }
}

void CConsoleState::Finish(std::shared_ptr<const ConsoleResult> result, std::uint64_t generation) {
  if (generation < m_nFinished) return;
  m_nFinished = generation;
  m_result = std::move(result);
  if (m_nFinished == m_nRequested) {
    m_staleTimer.stop();
    m_bStale = false;
  }
  emit changed();
}

bool CConsoleState::WaitIdle(int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeoutMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!m_lookTimer.isActive() && m_nFinished == m_nRequested && m_result) return true;
  }
  return false;
}

}  // namespace pixolan
