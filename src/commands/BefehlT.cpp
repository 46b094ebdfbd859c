// The command pool, which is the undo stack too, and the command list.

#include "commands/BefehlT.h"

#include "commands/Befehlsteil.h"

Befehlsteil::Befehlsteil() = default;

Befehlsteil::~Befehlsteil() = default;

BefehlT* Befehlsteil::NeuerBefehl() {
  constexpr std::size_t kBlock = 256;
  if (befehlAnzahl_ % kBlock == 0) befehlBloecke_.push_back(std::make_unique<BefehlT[]>(kBlock));
  return &befehlBloecke_.back()[befehlAnzahl_++ % kBlock];
}

std::size_t Befehlsteil::Arenagroesse() const {
  return vektorArena_.size() + figuratAnzahl_ + befehlAnzahl_;
}

void Befehlsteil::ErschaffeB(BefehlT*& b) {
  // The pool is the undo stack too: this uses up the most recently deleted command.
  if (BLager) {
    b = BLager;
    if (!b->Vektor) ErschaffeV(b->Vektor);
    BLager = b->Zeiger;
    b->Zeiger = nullptr;
  } else if (ungenutzterB_) {
    b = ungenutzterB_;
    ungenutzterB_ = nullptr;
  } else {
    b = NeuerBefehl();
    ErschaffeV(b->Vektor);
  }
  ++b->Generation;
}

void BefehlT::Einlagern() {
  Befehlsteil& h = Befehlsteil::Instanz();
  Zeiger = h.BLager;
  h.BLager = this;
}

void BefehlT::Anhaengen() {
  Befehlsteil& h = Befehlsteil::Instanz();
  Zeiger = nullptr;
  BefehlT* c = h.bEnde_;
  if (!c) {
    c = h.BListe;
    while (c && c->Zeiger) c = c->Zeiger;
  }
  (c ? c->Zeiger : h.BListe) = this;
  h.bEnde_ = this;
}

void BefehlT::Einfuegen(int n) {
  Befehlsteil::Instanz().BefehllisteGeaendert();
  BefehlT* q = Befehlsteil::Instanz().BListe;
  for (int i = 1; i < n; ++i) q = q->Zeiger;
  Zeiger = q->Zeiger;
  q->Zeiger = this;
}

bool Befehlsteil::IstInBefehlsliste(const BefehlT& b) const {
  for (const BefehlT* c = BListe; c; c = c->Zeiger)
    if (c == &b) return true;
  return false;
}

void Befehlsteil::HoleBefehl(const std::string& name, BefehlT*& b, bool& found) const {
  found = false;
  if (!BListe) return;
  BefehlT* c = BListe;
  while (c->Zeiger && VergleicheNamen(c->NeuG, name) != 0) c = c->Zeiger;
  found = VergleicheNamen(c->NeuG, name) == 0;
  if (found) b = c;
}
