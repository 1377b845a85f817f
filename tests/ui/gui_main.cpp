// Window tests run headless on real widgets.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/startup.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ApplyLook(app);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
