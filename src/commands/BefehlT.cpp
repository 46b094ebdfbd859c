#include "commands/BefehlT.h"

#include "ui/HauptF.h"

void BefehlT::Einlagern() {
  HauptF& h = HauptF::Instanz();
  Zeiger = h.BLager;
  h.BLager = this;
}

void BefehlT::Anhaengen() {
  HauptF& h = HauptF::Instanz();
  Zeiger = nullptr;
  if (!h.BListe) {
    h.BListe = this;
    return;
  }
  BefehlT* c = h.BListe;
  while (c->Zeiger) c = c->Zeiger;
  c->Zeiger = this;
}

void BefehlT::Einfuegen(int n) {
  BefehlT* q = HauptF::Instanz().BListe;
  for (int i = 1; i < n; ++i) q = q->Zeiger;
  Zeiger = q->Zeiger;
  q->Zeiger = this;
}

bool HauptF::IstInBefehlsliste(const BefehlT& b) const {
  for (const BefehlT* c = BListe; c; c = c->Zeiger)
    if (c == &b) return true;
  return false;
}

void HauptF::HoleBefehl(const std::string& name, BefehlT*& b, bool& found) const {
  found = false;
  if (!BListe) return;
  BefehlT* c = BListe;
  while (c->Zeiger && VergleicheNamen(c->NeuG, name) != 0) c = c->Zeiger;
  found = VergleicheNamen(c->NeuG, name) == 0;
  if (found) b = c;
}
