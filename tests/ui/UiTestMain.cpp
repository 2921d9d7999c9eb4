// GUI tests run headless: the offscreen platform, the Fusion style for the same
// pixels everywhere, and one application object for all tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

#include "ui/GuardedApplication.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  pixolan::CGuardedApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
