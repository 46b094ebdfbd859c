// The figure list and the command list: double-clicks, row drags and the
// buttons beside them.

#include "ui/GlFenster.h"
#include "ui/Hauptfenster.h"
#include "ui/KoordFenster.h"

namespace {

using plattform::EditFeld;

class Listen : public HauptfensterTest {
 protected:
  static void Doppelklick(const char* liste, const std::string& anfang, bool shift = false) {
    plattform::ListBox& l = Liste(liste);
    for (int i = 0; i < l.ListCount(); ++i)
      if (l.Zeile(i).rfind(anfang, 0) == 0) {
        static_cast<plattform::headless::HeadlessPlattform&>(plattform::plattform()).SetzeShift(shift);
        l.BenutzerDoppelklick(i);
        static_cast<plattform::headless::HeadlessPlattform&>(plattform::plattform()).SetzeShift(false);
        return;
      }
    ADD_FAILURE() << liste << " hat keine Zeile " << anfang;
  }
  // Five commands, each a point named after its place.
  void Fuenf() {
    for (const char* n : {"P1", "P2", "P3", "P4", "P5"}) Zahlpunkt(n, "0", "0", n + 1);
  }
};

TEST_F(Listen, DoubleClickShowsTheFigure) {
  Zahlpunkt("P", "1", "2", "3");
  h().BevelButton1_Action();
  Doppelklick("FiguratLB", "P ");
  const std::string text = "P ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)";
  EXPECT_EQ(Feld("LastInfoF").Text(), text);
  EXPECT_EQ(Feld("InfoF").Text().rfind("\r" + text, 0), 0u);
  EXPECT_FALSE(h().doppelklick);

  // Without the description mode the text comes in a box instead.
  Menue("AusgabeProtokoll");
  const std::string vorher = h().InfoFenster;
  Feld("LastInfoF").SetzeText("");
  Doppelklick("FiguratLB", "P ");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{text});
  EXPECT_EQ(Feld("LastInfoF").Text(), text);
  EXPECT_EQ(h().InfoFenster, vorher);
}

TEST_F(Listen, ALongNameReadsBackFromItsRow) {
  Zahlpunkt("Schnittpunkt_AB", "1", "2", "3");
  Doppelklick("FiguratLB", "Schnittpunkt_AB ");
  EXPECT_EQ(Feld("LastInfoF").Text(), "Schnittpunkt_AB ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)");
  Doppelklick("FiguratLB", "Schnittpunkt_AB ", true);
  EXPECT_TRUE(KoordFenster::Instanz().Warten);
}

TEST_F(Listen, ShiftDoubleClickOpensTheCoordinateDialog) {
  Zahlpunkt("P", "1/3", "2", "0");
  Doppelklick("FiguratLB", "P ", true);
  KoordFenster& k = KoordFenster::Instanz();
  EXPECT_TRUE(k.Visible());
  EXPECT_TRUE(k.Warten);
  EXPECT_EQ(k.AktuellerBefehl, h().BListe);
  EXPECT_EQ(k.Element<plattform::StatischerText>("KoordText").Text(), "Koordinaten des Punktes P");
  // All the digits, not the chosen decimals.
  EXPECT_EQ(k.Element<EditFeld>("xF").Text(), "0.3333333333333333");
  EXPECT_EQ(k.Element<EditFeld>("yF").Text(), "2");
  EXPECT_EQ(k.Element<EditFeld>("zF").Text(), "0");
  // Opening changes nothing in the command.
  EXPECT_EQ(h().BListe->Kennung, KennungPunkt);
  EXPECT_EQ(Saetze().front(), "P ist der Punkt mit dem Koordinatentripel: (0.333333|2|0) ");
}

TEST_F(Listen, ShiftDoubleClickOnAPlaneShowsItsStoredNormal) {
  Zahlebene("E", "2", "4", "6", "8");
  Doppelklick("FiguratLB", "E ", true);
  GlFenster& g = GlFenster::Instanz();
  EXPECT_TRUE(g.Warten);
  EXPECT_EQ(g.Element<plattform::StatischerText>("GlText").Text(), "Koordinatengleichung der Ebene E");
  // The normal as it was simplified when the plane was made, and d to match.
  EXPECT_EQ(g.Element<EditFeld>("xF").Text(), "1");
  EXPECT_EQ(g.Element<EditFeld>("yF").Text(), "2");
  EXPECT_EQ(g.Element<EditFeld>("zF").Text(), "3");
  EXPECT_EQ(g.Element<EditFeld>("dF").Text(), "4");
}

TEST_F(Listen, ShiftDoubleClickWithoutADefiningCommandDoesNothing) {
  Zahlpunkt("A", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  Tue("GGeradePP", "g", "A", "B");
  const std::string info = h().InfoFenster;
  Doppelklick("FiguratLB", "O ", true);
  Doppelklick("FiguratLB", "g ", true);
  EXPECT_FALSE(KoordFenster::Instanz().Warten);
  EXPECT_FALSE(GlFenster::Instanz().Warten);
  EXPECT_FALSE(KoordFenster::Instanz().Visible());
  EXPECT_EQ(h().InfoFenster, info);
}

TEST_F(Listen, DoubleClickOnACommandMovesTheLastOneBehindIt) {
  Fuenf();
  h().AktuelleKennung = KennungSchnitt;
  Doppelklick("ProtokollBox", "<2>");
  std::vector<std::string> namen;
  for (BefehlT* b : Befehle()) namen.push_back(b->NeuG);
  EXPECT_EQ(namen, (std::vector<std::string>{"P1", "P2", "P5", "P3", "P4"}));
  EXPECT_EQ(Zeilen("ProtokollBox")[2].rfind("<3>    P5 ist", 0), 0u);
  // Executed again: the input kind is none.
  EXPECT_EQ(h().AktuelleKennung, 0);
}

TEST_F(Listen, DoubleClickNearTheEndOnlyExecutesAgain) {
  Fuenf();
  for (const char* zeile : {"<4>", "<5>"}) {
    h().AktuelleKennung = KennungSchnitt;
    Doppelklick("ProtokollBox", zeile);
    EXPECT_EQ(Befehle().back()->NeuG, "P5");
    EXPECT_EQ(h().AktuelleKennung, 0) << zeile;
  }
}

TEST_F(Listen, DoubleClickOnAFifteenCommandList) {
  for (int i = 1; i <= 15; ++i) Zahlpunkt("P" + std::to_string(i), "0", "0", std::to_string(i));
  Doppelklick("ProtokollBox", "<12>");
  EXPECT_EQ(Befehle()[12]->NeuG, "P15");
  EXPECT_EQ(Befehle()[14]->NeuG, "P14");
}

TEST_F(Listen, TheCommandListFollowsNewRestoredAndMovedCommands) {
  plattform::ListBox& box = Liste("ProtokollBox");
  auto imBlick = [&box](plattform::Zeilennr zeile) {
    return zeile >= box.ObersteZeile() && zeile < box.ObersteZeile() + box.ZeilenImBlick();
  };
  ASSERT_LT(box.ZeilenImBlick(), 20);
  for (int i = 1; i <= 20; ++i) Zahlpunkt("P" + std::to_string(i), "0", "0", std::to_string(i));
  EXPECT_TRUE(imBlick(19));
  Zahlebene("E", "1", "0", "0", "2");
  EXPECT_TRUE(imBlick(20));
  Tue("GGeradePP", "g", "P1", "P2");
  EXPECT_TRUE(imBlick(21));
  EXPECT_GT(box.ObersteZeile(), 0);

  // Where the user scrolled to stays, while nothing new comes.
  box.BenutzerRollt(0);
  Tue("GGeradePP", "h", "P1", "P1");
  EXPECT_EQ(Befehle().size(), 22u);
  EXPECT_EQ(box.ObersteZeile(), 0);
  Klicke("KillLastOrder3");
  EXPECT_EQ(box.ObersteZeile(), 0);
  Menue("UndoItem");
  EXPECT_TRUE(imBlick(21));

  Doppelklick("ProtokollBox", "<2>");
  EXPECT_EQ(Befehle()[2]->NeuG, "g");
  EXPECT_TRUE(imBlick(2));
}

TEST_F(Listen, RowsAreDraggedAsTheirText) {
  Zahlpunkt("P", "1", "2", "3");
  EXPECT_EQ(Liste("FiguratLB").BenutzerZiehtZeile(1), Zeilen("FiguratLB")[1]);
  EXPECT_EQ(Liste("ProtokollBox").BenutzerZiehtZeile(0), Zeilen("ProtokollBox")[0]);
  EXPECT_EQ(Liste("ProtokollBox").ListIndex(), -1);
}

TEST_F(Listen, DeletingTheLastCommandLeavesItsFigure) {
  Klicke("KillLastOrder3");
  EXPECT_TRUE(Befehle().empty());
  Fuenf();
  Klicke("KillLastOrder3");
  EXPECT_EQ(Befehle().size(), 4u);
  EXPECT_EQ(Feld("LastInfoF").Text(), "");
  EXPECT_EQ(Figurennamen().back(), "P5");
}

TEST_F(Listen, ClearingTheDescriptionsAlsoWithTheModeOff) {
  Zahlpunkt("P", "1", "2", "3");
  Menue("AusgabeProtokoll");
  Feld("LastInfoF").SetzeText("zuletzt");
  Klicke("BevelButton1");
  EXPECT_EQ(Feld("InfoF").Text(), "");
  EXPECT_EQ(h().InfoFenster, "");
  EXPECT_EQ(Feld("LastInfoF").Text(), "zuletzt");
}

TEST_F(Listen, ChoosingASecondOperandHidesTheAngleField) {
  Zahlpunkt("P", "1", "2", "3");
  Menue("GErzeugeDrehen");
  EXPECT_TRUE(Sichtbar("GradF"));
  Liste("G2ListB").SetzeInhalt(h().NListe);
  EXPECT_TRUE(Sichtbar("GradF"));
  Liste("G2ListB").BenutzerWaehlt(0);
  EXPECT_FALSE(Sichtbar("GradF"));
}

}  // namespace
