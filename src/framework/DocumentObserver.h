#pragma once

namespace pixolan {

class CDocument;

// Anything that shows what a shell shows of a document besides its contents: its
// modified flag, title or path, and its undo history (menus, window titles).
class CDocumentObserver {
 public:
  virtual ~CDocumentObserver() = default;
  virtual void OnDocumentStateChanged(const CDocument& doc) = 0;
};

}  // namespace pixolan
