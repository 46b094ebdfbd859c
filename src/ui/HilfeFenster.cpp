#include "ui/HilfeFenster.h"

#include "ui/Hilfetexte.h"

using plattform::Bind;
using plattform::Farbe;

plattform::Fensterlayout HilfeFenster::Layoutschritt() {
  return {.titel = "Hilfe", .breite = 502, .hoehe = 652, .minimierfeld = true, .menueleisteSichtbar = true};
}

const std::vector<plattform::Steuerelementzeile>& HilfeFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {FIGURAT_HILFEFENSTER_ELEMENTE(PLATTFORM_ZEILE)};
  return tabelle;
}

void HilfeFenster::HilfeB_Action() { HilfeFenster::Instanz().Hide(); }

plattform::Fensterlayout InformFenster::Layoutschritt() {
  return {.titel = "Info", .breite = 536, .hoehe = 430, .schliessfeld = true, .minimierfeld = true,
          .menueleisteSichtbar = true};
}

const std::vector<plattform::Steuerelementzeile>& InformFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {FIGURAT_INFORMFENSTER_ELEMENTE(PLATTFORM_ZEILE)};
  return tabelle;
}

void InformFenster::InfoB_Action() { InformFenster::Instanz().Hide(); }
