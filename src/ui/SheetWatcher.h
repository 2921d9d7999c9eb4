#pragma once
// Watches a document's sheet file and reloads it when a paint program has
// rewritten it, in place or by renaming a new file over it, once the writes have
// settled. A reload that fails keeps the sheet shown so far and tries again on the
// file's next change.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "ui/ViewBridge.h"

namespace pixolan {

class CPxoDoc;

class CSheetWatcher : public QObject {
  Q_OBJECT
 public:
  // How long the file must stay quiet before it is read.
  static constexpr int kSettleMs = 300;

  explicit CSheetWatcher(CPxoDoc& doc, QObject* parent = nullptr);

 signals:
  // "Sheet reloaded", or why it could not be.
  void statusMessage(const QString& text);

 private:
  void Watch();
  void OnSomethingChanged();
  void Reload();
  // The file's size and modification time, to tell a real change from a folder's noise.
  QString Stamp() const;

  CPxoDoc& m_doc;
  QFileSystemWatcher m_watcher;
  QTimer m_settle;
  QString m_path;
  QString m_stamp;
  CViewBridge m_bridge;
};

}  // namespace pixolan
