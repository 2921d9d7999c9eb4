#pragma once

namespace pixolan {

class CDocument;

// Anything that shows a document: receives its update hints.
class CView {
 public:
  virtual ~CView() = default;
  // hint 0 is the initial update after a document is created or opened.
  virtual void OnUpdate(CView* sender, long hint) = 0;
};

}  // namespace pixolan
