// Actions on collections, and executing the command list again.

#include "Befehlstest.h"
#include "graphics/GrafikFenster.h"
#include "platform/headless/HeadlessPlattform.h"

namespace {

using plattform::EditFeld;
using plattform::ListBox;
using V = std::vector<std::string>;

class Wiederholung : public BefehlTest {
 protected:
  // The z-axis g and a parallel k through (1, 0, 0), the plane E: z = 1, and S collecting g and k.
  void Achsen() {
    Zahlpunkt("A", "0", "0", "0");
    Zahlpunkt("B", "1", "0", "0");
    Zahlpunkt("D", "0", "0", "1");
    Zahlpunkt("P", "1", "0", "2");
    Tue(KennungGeradePP, "g", "A", "D");
    Tue(KennungGeradePP, "k", "B", "P");
    Zahlebene("E", "0", "0", "1", "1");
    Sammlung("S", {"g", "k"});
  }
  static int Anzahl() { return static_cast<int>(Befehle().size()); }
};

TEST_F(Wiederholung, AnActionOnACollectionMemberByMember) {
  Achsen();
  Tue(KennungSchnitt, "Y", "S", "E");
  const auto f = Figuren();
  EXPECT_EQ(f.at("Y"), "-5 Y|g,Y|k");
  EXPECT_EQ(f.at("Y|g"), "1 (0|0|1)");
  EXPECT_EQ(f.at("Y|k"), "1 (1|0|1)");
  EXPECT_EQ(Anzahl(), 9);
  EXPECT_EQ(Satz(*Befehle().back()), "Y wird definiert als Schnitt der Figurat: S und: E ");

  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren(), f);
}

TEST_F(Wiederholung, ARotatedCollectionKeepsItsStoredAngle) {
  Achsen();
  Tue(KennungDrehen, "R", "S", "90", "g");
  EXPECT_EQ(Befehle().back()->AltG2, "90");
  const auto f = Figuren();
  EXPECT_EQ(f.at("R"), "-5 R|g,R|k");
  Feld("GradF").SetzeText("45");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren(), f);
  Feld("GradF").SetzeText("");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren(), f);
}

TEST_F(Wiederholung, AMemberThatFailsItsGuardIsStillListed) {
  Achsen();
  Tue(KennungDreieck, "T", "A", "B", "D");
  Sammlung("U", {"g", "T"});
  Tue(KennungOrthogonale, "Q", "U", "P");
  EXPECT_EQ(Figuren().at("Q"), "-5 Q|g,Q|T");
  EXPECT_EQ(Figuren().count("Q|T"), 0u);
  EXPECT_EQ(Figuren().count("Q|g"), 1u);
  EXPECT_EQ(Meldungen(), V{});
}

TEST_F(Wiederholung, CloneShowAndOtherKindsOnACollection) {
  Achsen();
  Tue(KennungKlonen, "S2", "S");
  EXPECT_EQ(Figuren().at("S2"), "-5 g,k");
  Tue(KennungZeige, "", "S");
  EXPECT_EQ(Letzte(), "S ist die Sammlung der Figurat g,k");
  EXPECT_EQ(Befehle().back()->NeuG, "");
  Tue(KennungZeichne, "", "S");  // nothing drawn, and recorded all the same
  EXPECT_EQ(Satz(*Befehle().back()), "Zeichne: S ");
  EXPECT_EQ(Figuren().at("S"), "-5 g,k");
  EXPECT_EQ(Anzahl(), 11);

  // The collection and the hint take nothing from a first list that still shows a collection.
  Waehle("G1ListB", "S");
  h().AktuelleKennung = KennungSammlung;
  h().AktuelleSammlung = ",A";
  Feld("GnameF").SetzeText("Z");
  h().TuEs();
  EXPECT_EQ(Figuren().at("Z"), "-5 A");
  Waehle("G1ListB", "S");
  Hinweis("H");
  EXPECT_EQ(Satz(*Befehle().back()), "Hinweis: H ");

  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren().at("S2"), "-5 g,k");
  EXPECT_EQ(Letzte(), "H");

  // No kind chosen, as after a re-execution, while the hidden first list still shows a collection: nothing.
  Waehle("G1ListB", "S");
  Feld("GnameF").SetzeText("Z2");
  h().TuEs();
  EXPECT_EQ(Anzahl(), 13);
  EXPECT_EQ(Figuren().count("Z2"), 0u);
}

TEST_F(Wiederholung, TheNameTestOfTheOperandBar) {
  Achsen();
  for (const std::string name : {"g", ""}) {
    Tue(KennungSchnitt, name, "S", "E");
    EXPECT_EQ(Meldungen(), V{"Der Figuratname " + name + " ist nicht erlaubt oder bereits für ein anderes Figurat vergeben"});
  }
  EXPECT_EQ(Anzahl(), 8);
  Tue(KennungSchnitt, " Y, 1", "S", "E");
  EXPECT_EQ(Figuren().count("Y1|g"), 1u);
}

TEST_F(Wiederholung, AnEmptyList) {
  Feld("InfoF").SetzeText("alt");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figurennamen(), V{"O"});
  EXPECT_EQ(Info(), "");
  EXPECT_EQ(Feld("InfoF").Text(), "\rO ist der Punkt mit dem Koordinatentripel (0 | 0 | 0)\r");
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").ListCount(), 0);
  EXPECT_EQ(h().AktuellerBZeiger, nullptr);
}

TEST_F(Wiederholung, CommandsWithoutTheirOperandsArePassedOver) {
  Achsen();
  Tue(KennungSchnitt, "X", "g", "k");  // parallel: the empty figure
  EXPECT_EQ(Figuren().at("X"), "-1");
  Tue(KennungGeradePP, "h", "X", "A");
  Befehl(KennungGeradePP, "h", "X", "A");
  Befehl(KennungEbenePPP, "F", "A", "B", "fehlt");
  Befehl(KennungLoesche, "", "O");
  Befehl(KennungLoesche, "", "S");
  Befehl(KennungVerbinde, "", "A", "");
  Befehl(KennungZeichne, "", "");
  h().AnweisungslisteAusfuehren();
  const auto f = Figuren();
  EXPECT_EQ(f.count("h"), 0u);
  EXPECT_EQ(f.count("F"), 0u);
  EXPECT_EQ(f.count("S"), 0u) << "a collection is deleted like any figure";
  EXPECT_EQ(f.at("O"), "1 (0|0|0)");
  EXPECT_EQ(f.at("A"), "1 (0|0|0)");
  EXPECT_EQ(Meldungen(), V{});
}

TEST_F(Wiederholung, SpecialResultsAreRebuiltAsTheyWereBuilt) {
  Achsen();
  Tue(KennungGeradePR, "r", "B", "g");
  Tue(KennungOrthogonale, "W", "A", "B");
  Tue(KennungVerschieben, "V", "A", "B");
  Sammlung("SS", {"S"});
  const auto f = Figuren();
  EXPECT_EQ(f.at("W"), "4");
  EXPECT_EQ(f.at("SS"), "-5 S");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren(), f);
  Meldungen();
}

// A corner that names no point any more gives only what the command list
// makes of it, never what its record held before: the list draws and
// describes the same on every run.
TEST_F(Wiederholung, ACornerThatNamesNoPointLooksTheSameOnEveryRun) {
  Zahlpunkt("A", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  Zahlpunkt("C", "0", "0", "1");
  Tue(KennungDreieck, "T", "A", "B", "C");
  Sammlung("Z", {"A", "C"});
  Befehl(KennungKlonen, "B", "Z");  // B becomes a collection
  Tue(KennungZeichne, "", "T");
  Tue(KennungBeschreibe, "", "T");
  auto bild = [] {
    std::vector<std::array<int, 5>> linien;
    auto& leinwand = GrafikFenster::Instanz().Element<plattform::Canvas>("GraphCanvas");
    for (const auto& p : plattform::headless::Aufzeichnung(leinwand).SeitLoeschen())
      linien.push_back({static_cast<int>(p.art), p.a, p.b, p.c, p.d});
    return linien;
  };
  h().AnweisungslisteAusfuehren();
  const auto vorher = bild();
  const std::string info = Info();
  EXPECT_EQ(Figuren().at("B"), "-5 A,C");
  // What other work leaves in the records of the pool.
  h().AlleFiguratLoeschen();
  for (FiguratT* g = h().GLager; g; g = g->Zeiger) {
    if (g->v1) g->v1->Vektor(9, 8, 7);
    g->Ecken = {"", "A", "C", "A", "C"};
  }
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(bild(), vorher);
  EXPECT_EQ(Info(), info);
  Meldungen();
}

TEST_F(Wiederholung, AHintIsWrittenWhenTheListRuns) {
  Hinweis("Aufgabe 1");
  Zahlpunkt("A", "1", "1", "1");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Info(), "\rA ist der Punkt mit dem Koordinatentripel (1 | 1 | 1)\r\rHinweis: Aufgabe 1\r");
  EXPECT_EQ(Letzte(), "A ist der Punkt mit dem Koordinatentripel (1 | 1 | 1)");
  Hinweis("Aufgabe 2");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Letzte(), "Aufgabe 2");

  // Description mode off: no one-liners, the hints all the same; the field keeps what it showed.
  const std::string feld = Feld("InfoF").Text();
  h().ProtokollAn = false;
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Info(), "\rHinweis: Aufgabe 2\r\rHinweis: Aufgabe 1\r");
  EXPECT_EQ(Feld("InfoF").Text(), feld);
}

TEST_F(Wiederholung, APointWhoseCoordinateTextNamesACollection) {
  Zahlpunkt("A", "1", "0", "0");
  Befehl(KennungSammlung, "(1|2|3)", "A");
  BefehlT& p = Befehl(KennungPunkt, "P", "(1|2|3)");
  p.Vektor->Vektor(1, 2, 3);
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren().at("P"), "1 (1|2|3)");
}

}  // namespace
