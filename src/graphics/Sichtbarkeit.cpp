// Showing and hiding figures, and the two redraws: over the current picture,
// or from a cleared canvas. Showing only adds to the picture; hiding anything
// clears it and draws again what is still visible. The redraws walk the
// figure list in its order as the name lists hold it, with the partners and
// corners found while it stays so.

#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"

namespace {

// The picture's place among the refreshes that wait for the end of a run of
// the command list; the full redraw is the higher stage.
constexpr const char* kBild = "GraphCanvas";

}  // namespace

void Grafikteil::HalteBildstand() {
  const std::size_t n = Reihenfolge().size();
  if (bildstand_ == Listenstand()) return;
  bildstand_ = Listenstand();
  staende_.Leeren(n);
  partner_.clear();
  partnerFrei_ = 0;
  ecken_.Leeren(n);
}

const FiguratT* Grafikteil::Eckfigurat(const FiguratT& g, int k) {
  const std::string& name = g.Ecken[k];
  auto suche = [&]() -> const FiguratT* {
    const FiguratT* ecke;
    return HoleFigurat(name, ecke) ? ecke : nullptr;
  };
  // Within the walk the figure list stands as Reihenfolge holds it.
  if (stelle_ == KeineStelle || Reihenfolge()[stelle_] != &g) return suche();
  const FiguratT*& ecke = ecken_.Hole(stelle_)[k - 1];
  if (!ecke || ecke->name != name) ecke = suche();
  return ecke;
}

void Grafikteil::FigurenVorausholen(std::size_t i) {
  constexpr std::size_t kVoraus = 8;
  if (const Eckstand* e = ecken_.Finde(i + kVoraus))
    for (const FiguratT* ecke : *e)
      if (ecke) ecke->Vorausholen();
  const std::vector<FiguratT*>& folge = Reihenfolge();
  if (i + kVoraus / 2 < folge.size() && ecken_.Finde(i + kVoraus / 2)) folge[i + kVoraus / 2]->Ecken.Vorausholen();
}

void GrafikFenster::JedesFigurat(const std::function<void(FiguratT&)>& tue) {
  Grafikteil::Instanz().JedeStelle([&tue](FiguratT& g, std::size_t) { tue(g); });
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
    if (g.sichtbar()) g.Abbilden();
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
