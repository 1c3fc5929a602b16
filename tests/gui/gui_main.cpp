#include <gtest/gtest.h>

#include <QApplication>

#include "tests/gui/harness/gui_environment.h"

int main(int argc, char** argv) {
  tamberlyx::test::PrepareGuiEnvironment();
  tamberlyx::test::QuietOffscreenWarnings();
  QApplication application(argc, argv);
  tamberlyx::test::NameApplication();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
