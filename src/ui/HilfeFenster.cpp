#include "ui/HilfeFenster.h"

#include "ui/Hilfetexte.h"

using plattform::Art;
using plattform::Bind;
using plattform::Farbe;

plattform::Fensterlayout HilfeFenster::Layoutschritt() {
  return {.titel = "Hilfe", .breite = 502, .hoehe = 652, .minimierfeld = true, .menueleisteSichtbar = true};
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
  return {.titel = "Info", .breite = 536, .hoehe = 430, .schliessfeld = true, .minimierfeld = true,
          .menueleisteSichtbar = true};
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
