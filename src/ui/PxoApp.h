#pragma once
// The application: settings, the recent-file list, the main window, and the
// open documents with their windows. New, Open, Print Setup and About are its
// commands; it also closes documents and asks to save them.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "framework/RecentFileList.h"
#include "ui/QtPrompts.h"
#include "ui/QtSettings.h"

class QPrinter;

namespace pixolan {

class CPxoDoc;
class CChildFrame;
class CMainFrame;
class CSheetWatcher;

// The File menu lists this many recent documents.
inline constexpr int kRecentFileCount = 4;

class CPxoApp : public QObject {
  Q_OBJECT
 public:
  enum class PrintMode { kDialog, kDirect, kPreview };

  CPxoApp();
  ~CPxoApp() override;

  // Start-up: the main window and the command line (no argument: a new document;
  // a file: that document). False when the command line cannot be processed.
  bool InitInstance(const QStringList& arguments);

  CPxoDoc* OnFileNew();
  void OnFileOpen();
  // Opens the document (or activates it when it is open already); null on failure.
  CPxoDoc* OpenDocumentFile(const std::string& path);
  void SaveDocument(CPxoDoc& doc, bool saveAs);
  // Asks to save when modified, then closes every window of the document.
  void CloseDocument(CPxoDoc& doc);
  bool SaveAllModified();
  void CloseAllDocuments();
  // Another window on the document, with its own three views.
  CChildFrame* CreateChildFrame(CPxoDoc& doc);
  // Closing the last window of a document asks to save it first.
  bool CanCloseFrame(CChildFrame& frame);
  // "Pixolan1", or "walk.pxo:2" for the second window of a document.
  QString FrameTitle(const CChildFrame& frame) const;
  // Prints the window's canvas from its sheet picture.
  void PrintCanvas(CChildFrame& frame, PrintMode mode);
  void OnFilePrintSetup();
  void OnAppAbout();
  // The recent document at the index; one that no longer opens leaves the list.
  void OpenRecentFile(std::size_t index);

  CMainFrame& MainFrame() const { return *m_pMainWnd; }
  ISettings& Settings() { return m_settings; }
  const std::vector<CPxoDoc*> Documents() const;

 private:
  struct OpenDocument {
    std::unique_ptr<CPxoDoc> doc;
    std::vector<QPointer<CChildFrame>> frames;
    std::unique_ptr<CSheetWatcher> watcher;
  };

  OpenDocument* Find(const CPxoDoc& doc);
  const OpenDocument* Find(const CPxoDoc& doc) const;
  CPxoDoc& AddDocument(std::unique_ptr<CPxoDoc> doc);
  void ForgetClosedDocuments();
  void UpdateRecentMenu();
  void AddToRecentFiles(const std::string& path);

  CQtSettings m_settings;
  std::unique_ptr<CMainFrame> m_pMainWnd;
  CQtPrompts m_prompts;
  CRecentFileList m_recentFiles;
  std::unique_ptr<QPrinter> m_printer;
  std::vector<OpenDocument> m_documents;
  int m_nUntitledCount = 0;
};

}  // namespace pixolan
