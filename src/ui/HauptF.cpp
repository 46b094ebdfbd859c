#include "ui/HauptF.h"

#include <stdexcept>

#include "commands/BefehlT.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"

using plattform::Art;
using plattform::Ausrichtung;
using plattform::Bevel;
using plattform::Bind;
using plattform::Farbe;

HauptF::HauptF() : plattform::Fenster(Klasse) {}

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
  using H = HauptF;
  static const std::vector<plattform::Steuerelementzeile> tabelle = {
      {Art::EditFeld, "GnameF", 22, 10, 69, 51,
       {.hintergrund = Farbe{218, 255, 8}, .schriftgroesse = 24, .fett = true, .ausrichtung = Ausrichtung::Mitte},
       {Bind("KeyDown", &H::GnameF_KeyDown)}},
      {Art::EditFeld, "aF", 415, 9, 80, 22, {.versteckt = true}},
      {Art::EditFeld, "bF", 543, 9, 80, 22, {.versteckt = true}},
      {Art::EditFeld, "cF", 667, 9, 80, 22, {.versteckt = true}},
      {Art::EditFeld, "dF", 794, 9, 80, 22, {.versteckt = true}},
      {Art::BevelButton, "TuEsButton", 895, 10, 83, 75,
       {.text = "Ausführen", .kante = Bevel::Abgerundet, .nimmtFokus = true}, {Bind("Action", &H::TuEsButton_Action)}},
      {Art::StatischerText, "aT", 114, 11, 300, 20, {.ausrichtung = Ausrichtung::Mitte}},
      {Art::StatischerText, "bT", 501, 11, 43, 20, {.ausrichtung = Ausrichtung::Links}},
      {Art::StatischerText, "cT", 629, 11, 36, 20, {.ausrichtung = Ausrichtung::Links}},
      {Art::StatischerText, "dT", 753, 11, 41, 20, {.ausrichtung = Ausrichtung::Links}},
      {Art::ListBox, "G1ListB", 415, 0, 54, 85},
      {Art::StatischerText, "durch2T", 467, 32, 156, 20, {.ausrichtung = Ausrichtung::Mitte}},
      {Art::ListBox, "G2ListB", 626, 0, 59, 85, {}, {Bind("Change", &H::G2ListB_Change)}},
      {Art::StatischerText, "undT", 729, 32, 48, 20, {.ausrichtung = Ausrichtung::Mitte}},
      {Art::ListBox, "G3ListB", 818, 0, 56, 85},
      {Art::Separator, "Separator2", 8, 85, 978, 14},
      {Art::StatischerText, "StaticText3", 780, 119, 186, 20, {.text = "Figurat-Liste", .ausrichtung = Ausrichtung::Mitte}},
      {Art::Separator, "Separator3", 8, 376, 772, 14},
      {Art::StatischerText, "ProtokollT", 255, 406, 134, 20, {.text = "Anweisungs-Liste", .ausrichtung = Ausrichtung::Mitte}},
      {Art::ListBox, "FiguratLB", 789, 144, 186, 371, {.zeilenZiehbar = true},
       {Bind("DoubleClick", &H::FiguratLB_DoubleClick), Bind("DragRow", &H::FiguratLB_DragRow)}},
      {Art::StatischerText, "BeschreibungT", 3, 117, 126, 20, {.text = "Beschreibungen", .ausrichtung = Ausrichtung::Mitte}},
      {Art::EditFeld, "InfoF", 13, 144, 754, 233,
       {.hintergrund = Farbe{255, 247, 192}, .nurLesen = true, .mehrzeilig = true}},
      {Art::BevelButton, "BevelButton1", 526, 106, 221, 33,
       {.text = "Alle Beschreibungen Löschen", .kante = Bevel::Abgerundet}, {Bind("Action", &H::BevelButton1_Action)}},
      {Art::ListBox, "ProtokollBox", 255, 429, 513, 184, {.zeilenZiehbar = true},
       {Bind("DoubleClick", &H::ProtokollBox_DoubleClick), Bind("DragRow", &H::ProtokollBox_DragRow)}},
      {Art::BevelButton, "KillLastOrder3", 531, 389, 220, 37,
       {.text = "Letzte Anweisung Löschen", .kante = Bevel::Abgerundet}, {Bind("Action", &H::KillLastOrder3_Action)}},
      {Art::BevelButton, "Beschr2ClipbB", 134, 106, 113, 33, {.text = "--> Clipboard", .kante = Bevel::Abgerundet},
       {Bind("Action", &H::Beschr2ClipbB_Action)}},
      {Art::BevelButton, "BefListe2ClipbB1", 406, 389, 113, 37, {.text = "--> Clipboard", .kante = Bevel::Abgerundet},
       {Bind("Action", &H::BefListe2ClipbB1_Action)}},
      {Art::EditFeld, "GradF", 626, 32, 68, 22, {.versteckt = true}},
      {Art::EditFeld, "LoeschF", 789, 519, 89, 62, {.hintergrund = Farbe{255, 8, 29}, .ausrichtung = Ausrichtung::Mitte},
       {Bind("MouseExit", &H::LoeschF_MouseExit), Bind("KeyDown", &H::LoeschF_KeyDown)}},
      {Art::PopupMenu, "PopupMenu1", 789, 97, 186, 22,
       {.eintraege = {"Nachkommastellen", "1 Dezimale", "2 Dezimalen", "3 Dezimalen", "4 Dezimalen", "5 Dezimalen",
                      "6 Dezimalen"}},
       {Bind("Change", &H::PopupMenu1_Change)}},
      {Art::StatischerText, "EingabeText", 95, 32, 308, 20, {.ausrichtung = Ausrichtung::Mitte}},
      {Art::StatischerText, "StaticText1", 789, 586, 89, 18, {.text = "Löschen", .ausrichtung = Ausrichtung::Mitte}},
      {Art::StatischerText, "ProtoInfoT", 250, 112, 276, 20,
       {.text = "Beschreibungsfenster aktiv", .schriftgroesse = 16, .ausrichtung = Ausrichtung::Mitte}},
      {Art::BevelButton, "SprachInfoB", 13, 578, 218, 35,
       {.text = "", .schriftgroesse = 12, .kante = Bevel::Normal, .bild = true}, {Bind("Action", &H::SprachInfoB_Action)}},
      {Art::EditFeld, "HinweisF", 13, 431, 223, 61, {.mehrzeilig = true}},
      {Art::StatischerText, "ProtokollT1", 22, 406, 221, 20, {.text = "Hinweis-Eingabe", .ausrichtung = Ausrichtung::Links}},
      {Art::EditFeld, "LastInfoF", 13, 494, 223, 72, {.text = "\r", .nurLesen = true, .mehrzeilig = true}},
      {Art::EditFeld, "SammelF", 886, 519, 89, 62,
       {.hintergrund = Farbe{209, 255, 201}, .ausrichtung = Ausrichtung::Mitte},
       {Bind("MouseExit", &H::SammelF_MouseExit), Bind("KeyDown", &H::SammelF_KeyDown)}},
      {Art::StatischerText, "StaticText2", 886, 586, 89, 18, {.text = "Sammeln", .ausrichtung = Ausrichtung::Mitte}},
      {Art::StatischerText, "StaticText4", 13, 65, 90, 20, {.text = "Figuratname", .ausrichtung = Ausrichtung::Links}},
  };
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
