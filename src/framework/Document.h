#pragma once
// The document base: attached views and update hints, path, title, modified
// flag, and opening and saving through a CArchive. A failed open empties the
// document and reports the file exception; a failed save keeps the old file.
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/Prompts.h"
#include "framework/View.h"

namespace pixolan {

class CDocument {
 public:
  explicit CDocument(IPrompts& prompts) : m_prompts(prompts) {}
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;
  virtual ~CDocument() = default;

  void AddView(CView* view);
  void RemoveView(CView* view);
  // Every attached view but the sender receives the hint.
  void UpdateAllViews(CView* sender, long hint);

  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& path);
  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(const std::string& title) { m_strTitle = title; }
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

  virtual bool OnNewDocument();
  virtual void DeleteContents() {}
  virtual void Serialize(CArchive& ar) = 0;

  // Reads the whole file and loads it; a file of length 0 opens as a new document.
  // On failure: contents deleted, the exception's message shown, false returned.
  virtual bool OnOpenDocument(const std::string& path);
  // Stores into memory, then writes aside and renames. On failure: message shown, false.
  virtual bool OnSaveDocument(const std::string& path);

  IPrompts& Prompts() { return m_prompts; }

 protected:
  IPrompts& m_prompts;

 private:
  std::vector<CView*> m_views;
  std::string m_strPathName;
  std::string m_strTitle = "Untitled";
  bool m_bModified = false;
};

}  // namespace pixolan
