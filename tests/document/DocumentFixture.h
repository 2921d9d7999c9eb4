#pragma once
// Shared pieces of the document tests: a sheet on disk, a view that records
// hints, and a document wired to scripted prompts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/PxoDoc.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "image/BmpBuilder.h"
#include "support/TestSupport.h"

namespace pixolan::test {

class HintRecorder : public CView {
 public:
  void OnUpdate(CView*, long hint) override { m_hints.push_back(hint); }
  std::vector<long> m_hints;
};

// A 16x16 sheet of 16 grey levels.
inline std::vector<std::uint8_t> SmallSheet() {
  BmpLayout layout;
  layout.width = 16;
  layout.height = 16;
  layout.bits = 8;
  layout.palette = GreyPalette(16, 16);
  layout.coloursUsed = 16;
  layout.pixels.assign(16 * 16, 3);
  return BuildBmp(layout);
}

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() { m_doc.AddView(&m_view); }

  std::string WriteSheet(const std::string& name = "a.bmp") {
    const auto path = m_dir / name;
    WriteFile(path, SmallSheet());
    return path.string();
  }

  CAnimation& AddAnimation(const std::string& name, std::uint32_t frames) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(name);
    animation->SetFrameCount(frames);
    m_doc.m_animations.push_back(std::move(animation));
    return *m_doc.m_animations.back();
  }

  TempDir m_dir;
  CScriptedPrompts m_prompts;
  CMemorySettings m_settings;
  CPxoDoc m_doc{m_prompts, m_settings};
  HintRecorder m_view;
};

}  // namespace pixolan::test
