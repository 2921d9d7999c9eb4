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
  return BuildBmp({.width = 16, .height = 16, .bits = 8, .coloursUsed = 16, .palette = GreyPalette(16, 16),
                   .pixels = std::vector<std::uint8_t>(16 * 16, 3)});
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
