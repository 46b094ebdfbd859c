// Showing and hiding figures, and the two redraws: over the current picture,
// or from a cleared canvas. Showing only adds to the picture; hiding anything
// clears it and draws again what is still visible.

#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"

namespace {

// The picture's place among the refreshes that wait for the end of a run of
// the command list; the full redraw is the higher stage.
constexpr const char* kBild = "GraphCanvas";

}  // namespace

void GrafikFenster::JedesFigurat(const std::function<void(FiguratT&)>& tue) {
  // What tue does never enters or deletes a figure.
  Grafikteil::Instanz().JedesFigurat(tue);
}

void GrafikFenster::JederPunkt(const std::function<void(FiguratT&)>& tue) {
  JedesFigurat([&tue](FiguratT& g) {
    if (g.Typ == TypPunkt) tue(g);
  });
}

void GrafikFenster::ZeichneAlles() {
  Grafikteil::Instanz().SetzeSichtbarkeit(Kernteil::Figurenkreis::OhneEbenen, true);
  Aktualisieren();
}

void GrafikFenster::ZeichneAllePunkte() {
  Grafikteil::Instanz().SetzeSichtbarkeit(Kernteil::Figurenkreis::Punkte, true);
  Aktualisieren();
}

void GrafikFenster::Aktualisieren() {
  Grafikteil& h = Grafikteil::Instanz();
  // A run of the command list draws thousands of times what its end draws
  // again. The window is asked for then: the user may have closed this one.
  if (h.Befehlslauf.Aufschieben(kBild, 1, [] { Instanz().Aktualisieren(); })) return;
  h.ErzeugeNamenListen();
  ZeigePunktepaare();
  JedesFigurat([](FiguratT& g) {
    if (g.Sichtbar()) g.Abbilden();
  });
  ZeichneAlleStrecken();
}

void GrafikFenster::RadiereAllePunkte() {
  Grafikteil::Instanz().SetzeSichtbarkeit(Kernteil::Figurenkreis::Punkte, false);
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlles() {
  Grafikteil::Instanz().SetzeSichtbarkeit(Kernteil::Figurenkreis::Alle, false);
  RadiereAlleStrecken();
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlleFigurat() {
  Grafikteil::Instanz().SetzeSichtbarkeit(Kernteil::Figurenkreis::Alle, false);
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlleStrecken() {
  Grafikteil::Instanz().TrenneAllePunkte();
  TotalAktualisieren();
}

void GrafikFenster::TotalAktualisieren() {
  if (Grafikteil::Instanz().Befehlslauf.Aufschieben(kBild, 2, [] { Instanz().TotalAktualisieren(); })) return;
  // The refresh clears the picture and lets Paint draw the axes first.
  GraphCanvas().Refresh();
  Aktualisieren();
}
