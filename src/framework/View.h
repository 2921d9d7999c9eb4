#pragma once

#include "framework/UpdateHint.h"

namespace pixolan {

class CDocument;

// Anything that shows a document: receives its update hints.
class CView {
 public:
  virtual ~CView() = default;
  virtual void OnUpdate(CView* sender, UpdateHint hint) = 0;
};

}  // namespace pixolan
