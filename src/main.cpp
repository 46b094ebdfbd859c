#include "platform/qt/QtPlattform.h"
#include "ui/App.h"

int main(int argc, char** argv) {
  plattform::qt::QtPlattform qt(argc, argv);
  App app;
  Starte(app);
  return qt.Run();
}
