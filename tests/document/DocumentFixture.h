#pragma once
// Shared pieces of the document tests: a sheet on disk, a view that records
// each hint with the document's state at the moment it was sent, and a
// document wired to scripted prompts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/PxoDoc.h"
#include "framework/Archive.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "support/BmpBuilder.h"  // for the desktop application's tests
#include "support/TestSupport.h"

namespace pixolan::test {

// What the views can see of a document: sheet, selection, animations with their
// frames, current animation and frame.
inline std::string StateOf(const CPxoDoc& doc) {
  CRect r;
  std::string s = (doc.m_pImage ? "sheet " + doc.m_strImagePath : "no sheet") + "; selection " +
                  (doc.GetSelection(r) ? std::to_string(r.left) + "," + std::to_string(r.right) : "none");
  for (const auto& a : doc.m_animations) {
    s += "; " + a->Name() + ":";
    for (std::uint32_t f = 0; f < a->m_nFrameCount; ++f) s += a->FrameOrNeverSet(f).m_bValid ? "v" : "-";
    if (a.get() == doc.m_pCurrentAnim) s += " current at " + std::to_string(doc.m_nCurrentFrame);
  }
  return s;
}

class HintRecorder : public CView {
 public:
  explicit HintRecorder(const CPxoDoc& doc) : m_doc(doc) {}
  void OnUpdate(CView*, UpdateHint hint) override {
    m_hints.push_back(hint);
    m_states.push_back(StateOf(m_doc));
  }
  std::vector<UpdateHint> m_hints;
  std::vector<std::string> m_states;  // StateOf the document when each hint arrived

 private:
  const CPxoDoc& m_doc;
};

// A 16x16 sheet of 16 grey levels.
inline std::vector<std::uint8_t> SmallSheet() { return ReadFile(DataDir() / "images" / "bmp" / "grey-16x16.bmp"); }

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() { m_doc.AddView(&m_view); }

  std::string WriteSheet(const std::string& name = "a.bmp") {
    const auto path = m_dir / name;
    WriteFile(path, SmallSheet());
    return path.string();
  }

  // The written sheet as the document's image, its first cell selected.
  void LoadSheetAndSelectFirstCell() {
    m_doc.m_strImagePath = WriteSheet();
    EXPECT_NE(m_doc.LoadImage(m_doc.m_strImagePath), nullptr);
    m_doc.SetSelection(CRect{0, 0, 8, 8});
  }

  // The document as it would be saved.
  std::vector<std::uint8_t> StoredBytes() {
    CArchive ar;
    m_doc.Serialize(ar);
    return ar.StoredBytes();
  }

  CAnimation& AddAnimation(const std::string& name, std::uint32_t frames) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(name);
    animation->SetFrameCount(frames);
    m_doc.m_animations.push_back(std::move(animation));
    return *m_doc.m_animations.back();
  }

  // The hints sent so far, a new one sent only once the change was complete (a
  // view refreshing on it sees the document as it is now), and the modified flag.
  void ExpectHints(const std::vector<UpdateHint>& hints, bool modified) {
    EXPECT_EQ(m_view.m_hints, hints);
    if (m_view.m_states.size() > m_nCheckedHints) {
      EXPECT_EQ(m_view.m_states.back(), StateOf(m_doc));
    }
    m_nCheckedHints = m_view.m_states.size();
    EXPECT_EQ(m_doc.IsModified(), modified);
  }

  TempDir m_dir;
  CScriptedPrompts m_prompts;
  CMemorySettings m_settings;
  CPxoDoc m_doc{m_prompts, m_settings};
  HintRecorder m_view{m_doc};
  std::size_t m_nCheckedHints = 0;
};

}  // namespace pixolan::test
