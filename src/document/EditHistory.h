#pragma once
// A document's undo history: the steps done (undoable) and those undone
// (redoable), and which position was last saved.
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "document/EditStep.h"

namespace pixolan {

class CEditHistory {
 public:
  // The oldest steps are forgotten beyond this many, or beyond this many bytes
  // held (each re-import keeps a whole sheet); the newest step always stays.
  static constexpr std::size_t kMaxSteps = 200;
  static constexpr std::size_t kMaxBytes = 256u * 1024u * 1024u;

  CEditHistory() = default;
  CEditHistory(const CEditHistory&) = delete;
  CEditHistory& operator=(const CEditHistory&) = delete;

  // A done step; the undone steps can no longer be redone.
  void Push(std::unique_ptr<CEditStep> step);
  bool CanUndo() const { return m_nDone > 0; }
  bool CanRedo() const { return m_nDone < m_steps.size(); }
  // The name of the step Undo or Redo would take, empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;
  // Each moves one step (nothing when there is none), setting the document's
  // modified flag from the new position before the step sends its hints.
  void Undo(CPxoDoc& doc);
  void Redo(CPxoDoc& doc);
  // Forgets every step; the empty history is the saved state.
  void Clear();
  void MarkSaved() { m_nSaved = m_nDone; }
  bool IsAtSaved() const { return m_nSaved == m_nDone; }
  // Another bound than kMaxBytes (tests); applies from the next step on.
  void SetByteLimit(std::size_t bytes) { m_nMaxBytes = bytes; }
  std::size_t StepCount() const { return m_steps.size(); }
  // The step Undo would take, or null; a repeated change (a held key) may grow it.
  CEditStep* LastDone() { return CanUndo() ? m_steps[m_nDone - 1].get() : nullptr; }

 private:
  std::size_t HeldBytes() const;
  void DropOldest();

  std::deque<std::unique_ptr<CEditStep>> m_steps;
  std::size_t m_nDone = 0;                // m_steps[0, m_nDone) are done
  std::optional<std::size_t> m_nSaved{0};  // m_nDone when saved; none once unreachable
  std::size_t m_nMaxBytes = kMaxBytes;
};

}  // namespace pixolan
