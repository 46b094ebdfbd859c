// Showing and hiding figures, and the two redraws: over the current picture,
// or from a cleared canvas. Showing only adds to the picture; hiding anything
// clears it and draws again what is still visible. The redraws walk the
// figure list as they found it last, with the corners found then.

#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"

namespace {

// The picture's place among the refreshes that wait for the end of a run of
// the command list; the full redraw is the higher stage.
constexpr const char* kBild = "GraphCanvas";

}  // namespace

const std::vector<FiguratT*>& Grafikteil::Bildreihe() {
  // The list still holds the records of the last walk, in their order, when
  // each of them links to the next.
  FiguratT* const erstes = ErstesFigurat();
  const std::size_t n = reihe_.size();
  bool gilt = kopf_ == GListe && (n == 0 ? erstes == nullptr : reihe_[0] == erstes);
  for (std::size_t i = 0; gilt && i < n; ++i) {
    if (i + Vorlauf < n) Vorladen(reihe_[i + Vorlauf]);
    gilt = reihe_[i]->Zeiger == (i + 1 < n ? reihe_[i + 1] : nullptr);
  }
  if (!gilt) {
    kopf_ = GListe;
    reihe_.clear();
    for (FiguratT* g = erstes; g; g = g->Zeiger) reihe_.push_back(g);
    verbindungen_.clear();
    verbindungen_.resize(reihe_.size());
    ecken_.assign(reihe_.size(), {});
  }
  return reihe_;
}

const FiguratT* Grafikteil::Eckfigurat(const FiguratT& g, int k) {
  const std::string& name = g.Ecken[k];
  auto suche = [&]() -> const FiguratT* {
    const FiguratT* ecke;
    return HoleFigurat(name, ecke) ? ecke : nullptr;
  };
  // Within the walk the figure list stands as Bildreihe holds it.
  if (stelle_ == KeineStelle || reihe_[stelle_] != &g) return suche();
  const FiguratT*& ecke = ecken_[stelle_][k - 1];
  if (!ecke || ecke->name != name) ecke = suche();
  return ecke;
}

void GrafikFenster::JedesFigurat(const std::function<void(FiguratT&)>& tue) {
  Grafikteil::Instanz().JedeStelle([&tue](FiguratT& g, std::size_t) { tue(g); });
}

void GrafikFenster::ZeichneAlles() {
  Grafikteil::Instanz().JedesFiguratUngeordnet([](FiguratT& g) {
    if (g.Typ != TypEbene) g.sichtbar = true;
  });
  Aktualisieren();
}

void GrafikFenster::ZeichneAllePunkte() {
  Grafikteil::Instanz().JederPunktUngeordnet([](FiguratT& g) { g.sichtbar = true; });
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
    if (g.sichtbar) g.Abbilden();
  });
  ZeichneAlleStrecken();
}

void GrafikFenster::RadiereAllePunkte() {
  Grafikteil::Instanz().JederPunktUngeordnet([](FiguratT& g) { g.sichtbar = false; });
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlles() {
  Grafikteil::Instanz().JedesFiguratUngeordnet([](FiguratT& g) { g.sichtbar = false; });
  RadiereAlleStrecken();
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlleFigurat() {
  Grafikteil::Instanz().JedesFiguratUngeordnet([](FiguratT& g) { g.sichtbar = false; });
  TotalAktualisieren();
}

void GrafikFenster::RadiereAlleStrecken() {
  Grafikteil::Instanz().JederPunktUngeordnet([](FiguratT& g) { g.verbundenmit.clear(); });
  TotalAktualisieren();
}

void GrafikFenster::TotalAktualisieren() {
  if (Grafikteil::Instanz().Befehlslauf.Aufschieben(kBild, 2, [] { Instanz().TotalAktualisieren(); })) return;
  // The refresh clears the picture and lets Paint draw the axes first.
  GraphCanvas().Refresh();
  Aktualisieren();
}
