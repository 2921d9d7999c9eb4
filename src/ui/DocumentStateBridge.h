#pragma once
// Connects a widget to its document's state notifications (modified flag, title,
// history) for as long as the widget lives.
#include <functional>

#include "framework/Document.h"
#include "framework/DocumentObserver.h"

namespace pixolan {

class CDocumentStateBridge : public CDocumentObserver {
 public:
  CDocumentStateBridge(CDocument& doc, std::function<void()> onChange) : m_doc(doc), m_onChange(std::move(onChange)) {
    m_doc.AddObserver(this);
  }
  ~CDocumentStateBridge() override { m_doc.RemoveObserver(this); }
  CDocumentStateBridge(const CDocumentStateBridge&) = delete;
  CDocumentStateBridge& operator=(const CDocumentStateBridge&) = delete;

  void OnDocumentStateChanged(const CDocument& /*doc*/) override { m_onChange(); }

 private:
  CDocument& m_doc;
  std::function<void()> m_onChange;
};

}  // namespace pixolan
