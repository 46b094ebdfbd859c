// The output commands: one figure, all figures, a hint.

#include "support/Figurat.h"
#include "platform/Steuerelement.h"

namespace {

using plattform::EditFeld;

class Ausgabe : public FiguratTest {
 protected:
  static std::string Puffer() { return h().InfoFenster.Text(); }
  static std::string Feld() { return h().Element<EditFeld>("InfoF").Text(); }
  static std::string Letzte() { return h().Element<EditFeld>("LastInfoF").Text(); }
};

TEST_F(Ausgabe, ShowingAllFiguresRightAfterAStartGivesTheOrigin) {
  h().AlleFiguratZeigen();
  EXPECT_EQ(Puffer(), "\rO ist der Punkt mit dem Koordinatentripel (0 | 0 | 0)\r");
  EXPECT_EQ(Feld(), Puffer());
}

TEST_F(Ausgabe, AllFiguresInReverseListOrderOnTop) {
  Punkt("B", 2, 0, 0);
  Punkt("A", 1, 0, 0);
  h().InfoFenster.clear();
  h().AlleFiguratZeigen();
  const std::string o = "O ist der Punkt mit dem Koordinatentripel (0 | 0 | 0)";
  const std::string a = "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)";
  const std::string b = "B ist der Punkt mit dem Koordinatentripel (2 | 0 | 0)";
  EXPECT_EQ(Puffer(), "\r" + b + "\r\r" + a + "\r\r" + o + "\r");
  EXPECT_EQ(Letzte(), b);

  // Description mode off: only the last-description field changes.
  h().ProtokollAn = false;
  Punkt("C", 3, 0, 0);
  const std::string vorher = Puffer();
  h().AlleFiguratZeigen();
  EXPECT_EQ(Puffer(), vorher);
  EXPECT_EQ(Letzte(), "C ist der Punkt mit dem Koordinatentripel (3 | 0 | 0)");
}

TEST_F(Ausgabe, ShowingOneFigure) {
  Punkt("A", 1, 2, 3);
  h().InfoFenster.clear();
  h().ZeigeFigurat("A");
  EXPECT_EQ(Puffer(), "\rA ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)\r");

  h().ZeigeFigurat("fehlt");
  h().ZeigeFigurat("");
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Schwerer Fehler in Prozedur ZeigeFigurat",
                                                   "Schwerer Fehler in Prozedur ZeigeFigurat"}));

  // Mode off: a box only during a double-click on the figure list.
  h().ProtokollAn = false;
  h().ZeigeFigurat("A");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{});
  h().doppelklick = true;
  h().ZeigeFigurat("A");
  h().doppelklick = false;
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"A ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)"});
}

TEST_F(Ausgabe, AHintGoesOnTopInEitherMode) {
  h().HinweisAusgabe("eins");
  EXPECT_EQ(Puffer(), "\rHinweis: eins\r");
  EXPECT_EQ(Feld(), Puffer());
  h().ProtokollAn = false;
  h().HinweisAusgabe("zwei");
  EXPECT_EQ(Puffer(), "\rHinweis: zwei\r\rHinweis: eins\r");
  EXPECT_EQ(Feld(), "\rHinweis: eins\r");  // the field catches up at its next refresh in description mode
}

}  // namespace
