// The output commands: one figure, all figures, a hint.

#include "core/FiguratT.h"
#include "descriptions/Beschreibungsteil.h"
#include "platform/Plattform.h"

void Beschreibungsteil::ZeigeFigurat(const std::string& name) {
  if (!ExistiertFigurat(name)) {
    plattform::plattform().MsgBox("Schwerer Fehler in Prozedur ZeigeFigurat");
    return;
  }
  FiguratT* g;
  bool found;
  HoleFigurat(name, g, found);
  if (found) g->Ausgabe();
}

void Beschreibungsteil::AlleFiguratZeigen() {
  for (FiguratT* g = GListe; g; g = g->Zeiger)
    if (g->Typ != TypKein) g->Ausgabe();
}

void Beschreibungsteil::HinweisAusgabe(const std::string& text) {
  InsInfofenster("Hinweis: " + text);
  InfoAktualisieren();
}
