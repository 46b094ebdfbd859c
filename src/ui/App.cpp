#include "ui/App.h"

#include "ui/HauptF.h"
#include "ui/MenuBar1.h"

void Starte(App& app) {
  app.Menueleiste = &MenuBar1();
  plattform::plattform().SetzeAnwendung(&app);
  HauptF::Instanz();
}
