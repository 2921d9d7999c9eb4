#include "ui/PxoApp.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "document/PxoDoc.h"
#include "document/PxoFileDialog.h"
#include "ui/AboutDlg.h"
#include "ui/CanvasPrinter.h"
#include "ui/ChildFrame.h"
#include "ui/MainFrame.h"
#include "ui/MainMenus.h"
#include "ui/SheetWatcher.h"
#include "ui/TextCodec.h"

namespace pixolan {

CPxoApp::CPxoApp()
    : m_pMainWnd(std::make_unique<CMainFrame>(*this)),
      m_prompts(m_pMainWnd.get()),
      m_recentFiles(m_settings, kRecentFileCount),
      m_printer(std::make_unique<QPrinter>()) {}

CPxoApp::~CPxoApp() {
  CloseAllDocuments();
  m_pMainWnd.reset();
}

bool CPxoApp::InitInstance(const QStringList& arguments) {
  m_recentFiles.Load();
  UpdateRecentMenu();
  const bool processed = arguments.isEmpty() ? OnFileNew() != nullptr
                                             : OpenDocumentFile(ToCorePath(arguments.first())) != nullptr;
  if (!processed) return false;
  // Without a window manager a maximised window keeps its size: give it the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    m_pMainWnd->setGeometry(screen->availableGeometry());
  }
  m_pMainWnd->showMaximized();
  return true;
}

CPxoDoc& CPxoApp::AddDocument(std::unique_ptr<CPxoDoc> doc) {
  m_documents.push_back(OpenDocument{std::move(doc), {}, nullptr});
  CPxoDoc& added = *m_documents.back().doc;
  m_documents.back().watcher = std::make_unique<CSheetWatcher>(added);
  connect(m_documents.back().watcher.get(), &CSheetWatcher::statusMessage, m_pMainWnd.get(),
          &CMainFrame::ShowStatusMessage);
  CreateChildFrame(added);
  return added;
}

CPxoDoc* CPxoApp::OnFileNew() {
  auto doc = std::make_unique<CPxoDoc>(m_prompts, m_settings);
  if (!doc->OnNewDocument()) return nullptr;
  doc->SetDefaultTitle(++m_nUntitledCount);
  return &AddDocument(std::move(doc));
}

void CPxoApp::OnFileOpen() {
  const std::optional<std::string> path = m_prompts.FileDialog(PxoFileRequest(true, ""));
  if (path) OpenDocumentFile(*path);
}

CPxoDoc* CPxoApp::OpenDocumentFile(const std::string& path) {
  auto doc = std::make_unique<CPxoDoc>(m_prompts, m_settings);
  if (!doc->OnOpenDocument(path)) return nullptr;
  // A document that is open already gets its window activated instead.
  for (OpenDocument& open : m_documents) {
    if (open.doc->GetPathName() == doc->GetPathName() && !open.frames.empty() && open.frames.front()) {
      if (auto* sub = qobject_cast<QMdiSubWindow*>(open.frames.front()->parentWidget())) {
        m_pMainWnd->MdiArea()->setActiveSubWindow(sub);
      }
      return open.doc.get();
    }
  }
  AddToRecentFiles(doc->GetPathName());
  // The stored selection is shown on the sheet but does not follow the pointer:
  // the first click on the canvas must not replace the current frame.
  doc->DropSelection();
  return &AddDocument(std::move(doc));
}

void CPxoApp::SaveDocument(CPxoDoc& doc, bool saveAs) {
  const bool saved = saveAs ? doc.DoSaveAs() : doc.DoFileSave();
  if (saved) AddToRecentFiles(doc.GetPathName());
}

CChildFrame* CPxoApp::CreateChildFrame(CPxoDoc& doc) {
  OpenDocument* open = Find(doc);
  if (open == nullptr) return nullptr;
  auto* frame = new CChildFrame(doc);
  open->frames.emplace_back(frame);
  m_pMainWnd->AddChildFrame(frame);
  frame->InitialUpdateFrame();
  // The document goes once its last window has been destroyed, after its views.
  connect(frame, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, [this] { ForgetClosedDocuments(); }); });
  return frame;
}

bool CPxoApp::CanCloseFrame(CChildFrame& frame) {
  OpenDocument* open = Find(frame.Document());
  if (open == nullptr) return true;
  const auto others = std::count_if(open->frames.begin(), open->frames.end(),
                                    [&](const QPointer<CChildFrame>& f) { return f && f != &frame; });
  return others > 0 || open->doc->SaveModified();
}

void CPxoApp::CloseDocument(CPxoDoc& doc) {
  OpenDocument* open = Find(doc);
  if (open == nullptr || !doc.SaveModified()) return;
  for (const QPointer<CChildFrame>& frame : open->frames) {
    if (frame) {
      frame->parentWidget()->removeEventFilter(m_pMainWnd.get());
      frame->parentWidget()->close();
    }
  }
}

bool CPxoApp::SaveAllModified() {
  return std::all_of(m_documents.begin(), m_documents.end(),
                     [](const OpenDocument& open) { return open.doc->SaveModified(); });
}

void CPxoApp::CloseAllDocuments() {
  for (OpenDocument& open : m_documents) {
    for (const QPointer<CChildFrame>& frame : open.frames) {
      if (frame) delete frame->parentWidget();
    }
  }
  m_documents.clear();
}

void CPxoApp::ForgetClosedDocuments() {
  for (OpenDocument& open : m_documents) {
    std::erase_if(open.frames, [](const QPointer<CChildFrame>& f) { return f.isNull(); });
  }
  std::erase_if(m_documents, [](const OpenDocument& open) { return open.frames.empty(); });
  m_pMainWnd->UpdateShellState();
}

QString CPxoApp::FrameTitle(const CChildFrame& frame) const {
  const QString title = FromCorePath(frame.Document().GetTitle());
  const OpenDocument* open = Find(frame.Document());
  if (open == nullptr || open->frames.size() < 2) return title;
  const auto it = std::find(open->frames.begin(), open->frames.end(), &frame);
  return title + ":" + QString::number(it - open->frames.begin() + 1);
}

void CPxoApp::PrintCanvas(CChildFrame& frame, PrintMode mode) {
  CCanvasPrinter printer(frame.Document(), frame.Picture(), *m_printer, m_pMainWnd.get());
  switch (mode) {
    case PrintMode::kDialog: printer.PrintWithDialog(); break;
    case PrintMode::kDirect: printer.Print(); break;
    case PrintMode::kPreview: printer.Preview(); break;
  }
}

void CPxoApp::OpenRecentFile(std::size_t index) {
  if (index >= m_recentFiles.Entries().size()) return;
  const std::string path = m_recentFiles.Entries()[index];
  if (OpenDocumentFile(path) == nullptr) {
    // A file that no longer opens leaves the list.
    m_recentFiles.Remove(index);
    m_recentFiles.Save();
    UpdateRecentMenu();
  }
}

void CPxoApp::OnFilePrintSetup() {
  QPageSetupDialog dialog(m_printer.get(), m_pMainWnd.get());
  dialog.exec();
}

void CPxoApp::OnAppAbout() {
  CAboutDlg about;
  m_prompts.DoModal(about);
}

void CPxoApp::AddToRecentFiles(const std::string& path) {
  m_recentFiles.Add(path);
  m_recentFiles.Save();
  UpdateRecentMenu();
}

void CPxoApp::UpdateRecentMenu() {
  std::vector<QString> texts;
  for (std::size_t i = 0; i < m_recentFiles.Entries().size(); ++i) {
    texts.push_back(FromCorePath(m_recentFiles.MenuText(i)));
  }
  m_pMainWnd->Menus().SetRecentFiles(texts);
}

const std::vector<CPxoDoc*> CPxoApp::Documents() const {
  std::vector<CPxoDoc*> docs;
  for (const OpenDocument& open : m_documents) docs.push_back(open.doc.get());
  return docs;
}

CPxoApp::OpenDocument* CPxoApp::Find(const CPxoDoc& doc) {
  for (OpenDocument& open : m_documents) {
    if (open.doc.get() == &doc) return &open;
  }
  return nullptr;
}

const CPxoApp::OpenDocument* CPxoApp::Find(const CPxoDoc& doc) const {
  return const_cast<CPxoApp*>(this)->Find(doc);
}

}  // namespace pixolan
