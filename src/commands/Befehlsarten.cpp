// The table of command kinds, the sentence of a command, the key phrases and
// the numbered text of the command list.

#include "commands/Befehlsarten.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unordered_map>

#include "commands/BefehlT.h"
#include "commands/Befehlsteil.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Steuerelement.h"

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
#define OPERATION(aufruf)                                                                                 \
  []([[maybe_unused]] Befehlsteil& h, [[maybe_unused]] const Operanden& o, [[maybe_unused]] FiguratT*& r, \
     [[maybe_unused]] bool& ok) { aufruf; }
// A kind whose roads differ: its typed and its replayed operation.
#define WEGE(getippt, wiederholt) nullptr, nullptr, false, getippt, wiederholt

GrafikFenster& G() { return GrafikFenster::Instanz(); }

// The operations of the kinds whose roads differ. Typed: the fields f as
// typed and the operand types t, the answer whether to record the command.
// Replayed: the command b.

// Points and planes are typed in the numeric bars, which record them themselves.
void PunktWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  bool ok;
  h.ErzeugePunkt(b.NeuG, b.Vektor->kp[1], b.Vektor->kp[2], b.Vektor->kp[3], ok);
}

void EbeneWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  bool ok;
  h.ErzeugeEbeneG(b.NeuG, b.Gleichung[1], b.Gleichung[2], b.Gleichung[3], b.Gleichung[4], ok);
}

// Typed, the members are those gathered on the collection field.
bool SammlungGetippt(Befehlsteil& h, Felder& f, const Typen&) {
  f.AltG1 = h.AktuelleSammlung.empty() ? "" : h.AktuelleSammlung.substr(1);
  bool ok = !f.AltG1.empty();
  if (ok) {
    h.ErzeugeSammlung(f.NeuG, f.AltG1, ok);
    h.AktuelleSammlung.clear();
    h.EingabeText().SetzeText("");
  }
  return ok;
}

void SammlungWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  bool ok;
  h.ErzeugeSammlung(b.NeuG, b.AltG1, ok);
}

// Typed on the delete field, which records it itself. The origin stays.
void LoescheWiederholt(Befehlsteil& h, const BefehlT& b, const Typen& t) {
  if (t.t1 != TypKein && Befehlsteil::VergleicheNamen(b.AltG1, "O") != 0) h.LoescheFigurat(b.AltG1);
}

// Typed, the hint comes from its field, a line break made a blank; it is
// written to the descriptions only when the list is executed.
bool HinweisGetippt(Befehlsteil& h, Felder& f, const Typen&) {
  std::string hinweis = h.HinweisF().Text();
  Befehlsteil::Filtern(hinweis);
  if (hinweis.find_first_not_of(' ') == std::string::npos) return false;
  f.AltG2 = hinweis;
  f.NeuG.clear();
  f.AltG1.clear();
  f.AltG3.clear();
  h.HinweisF().SetzeText("");
  return true;
}

void HinweisWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  h.HinweisAusgabe(b.AltG2);
  h.LastInfoF().SetzeText(b.AltG2);
}

// The two figures of a connect or separate command, when both exist.
bool BeideDa(Befehlsteil& h, const std::string& A, const std::string& B, FiguratT*& g1, FiguratT*& g2) {
  return h.Gefunden(A, g1) && h.Gefunden(B, g2);
}

// Typed, only recorded: the graphics window executes the list right after.
bool VerbindeGetippt(Befehlsteil& h, Felder&, const Typen& t) {
  h.AktuelleKennung = KennungVerbinde;
  return t.t1 == TypPunkt && t.t2 == TypPunkt;
}

void VerbindeWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  FiguratT* g1;
  FiguratT* g2;
  if (BeideDa(h, b.AltG1, b.AltG2, g1, g2)) G().VerbindungEintragen(*g1, *g2);
}

bool TrenneGetippt(Befehlsteil& h, Felder& f, const Typen&) {
  h.AktuelleKennung = KennungTrenne;
  FiguratT* g1;
  FiguratT* g2;
  if (!BeideDa(h, f.AltG1, f.AltG2, g1, g2)) return false;
  G().VerbindungTrennen(*g1, *g2);
  return true;
}

void TrenneWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  FiguratT* g1;
  FiguratT* g2;
  if (BeideDa(h, b.AltG1, b.AltG2, g1, g2)) G().VerbindungTrennen(*g1, *g2);
}

// Showing draws over the picture, hiding draws it anew. Replayed, only the
// flag: the closing redraw draws or leaves out the figure.
template <bool sichtbar>
bool SichtbarGetippt(Befehlsteil& h, Felder& f, const Typen&) {
  FiguratT* g;
  if (!h.Gefunden(f.AltG1, g)) return false;
  h.AktuelleKennung = sichtbar ? KennungZeichne : KennungRadiere;
  g->SetzeSichtbar(sichtbar);
  if (sichtbar)
    G().Aktualisieren();
  else
    G().TotalAktualisieren();
  return true;
}

template <bool sichtbar>
void SichtbarWiederholt(Befehlsteil& h, const BefehlT& b, const Typen&) {
  FiguratT* g;
  if (h.Gefunden(b.AltG1, g)) g->SetzeSichtbar(sichtbar);
}

using S = Sammlungsfall;
using enum Befehlsart::Merkmal;
constexpr unsigned Konstruktion = Definition | Ergebnis;

// Every sentence is the row's pieces and fields joined, then one blank. The
// pieces are exact, blanks included: kind 18 has two blanks after "von:",
// kinds 13 and 25 have " ,: ", kind 30 says "als als".
const std::array<Befehlsart, 35> tabelle = {{
    {KennungPunkt, "KennungPunkt", "der Punkt mit", L::Koordinaten,
     " ist der Punkt mit dem Koordinatentripel: ", {{{1, ""}}}, Definition, S::Keiner, WEGE(nullptr, PunktWiederholt)},
    {KennungEbene, "KennungEbene", "die Ebene mit", L::Gleichung, " ist die Ebene mit der Gleichung: ", {{{1, ""}}},
     Definition, S::Keiner, WEGE(nullptr, EbeneWiederholt)},
    {KennungGeradePP, "KennungGeradePP", "Gerade durch die Punkte", L::Namen,
     " wird definiert als Gerade durch die Punkte: ", {{{1, " und: "}, {2, ""}}}, Konstruktion, S::Nichts, ZweiPunkte,
     OPERATION(h.ErzeugeGeradePP(o.AltG1, o.AltG2, r, ok))},
    {KennungGeradePR, "KennungGeradePR", "Gerade durch den Punkt", L::Namen,
     " wird definiert als Gerade durch den Punkt: ", {{{1, " mit der Richtung: "}, {2, ""}}}, Konstruktion, S::Nichts,
     PunktRichtung, OPERATION(h.ErzeugeGeradePR(o.AltG1, o.AltG2, r, ok)), true},
    {KennungEbenePPP, "KennungEbenePPP", "Ebene durch die Punkte", L::Namen,
     " wird definiert als Ebene durch die Punkte: ", {{{1, " ,: "}, {2, " und: "}, {3, ""}}}, Konstruktion, S::Nichts,
     DreiPunkte, OPERATION(h.ErzeugeEbenePPP(o.AltG1, o.AltG2, o.AltG3, r, ok))},
    {KennungEbenePN, "KennungEbenePN", "mit dem Normalenvektor", L::Namen,
     " wird definiert als Ebene durch den Punkt: ", {{{1, " mit dem Normalenvektor: "}, {2, ""}}}, Konstruktion,
     S::Nichts, ZweiPunkte, OPERATION(h.ErzeugeEbenePN(o.AltG1, o.AltG2, r, ok))},
    {KennungEbenePRR, "KennungEbenePRR", "mit den Richtungen", L::Namen,
     " wird definiert als Ebene durch den Punkt: ", {{{1, " mit den Richtungen: "}, {2, " und: "}, {3, ""}}},
     Konstruktion, S::Nichts, PunktZweiRichtungen, OPERATION(h.ErzeugeEbenePRR(o.AltG1, o.AltG2, o.AltG3, r, ok))},
    {KennungSchnitt, "KennungSchnitt", "Schnitt", L::Namen, " wird definiert als Schnitt der Figurat: ",
     {{{1, " und: "}, {2, ""}}}, Konstruktion, S::Mitglieder, ProduktPositiv,
     OPERATION(h.ErzeugeSchnitt(o.AltG1, o.AltG2, r, ok))},
    {KennungLotfusspunkt, "KennungLotfusspunkt", "Fusspunkt", L::Namen,
     " wird definiert als Fusspunktfigurat der Lote von: ", {{{1, " auf: "}, {2, ""}}}, Konstruktion, S::Mitglieder,
     BeidePositiv, OPERATION(h.ErzeugeLotfussfpunktG(o.AltG1, o.AltG2, r, ok))},
    {KennungSpiegelbild, "KennungSpiegelbild", "Spiegelung", L::Namen,
     " wird definiert als Ergebnis der Spiegelung von:  ", {{{1, " an: "}, {2, ""}}}, Konstruktion, S::Mitglieder,
     ProduktPositiv, OPERATION(h.ErzeugeSpiegelbild(o.AltG1, o.AltG2, r, ok))},
    {KennungOrthogonale, "KennungOrthogonale", "orthogonales", L::Namen,
     " wird definiert als orthogonales Figurat zu: ", {{{1, " und durch: "}, {2, ""}}}, Konstruktion, S::Mitglieder,
     BeidePositiv, OPERATION(h.ErzeugeOrthogonale(o.AltG1, o.AltG2, r, ok))},
    {KennungVerschieben, "KennungVerschieben", "Verschiebung", L::Namen,
     " wird definiert als Ergebnis der Verschiebung von: ", {{{1, " auf den Punkt: "}, {2, ""}}}, Konstruktion,
     S::Mitglieder, BeidePositiv, OPERATION(h.ErzeugeVerschieben(o.AltG1, o.AltG2, r, ok))},
    // The angle is a typed number: "22,5" and "7+1/5" keep their values.
    {KennungDrehen, "KennungDrehen", "Drehung", L::Namen, " wird definiert als Ergebnis der Drehung von: ",
     {{{1, " um den Winkel: "}, {2, " Grad mit der Drehachse: "}, {3, ""}}}, Konstruktion | Winkel, S::Mitglieder,
     Drehbar, OPERATION(h.ErzeugeDrehung(o.AltG1, Befehlsteil::myval(o.AltG2), o.AltG3, r, ok)), true},
    {KennungDreieck, "KennungDreieck", "Dreieck", L::Namen, " ist das Dreieck mit den Ecken: ",
     {{{1, " und: "}, {2, " und: "}, {3, ""}}}, Konstruktion, S::Nichts, DreiPunkte,
     OPERATION(h.ErzeugeDreieck(o.AltG1, o.AltG2, o.AltG3, r, ok)), true},
    {KennungTetraeder, "KennungTetraeder", "Tetraeder", L::Namen, " ist das Tetraeder mit der Grundflaeche: ",
     {{{1, " und der Spitze: "}, {2, ""}}}, Konstruktion, S::Nichts, DreieckUndPunkt,
     OPERATION(h.ErzeugeTetraeder(o.AltG1, o.AltG2, r, ok)), true},
    {KennungMittelsenkrechte, "KennungMittelsenkrechte", "Mittelsenkrechte", L::Namen,
     " ist die Mittelsenkrechte der Punkte: ", {{{1, " und: "}, {2, ""}}}, Konstruktion, S::Nichts, ZweiPunkte,
     OPERATION(h.ErzeugeMittelsenkrechte(o.AltG1, o.AltG2, r, ok))},
    {KennungHuelle, "KennungHuelle", "Huelle", L::Namen, " ist die Huelle von: ",
     {{{1, " ,: "}, {2, " und: "}, {3, ""}}}, Konstruktion, S::Nichts, Huellbar,
     OPERATION(h.ErzeugeHuelle(o.AltG1, o.AltG2, o.AltG3, r, ok))},
    {KennungKlonen, "KennungKlonen", "Klon", L::Namen, " ist definiert als als Klon von: ", {{{1, ""}}}, Definition,
     S::Klonen, EineFigur, OPERATION(h.KloneFigurat(o.NeuG, o.AltG1, ok))},
    {KennungSammlung, "KennungSammlung", "Sammlung", L::Namen, " ist die Sammlung der Figurat: ", {{{1, ""}}},
     Definition, S::Keiner, WEGE(SammlungGetippt, SammlungWiederholt)},
    {KennungLoesche, "KennungLoesche", "Loesche", L::Namen, "Loesche das Figurat: ", {{{1, ""}}}, 0, S::Loeschen,
     WEGE(nullptr, LoescheWiederholt)},
    {KennungZeige, "KennungZeige", "Daten", L::Namen, "Zeige die wesentlichen Daten von: ", {{{1, ""}}}, 0, S::Zeigen,
     EineFigur, OPERATION(h.ZeigeFigurat(o.AltG1))},
    {KennungWinkel, "KennungWinkel", "Winkel zwischen", L::Namen, "Berechne den Winkel zwischen den Figuratn: ",
     {{{1, " und: "}, {2, ""}}}, 0, S::Nichts, Messbar, OPERATION(h.Winkelausgabe(o.AltG1, o.AltG2, ok))},
    {KennungAbstand, "KennungAbstand", "Abstand", L::Namen, "Bestimme den Abstand, den: ",
     {{{1, " von: "}, {2, " hat"}}}, 0, S::Nichts, ProduktPositiv, OPERATION(h.Abstandausgabe(o.AltG1, o.AltG2, ok))},
    {KennungBeschreibe, "KennungBeschreibe", "Beschreib", L::Namen, "Gib eine ausfuehrliche Beschreibung von: ",
     {{{1, ""}}}, 0, S::Nichts, Eckfigur, OPERATION(h.BeschreibeEck(o.AltG1, ok))},
    {KennungHinweis, "KennungHinweis", "Hinweis:", L::Hinweis, "Hinweis: ", {{{2, ""}}}, 0, S::Keiner,
     WEGE(HinweisGetippt, HinweisWiederholt)},
    {KennungVerbinde, "KennungVerbinde", "Verbinde:", L::Namen, "Verbinde: ", {{{1, " und: "}, {2, ""}}}, 0,
     S::Nichts, WEGE(VerbindeGetippt, VerbindeWiederholt)},
    {KennungTrenne, "KennungTrenne", "Trenne:", L::Namen, "Trenne: ", {{{1, " und: "}, {2, ""}}}, 0, S::Nichts,
     WEGE(TrenneGetippt, TrenneWiederholt)},
    {KennungZeichne, "KennungZeichne", "Zeichne:", L::Namen, "Zeichne: ", {{{1, ""}}}, 0, S::Nichts,
     WEGE(SichtbarGetippt<true>, SichtbarWiederholt<true>)},
    {KennungRadiere, "KennungRadiere", "Radiere:", L::Namen, "Radiere: ", {{{1, " aus"}}}, 0, S::Nichts,
     WEGE(SichtbarGetippt<false>, SichtbarWiederholt<false>)},
    {KennungZeichneAllePunkte, "KennungZeichneAllePunkte", "Zeichne alle Punkte", L::Namen, "Zeichne alle Punkte",
     {}, Sofort, S::Nichts, nullptr, OPERATION(G().ZeichneAllePunkte())},
    {KennungRadiereAllePunkte, "KennungRadiereAllePunkte", "alle Punkte aus", L::Namen, "Radiere alle Punkte aus",
     {}, Sofort, S::Nichts, nullptr, OPERATION(G().RadiereAllePunkte())},
    {KennungRadiereAlleFigurat, "KennungRadiereAlleFigurat", "alle Figurat aus", L::Namen,
     "Radiere alle Figurat aus", {}, Sofort, S::Nichts, nullptr, OPERATION(G().RadiereAlleFigurat())},
    {KennungRadiereAlleStrecken, "KennungRadiereAlleStrecken", "alle Strecken aus", L::Namen,
     "Radiere alle Strecken aus", {}, Sofort, S::Nichts, nullptr,
     OPERATION(G().RadiereAlleStrecken())},
    {KennungRadiereAlles, "KennungRadiereAlles", "alles aus", L::Namen, "Radiere alles aus", {},
     Sofort, S::Nichts, nullptr, OPERATION(G().RadiereAlles())},
    {KennungZeichneAlles, "KennungZeichneAlles", "ne alles", L::Namen, "Zeichne alles", {}, Sofort,
     S::Nichts, nullptr, OPERATION(G().ZeichneAlles())},
}};

#undef OPERATION
#undef WEGE

}  // namespace

int Befehlsart::Felderzahl() const {
  int n = 0;
  while (n < 3 && teile[n].feld != 0) ++n;
  return n;
}

const std::array<Befehlsart, 35>& Befehlsart::Alle() { return tabelle; }

const Befehlsart* Befehlsart::ZurEingabe(int k) {
  if (k == EingabeFesterPunkt) return Zu(KennungPunkt);
  if (k == EingabeFesteEbene) return Zu(KennungEbene);
  return Zu(k);
}

const Befehlsart* Befehlsart::Zu(int K) {
  static const std::array<const Befehlsart*, 61> nachKennung = [] {
    std::array<const Befehlsart*, 61> index{};
    for (const Befehlsart& a : tabelle) index[a.Kennung] = &a;
    return index;
  }();
  return K >= 0 && K <= 60 ? nachKennung[K] : nullptr;
}

namespace {

// The sentence of a command with these fields, piece by piece: the list's
// text is made of thousands of them, without a string for each.
template <class Stueck>
void Satzstuecke(int Kennung, std::string_view NeuG, std::string_view AltG1, std::string_view AltG2,
                 std::string_view AltG3, Stueck&& stueck) {
  if (const Befehlsart* art = Befehlsart::Zu(Kennung))
    art->Satzstuecke(NeuG, {{{}, AltG1, AltG2, AltG3}}, stueck);
  else
    stueck(std::string_view(" "));
}

}  // namespace

const std::vector<const Befehlsart*>& Befehlsart::MitKopf(std::string_view satz) {
  auto kopf = [](std::string_view satz) {
    const std::size_t p = satz.find(':');
    if (p != std::string_view::npos) return satz.substr(0, p + 1);
    return satz.ends_with(' ') ? satz.substr(0, satz.size() - 1) : satz;
  };
  // Every first fixed piece holds the colon of its sentence's head, or is the
  // whole sentence but the closing blank; the pieces live as long as the program.
  static const auto nachKopf = [&kopf] {
    std::unordered_map<std::string_view, std::vector<const Befehlsart*>> index;
    for (const Befehlsart& a : tabelle) index[kopf(a.vorn)].push_back(&a);
    return index;
  }();
  static const std::vector<const Befehlsart*> keine;
  const auto it = nachKopf.find(kopf(satz));
  return it == nachKopf.end() ? keine : it->second;
}

std::string Befehlsteil::BText(int Kennung, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                               const std::string& AltG3) {
  std::string satz;
  Satzstuecke(Kennung, NeuG, AltG1, AltG2, AltG3, [&satz](std::string_view stueck) { satz += stueck; });
  return satz;
}

void Befehlsteil::ErzeugeBefehlsSchluessel() {
  // Index 0 stays empty: it is no kind, and the empty text would occur in every line.
  for (int i = 1; i <= 60; ++i) {
    const Befehlsart* art = Befehlsart::Zu(i);
    BefehlsSchluessel[i] = art ? art->Schluessel : "nicht verwendet";
  }
}

void Befehlslistentext::Setze(std::size_t laenge, const std::function<void(std::string&)>& schreibe,
                              plattform::ListBox& box) {
  zeilen_.Schreibe(laenge, schreibe);
  ZeigeIn(box);
}

void Befehlslistentext::Haenge(const std::function<void(std::string&)>& schreibe, plattform::ListBox& box) {
  zeilen_.Haenge(schreibe);
  ZeigeIn(box);
}

void Befehlslistentext::ZeigeIn(plattform::ListBox& box) {
  // The box takes its rows from the text when it shows them: a long list is
  // not held a second time.
  box.SetzeZeilen(static_cast<plattform::Zeilennr>(zeilen_.Zeilen()),
                  [this](plattform::Zeilennr i) { return zeilen_.Zeile(static_cast<std::size_t>(i)); });
}

namespace {

// "<n>    " before each sentence.
std::string_view Nummer(char (&puffer)[24], std::size_t n) {
  puffer[0] = '<';
  char* ende = std::to_chars(puffer + 1, puffer + sizeof puffer, n).ptr;
  for (char c : {'>', ' ', ' ', ' ', ' '}) *ende++ = c;
  return std::string_view(puffer, static_cast<std::size_t>(ende - puffer));
}

// The n-th line of the list, for command c and ending in cr, piece by piece.
template <class Stueck>
void Zeilenstuecke(std::size_t n, const BefehlT& c, std::string_view cr, Stueck&& stueck) {
  char puffer[24];
  stueck(Nummer(puffer, n));
  Satzstuecke(c.Kennung, c.NeuG, c.AltG1, c.AltG2, c.AltG3, stueck);
  stueck(cr);
}

}  // namespace

void Befehlslistentext::Entferne(std::size_t zeile, plattform::ListBox& box) {
  zeilen_.EntferneZeile(zeile, [](std::size_t nr, std::string_view alt, char* ziel) {
    // The number before the sentence one less, the sentence as it was.
    char puffer[24];
    char alterPuffer[24];
    const std::string_view nummer = Nummer(puffer, nr + 1);
    const std::size_t satz = Nummer(alterPuffer, nr + 2).size();
    std::memcpy(ziel, nummer.data(), nummer.size());
    std::memmove(ziel + nummer.size(), alt.data() + satz, alt.size() - satz);
    return nummer.size() + alt.size() - satz;
  });
  ZeigeIn(box);
}

void Befehlsteil::ZeigeBefehlsliste() {
  // A run of the list changes no command: the text of the list as it
  // stands is shown as it is.
  if (ProtokollZeigtListe()) {
    protokoll_.ZeigeIn(ProtokollBox());
    return;
  }
  // Measured first, so that the text of a long list takes no more room than it needs.
  std::size_t laenge = 0;
  std::size_t n = 1;
  BefehlT* ende = nullptr;
  for (BefehlT* c = BListe; c; c = c->Zeiger, ++n) {
    Zeilenstuecke(n, *c, CR, [&laenge](std::string_view stueck) { laenge += stueck.size(); });
    ende = c;
  }
  protokoll_.Setze(
      laenge,
      [this](std::string& text) {
        std::size_t n = 1;
        for (const BefehlT* c = BListe; c; c = c->Zeiger, ++n)
          Zeilenstuecke(n, *c, CR, [&text](std::string_view stueck) { text += stueck; });
      },
      ProtokollBox());
  bEnde_ = ende;
  protokollEnde_ = ende;
  protokollStimmt_ = true;
}

void Befehlsteil::ZeigeLetztenBefehl() {
  // A command appended to the list that the text shows is one more line; the
  // numbers before it stay.
  const BefehlT* davor = protokollEnde_ ? protokollEnde_->Zeiger : BListe;
  if (protokollStimmt_ && bEnde_ && davor == bEnde_) {
    const std::size_t n = protokoll_.Zeilen() + 1;
    protokoll_.Haenge(
        [this, n](std::string& text) {
          Zeilenstuecke(n, *bEnde_, CR, [&text](std::string_view stueck) { text += stueck; });
        },
        ProtokollBox());
    protokollEnde_ = bEnde_;
  } else {
    ZeigeBefehlsliste();
  }
  auto& box = ProtokollBox();
  box.ZeigeZeile(box.ListCount() - 1);
}

void Befehlsteil::BefehllisteGeaendert() {
  bEnde_ = nullptr;
  protokollStimmt_ = false;
}
