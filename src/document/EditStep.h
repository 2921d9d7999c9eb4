#pragma once
// One undoable change of a document, named for the Edit menu ("Place Frame").
// A step holds the other side of its change; undoing and redoing exchange it
// with the document's, so the two directions cannot drift apart.
#include <cstddef>
#include <string>
#include <utility>

namespace pixolan {

class CPxoDoc;

class CEditStep {
 public:
  explicit CEditStep(std::string name) : m_strName(std::move(name)) {}
  CEditStep(const CEditStep&) = delete;
  CEditStep& operator=(const CEditStep&) = delete;
  virtual ~CEditStep() = default;

  const std::string& Name() const { return m_strName; }
  // Both send the hints the change itself sends, so the views repaint as usual.
  virtual void Undo(CPxoDoc& doc) = 0;
  virtual void Redo(CPxoDoc& doc) = 0;
  // The change made for the first time: Redo, unless the operation has always
  // sent other hints than an undo needs.
  virtual void Do(CPxoDoc& doc) { Redo(doc); }
  // About the memory the step holds (a kept sheet, a frame array), so that the
  // history can stay within a byte bound.
  virtual std::size_t Bytes() const { return sizeof(*this); }

 private:
  std::string m_strName;
};

}  // namespace pixolan
