// The document reader: CPxoDoc::Serialize loading from an archive over the
// input, then what a user does next with a loaded document: save it again. A
// saved document must read back to the very same bytes.
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "FuzzEntries.h"
#include "FuzzFixtures.h"
#include "document/PxoDoc.h"
#include "framework/FileException.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::fuzz {
namespace {

// The document's own name: a stored sheet path is also looked for beside it, so
// any path ending in "sheet.bmp" finds the fixture sheet.
std::string DocumentPath() { return (FixtureDir() / "fuzz.pxo").string(); }

bool Load(CPxoDoc& doc, std::span<const std::uint8_t> bytes) {
  CArchive ar(bytes, DocumentPath());
  try {
    doc.Serialize(ar);
  } catch (const CFileException&) {
    return false;  // the clean refusal of a bad file
  }
  return true;
}

// Empty when the writer refused the document (it says so in a message).
std::vector<std::uint8_t> Store(CPxoDoc& doc) {
  CArchive ar(DocumentPath());
  doc.Serialize(ar);
  return ar.IsAborted() ? std::vector<std::uint8_t>{} : ar.StoredBytes();
}

void CheckLoadedDocument(const CPxoDoc& doc) {
  if (!doc.m_pImage) std::abort();  // a document never loads without its sheet
  if (doc.m_pCurrentAnim == nullptr) return;
  for (const auto& animation : doc.m_animations) {
    if (animation.get() == doc.m_pCurrentAnim) return;
  }
  std::abort();  // the current animation must be one of the document's own
}

int LoadAndResave(std::span<const std::uint8_t> bytes) {
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  if (!Load(doc, bytes)) return 0;
  CheckLoadedDocument(doc);

  const std::vector<std::uint8_t> saved = Store(doc);
  if (saved.empty()) return 0;
  CPxoDoc reopened(prompts, settings);
  if (!Load(reopened, saved)) std::abort();  // what was saved must open again
  if (Store(reopened) != saved) std::abort();
  return 0;
}

}  // namespace

int FuzzPxo(const std::uint8_t* data, std::size_t size) { return LoadAndResave({data, size}); }

int FuzzPxoSheet(const std::uint8_t* data, std::size_t size) {
  // "PXOV1.01", the path's byte count with its NUL, the path; the input follows.
  static const std::vector<std::uint8_t> head = [] {
    const std::string path = SheetPath();
    std::vector<std::uint8_t> h{'P', 'X', 'O', 'V', '1', '.', '0', '1'};
    const std::uint32_t count = static_cast<std::uint32_t>(path.size() + 1);
    for (int i = 0; i < 4; ++i) h.push_back(static_cast<std::uint8_t>(count >> (8 * i)));
    h.insert(h.end(), path.begin(), path.end());
    h.push_back(0);
    return h;
  }();
  std::vector<std::uint8_t> bytes(head);
  if (size > 0) bytes.insert(bytes.end(), data, data + size);
  return LoadAndResave(bytes);
}

}  // namespace pixolan::fuzz
