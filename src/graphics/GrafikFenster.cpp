// The graphics window itself: its properties and its 29 controls.

#include "graphics/GrafikFenster.h"

using plattform::Art;
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
  using G = GrafikFenster;
  static const std::vector<plattform::Steuerelementzeile> tabelle = {
      {Art::Canvas, "GraphCanvas", 15, 14, 798, 837, {}, {Bind("Paint", &G::GraphCanvas_Paint)}},
      {Art::CheckBox, "ZeigeAchsen", 822, 619, 179, 20, {.text = "Zeige Koordinatenachsen"},
       {Bind("Action", &G::ZeigeAchsen_Action)}},
      {Art::Slider, "x_Wert", 835, 73, 159, 16, {.minimum = -50, .maximum = 50, .wert = 1, .lineStep = 0, .pageStep = 10},
       {Bind("ValueChanged", &G::x_Wert_ValueChanged)}},
      {Art::StatischerText, "StaticText1", 822, 94, 172, 20, {.text = "x\r"}},
      {Art::Slider, "y_Wert", 835, 101, 162, 16, {.minimum = -50, .maximum = 50, .wert = 1, .lineStep = 0, .pageStep = 10},
       {Bind("ValueChanged", &G::y_Wert_ValueChanged)}},
      {Art::StatischerText, "StaticText2", 995, 101, 22, 20, {.text = "y"}},
      {Art::Slider, "z_Wert", 835, 133, 163, 16, {.minimum = 1, .maximum = 100, .wert = 25, .lineStep = 0, .pageStep = 10},
       {Bind("ValueChanged", &G::z_Wert_ValueChanged)}},
      {Art::StatischerText, "StaticText3", 998, 133, 19, 20, {.text = "z"}},
      {Art::Slider, "faktr", 827, 409, 173, 16, {.minimum = 10, .maximum = 600, .wert = 300, .lineStep = 10, .pageStep = 20},
       {Bind("ValueChanged", &G::faktr_ValueChanged)}},
      {Art::StatischerText, "StaticText4", 823, 385, 175, 20, {.text = "Maßstab"}},
      {Art::Slider, "yOffsetS", 823, 514, 173, 16, {.minimum = 0, .maximum = 100, .wert = 50, .lineStep = 1, .pageStep = 10},
       {Bind("ValueChanged", &G::yOffsetS_ValueChanged)}},
      {Art::StatischerText, "yOffsetT", 826, 490, 175, 20, {.text = "Offset vertikal"}},
      {Art::Slider, "xOffsetS", 825, 462, 173, 16, {.minimum = 0, .maximum = 100, .wert = 50, .lineStep = 1, .pageStep = 10},
       {Bind("ValueChanged", &G::xOffsetS_ValueChanged)}},
      {Art::StatischerText, "xOffsetT", 823, 437, 175, 20, {.text = "Offset horizontal\r\r"}},
      {Art::Slider, "AugAbst", 823, 701, 174, 16,
       {.versteckt = true, .minimum = 1, .maximum = 50, .wert = 10, .lineStep = 1, .pageStep = 10},
       {Bind("ValueChanged", &G::AugAbst_ValueChanged)}},
      {Art::StatischerText, "AugenAbstT", 827, 675, 170, 20, {.text = "Augenabstand", .versteckt = true}},
      {Art::CheckBox, "DreiDAnzeige", 822, 643, 178, 20, {.text = "RotGrün-Darstellung"},
       {Bind("Action", &G::DreiDAnzeige_Action)}},
      {Art::EditFeld, "XAuge", 819, 21, 61, 22, {.text = " ", .hintergrund = Farbe{251, 255, 198}, .nurLesen = true}},
      {Art::EditFeld, "yAuge", 879, 21, 59, 22,
       {.text = std::string(17, ' '), .hintergrund = Farbe{252, 255, 219}, .nurLesen = true}},
      {Art::EditFeld, "zAuge", 935, 21, 62, 22,
       {.text = std::string(23, ' '), .hintergrund = Farbe{255, 252, 209}, .nurLesen = true}},
      {Art::StatischerText, "StaticText8", 822, 46, 173, 20, {.text = "Augenpunkt"}},
      {Art::Slider, "TextSizeS", 822, 576, 174, 16, {.minimum = 5, .maximum = 50, .wert = 10, .lineStep = 1, .pageStep = 10},
       {Bind("ValueChanged", &G::TextSizeS_ValueChanged)}},
      {Art::StatischerText, "yOffsetT1", 825, 552, 176, 20, {.text = "Textgröße"}},
      {Art::StatischerText, "StaticText9", 822, 166, 175, 21, {.text = "Punktverbindung"}},
      {Art::ListBox, "PunktpaarLB", 835, 191, 71, 182},
      {Art::BevelButton, "verbundenB", 912, 191, 71, 91, {.text = "+"}, {Bind("Action", &G::verbundenB_Action)}},
      {Art::BevelButton, "getrenntB", 912, 282, 71, 91, {.text = "-"}, {Bind("Action", &G::getrenntB_Action)}},
      {Art::BevelButton, "BevelButton1", 827, 742, 156, 22, {.text = "Test"}, {Bind("Action", &G::BevelButton1_Action)}},
      {Art::StatischerText, "StaticText0", 995, 73, 19, 20, {.text = "x"}},
  };
  return tabelle;
}

void GrafikFenster::Open() {
  // The restart sets the drawing state up as well; a window the user closed
  // and that is made again has to start from it too, or its first redraw
  // would find no axis points.
  faktor = 300;
  InitGrafik();
}
