#include "ui/GuardedApplication.h"

#include <QMessageBox>
#include <exception>
#include <new>

// The icons live in the static library: its resources must be registered by hand.
static void InitPixolanResources() { Q_INIT_RESOURCE(pixolan); }

namespace pixolan {
namespace {

void Report(const QString& text) {
  QMessageBox box(QMessageBox::Warning, "Pixolan", text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

CGuardedApplication::CGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) { InitResources(); }

void CGuardedApplication::InitResources() { InitPixolanResources(); }

bool CGuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    Report("Out of memory: the command was not completed.");
  } catch (const std::exception& e) {
    Report(QString("The command was not completed: %1").arg(QString::fromLocal8Bit(e.what())));
  } catch (...) {
    Report("The command was not completed.");
  }
  return false;
}

}  // namespace pixolan
