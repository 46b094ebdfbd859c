// The input bars: the numeric bar and the operand bar, arranged for the
// input kind the user chose from the menu.

#include "ui/Eingabeleisten.h"

#include "commands/Befehlsarten.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

using plattform::EditFeld;
using plattform::ListBox;
using plattform::StatischerText;

namespace {

using Namensliste = Operandenleiste::Namensliste;
using Beschriftung = Operandenleiste::Beschriftung;

// The prompts of 11, 12, 13 and 25 hold an invisible U+FEFF before "als".
constexpr Operandenleiste kLeisten[] = {
    {KennungGeradePP, "wird definiert \uFEFFals Gerade durch", &HauptF::PNListe, "und", &HauptF::PNListe, nullptr, nullptr},
    {KennungGeradePR, "wird definiert \uFEFFals Gerade durch", &HauptF::PNListe, "mit Richtung", &HauptF::gPNListe, nullptr,
     nullptr},
    {KennungEbenePPP, "wird definiert \uFEFFals Ebene durch", &HauptF::PNListe, "und", &HauptF::PNListe, "und",
     &HauptF::PNListe},
    {KennungEbenePN, "wird definiert als Ebene durch", &HauptF::PNListe, "mit Normalenrichtung", &HauptF::PNListe, nullptr,
     nullptr},
    {KennungEbenePRR, "wird definiert als Ebene durch", &HauptF::PNListe, "mit Richtungen", &HauptF::gPNListe, "und",
     &HauptF::gPNListe},
    {KennungSchnitt, "wird definiert als Schnitt von", &HauptF::mSoEckNListe, "mit", &HauptF::oEckNliste, nullptr, nullptr},
    {KennungLotfusspunkt, "wird definiert als Fußpunktfigurat aller Lote von", &HauptF::mSoEckNListe, "auf",
     &HauptF::oEckNliste, nullptr, nullptr},
    {KennungSpiegelbild, "wird definiert als Spiegelbild von", &HauptF::mSoEckNListe, "an", &HauptF::oEckNliste, nullptr,
     nullptr},
    {KennungOrthogonale, "wird definiert als Orthogonale von", &HauptF::mSoEckNListe, "durch", &HauptF::PNListe, nullptr,
     nullptr},
    {KennungVerschieben, "wird definiert als Verschieberesultat von", &HauptF::mSoEckNListe, "auf", &HauptF::PNListe,
     nullptr, nullptr},
    {KennungDrehen, "wird definiert als Drehungsresultat von", &HauptF::mSoEckNListe, "mit Drehwinkel", nullptr, "um",
     &HauptF::gNListe},
    {KennungDreieck, "wird definiert als Dreieck mit den Ecken ", &HauptF::PNListe, "und", &HauptF::PNListe, "und",
     &HauptF::PNListe},
    {KennungTetraeder, "wird definiert als Tetraeder mit der Basis", &HauptF::DNListe, "und Spitze", &HauptF::PNListe,
     nullptr, nullptr},
    {KennungMittelsenkrechte, "wird definiert als Mittelsenkrechte der Punkte", &HauptF::PNListe, "und",
     &HauptF::PNListe, nullptr, nullptr},
    {KennungHuelle, "wird definiert \uFEFFals Hülle von", &HauptF::oEckNliste, "und", &HauptF::oEckNliste, "und",
     &HauptF::oEckNliste},
    {KennungKlonen, "wird definiert als Klon von", &HauptF::mSoEckNListe, nullptr, nullptr, "", nullptr},
    {KennungSammlung, " ist eine Sammlung", nullptr, "", nullptr, "", nullptr, true},
    {KennungZeige, "Zeige", &HauptF::NListe, "", nullptr, "", nullptr},
    {KennungWinkel, "Berechne den Winkel zwischen", &HauptF::oPNListe, "und", &HauptF::oPNListe, "", nullptr},
    {KennungAbstand, "Berechne den Abstand von", &HauptF::oEckNliste, "und", &HauptF::oEckNliste, "", nullptr},
    {KennungBeschreibe, "Beschreibe ausführlich", &HauptF::EckNListe, "", nullptr, "", nullptr},
    {KennungZeichne, "Zeichne", &HauptF::NListe, "", nullptr, "", nullptr},
    {KennungRadiere, "Radiere im Grafikfenster", &HauptF::NListe, "", nullptr, "", nullptr},
};

}  // namespace

const Operandenleiste* Operandenleiste::Zu(int k) {
  for (const Operandenleiste& l : kLeisten)
    if (l.kennung == k) return &l;
  return nullptr;
}

std::span<const Operandenleiste> Operandenleiste::Alle() { return kLeisten; }

void HauptF::MenuleisteLeeren(int n) {
  if (n == 1) {
    // The numbers typed in the fields stay.
    Element<StatischerText>("aT").SetzeVisible(false);
    for (const char* feld : {"aF", "bF", "cF", "dF"}) Element<EditFeld>(feld).SetzeVisible(false);
    for (const char* text : {"bT", "cT", "dT"}) Element<StatischerText>(text).SetzeText("");
  } else if (n == 2) {
    // The angle field is not part of the clearing.
    for (const char* text : {"EingabeText", "durch2T", "undT"}) Element<StatischerText>(text).SetzeText("");
    for (const char* liste : {"G1ListB", "G2ListB", "G3ListB"}) Element<ListBox>(liste).SetzeVisible(false);
  }
}

void HauptF::PunktEingabeSchablone() {
  for (const char* t : {"aT", "bT", "cT"}) Element<StatischerText>(t).SetzeVisible(true);
  for (const char* f : {"GnameF", "aF", "bF", "cF"}) Element<EditFeld>(f).SetzeVisible(true);
  Element<StatischerText>("aT").SetzeText("ist fester Punkt mit den Koordinaten  x =");
  Element<StatischerText>("bT").SetzeText(",  y =");
  Element<StatischerText>("cT").SetzeText(",  z =");
  Element<EditFeld>("dF").SetzeVisible(false);
  Element<StatischerText>("dT").SetzeVisible(false);
}

void HauptF::EbenenEingabeSchablone() {
  for (const char* t : {"aT", "bT", "cT", "dT"}) Element<StatischerText>(t).SetzeVisible(true);
  for (const char* f : {"GnameF", "aF", "bF", "cF", "dF"}) Element<EditFeld>(f).SetzeVisible(true);
  Element<StatischerText>("aT").SetzeText("ist feste Ebene mit der Gleichung");
  Element<StatischerText>("bT").SetzeText("x  +");
  Element<StatischerText>("cT").SetzeText("y  +");
  Element<StatischerText>("dT").SetzeText("z  =");
}

void HauptF::SetzeKennungAuf(int k) {
  // What the user gives the kind: numbers, a hint, or operands from the lists.
  const Befehlsart* art = Befehlsart::ZurEingabe(k);
  const Lesart lesart = art ? art->lesart : Lesart::Namen;
  AktuelleKennung = k;
  Element<EditFeld>("GradF").SetzeVisible(false);

  EditFeld& hinweis = Element<EditFeld>("HinweisF");
  hinweis.SetzeReadOnly(true);
  if (lesart != Lesart::Hinweis) {
    hinweis.SetzeText("");
    // Another kind than the hint gives the window's Return back.
    AufHinweisWarten = false;
  }

  // The name field for the kinds that define a figure.
  EditFeld& gname = Element<EditFeld>("GnameF");
  if (art && art->Hat(Befehlsart::Definition)) {
    gname.SetzeVisible(true);
    gname.SetFocus();
  } else {
    gname.SetzeVisible(false);
  }

  const bool zahlen = lesart == Lesart::Koordinaten || lesart == Lesart::Gleichung;
  MenuleisteLeeren(zahlen ? 2 : 1);
  if (lesart == Lesart::Koordinaten) PunktEingabeSchablone();
  if (lesart == Lesart::Gleichung) EbenenEingabeSchablone();

  ErzeugeNamenListen();
  for (const char* liste : {"G1ListB", "G2ListB", "G3ListB"}) Element<ListBox>(liste).SetzeInhalt(NListe);
  Element<ListBox>("FiguratLB").SetzeInhalt(ErwNListe);

  if (lesart == Lesart::Hinweis) {
    // No bar is left: the numeric one is cleared and the name field hidden.
    MenuleisteLeeren(2);
    hinweis.SetzeReadOnly(false);
    AufHinweisWarten = true;
    hinweis.SetFocus();
    return;
  }
  // The drawing kinds without operands leave the bar as it was.
  const Operandenleiste* leiste = Operandenleiste::Zu(k);
  if (!leiste) return;

  Element<StatischerText>("EingabeText").SetzeText(leiste->eingabe);
  auto zeige = [this](const char* name, Namensliste liste) {
    ListBox& box = Element<ListBox>(name);
    box.SetzeVisible(liste != nullptr);
    if (liste) box.SetzeInhalt(this->*liste);
  };
  auto beschrifte = [this](const char* name, Beschriftung text) {
    StatischerText& t = Element<StatischerText>(name);
    if (!text) {
      t.SetzeVisible(false);
      return;
    }
    t.SetzeText(text);
    if (*text) t.SetzeVisible(true);
  };
  zeige("G1ListB", leiste->g1);
  beschrifte("durch2T", leiste->durch2);
  zeige("G2ListB", leiste->g2);
  beschrifte("undT", leiste->und);
  zeige("G3ListB", leiste->g3);
  if (art->Hat(Befehlsart::Winkel)) Element<EditFeld>("GradF").SetzeVisible(true);

  if (leiste->sammeln) {
    AktuelleSammlung.clear();
    Element<EditFeld>("LastInfoF").SetzeText("");
  }
}
