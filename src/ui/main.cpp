// Pixolan: the desktop application.
#include <QIcon>

#include "ui/GuardedApplication.h"
#include "ui/PxoApp.h"

int main(int argc, char** argv) {
  pixolan::CGuardedApplication application(argc, argv);
  QApplication::setApplicationName("Pixolan");
  QApplication::setOrganizationName("Brindlewerk/Pixolan");
  QApplication::setWindowIcon(QIcon(":/icons/pixolan.svg"));
  pixolan::CPxoApp app;
  if (!app.InitInstance(QApplication::arguments().mid(1))) return 1;
  return QApplication::exec();
}
