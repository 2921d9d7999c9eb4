#include "framework/Document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "framework/AtomicFile.h"
#include "framework/FileException.h"

namespace pixolan {
namespace {

struct FileCloser {
  int fd;
  ~FileCloser() { ::close(fd); }
};

[[noreturn]] void RefuseFile(const std::string& path) { throw CFileException(CFileException::generic, -1, path); }

// Only a regular file of at most kMaxDocumentFileBytes is read. Opened without
// blocking, so a pipe cannot hang the open; checked on the opened file itself,
// and read with a cap, so a file swapped or growing meanwhile is still refused.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) RefuseFile(path);
  const FileCloser closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<std::uint64_t>(st.st_size) > kMaxDocumentFileBytes) {
    RefuseFile(path);
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size) + 1);
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) RefuseFile(path);
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
    if (filled == bytes.size() && bytes.size() <= kMaxDocumentFileBytes) bytes.resize(kMaxDocumentFileBytes + 1);
  }
  if (filled > kMaxDocumentFileBytes) RefuseFile(path);
  bytes.resize(filled);
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

void CDocument::UpdateAllViews(CView* sender, UpdateHint hint) {
  // A copy: a view may detach itself while handling the hint.
  const std::vector<CView*> views = m_views;
  for (CView* view : views) {
    if (view != sender) view->OnUpdate(sender, hint);
  }
}

void CDocument::AddObserver(CDocumentObserver* observer) {
  if (observer != nullptr && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
    m_observers.push_back(observer);
  }
}

void CDocument::RemoveObserver(CDocumentObserver* observer) { std::erase(m_observers, observer); }

void CDocument::NotifyStateChanged() {
  // A copy: an observer may detach itself meanwhile.
  const std::vector<CDocumentObserver*> observers = m_observers;
  for (CDocumentObserver* observer : observers) observer->OnDocumentStateChanged(*this);
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = path;
  m_strTitle = std::filesystem::path(path).filename().string();
  NotifyStateChanged();
}

void CDocument::SetTitle(const std::string& title) {
  m_strTitle = title;
  NotifyStateChanged();
}

void CDocument::SetDefaultTitle(int n) {
  m_strDefaultTitle = DocumentTypeName() + std::to_string(n);
  if (m_strPathName.empty()) m_strTitle = m_strDefaultTitle;
  NotifyStateChanged();
}

void CDocument::SetModifiedFlag(bool modified) {
  if (m_bModified == modified) return;
  m_bModified = modified;
  NotifyStateChanged();
}

bool CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_strTitle = m_strDefaultTitle;
  m_bModified = false;
  NotifyStateChanged();
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
    m_strTitle = m_strDefaultTitle;
    m_bModified = false;
    NotifyStateChanged();
    m_prompts.MessageBox(e.GetErrorMessage());
    return false;
  }
  m_bModified = false;
  SetPathName(path);
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
  m_bModified = false;
  SetPathName(path);
  return true;
}

bool CDocument::SaveModified() {
  if (!m_bModified) return true;
  const std::string& name = m_strPathName.empty() ? m_strTitle : m_strPathName;
  switch (m_prompts.AskYesNoCancel(FormatMessage("Save changes to %1?", name))) {
    case IDYES:
      return DoFileSave();
    case IDNO:
      return true;
    default:
      return false;
  }
}

bool CDocument::DoFileSave() { return m_strPathName.empty() ? DoSaveAs() : OnSaveDocument(m_strPathName); }

bool CDocument::DoSaveAs() {
  const std::optional<std::string> path = m_prompts.FileDialog(DocumentFileRequest(false));
  return path && !path->empty() && OnSaveDocument(*path);
}

FileDialogRequest CDocument::DocumentFileRequest(bool open) const {
  FileDialogRequest request;
  request.bOpen = open;
  if (!open) request.strInitialName = SuggestedFileName();
  request.strFilter = "All Files (*.*)|*.*||";
  return request;
}

std::string CDocument::SuggestedFileName() const {
  if (!m_strPathName.empty()) return std::filesystem::path(m_strPathName).filename().string();
  // A title is no path: nothing from a separator on.
  return m_strTitle.substr(0, m_strTitle.find_first_of("/\\:"));
}

}  // namespace pixolan
