#include "framework/Document.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/AtomicFile.h"
#include "framework/FileException.h"

namespace pixolan {
namespace {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw CFileException(CFileException::badPath, -1, path);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CFileException(CFileException::generic, -1, path);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw CFileException(CFileException::generic, -1, path);
  return bytes;
}

// Documents are known by their full path (messages name it, the sheet is looked
// for beside it).
std::string FullPath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec || path.empty() ? path : full.lexically_normal().string();
}

}  // namespace

void CDocument::AddView(CView* view) {
  if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CDocument::RemoveView(CView* view) { m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end()); }

void CDocument::UpdateAllViews(CView* sender, long hint) {
  // A copy: a view may detach itself while handling the hint.
  const std::vector<CView*> views = m_views;
  for (CView* view : views) {
    if (view != sender) view->OnUpdate(sender, hint);
  }
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = path;
  m_strTitle = std::filesystem::path(path).filename().string();
}

bool CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_strTitle = "Untitled";
  m_bModified = false;
  return true;
}

bool CDocument::OnOpenDocument(const std::string& pathAsGiven) {
  const std::string path = FullPath(pathAsGiven);
  DeleteContents();
  try {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    if (!bytes.empty()) {
      CArchive ar(bytes, path);
      Serialize(ar);
    }
  } catch (const CFileException& e) {
    // Emptied, the document no longer is the file it came from: a later Save
    // must not write the empty document over it.
    DeleteContents();
    m_strPathName.clear();
    m_strTitle = "Untitled";
    m_bModified = false;
    m_prompts.MessageBox(e.GetErrorMessage());
    return false;
  }
  SetPathName(path);
  m_bModified = false;
  return true;
}

bool CDocument::OnSaveDocument(const std::string& pathAsGiven) {
  const std::string path = FullPath(pathAsGiven);
  try {
    CArchive ar(path);
    Serialize(ar);
    if (ar.IsAborted()) return false;  // already reported by the writer
    WriteFileAtomically(path, ar.StoredBytes());
  } catch (const CFileException& e) {
    m_prompts.MessageBox(e.GetErrorMessage());
    return false;
  }
  SetPathName(path);
  m_bModified = false;
  return true;
}

}  // namespace pixolan
