// The kind table over both roads: every kind typed as the user types it, and
// its command replayed, give the same figures, texts and picture.

#include <functional>
#include <set>

#include "Befehlstest.h"
#include "graphics/GrafikFenster.h"
#include "platform/headless/HeadlessPlattform.h"

namespace {


class Befehlsarten : public BefehlTest {
 protected:
  // What the user sees: every figure, the command list, the picture redrawn,
  // the descriptions and the last one-line description. (The figure list is
  // left out: a replay enters the origin behind an anonymous head.)
  struct Stand {
    std::map<std::string, std::string> figuren;
    std::string protokoll;
    std::vector<std::string> bild;
    std::string info, letzte;
  };
  static std::vector<std::string> Bild() {
    std::vector<std::string> bild;
    auto& leinwand = GrafikFenster::Instanz().Element<plattform::Canvas>("GraphCanvas");
    for (const auto& p : plattform::headless::Aufzeichnung(leinwand).SeitLoeschen())
      bild.push_back(std::to_string(static_cast<int>(p.art)) + " " + std::to_string(p.farbe.rot) + " " +
                     std::to_string(p.a) + " " + std::to_string(p.b) + " " + std::to_string(p.c) + " " +
                     std::to_string(p.d) + " " + p.text);
    return bild;
  }
  static Stand Jetzt() {
    return {Figuren(), h().Protokoll, Bild(), Info(), Letzte()};
  }
  // A figure row dropped on the delete field.
  static void Loeschfeld(const std::string& name) {
    Feld("LoeschF").SetzeText(name);
    h().LoeschF_MouseExit();
  }
  static void Menue(const char* punkt) { plattform::plattform().BenutzerWaehltMenue(punkt); }
};

TEST_F(Befehlsarten, TypingAKindAndReplayingItsCommandGiveTheSame) {
  struct Fall {
    int kennung;
    bool sammlung;  // its first operand a collection
    std::function<void()> tippen;
    // The hint is only recorded when typed, and the run writes it into the
    // descriptions; a point or plane typed in numbers leaves the last one-line
    // description empty.
    bool info = true;
    bool letzte = true;
  };
  const Fall faelle[] = {
      {KennungPunkt, false, [] { Zahlpunkt("D", "1", "1", "1"); }, true, false},
      {KennungEbene, false, [] { Zahlebene("F", "1", "-2", "0,5", "4"); }, true, false},
      {KennungGeradePP, false, [] { Tue(KennungGeradePP, "k", "C", "D"); }},
      {KennungGeradePR, false, [] { Tue(KennungGeradePR, "r", "D", "g"); }},
      {KennungEbenePPP, false, [] { Tue(KennungEbenePPP, "E2", "A", "B", "D"); }},
      {KennungEbenePN, false, [] { Tue(KennungEbenePN, "N", "D", "A"); }},
      {KennungEbenePRR, false, [] { Tue(KennungEbenePRR, "W", "D", "A", "g"); }},
      {KennungSchnitt, false, [] { Tue(KennungSchnitt, "X", "g", "F"); }},
      {KennungLotfusspunkt, false, [] { Tue(KennungLotfusspunkt, "L", "D", "E"); }},
      {KennungSpiegelbild, false, [] { Tue(KennungSpiegelbild, "M", "k", "E"); }},
      {KennungOrthogonale, false, [] { Tue(KennungOrthogonale, "Q", "g", "D"); }},
      {KennungVerschieben, false, [] { Tue(KennungVerschieben, "V", "g", "D"); }},
      {KennungDrehen, false, [] { Tue(KennungDrehen, "R", "D", "22,5", "g"); }},
      {KennungDreieck, false, [] { Tue(KennungDreieck, "T", "A", "B", "C"); }},
      {KennungTetraeder, false, [] { Tue(KennungTetraeder, "Te", "T", "D"); }},
      {KennungMittelsenkrechte, false, [] { Tue(KennungMittelsenkrechte, "Mi", "A", "D"); }},
      {KennungHuelle, false, [] { Tue(KennungHuelle, "H", "A", "g", "D"); }},
      {KennungKlonen, false, [] { Tue(KennungKlonen, "K", "g"); }},
      {KennungSammlung, false, [] { Sammlung("S", {"g", "k"}); }},
      {KennungSchnitt, true, [] { Tue(KennungSchnitt, "XS", "S", "E"); }},
      {KennungLotfusspunkt, true, [] { Tue(KennungLotfusspunkt, "LS", "S", "E"); }},
      {KennungSpiegelbild, true, [] { Tue(KennungSpiegelbild, "MS", "S", "E"); }},
      {KennungOrthogonale, true, [] { Tue(KennungOrthogonale, "QS", "S", "D"); }},
      {KennungVerschieben, true, [] { Tue(KennungVerschieben, "VS", "S", "D"); }},
      {KennungDrehen, true, [] { Tue(KennungDrehen, "RS", "S", "90", "g"); }},
      {KennungKlonen, true, [] { Tue(KennungKlonen, "KS", "S"); }},
      {KennungZeige, true, [] { Tue(KennungZeige, "", "S"); }},
      {KennungZeichne, true, [] { Tue(KennungZeichne, "", "S"); }},  // nothing, and recorded
      {KennungLoesche, true, [] { Loeschfeld("KS"); }},
      {KennungLoesche, false, [] { Loeschfeld("Q"); }},
      {KennungZeige, false, [] { Tue(KennungZeige, "", "T"); }},
      {KennungWinkel, false, [] { Tue(KennungWinkel, "", "g", "E"); }},
      {KennungAbstand, false, [] { Tue(KennungAbstand, "", "D", "F"); }},
      {KennungBeschreibe, false, [] { Tue(KennungBeschreibe, "", "Te"); }},
      {KennungHinweis, false, [] { Hinweis("Eine Aufgabe\rin zwei Zeilen"); }, false, false},
      {KennungZeichne, false, [] { Tue(KennungZeichne, "", "T"); }},
      {KennungVerbinde, false, [] { h().Verbinde("A", "B"); }},
      {KennungVerbinde, false, [] { h().Verbinde("B", "D"); }},
      {KennungTrenne, false, [] { h().Trenne("A", "B"); }},
      {KennungZeichneAllePunkte, false, [] { Menue("AllePunkteZeichnen"); }},
      {KennungRadiere, false, [] { Tue(KennungRadiere, "", "D"); }},
      {KennungRadiereAllePunkte, false, [] { Menue("AllePunkteRadieren"); }},
      {KennungRadiereAlleStrecken, false, [] { Menue("AlleStreckenRadieren"); }},
      {KennungZeichneAllePunkte, false, [] { Menue("AllePunkteZeichnen"); }},
      {KennungRadiereAlleFigurat, false, [] { Menue("AlleFiguratRadieren"); }},
      {KennungRadiereAlles, false, [] { Menue("AllesRadieren"); }},
      {KennungZeichneAlles, false, [] { Menue("AllesZeichnen"); }},
  };

  Zahlpunkt("A", "1", "0", "0");
  Zahlpunkt("B", "0", "2", "0");
  Zahlpunkt("C", "0", "0", "3");
  Tue(KennungGeradePP, "g", "A", "B");
  Tue(KennungEbenePPP, "E", "A", "B", "C");
  std::set<int> einzeln;
  std::set<int> aufSammlung;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(HauptF::BText(f.kennung, "NeuG", "AltG1", "AltG2", "AltG3") + (f.sammlung ? "on a collection" : ""));
    const std::size_t vorher = Befehle().size();
    f.tippen();
    ASSERT_EQ(Befehle().size(), vorher + 1) << "recorded once";
    EXPECT_EQ(Befehle().back()->Kennung, f.kennung);
    GrafikFenster::Instanz().TotalAktualisieren();
    const Stand getippt = Jetzt();
    h().AnweisungslisteAusfuehren();
    const Stand wiederholt = Jetzt();
    EXPECT_EQ(wiederholt.figuren, getippt.figuren);
    EXPECT_EQ(wiederholt.protokoll, getippt.protokoll);
    EXPECT_EQ(wiederholt.bild, getippt.bild);
    if (f.info) {
      EXPECT_EQ(wiederholt.info, getippt.info);
    }
    if (f.letzte) {
      EXPECT_EQ(wiederholt.letzte, getippt.letzte);
    }
    // The picture cannot show the collections, the whole space and the empty figures it was asked to draw.
    Meldungen();
    (f.sammlung ? aufSammlung : einzeln).insert(f.kennung);
  }
  // Every kind, and every kind that acts on a collection also on one.
  for (const Befehlsart& art : Befehlsart::Alle()) {
    EXPECT_EQ(einzeln.count(art.Kennung), 1u) << art.Name;
    if (art.AufSammlung != Sammlungsfall::Keiner && art.AufSammlung != Sammlungsfall::Nichts) {
      EXPECT_EQ(aufSammlung.count(art.Kennung), 1u) << art.Name << " on a collection";
    }
  }
}

}  // namespace
