#pragma once
// The application object: no exception escapes an event handler. A command that
// fails shows its message and every document stays as it was.
#include <QApplication>

namespace pixolan {

class CGuardedApplication : public QApplication {
 public:
  CGuardedApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  // Registers the icons; also for tests that make their own application object.
  static void InitResources();
};

}  // namespace pixolan
