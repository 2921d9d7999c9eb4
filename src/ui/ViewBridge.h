#pragma once
// Connects a widget to its document's update hints for as long as the widget lives.
#include <functional>

#include "framework/Document.h"
#include "framework/View.h"

namespace pixolan {

class CViewBridge : public CView {
 public:
  CViewBridge(CDocument& doc, std::function<void(UpdateHint)> onUpdate) : m_doc(doc), m_onUpdate(std::move(onUpdate)) {
    m_doc.AddView(this);
  }
  ~CViewBridge() override { m_doc.RemoveView(this); }
  CViewBridge(const CViewBridge&) = delete;
  CViewBridge& operator=(const CViewBridge&) = delete;

  void OnUpdate(CView* /*sender*/, UpdateHint hint) override { m_onUpdate(hint); }

 private:
  CDocument& m_doc;
  std::function<void(UpdateHint)> m_onUpdate;
};

}  // namespace pixolan
