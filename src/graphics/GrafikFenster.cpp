// The graphics window itself: its properties and its table of 29 controls.

#include "graphics/GrafikFenster.h"

using plattform::Bind;
using plattform::Farbe;

GrafikFenster::GrafikFenster() : plattform::Fenster(Klasse) {}

GrafikFenster::~GrafikFenster() = default;

plattform::Fensterlayout GrafikFenster::Layoutschritt() {
  plattform::Fensterlayout l;
  l.titel = "Graphische Darstellung der Figurat";
  l.breite = 1023;
  l.hoehe = 871;
  l.minBreite = 600;
  l.minHoehe = 600;
  l.maxBreite = 32000;
  l.maxHoehe = 32000;
  l.schliessfeld = true;
  l.minimierfeld = true;
  l.maximierfeld = false;
  l.groesseVeraenderbar = false;
  l.menueleisteSichtbar = true;
  l.hintergrund = Farbe{255, 255, 255};
  l.sichtbar = true;
  return l;
}

const std::vector<plattform::Steuerelementzeile>& GrafikFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {FIGURAT_GRAFIKFENSTER_ELEMENTE(PLATTFORM_ZEILE)};
  return tabelle;
}

void GrafikFenster::Open() {
  // The restart sets the drawing state up as well; a window the user closed
  // and that is made again has to start from it too, or its first redraw
  // would find no axis points.
  faktor = 300;
  InitGrafik();
}
