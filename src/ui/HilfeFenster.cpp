#include "ui/HilfeFenster.h"

#include "ui/Hilfetexte.h"

using plattform::Art;
using plattform::Bind;
using plattform::Farbe;

plattform::Fensterlayout HilfeFenster::Layoutschritt() {
  plattform::Fensterlayout l;
  l.titel = "Hilfe";
  l.breite = 502;
  l.hoehe = 652;
  l.schliessfeld = false;
  l.minimierfeld = true;
  l.menueleisteSichtbar = true;
  l.sichtbar = true;
  return l;
}

const std::vector<plattform::Steuerelementzeile>& HilfeFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {
      {Art::EditFeld, "InfoTxt", 4, 4, 498, 617,
       {.text = kHilfetext, .hintergrund = Farbe{252, 255, 212}, .nurLesen = true, .mehrzeilig = true}},
      {Art::BevelButton, "HilfeB", 4, 625, 494, 27,
       {.text = "Hilfe-Fenster schließen"},
       {Bind("Action", &HilfeFenster::HilfeB_Action)}},
  };
  return tabelle;
}

void HilfeFenster::HilfeB_Action() { HilfeFenster::Instanz().Hide(); }

plattform::Fensterlayout InformFenster::Layoutschritt() {
  plattform::Fensterlayout l;
  l.titel = "Info";
  l.breite = 536;
  l.hoehe = 430;
  l.schliessfeld = true;
  l.minimierfeld = true;
  l.menueleisteSichtbar = true;
  l.sichtbar = true;
  return l;
}

const std::vector<plattform::Steuerelementzeile>& InformFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {
      {Art::EditFeld, "InfoF", 3, 0, 533, 397,
       {.text = kInfotext, .hintergrund = Farbe{254, 255, 197}, .nurLesen = true, .mehrzeilig = true}},
      {Art::BevelButton, "InfoB", 3, 402, 530, 28,
       {.text = "Info-Fenster schließen"},
       {Bind("Action", &InformFenster::InfoB_Action)}},
  };
  return tabelle;
}

void InformFenster::InfoB_Action() { InformFenster::Instanz().Hide(); }
