#include "document/EditHistory.h"

#include "document/PxoDoc.h"

namespace pixolan {

void CEditHistory::Push(std::unique_ptr<CEditStep> step) {
  if (!step) return;
  // The saved state among the discarded steps can never come back.
  if (m_nSaved && *m_nSaved > m_nDone) m_nSaved.reset();
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_nDone), m_steps.end());
  m_steps.push_back(std::move(step));
  ++m_nDone;
  while (m_steps.size() > 1 && (m_steps.size() > kMaxSteps || HeldBytes() > m_nMaxBytes)) DropOldest();
}

std::size_t CEditHistory::HeldBytes() const {
  std::size_t bytes = 0;
  for (const auto& step : m_steps) bytes += step->Bytes();
  return bytes;
}

void CEditHistory::DropOldest() {
  m_steps.pop_front();
  --m_nDone;
  // Once the saved state falls off the bottom, no undo reaches it again.
  if (m_nSaved && *m_nSaved == 0) m_nSaved.reset();
  else if (m_nSaved) --*m_nSaved;
}

std::string CEditHistory::UndoName() const { return CanUndo() ? m_steps[m_nDone - 1]->Name() : std::string(); }

std::string CEditHistory::RedoName() const { return CanRedo() ? m_steps[m_nDone]->Name() : std::string(); }

void CEditHistory::Undo(CPxoDoc& doc) {
  if (!CanUndo()) return;
  CEditStep& step = *m_steps[--m_nDone];
  doc.SetModifiedFlag(!IsAtSaved());
  step.Undo(doc);
}

void CEditHistory::Redo(CPxoDoc& doc) {
  if (!CanRedo()) return;
  CEditStep& step = *m_steps[m_nDone++];
  doc.SetModifiedFlag(!IsAtSaved());
  step.Redo(doc);
}

void CEditHistory::Clear() {
  m_steps.clear();
  m_nDone = 0;
  m_nSaved = 0;
}

}  // namespace pixolan
