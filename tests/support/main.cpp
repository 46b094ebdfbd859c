#include <gtest/gtest.h>

#include "platform/qt/QtPlattform.h"

// One QApplication for the whole test program; every test makes its own
// platform object on top of it.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  plattform::qt::QtAnwendung app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
