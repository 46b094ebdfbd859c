// The table of command kinds, the sentence of a command, the key phrases and
// the numbered text of the command list.

#include "commands/Befehlsarten.h"

#include "commands/BefehlT.h"
#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

namespace {

using L = Lesart;

// Guards over the type codes of AltG1, AltG2, AltG3. An operand that must be a
// point is tested for the code 1 by itself; some kinds test a product.
bool ZweiPunkte(int t1, int t2, int) { return t1 == TypPunkt && t2 == TypPunkt; }
bool DreiPunkte(int t1, int t2, int t3) { return t1 == TypPunkt && t2 == TypPunkt && t3 == TypPunkt; }
bool PunktRichtung(int t1, int t2, int) { return t1 == TypPunkt && (t2 == TypPunkt || t2 == TypGerade); }
bool PunktZweiRichtungen(int t1, int t2, int t3) {
  return t1 == TypPunkt && (t2 == TypPunkt || t2 == TypGerade) && (t3 == TypPunkt || t3 == TypGerade);
}
bool ProduktPositiv(int t1, int t2, int) { return t1 * t2 > 0; }
bool BeidePositiv(int t1, int t2, int) { return t1 > 0 && t2 > 0; }
bool Drehbar(int t1, int, int t3) { return t1 > 0 && t3 == TypGerade; }
bool DreieckUndPunkt(int t1, int t2, int) { return t1 == TypDreieck && t2 == TypPunkt; }
bool Huellbar(int t1, int t2, int t3) { return t1 > -2 && t2 > -2 && t3 > -2 && t1 * t2 * t3 != 0; }
bool EineFigur(int t1, int, int) { return t1 != TypKein; }
bool Messbar(int t1, int t2, int) { return t1 * t2 > 3; }
bool Eckfigur(int t1, int, int) { return t1 < -2; }

// An operation of the table: a captureless lambda over the main window, the
// command's fields o, the result record r and the success flag ok.
#define OPERATION(aufruf)                                                                   \
  []([[maybe_unused]] HauptF& h, [[maybe_unused]] const Operanden& o, [[maybe_unused]] FiguratT*& r, \
     [[maybe_unused]] bool& ok) { aufruf; }

GrafikFenster& G() { return GrafikFenster::Instanz(); }

// Every sentence is the row's pieces and fields joined, then one blank. The
// pieces are exact, blanks included: kind 18 has two blanks after "von:",
// kinds 13 and 25 have " ,: ", kind 30 says "als als".
const std::array<Befehlsart, 35> tabelle = {{
    {KennungPunkt, "KennungPunkt", "der Punkt mit", L::Koordinaten,
     " ist der Punkt mit dem Koordinatentripel: ", {{{1, ""}}}},
    {KennungEbene, "KennungEbene", "die Ebene mit", L::Gleichung, " ist die Ebene mit der Gleichung: ", {{{1, ""}}}},
    {KennungGeradePP, "KennungGeradePP", "Gerade durch die Punkte", L::Namen,
     " wird definiert als Gerade durch die Punkte: ", {{{1, " und: "}, {2, ""}}}, ZweiPunkte,
     OPERATION(h.ErzeugeGeradePP(o.AltG1, o.AltG2, r, ok))},
    {KennungGeradePR, "KennungGeradePR", "Gerade durch den Punkt", L::Namen,
     " wird definiert als Gerade durch den Punkt: ", {{{1, " mit der Richtung: "}, {2, ""}}}, PunktRichtung,
     OPERATION(h.ErzeugeGeradePR(o.AltG1, o.AltG2, r, ok)), true},
    {KennungEbenePPP, "KennungEbenePPP", "Ebene durch die Punkte", L::Namen,
     " wird definiert als Ebene durch die Punkte: ", {{{1, " ,: "}, {2, " und: "}, {3, ""}}}, DreiPunkte,
     OPERATION(h.ErzeugeEbenePPP(o.AltG1, o.AltG2, o.AltG3, r, ok))},
    {KennungEbenePN, "KennungEbenePN", "mit dem Normalenvektor", L::Namen,
     " wird definiert als Ebene durch den Punkt: ", {{{1, " mit dem Normalenvektor: "}, {2, ""}}}, ZweiPunkte,
     OPERATION(h.ErzeugeEbenePN(o.AltG1, o.AltG2, r, ok))},
    {KennungEbenePRR, "KennungEbenePRR", "mit den Richtungen", L::Namen,
     " wird definiert als Ebene durch den Punkt: ", {{{1, " mit den Richtungen: "}, {2, " und: "}, {3, ""}}},
     PunktZweiRichtungen, OPERATION(h.ErzeugeEbenePRR(o.AltG1, o.AltG2, o.AltG3, r, ok))},
    {KennungSchnitt, "KennungSchnitt", "Schnitt", L::Namen, " wird definiert als Schnitt der Figurat: ",
     {{{1, " und: "}, {2, ""}}}, ProduktPositiv, OPERATION(h.ErzeugeSchnitt(o.AltG1, o.AltG2, r, ok))},
    {KennungLotfusspunkt, "KennungLotfusspunkt", "Fusspunkt", L::Namen,
     " wird definiert als Fusspunktfigurat der Lote von: ", {{{1, " auf: "}, {2, ""}}}, BeidePositiv,
     OPERATION(h.ErzeugeLotfussfpunktG(o.AltG1, o.AltG2, r, ok))},
    {KennungSpiegelbild, "KennungSpiegelbild", "Spiegelung", L::Namen,
     " wird definiert als Ergebnis der Spiegelung von:  ", {{{1, " an: "}, {2, ""}}}, ProduktPositiv,
     OPERATION(h.ErzeugeSpiegelbild(o.AltG1, o.AltG2, r, ok))},
    {KennungOrthogonale, "KennungOrthogonale", "orthogonales", L::Namen,
     " wird definiert als orthogonales Figurat zu: ", {{{1, " und durch: "}, {2, ""}}}, BeidePositiv,
     OPERATION(h.ErzeugeOrthogonale(o.AltG1, o.AltG2, r, ok))},
    {KennungVerschieben, "KennungVerschieben", "Verschiebung", L::Namen,
     " wird definiert als Ergebnis der Verschiebung von: ", {{{1, " auf den Punkt: "}, {2, ""}}}, BeidePositiv,
     OPERATION(h.ErzeugeVerschieben(o.AltG1, o.AltG2, r, ok))},
    // The angle is a typed number: "22,5" and "7+1/5" keep their values.
    {KennungDrehen, "KennungDrehen", "Drehung", L::Namen, " wird definiert als Ergebnis der Drehung von: ",
     {{{1, " um den Winkel: "}, {2, " Grad mit der Drehachse: "}, {3, ""}}}, Drehbar,
     OPERATION(h.ErzeugeDrehung(o.AltG1, HauptF::myval(o.AltG2), o.AltG3, r, ok)), true},
    {KennungDreieck, "KennungDreieck", "Dreieck", L::Namen, " ist das Dreieck mit den Ecken: ",
     {{{1, " und: "}, {2, " und: "}, {3, ""}}}, DreiPunkte,
     OPERATION(h.ErzeugeDreieck(o.AltG1, o.AltG2, o.AltG3, r, ok)), true},
    {KennungTetraeder, "KennungTetraeder", "Tetraeder", L::Namen, " ist das Tetraeder mit der Grundflaeche: ",
     {{{1, " und der Spitze: "}, {2, ""}}}, DreieckUndPunkt, OPERATION(h.ErzeugeTetraeder(o.AltG1, o.AltG2, r, ok)),
     true},
    {KennungMittelsenkrechte, "KennungMittelsenkrechte", "Mittelsenkrechte", L::Namen,
     " ist die Mittelsenkrechte der Punkte: ", {{{1, " und: "}, {2, ""}}}, ZweiPunkte,
     OPERATION(h.ErzeugeMittelsenkrechte(o.AltG1, o.AltG2, r, ok))},
    {KennungHuelle, "KennungHuelle", "Huelle", L::Namen, " ist die Huelle von: ",
     {{{1, " ,: "}, {2, " und: "}, {3, ""}}}, Huellbar, OPERATION(h.ErzeugeHuelle(o.AltG1, o.AltG2, o.AltG3, r, ok))},
    {KennungKlonen, "KennungKlonen", "Klon", L::Namen, " ist definiert als als Klon von: ", {{{1, ""}}}, EineFigur,
     OPERATION(h.KloneFigurat(o.NeuG, o.AltG1, ok))},
    {KennungSammlung, "KennungSammlung", "Sammlung", L::Namen, " ist die Sammlung der Figurat: ", {{{1, ""}}}},
    {KennungLoesche, "KennungLoesche", "Loesche", L::Namen, "Loesche das Figurat: ", {{{1, ""}}}},
    {KennungZeige, "KennungZeige", "Daten", L::Namen, "Zeige die wesentlichen Daten von: ", {{{1, ""}}}, EineFigur,
     OPERATION(h.ZeigeFigurat(o.AltG1))},
    {KennungWinkel, "KennungWinkel", "Winkel zwischen", L::Namen, "Berechne den Winkel zwischen den Figuratn: ",
     {{{1, " und: "}, {2, ""}}}, Messbar, OPERATION(h.Winkelausgabe(o.AltG1, o.AltG2, ok))},
    {KennungAbstand, "KennungAbstand", "Abstand", L::Namen, "Bestimme den Abstand, den: ",
     {{{1, " von: "}, {2, " hat"}}}, ProduktPositiv, OPERATION(h.Abstandausgabe(o.AltG1, o.AltG2, ok))},
    {KennungBeschreibe, "KennungBeschreibe", "Beschreib", L::Namen, "Gib eine ausfuehrliche Beschreibung von: ",
     {{{1, ""}}}, Eckfigur, OPERATION(h.BeschreibeEck(o.AltG1, ok))},
    {KennungHinweis, "KennungHinweis", "Hinweis:", L::Hinweis, "Hinweis: ", {{{2, ""}}}},
    {KennungVerbinde, "KennungVerbinde", "Verbinde:", L::Namen, "Verbinde: ", {{{1, " und: "}, {2, ""}}}},
    {KennungTrenne, "KennungTrenne", "Trenne:", L::Namen, "Trenne: ", {{{1, " und: "}, {2, ""}}}},
    {KennungZeichne, "KennungZeichne", "Zeichne:", L::Namen, "Zeichne: ", {{{1, ""}}}},
    {KennungRadiere, "KennungRadiere", "Radiere:", L::Namen, "Radiere: ", {{{1, " aus"}}}},
    {KennungZeichneAllePunkte, "KennungZeichneAllePunkte", "Zeichne alle Punkte", L::Namen, "Zeichne alle Punkte",
     {}, nullptr, OPERATION(G().ZeichneAllePunkte())},
    {KennungRadiereAllePunkte, "KennungRadiereAllePunkte", "alle Punkte aus", L::Namen, "Radiere alle Punkte aus",
     {}, nullptr, OPERATION(G().RadiereAllePunkte())},
    {KennungRadiereAlleFigurat, "KennungRadiereAlleFigurat", "alle Figurat aus", L::Namen,
     "Radiere alle Figurat aus", {}, nullptr, OPERATION(G().RadiereAlleFigurat())},
    {KennungRadiereAlleStrecken, "KennungRadiereAlleStrecken", "alle Strecken aus", L::Namen,
     "Radiere alle Strecken aus", {}, nullptr, OPERATION(G().RadiereAlleStrecken())},
    {KennungRadiereAlles, "KennungRadiereAlles", "alles aus", L::Namen, "Radiere alles aus", {}, nullptr,
     OPERATION(G().RadiereAlles())},
    {KennungZeichneAlles, "KennungZeichneAlles", "ne alles", L::Namen, "Zeichne alles", {}, nullptr,
     OPERATION(G().ZeichneAlles())},
}};

#undef OPERATION

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
  ProtokollBox().SetzeInhalt(Protokoll);
}

void HauptF::ZeigeLetztenBefehl() {
  ZeigeBefehlsliste();
  auto& box = ProtokollBox();
  box.ZeigeZeile(box.ListCount() - 1);
}
