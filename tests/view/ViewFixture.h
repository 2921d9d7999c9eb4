#pragma once
// A document for the view models: the document tests' fixture plus a blank sheet.
#include <memory>
#include <optional>

#include "document/DocumentFixture.h"

namespace pixolan::test {

// The view models read only a sheet's size.
class BlankSheet : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

class ViewTest : public DocumentTest {
 protected:
  void GiveSheet(std::int32_t width, std::int32_t height) {
    auto sheet = std::make_unique<BlankSheet>();
    ASSERT_TRUE(sheet->Create(width, height, 8));
    m_doc.m_pImage = std::move(sheet);
  }

  std::optional<CRect> Selection() const {
    CRect r;
    return m_doc.GetSelection(r) ? std::optional<CRect>(r) : std::nullopt;
  }
};

}  // namespace pixolan::test
