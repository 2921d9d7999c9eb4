#include "ui/SheetWatcher.h"

#include <QDateTime>
#include <QFileInfo>

#include "document/PxoDoc.h"
#include "ui/TextCodec.h"

namespace pixolan {

CSheetWatcher::CSheetWatcher(CPxoDoc& doc, QObject* parent)
    : QObject(parent), m_doc(doc), m_bridge(doc, [this](UpdateHint hint) {
        // A new sheet (or a new document) may live somewhere else.
        if (hint == HINT_INITIAL_UPDATE || hint == HINT_IMAGE_CHANGED) Watch();
      }) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(kSettleMs);
  connect(&m_settle, &QTimer::timeout, this, &CSheetWatcher::Reload);
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CSheetWatcher::OnSomethingChanged);
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CSheetWatcher::OnSomethingChanged);
  Watch();
}

void CSheetWatcher::Watch() {
  const QString path = FromCorePath(m_doc.SheetFilePath());  // the file the sheet was read from
  if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
  if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
  m_path = path;
  m_stamp = Stamp();
  if (path.isEmpty()) return;
  // The folder tells of a file renamed over the sheet, which the file watch loses.
  m_watcher.addPath(QFileInfo(path).absolutePath());
  if (QFileInfo::exists(path)) m_watcher.addPath(path);
}

QString CSheetWatcher::Stamp() const {
  const QFileInfo info(m_path);
  if (!info.exists()) return {};
  return QString::number(info.size()) + "@" + QString::number(info.lastModified().toMSecsSinceEpoch()) + "#" +
         QString::number(info.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch());
}

void CSheetWatcher::OnSomethingChanged() {
  // A file replaced by renaming is a new file: watch it again.
  if (QFileInfo::exists(m_path) && !m_watcher.files().contains(m_path)) m_watcher.addPath(m_path);
  if (Stamp() == m_stamp) return;
  m_settle.start();  // restarts while the writes go on
}

void CSheetWatcher::Reload() {
  m_stamp = Stamp();
  if (m_doc.ReloadImage()) {
    emit statusMessage("Sheet reloaded");
  } else {
    emit statusMessage("The sheet could not be reloaded (" + m_path + "): the last one read is still shown");
  }
}

}  // namespace pixolan
