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
    aT().SetzeVisible(false);
    for (EditFeld* feld : {&aF(), &bF(), &cF(), &dF()}) feld->SetzeVisible(false);
    for (StatischerText* text : {&bT(), &cT(), &dT()}) text->SetzeText("");
  } else if (n == 2) {
    // The angle field is not part of the clearing.
    for (StatischerText* text : {&EingabeText(), &durch2T(), &undT()}) text->SetzeText("");
    for (ListBox* liste : {&G1ListB(), &G2ListB(), &G3ListB()}) liste->SetzeVisible(false);
  }
}

void HauptF::PunktEingabeSchablone() {
  for (StatischerText* t : {&aT(), &bT(), &cT()}) t->SetzeVisible(true);
  for (EditFeld* f : {&GnameF(), &aF(), &bF(), &cF()}) f->SetzeVisible(true);
  aT().SetzeText("ist fester Punkt mit den Koordinaten  x =");
  bT().SetzeText(",  y =");
  cT().SetzeText(",  z =");
  dF().SetzeVisible(false);
  dT().SetzeVisible(false);
}

void HauptF::EbenenEingabeSchablone() {
  for (StatischerText* t : {&aT(), &bT(), &cT(), &dT()}) t->SetzeVisible(true);
  for (EditFeld* f : {&GnameF(), &aF(), &bF(), &cF(), &dF()}) f->SetzeVisible(true);
  aT().SetzeText("ist feste Ebene mit der Gleichung");
  bT().SetzeText("x  +");
  cT().SetzeText("y  +");
  dT().SetzeText("z  =");
}

void HauptF::SetzeKennungAuf(int k) {
  // What the user gives the kind: numbers, a hint, or operands from the lists.
  const Befehlsart* art = Befehlsart::ZurEingabe(k);
  const Lesart lesart = art ? art->lesart : Lesart::Namen;
  AktuelleKennung = k;
  GradF().SetzeVisible(false);

  EditFeld& hinweis = HinweisF();
  hinweis.SetzeReadOnly(true);
  if (lesart != Lesart::Hinweis) {
    hinweis.SetzeText("");
    // Another kind than the hint gives the window's Return back.
    AufHinweisWarten = false;
  }

  // The name field for the kinds that define a figure.
  EditFeld& gname = GnameF();
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
  for (ListBox* liste : {&G1ListB(), &G2ListB(), &G3ListB()}) liste->SetzeInhalt(NListe);
  FiguratLB().SetzeInhalt(ErwNListe);

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

  EingabeText().SetzeText(leiste->eingabe);
  auto zeige = [this](ListBox& box, Namensliste liste) {
    box.SetzeVisible(liste != nullptr);
    if (liste) box.SetzeInhalt(this->*liste);
  };
  auto beschrifte = [](StatischerText& t, Beschriftung text) {
    if (!text) {
      t.SetzeVisible(false);
      return;
    }
    t.SetzeText(text);
    if (*text) t.SetzeVisible(true);
  };
  zeige(G1ListB(), leiste->g1);
  beschrifte(durch2T(), leiste->durch2);
  zeige(G2ListB(), leiste->g2);
  beschrifte(undT(), leiste->und);
  zeige(G3ListB(), leiste->g3);
  if (art->Hat(Befehlsart::Winkel)) GradF().SetzeVisible(true);

  if (leiste->sammeln) {
    AktuelleSammlung.clear();
    LastInfoF().SetzeText("");
  }
}
