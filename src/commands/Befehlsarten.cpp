// The table of command kinds, the sentence of a command, the key phrases and
// the numbered text of the command list.

#include "commands/Befehlsarten.h"

#include "commands/BefehlT.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

namespace {

using L = Lesart;

// Every sentence is the row's pieces and fields joined, then one blank. The
// pieces are exact, blanks included: kind 18 has two blanks after "von:",
// kinds 13 and 25 have " ,: ", kind 30 says "als als".
const std::array<Befehlsart, 35> tabelle = {{
    {KennungPunkt, "KennungPunkt", "der Punkt mit", L::Koordinaten,
     " ist der Punkt mit dem Koordinatentripel: ", {{{1, ""}}}},
    {KennungEbene, "KennungEbene", "die Ebene mit", L::Gleichung, " ist die Ebene mit der Gleichung: ", {{{1, ""}}}},
    {KennungGeradePP, "KennungGeradePP", "Gerade durch die Punkte", L::Namen,
     " wird definiert als Gerade durch die Punkte: ", {{{1, " und: "}, {2, ""}}}},
    {KennungGeradePR, "KennungGeradePR", "Gerade durch den Punkt", L::Namen,
     " wird definiert als Gerade durch den Punkt: ", {{{1, " mit der Richtung: "}, {2, ""}}}},
    {KennungEbenePPP, "KennungEbenePPP", "Ebene durch die Punkte", L::Namen,
     " wird definiert als Ebene durch die Punkte: ", {{{1, " ,: "}, {2, " und: "}, {3, ""}}}},
    {KennungEbenePN, "KennungEbenePN", "mit dem Normalenvektor", L::Namen,
     " wird definiert als Ebene durch den Punkt: ", {{{1, " mit dem Normalenvektor: "}, {2, ""}}}},
    {KennungEbenePRR, "KennungEbenePRR", "mit den Richtungen", L::Namen,
     " wird definiert als Ebene durch den Punkt: ", {{{1, " mit den Richtungen: "}, {2, " und: "}, {3, ""}}}},
    {KennungSchnitt, "KennungSchnitt", "Schnitt", L::Namen, " wird definiert als Schnitt der Figurat: ",
     {{{1, " und: "}, {2, ""}}}},
    {KennungLotfusspunkt, "KennungLotfusspunkt", "Fusspunkt", L::Namen,
     " wird definiert als Fusspunktfigurat der Lote von: ", {{{1, " auf: "}, {2, ""}}}},
    {KennungSpiegelbild, "KennungSpiegelbild", "Spiegelung", L::Namen,
     " wird definiert als Ergebnis der Spiegelung von:  ", {{{1, " an: "}, {2, ""}}}},
    {KennungOrthogonale, "KennungOrthogonale", "orthogonales", L::Namen,
     " wird definiert als orthogonales Figurat zu: ", {{{1, " und durch: "}, {2, ""}}}},
    {KennungVerschieben, "KennungVerschieben", "Verschiebung", L::Namen,
     " wird definiert als Ergebnis der Verschiebung von: ", {{{1, " auf den Punkt: "}, {2, ""}}}},
    {KennungDrehen, "KennungDrehen", "Drehung", L::Namen, " wird definiert als Ergebnis der Drehung von: ",
     {{{1, " um den Winkel: "}, {2, " Grad mit der Drehachse: "}, {3, ""}}}},
    {KennungDreieck, "KennungDreieck", "Dreieck", L::Namen, " ist das Dreieck mit den Ecken: ",
     {{{1, " und: "}, {2, " und: "}, {3, ""}}}},
    {KennungTetraeder, "KennungTetraeder", "Tetraeder", L::Namen, " ist das Tetraeder mit der Grundflaeche: ",
     {{{1, " und der Spitze: "}, {2, ""}}}},
    {KennungMittelsenkrechte, "KennungMittelsenkrechte", "Mittelsenkrechte", L::Namen,
     " ist die Mittelsenkrechte der Punkte: ", {{{1, " und: "}, {2, ""}}}},
    {KennungHuelle, "KennungHuelle", "Huelle", L::Namen, " ist die Huelle von: ",
     {{{1, " ,: "}, {2, " und: "}, {3, ""}}}},
    {KennungKlonen, "KennungKlonen", "Klon", L::Namen, " ist definiert als als Klon von: ", {{{1, ""}}}},
    {KennungSammlung, "KennungSammlung", "Sammlung", L::Namen, " ist die Sammlung der Figurat: ", {{{1, ""}}}},
    {KennungLoesche, "KennungLoesche", "Loesche", L::Namen, "Loesche das Figurat: ", {{{1, ""}}}},
    {KennungZeige, "KennungZeige", "Daten", L::Namen, "Zeige die wesentlichen Daten von: ", {{{1, ""}}}},
    {KennungWinkel, "KennungWinkel", "Winkel zwischen", L::Namen, "Berechne den Winkel zwischen den Figuratn: ",
     {{{1, " und: "}, {2, ""}}}},
    {KennungAbstand, "KennungAbstand", "Abstand", L::Namen, "Bestimme den Abstand, den: ",
     {{{1, " von: "}, {2, " hat"}}}},
    {KennungBeschreibe, "KennungBeschreibe", "Beschreib", L::Namen, "Gib eine ausfuehrliche Beschreibung von: ",
     {{{1, ""}}}},
    {KennungHinweis, "KennungHinweis", "Hinweis:", L::Hinweis, "Hinweis: ", {{{2, ""}}}},
    {KennungVerbinde, "KennungVerbinde", "Verbinde:", L::Namen, "Verbinde: ", {{{1, " und: "}, {2, ""}}}},
    {KennungTrenne, "KennungTrenne", "Trenne:", L::Namen, "Trenne: ", {{{1, " und: "}, {2, ""}}}},
    {KennungZeichne, "KennungZeichne", "Zeichne:", L::Namen, "Zeichne: ", {{{1, ""}}}},
    {KennungRadiere, "KennungRadiere", "Radiere:", L::Namen, "Radiere: ", {{{1, " aus"}}}},
    {KennungZeichneAllePunkte, "KennungZeichneAllePunkte", "Zeichne alle Punkte", L::Namen, "Zeichne alle Punkte", {}},
    {KennungRadiereAllePunkte, "KennungRadiereAllePunkte", "alle Punkte aus", L::Namen, "Radiere alle Punkte aus",
     {}},
    {KennungRadiereAlleFigurat, "KennungRadiereAlleFigurat", "alle Figurat aus", L::Namen,
     "Radiere alle Figurat aus", {}},
    {KennungRadiereAlleStrecken, "KennungRadiereAlleStrecken", "alle Strecken aus", L::Namen,
     "Radiere alle Strecken aus", {}},
    {KennungRadiereAlles, "KennungRadiereAlles", "alles aus", L::Namen, "Radiere alles aus", {}},
    {KennungZeichneAlles, "KennungZeichneAlles", "ne alles", L::Namen, "Zeichne alles", {}},
}};

}  // namespace

int Befehlsart::Felderzahl() const {
  int n = 0;
  while (n < 3 && teile[n].feld != 0) ++n;
  return n;
}

const std::array<Befehlsart, 35>& Befehlsart::Alle() { return tabelle; }

const Befehlsart* Befehlsart::Zu(int K) {
  static const std::array<const Befehlsart*, 61> nachKennung = [] {
    std::array<const Befehlsart*, 61> index{};
    for (const Befehlsart& a : tabelle) index[a.Kennung] = &a;
    return index;
  }();
  return K >= 0 && K <= 60 ? nachKennung[K] : nullptr;
}

std::string HauptF::BText(int Kennung, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                          const std::string& AltG3) {
  const Befehlsart* art = Befehlsart::Zu(Kennung);
  if (!art) return " ";
  const std::string* felder[] = {nullptr, &AltG1, &AltG2, &AltG3};
  std::string satz;
  if (art->ZeigtNeuG()) satz = NeuG;
  satz += art->vorn;
  for (int i = 0; i < art->Felderzahl(); ++i) {
    satz += *felder[art->teile[i].feld];
    satz += art->teile[i].danach;
  }
  return satz + " ";
}

void HauptF::ErzeugeBefehlsSchluessel() {
  // Index 0 stays empty: it is no kind, and the empty text would occur in every line.
  for (int i = 1; i <= 60; ++i) {
    const Befehlsart* art = Befehlsart::Zu(i);
    BefehlsSchluessel[i] = art ? art->Schluessel : "nicht verwendet";
  }
}

void HauptF::ZeigeBefehlsliste() {
  Protokoll.clear();
  int n = 1;
  for (const BefehlT* c = BListe; c; c = c->Zeiger, ++n) {
    Protokoll += "<" + std::to_string(n) + ">    ";
    Protokoll += BText(c->Kennung, c->NeuG, c->AltG1, c->AltG2, c->AltG3);
    Protokoll += CR;
  }
  Element<plattform::ListBox>("ProtokollBox").SetzeInhalt(Protokoll);
}
