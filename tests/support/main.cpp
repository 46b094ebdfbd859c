#include <gtest/gtest.h>

#include "platform/qt/QtPlattform.h"

// One QApplication for the whole test program; every test makes its own
// platform object on top of it. Qt's offscreen screen is 800 x 800 unless
// told otherwise: the tests get a large one, as on a desk, where a run
// under another screen has not set its own.
int main(int argc, char** argv) {
  const QByteArray qpa = qgetenv("QT_QPA_PLATFORM");
  if (qpa.isEmpty() || qpa == "offscreen") qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" FIGURAT_BILDSCHIRM);
  plattform::qt::QtAnwendung app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
