// Choosing an input kind: which bar shows, its prompt, labels and lists.

#include "commands/Befehlsarten.h"
#include "ui/Hauptfenster.h"

namespace {

class Eingabearten : public HauptfensterTest {
 protected:
  void SetUp() override {
    HauptfensterTest::SetUp();
    Punkt("A", 1, 0, 0);
    Punkt("B", 0, 1, 0);
    Figur("g", TypGerade);
    Figur("E", TypEbene);
    Figur("D", TypDreieck);
    h().ErzeugeNamenListen();
  }
  static bool Sichtbar3(bool g1, bool g2, bool g3) {
    return Sichtbar("G1ListB") == g1 && Sichtbar("G2ListB") == g2 && Sichtbar("G3ListB") == g3;
  }
};

TEST_F(Eingabearten, PointTemplate) {
  h().SetzeKennungAuf(EingabeFesterPunkt);
  EXPECT_EQ(h().AktuelleKennung, 1);
  EXPECT_TRUE(Sichtbar("GnameF"));
  EXPECT_TRUE(HatFokus("GnameF"));
  EXPECT_EQ(Schild("aT"), "ist fester Punkt mit den Koordinaten  x =");
  EXPECT_EQ(Schild("bT"), ",  y =");
  EXPECT_EQ(Schild("cT"), ",  z =");
  for (const char* s : {"aT", "bT", "cT", "aF", "bF", "cF"}) EXPECT_TRUE(Sichtbar(s)) << s;
  EXPECT_FALSE(Sichtbar("dF"));
  EXPECT_FALSE(Sichtbar("dT"));
  EXPECT_TRUE(Sichtbar3(false, false, false));
  EXPECT_EQ(Schild("EingabeText"), "");

  h().SetzeKennungAuf(EingabeFesteEbene);
  EXPECT_EQ(Schild("aT"), "ist feste Ebene mit der Gleichung");
  EXPECT_EQ(Schild("bT"), "x  +");
  EXPECT_EQ(Schild("cT"), "y  +");
  EXPECT_EQ(Schild("dT"), "z  =");
  EXPECT_TRUE(Sichtbar("dF"));
  EXPECT_TRUE(Sichtbar("dT"));
}

TEST_F(Eingabearten, TypedNumbersSurviveAnotherKind) {
  h().SetzeKennungAuf(EingabeFesterPunkt);
  Feld("aF").SetzeText("1/3");
  Feld("bF").SetzeText("2");
  h().SetzeKennungAuf(KennungGeradePP);
  EXPECT_FALSE(Sichtbar("aF"));
  EXPECT_EQ(Schild("bT"), "");
  h().SetzeKennungAuf(EingabeFesterPunkt);
  EXPECT_EQ(Feld("aF").Text(), "1/3");
  EXPECT_EQ(Feld("bF").Text(), "2");
}

TEST_F(Eingabearten, PromptsAndListsOfTheOperandBar) {
  h().SetzeKennungAuf(KennungGeradePP);
  // An invisible U+FEFF stands before "als".
  EXPECT_EQ(Schild("EingabeText"), "wird definiert \xEF\xBB\xBF" "als Gerade durch");
  EXPECT_EQ(Schild("durch2T"), "und");
  EXPECT_TRUE(Sichtbar3(true, true, false));
  EXPECT_FALSE(Sichtbar("undT"));
  EXPECT_EQ(Zeilen("G1ListB"), (std::vector<std::string>{"O", "A", "B"}));
  EXPECT_FALSE(Sichtbar("aT"));

  h().SetzeKennungAuf(KennungEbenePN);
  EXPECT_EQ(Schild("EingabeText"), "wird definiert als Ebene durch");
  EXPECT_EQ(Schild("durch2T"), "mit Normalenrichtung");

  h().SetzeKennungAuf(KennungDreieck);
  EXPECT_EQ(Schild("EingabeText"), "wird definiert als Dreieck mit den Ecken ");
  EXPECT_TRUE(Sichtbar3(true, true, true));
  EXPECT_TRUE(Sichtbar("undT"));
  EXPECT_EQ(Schild("undT"), "und");

  h().SetzeKennungAuf(KennungSchnitt);
  EXPECT_EQ(Zeilen("G1ListB"), (std::vector<std::string>{"O", "A", "B", "E", "g"}));
  EXPECT_EQ(Zeilen("G2ListB"), (std::vector<std::string>{"O", "A", "B", "E", "g"}));
  EXPECT_TRUE(Sichtbar3(true, true, false));

  h().SetzeKennungAuf(KennungTetraeder);
  EXPECT_EQ(Zeilen("G1ListB"), std::vector<std::string>{"D"});
  EXPECT_EQ(Schild("durch2T"), "und Spitze");

  h().SetzeKennungAuf(KennungWinkel);
  EXPECT_EQ(Zeilen("G1ListB"), (std::vector<std::string>{"E", "g"}));
  EXPECT_TRUE(Sichtbar3(true, true, false));
  EXPECT_EQ(Schild("undT"), "");
}

TEST_F(Eingabearten, HiddenAndEmptiedLabels) {
  h().SetzeKennungAuf(KennungKlonen);
  EXPECT_FALSE(Sichtbar("durch2T"));
  EXPECT_TRUE(Sichtbar3(true, false, false));
  // "und" is back between the two lists of the next kind.
  h().SetzeKennungAuf(KennungGeradePP);
  EXPECT_TRUE(Sichtbar("durch2T"));
  EXPECT_EQ(Schild("durch2T"), "und");

  h().SetzeKennungAuf(KennungEbenePPP);
  h().SetzeKennungAuf(KennungZeige);
  EXPECT_EQ(Schild("EingabeText"), "Zeige");
  EXPECT_EQ(Schild("durch2T"), "");
  EXPECT_TRUE(Sichtbar("durch2T"));
  EXPECT_EQ(Schild("undT"), "");
  EXPECT_TRUE(Sichtbar3(true, false, false));
  EXPECT_FALSE(Sichtbar("GnameF"));

  h().SetzeKennungAuf(KennungKlonen);
  EXPECT_TRUE(Sichtbar("GnameF"));
  EXPECT_TRUE(HatFokus("GnameF"));
}

TEST_F(Eingabearten, CollectionHasNoOperandList) {
  Feld("LastInfoF").SetzeText("alt");
  h().AktuelleSammlung = ",A";
  h().SetzeKennungAuf(KennungEbenePPP);
  h().SetzeKennungAuf(KennungSammlung);
  EXPECT_EQ(Schild("EingabeText"), " ist eine Sammlung");
  EXPECT_TRUE(Sichtbar3(false, false, false));
  EXPECT_EQ(Schild("durch2T"), "");
  EXPECT_EQ(Schild("undT"), "");
  EXPECT_TRUE(HatFokus("GnameF"));
  EXPECT_EQ(h().AktuelleSammlung, "");
  EXPECT_EQ(Feld("LastInfoF").Text(), "");
}

TEST_F(Eingabearten, DrawingKindsLeaveTheBarAsItWas) {
  h().SetzeKennungAuf(KennungEbenePPP);
  h().SetzeKennungAuf(KennungZeichneAllePunkte);
  EXPECT_EQ(h().AktuelleKennung, KennungZeichneAllePunkte);
  EXPECT_EQ(Schild("EingabeText"), "wird definiert \xEF\xBB\xBF" "als Ebene durch");
  EXPECT_TRUE(Sichtbar3(true, true, true));
  EXPECT_EQ(Schild("durch2T"), "und");
  EXPECT_EQ(Schild("undT"), "und");
  // Now holding every name.
  EXPECT_EQ(Zeilen("G1ListB"), (std::vector<std::string>{"O", "A", "B", "D", "E", "g"}));
  EXPECT_FALSE(Sichtbar("GnameF"));
}

TEST_F(Eingabearten, RotationShowsTheAngleFieldInsteadOfTheSecondList) {
  h().SetzeKennungAuf(KennungDrehen);
  EXPECT_TRUE(Sichtbar("GradF"));
  EXPECT_TRUE(Sichtbar3(true, false, true));
  EXPECT_EQ(Schild("durch2T"), "mit Drehwinkel");
  EXPECT_EQ(Schild("undT"), "um");
  EXPECT_EQ(Zeilen("G3ListB"), std::vector<std::string>{"g"});
  Feld("GradF").SetzeText("90");
  h().SetzeKennungAuf(KennungSpiegelbild);
  EXPECT_FALSE(Sichtbar("GradF"));
  h().SetzeKennungAuf(KennungDrehen);
  EXPECT_EQ(Feld("GradF").Text(), "90");
}

TEST_F(Eingabearten, HintKeepsItsTextAndOpensTheField) {
  Feld("HinweisF").SetzeText("Merke");
  h().SetzeKennungAuf(KennungHinweis);
  EXPECT_EQ(Feld("HinweisF").Text(), "Merke");
  EXPECT_FALSE(Feld("HinweisF").ReadOnly());
  EXPECT_TRUE(HatFokus("HinweisF"));
  EXPECT_TRUE(h().AufHinweisWarten);
  EXPECT_FALSE(Sichtbar("GnameF"));
  EXPECT_TRUE(Sichtbar3(false, false, false));
  EXPECT_EQ(Schild("EingabeText"), "");

  h().SetzeKennungAuf(KennungZeige);
  EXPECT_EQ(Feld("HinweisF").Text(), "");
  EXPECT_TRUE(Feld("HinweisF").ReadOnly());
  EXPECT_FALSE(h().AufHinweisWarten);
}

TEST_F(Eingabearten, FigureListIsRefilled) {
  Punkt("C", 0, 0, 1);
  h().ErzeugeNamenListen();
  h().SetzeKennungAuf(KennungZeichne);
  EXPECT_EQ(Liste("FiguratLB").ListCount(), 7);
  EXPECT_EQ(Zeilen("G1ListB").size(), 7u);
}

}  // namespace
