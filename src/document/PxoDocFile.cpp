// The .pxo document file: raw little-endian fields, strings with their NUL.
#include <algorithm>
#include <filesystem>

#include "document/PxoDoc.h"
#include "framework/FileException.h"

namespace pixolan {
namespace {

constexpr char kMagic[8] = {'P', 'X', 'O', 'V', '1', '.', '0', '1'};
constexpr const char* kMsgErrorSaving = "FATAL: Error saving file";
// The smallest frame record is its 4-byte flag.
constexpr std::size_t kMinFrameRecordBytes = 4;

// Everything a file holds, read before any of it reaches the document, so a
// bad file leaves nothing half-loaded.
struct LoadedDocument {
  std::string strImagePath;
  std::int32_t nCanvasWidth = 0;
  std::int32_t nCanvasHeight = 0;
  std::int32_t nZoom = 0;
  CRect rectSelection;
  bool bSelectionValid = false;
  std::int32_t nCurrentFrame = 0;
  std::vector<std::unique_ptr<CAnimation>> animations;
  std::int32_t nCurrentIndex = -1;
};

[[noreturn]] void FailLoad(const CArchive& ar) { throw CFileException(CFileException::generic, -1, ar.GetFileName()); }

std::string UpToNul(const std::string& text) { return text.substr(0, text.find('\0')); }

void WriteString(CArchive& ar, const std::string& text) {
  ar.WriteU32(static_cast<std::uint32_t>(text.size() + 1));
  ar.Write(text.c_str(), text.size() + 1);
}

// A count of 1..2048 bytes with a NUL among them; the text ends at the first NUL.
std::string ReadString(CArchive& ar) {
  const std::uint32_t count = ar.ReadU32();
  if (count == 0 || count > kMaxDocumentString) FailLoad(ar);
  std::string buffer(count, '\0');
  ar.Read(buffer.data(), count);
  const std::size_t nul = buffer.find('\0');
  if (nul == std::string::npos) FailLoad(ar);
  buffer.resize(nul);
  return buffer;
}

CRect ReadRect(CArchive& ar) {
  CRect r;
  r.left = ar.ReadI32();
  r.top = ar.ReadI32();
  r.right = ar.ReadI32();
  r.bottom = ar.ReadI32();
  return r;
}

void WriteRect(CArchive& ar, const CRect& r) {
  ar.WriteI32(r.left);
  ar.WriteI32(r.top);
  ar.WriteI32(r.right);
  ar.WriteI32(r.bottom);
}

std::unique_ptr<CAnimation> ReadAnimation(CArchive& ar) {
  auto animation = std::make_unique<CAnimation>();
  animation->SetName(ReadString(ar));
  const std::uint32_t frameCount = ar.ReadU32();
  // Refuse a count the rest of the file cannot hold before allocating for it.
  if (frameCount > ar.Remaining() / kMinFrameRecordBytes) FailLoad(ar);
  animation->SetFrameCount(frameCount);
  for (std::uint32_t f = 1; f <= frameCount; ++f) {
    if (ar.ReadU32() == 0) continue;  // an invalid frame keeps only its flag
    const std::int32_t offsetX = ar.ReadI32();
    const std::int32_t offsetY = ar.ReadI32();
    animation->Frame(static_cast<std::int32_t>(f))->Set(ReadRect(ar), offsetX, offsetY);
  }
  return animation;
}

LoadedDocument ReadDocument(CArchive& ar) {
  char magic[sizeof kMagic];
  ar.Read(magic, sizeof magic);
  if (std::string_view(magic, 4) != std::string_view(kMagic, 4)) FailLoad(ar);  // the version is not examined
  LoadedDocument doc;
  doc.strImagePath = ReadString(ar);
  doc.nCanvasWidth = ar.ReadI32();
  doc.nCanvasHeight = ar.ReadI32();
  doc.nZoom = ar.ReadI32();
  doc.rectSelection = ReadRect(ar);
  doc.bSelectionValid = ar.ReadU8() != 0;
  doc.nCurrentFrame = ar.ReadI32();
  const std::int32_t animationCount = ar.ReadI32();
  for (std::int32_t i = 0; i < animationCount; ++i) doc.animations.push_back(ReadAnimation(ar));
  doc.nCurrentIndex = ar.ReadI32();
  return doc;
}

// The last component of a path written on any system, '/' or '\' separated.
std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Absolute on the system that wrote it: "/...", "\\..." or a drive letter "C:...".
bool IsAbsoluteAnywhere(const std::string& path) {
  return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() >= 2 && path[1] == ':');
}

// Where to look for the sheet, in order. A relative path means the document's
// folder (not the working folder, where another file of that name may lie); a
// document moved with its sheet finds it beside itself by the file name.
std::vector<std::string> SheetCandidates(const std::string& stored, const std::string& documentPath) {
  if (stored.empty()) return {};
  const std::filesystem::path folder = std::filesystem::path(documentPath).parent_path();
  std::vector<std::string> candidates;
  if (!IsAbsoluteAnywhere(stored)) candidates.push_back((folder / stored).lexically_normal().string());
  candidates.push_back(stored);
  const std::string name = FileNameOf(stored);
  if (!name.empty()) candidates.push_back((folder / name).string());
  return candidates;
}

}  // namespace

void CPxoDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) StoreDocument(ar);
  else LoadDocument(ar);
}

void CPxoDoc::StoreDocument(CArchive& ar) {
  const std::string imagePath = UpToNul(m_strImagePath);
  bool storable = imagePath.size() < kMaxDocumentString;
  std::int32_t currentIndex = -1;
  for (std::size_t i = 0; i < m_animations.size(); ++i) {
    if (m_animations[i]->Name().size() >= kMaxDocumentString) storable = false;
    if (m_animations[i].get() == m_pCurrentAnim) currentIndex = static_cast<std::int32_t>(i);
  }
  if (currentIndex < 0 && m_pCurrentAnim != nullptr) storable = false;
  // A file that could not be read back is never written: the earlier one stays.
  if (!storable) {
    m_prompts.MessageBox(kMsgErrorSaving);
    ar.Abort();
    return;
  }
  ar.Write(kMagic, sizeof kMagic);
  WriteString(ar, imagePath);
  ar.WriteI32(m_nCanvasWidth);
  ar.WriteI32(m_nCanvasHeight);
  ar.WriteI32(m_nZoom);
  WriteRect(ar, m_rectSelection);
  ar.WriteU8(m_bSelectionValid ? 1 : 0);
  ar.WriteI32(m_nCurrentFrame);
  ar.WriteI32(static_cast<std::int32_t>(m_animations.size()));
  for (const auto& animation : m_animations) {
    WriteString(ar, animation->Name());
    ar.WriteU32(animation->m_nFrameCount);
    for (std::uint32_t f = 0; f < animation->m_nFrameCount; ++f) {
      const CAnimFrame& frame = animation->FrameOrNeverSet(f);
      ar.WriteU32(frame.m_bValid ? 1 : 0);
      if (!frame.m_bValid) continue;
      ar.WriteI32(frame.m_nOffsetX);
      ar.WriteI32(frame.m_nOffsetY);
      WriteRect(ar, frame.m_rectSource);
    }
  }
  ar.WriteI32(currentIndex);
}

bool CPxoDoc::LoadStoredImage(const std::string& storedPath, const std::string& documentPath) {
  std::vector<std::string> tried;
  for (const std::string& candidate : SheetCandidates(storedPath, documentPath)) {
    if (std::find(tried.begin(), tried.end(), candidate) != tried.end()) continue;
    tried.push_back(candidate);
    if (LoadImage(candidate) != nullptr) return true;
  }
  return false;
}

void CPxoDoc::LoadDocument(CArchive& ar) {
  LoadedDocument loaded = ReadDocument(ar);
  if (!LoadStoredImage(loaded.strImagePath, ar.GetFileName())) FailLoad(ar);
  // Nothing below can fail: the document takes the whole file at once.
  m_strImagePath = std::move(loaded.strImagePath);
  m_nCanvasWidth = loaded.nCanvasWidth;
  m_nCanvasHeight = loaded.nCanvasHeight;
  m_nZoom = loaded.nZoom;
  m_rectSelection = loaded.rectSelection;
  m_bSelectionValid = loaded.bSelectionValid;
  m_nCurrentFrame = loaded.nCurrentFrame;
  m_animations = std::move(loaded.animations);
  m_pCurrentAnim = nullptr;
  if (loaded.nCurrentIndex >= 0 && static_cast<std::size_t>(loaded.nCurrentIndex) < m_animations.size()) {
    m_pCurrentAnim = m_animations[static_cast<std::size_t>(loaded.nCurrentIndex)].get();
  }
}

}  // namespace pixolan
