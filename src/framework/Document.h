#pragma once
// The document base: attached views and update hints, path, title, modified
// flag, and opening and saving through a CArchive. A failed open empties the
// document and reports the file exception; a failed save keeps the old file.
#include <cstddef>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/DocumentObserver.h"
#include "framework/Prompts.h"
#include "framework/UpdateHint.h"
#include "framework/View.h"

namespace pixolan {

// No document file is larger: anything bigger (or not a regular file, such as a
// device or a pipe) is refused before it is read.
inline constexpr std::size_t kMaxDocumentFileBytes = 64u * 1024u * 1024u;

class CDocument {
 public:
  explicit CDocument(IPrompts& prompts) : m_prompts(prompts) {}
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;
  virtual ~CDocument() = default;

  void AddView(CView* view);
  void RemoveView(CView* view);
  // Every attached view but the sender receives the hint.
  void UpdateAllViews(CView* sender, UpdateHint hint);
  // Observers hear of every change of the modified flag, title or path (and of a
  // derived document's history), after it is made.
  void AddObserver(CDocumentObserver* observer);
  void RemoveObserver(CDocumentObserver* observer);

  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& path);
  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(const std::string& title);
  // The title of the n-th new document of this type ("Pixolan1"); kept while
  // the document has no file, also across OnNewDocument and failed opens.
  void SetDefaultTitle(int n);
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true);

  virtual bool OnNewDocument();
  virtual void DeleteContents() {}
  virtual void Serialize(CArchive& ar) = 0;

  // Reads the whole file and loads it; a file of length 0 opens as a new document.
  // On failure: contents deleted, the exception's message shown, false returned.
  virtual bool OnOpenDocument(const std::string& path);
  // Stores into memory, then writes aside and renames. On failure: message shown, false.
  virtual bool OnSaveDocument(const std::string& path);

  // Before the document is closed: true when it may go (not modified, answered
  // No, or answered Yes and saved); false on Cancel or a failed or cancelled save.
  bool SaveModified();
  // Save: to the document's file, or through Save As when it has none.
  bool DoFileSave();
  // Save As: the file dialog, then the save. False when cancelled or failed.
  bool DoSaveAs();
  // The file dialog of this document type, for opening or for Save As.
  virtual FileDialogRequest DocumentFileRequest(bool open) const;
  // The name new documents of this type are titled after, with a number behind.
  virtual std::string DocumentTypeName() const { return "Untitled"; }

  IPrompts& Prompts() { return m_prompts; }

 protected:
  // Tells every observer that the document's state changed.
  void NotifyStateChanged();
  // The initial name of Save As: the file's name, or the title for a new document.
  std::string SuggestedFileName() const;
  IPrompts& m_prompts;

 private:
  std::vector<CView*> m_views;
  std::vector<CDocumentObserver*> m_observers;
  std::string m_strPathName;
  std::string m_strDefaultTitle = "Untitled";
  std::string m_strTitle = m_strDefaultTitle;
  bool m_bModified = false;
};

}  // namespace pixolan
