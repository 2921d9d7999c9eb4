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
  // The oldest steps are forgotten beyond this many.
  static constexpr std::size_t kMaxSteps = 200;

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

 private:
  std::deque<std::unique_ptr<CEditStep>> m_steps;
  std::size_t m_nDone = 0;                // m_steps[0, m_nDone) are done
  std::optional<std::size_t> m_nSaved{0};  // m_nDone when saved; none once unreachable
};

}  // namespace pixolan
