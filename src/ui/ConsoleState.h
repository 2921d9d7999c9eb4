#pragma once
// A document window's console result: the export run on a copy of the document
// off the user-interface thread after every change that can alter it (steps,
// sheet loads, export options), and the last result kept while a newer one is
// computed ("stale" once that takes longer than a moment).
#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "export/ConsoleRun.h"
#include "ui/DocumentStateBridge.h"
#include "ui/ViewBridge.h"

namespace pixolan {

class CPxoDoc;

class CConsoleState : public QObject {
  Q_OBJECT
 public:
  explicit CConsoleState(CPxoDoc& doc, QObject* parent = nullptr);
  ~CConsoleState() override;

  // The last finished result; null before the first.
  std::shared_ptr<const ConsoleResult> Result() const { return m_result; }
  // A newer result is being computed and has taken longer than kStaleMs.
  bool IsStale() const { return m_bStale; }
  // Looks at the document again soon (changes come in bursts: one look for all).
  void Schedule();
  // Whether anything shows the result (console colours, the budget pane): while
  // nothing does, changes copy and compute nothing, so that playback and editing
  // with the sheet's own colours cost nothing. Wanted again, it looks at once.
  void SetWanted(bool wanted);
  // Waits (at most `timeoutMs`) until no work is pending; for tests and benchmarks.
  bool WaitIdle(int timeoutMs);

  static constexpr int kStaleMs = 100;

 signals:
  // A new result, or the stale mark changed.
  void changed();

 private:
  // What the window and its worker share; the worker keeps it alive after a
  // window that closed while it computed (see the destructor).
  struct Channel {
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<ConsoleSnapshot> pending;
    std::uint64_t nGeneration = 0;
    bool bStop = false;
    bool bBusy = false;
    CConsoleState* pOwner = nullptr;  // null once the window is gone
  };

  void Look();
  static void Work(std::shared_ptr<Channel> channel);
  void Finish(std::shared_ptr<const ConsoleResult> result, std::uint64_t generation);

  CPxoDoc& m_doc;
  CViewBridge m_bridge;
  CDocumentStateBridge m_stateBridge;
  QTimer m_lookTimer;
  QTimer m_staleTimer;
  std::shared_ptr<const ConsoleResult> m_result;
  std::optional<ConsoleSnapshot> m_lastInput;  // what the newest request was made of
  std::uint64_t m_nRequested = 0;
  std::uint64_t m_nFinished = 0;
  bool m_bStale = false;
  bool m_bWanted = false;

  std::shared_ptr<Channel> m_channel = std::make_shared<Channel>();
  std::thread m_worker;
};

}  // namespace pixolan
