#include "ui/HauptF.h"

#include <stdexcept>

#include "commands/BefehlT.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"

using plattform::Ausrichtung;
using plattform::Bevel;
using plattform::Bind;
using plattform::Farbe;

HauptF::HauptF() = default;

HauptF::~HauptF() = default;

plattform::Fensterlayout HauptF::Layoutschritt() {
  plattform::Fensterlayout l;
  l.menueleiste = &MenuBar1();
  l.titel = "Figurat2";
  l.breite = 995;
  l.hoehe = 622;
  l.schliessfeld = false;
  l.minimierfeld = true;
  l.maximierfeld = false;
  l.groesseVeraenderbar = false;
  l.menueleisteSichtbar = true;
  l.sichtbar = true;
  return l;
}

const std::vector<plattform::Steuerelementzeile>& HauptF::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {FIGURAT_HAUPTF_ELEMENTE(PLATTFORM_ZEILE)};
  return tabelle;
}

void HauptF::Open() {
  BLager = nullptr;
  ErzeugeBefehlsSchluessel();
  Dezimalen = 6;
  CR = "\r";
  Neustart();
}

plattform::MenuItem& HauptF::Menuepunkt(const char* name) const {
  plattform::MenuItem* punkt = Menueleiste() ? Menueleiste()->Finde(name) : nullptr;
  if (!punkt) throw std::logic_error(std::string("kein Menüpunkt ") + name);
  return *punkt;
}
