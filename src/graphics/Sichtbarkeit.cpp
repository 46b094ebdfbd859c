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

void GrafikFenster::JederName(const std::string& liste, const std::function<void(const std::string&)>& tue) {
  // A copy: what the walk does may rebuild the list.
  const std::string text = liste;
  const std::string& cr = Grafikteil::Instanz().CR;
  std::size_t anfang = 0;
  for (std::size_t ende; (ende = text.find(cr, anfang)) != std::string::npos; anfang = ende + cr.size())
    tue(text.substr(anfang, ende - anfang));
}

void GrafikFenster::JedesFigurat(const std::string& liste, const std::function<void(FiguratT&)>& tue) {
  Grafikteil& h = Grafikteil::Instanz();
  JederName(liste, [&](const std::string& name) {
    FiguratT* g;
    bool found;
    h.HoleFigurat(name, g, found);
    if (found) tue(*g);
  });
}

void GrafikFenster::ZeichneAlles() {
  JedesFigurat(Grafikteil::Instanz().NListe, [](FiguratT& g) {
    if (g.Typ != TypEbene) g.sichtbar = true;
  });
  Aktualisieren();
}

void GrafikFenster::ZeichneAllePunkte() {
  JedesFigurat(Grafikteil::Instanz().PNListe, [](FiguratT& g) { g.sichtbar = true; });
  Aktualisieren();
}

void GrafikFenster::Aktualisieren() {
  Grafikteil& h = Grafikteil::Instanz();
  // A run of the command list draws thousands of times what its end draws
  // again. The window is asked for then: the user may have closed this one.
  if (h.Befehlslauf.Aufschieben(kBild, 1, [] { Instanz().Aktualisieren(); })) return;
  h.ErzeugeNamenListen();
  ZeigePunktepaare();
  JedesFigurat(h.NListe, [](FiguratT& g) {
    if (g.sichtbar) g.Abbilden();
  });
  ZeichneAlleStrecken();
}

void GrafikFenster::RadiereAllePunkte() {
  JedesFigurat(Grafikteil::Instanz().PNListe, [](FiguratT& g) { g.sichtbar = false; });
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlles() {
  JedesFigurat(Grafikteil::Instanz().NListe, [](FiguratT& g) { g.sichtbar = false; });
  RadiereAlleStrecken();
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlleFigurat() {
  JedesFigurat(Grafikteil::Instanz().NListe, [](FiguratT& g) { g.sichtbar = false; });
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlleStrecken() {
  JedesFigurat(Grafikteil::Instanz().PNListe, [](FiguratT& g) { g.verbundenmit.clear(); });
  TotalAktualisieren();
}

void GrafikFenster::TotalAktualisieren() {
  if (Grafikteil::Instanz().Befehlslauf.Aufschieben(kBild, 2, [] { Instanz().TotalAktualisieren(); })) return;
  // The refresh clears the picture and lets Paint draw the axes first.
  GraphCanvas().Refresh();
  Aktualisieren();
}
