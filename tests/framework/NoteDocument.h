#pragma once
// A document whose whole content is one byte string, for the framework's tests.
#include <string>

#include "framework/Document.h"

namespace pixolan::test {

class NoteDocument : public CDocument {
 public:
  using CDocument::CDocument;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.Write(m_text.data(), m_text.size());
    } else {
      m_text.resize(ar.Remaining());
      ar.Read(m_text.data(), m_text.size());
    }
  }
  std::string m_text;
};

}  // namespace pixolan::test
