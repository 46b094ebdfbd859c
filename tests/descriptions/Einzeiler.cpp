// One-line descriptions and the description buffer.

#include <QPlainTextEdit>
#include <QWidget>

#include "support/Figurat.h"

namespace {

using plattform::EditFeld;

class Einzeiler : public FiguratTest {
 protected:
  explicit Einzeiler(Backend b = Backend::Headless) : FiguratTest(b) {}
  static std::string Letzte() { return h().Element<EditFeld>("LastInfoF").Text(); }
  static std::string Feld() { return h().Element<EditFeld>("InfoF").Text(); }
  static FiguratT& Mit(const std::string& name, int typ, std::array<double, 3> v1, std::array<double, 3> v2) {
    FiguratT& g = Neu(name, typ);
    g.v1->Vektor(v1[0], v1[1], v1[2]);
    g.v2->Vektor(v2[0], v2[1], v2[2]);
    return g;
  }
};

TEST_F(Einzeiler, TextOfEveryType) {
  struct Fall { std::function<FiguratT&()> figur; std::string text; };
  const Fall faelle[] = {
      {[] () -> FiguratT& { return Mit("P", TypPunkt, {1, -2.5, 1e-8}, {9, 9, 9}); },
       "P ist der Punkt mit dem Koordinatentripel (1 | -2.5 | 0)"},
      {[] () -> FiguratT& { return Mit("g", TypGerade, {0, 1.0 / 3, 2}, {1, -1, 0}); },
       "g ist die Gerade durch den Punkt mit den Koordinaten (0 | 0.333333 | 2) und dem Richtungsvektor (1 | -1 | 0)"},
      {[] () -> FiguratT& { return Mit("E", TypEbene, {1, 2, 3}, {2, -1, 0}); },
       "E ist die Ebene durch den Punkt mit den Koordinaten (1 | 2 | 3) und mit dem Normalenvektor (2 | -1 | 0)\r"
       "E hat die Gleichung 2x + -1y + 0z = 0"},
      // The right side is written unrounded, tiny or not.
      {[] () -> FiguratT& { return Mit("F", TypEbene, {1.0 / 3, 0, 0}, {1, 0, 1e-8}); },
       "F ist die Ebene durch den Punkt mit den Koordinaten (0.333333 | 0 | 0) und mit dem Normalenvektor (1 | 0 | 0)\r"
       "F hat die Gleichung 1x + 0y + 0z = 0.3333333333333333"},
      {[] () -> FiguratT& { return Mit("H", TypEbene, {1e-8, 0, 0}, {1, 0, 0}); },
       "H ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 0) und mit dem Normalenvektor (1 | 0 | 0)\r"
       "H hat die Gleichung 1x + 0y + 0z = 0.00000001"},
      {[] () -> FiguratT& {
         FiguratT& d = Neu("D", TypDreieck);
         d.Ecken = {"", "A", "B", "C", ""};
         return d;
       },
       "D ist das Dreieck mit den Ecken A, B und C"},
      {[] () -> FiguratT& {
         FiguratT& t = Neu("T", TypTetraeder);
         t.Ecken = {"", "A", "B", "C", "S"};
         return t;
       },
       "T ist das Tetraeder mit den Ecken A, B, C und S"},
      {[] () -> FiguratT& {
         FiguratT& s = Neu("M", TypSammlung);
         s.Ecken[1] = "A,g,E";
         return s;
       },
       "M ist die Sammlung der Figurat A,g,E"},
      {[] () -> FiguratT& {
         FiguratT& s = Neu("s", TypStrecke);
         s.Ecken = {"", "A", "B", "", ""};
         return s;
       },
       "s ist die Strecke mit den Endpunkten A und B"},
      {[] () -> FiguratT& { return Neu("L", TypLeer); }, "L ist das leere Figurat"},
      {[] () -> FiguratT& { return Neu("R", TypRaum); }, "R ist der Raum"},
  };
  for (const Fall& f : faelle) {
    FiguratT& g = f.figur();
    g.Einlisten();
    EXPECT_EQ(Letzte(), f.text);
    EXPECT_EQ(h().InfoFenster.Text().substr(0, f.text.size() + 2), "\r" + f.text + "\r");
  }
}

TEST_F(Einzeiler, NumbersFollowTheDecimalsOfTheMoment) {
  h().Dezimalen = 2;
  Mit("P", TypPunkt, {1.0 / 3, 2.0 / 3, -1.005}, {0, 0, 0}).Einlisten();
  EXPECT_EQ(Letzte(), "P ist der Punkt mit dem Koordinatentripel (0.33 | 0.67 | -1)");
  h().Dezimalen = 6;
  EXPECT_EQ(Letzte(), "P ist der Punkt mit dem Koordinatentripel (0.33 | 0.67 | -1)");
}

TEST_F(Einzeiler, NoTextForARecordWithoutAFigure) {
  Punkt("A", 1, 1, 1);
  const std::string puffer = h().InfoFenster.Text();
  Neu("N", TypKein).Einlisten();
  Neu("X", 9).Einlisten();
  EXPECT_EQ(Letzte(), "A ist der Punkt mit dem Koordinatentripel (1 | 1 | 1)");
  EXPECT_EQ(h().InfoFenster.Text(), puffer);
  EXPECT_EQ(h().Zahlausgabe(*h().GListe), "");
}

TEST_F(Einzeiler, DescriptionModeOnFillsTheBufferNewestFirst) {
  Punkt("A", 1, 0, 0);
  Punkt("B", 2, 0, 0);
  const std::string a = "A ist der Punkt mit dem Koordinatentripel (1 | 0 | 0)";
  const std::string b = "B ist der Punkt mit dem Koordinatentripel (2 | 0 | 0)";
  EXPECT_EQ(h().InfoFenster.Text(), "\r" + b + "\r\r" + a + "\r");
  EXPECT_EQ(Feld(), h().InfoFenster.Text());
  EXPECT_EQ(Letzte(), b);

  // Even during a double-click no box appears.
  h().doppelklick = true;
  Punkt("C", 3, 0, 0);
  h().doppelklick = false;
  EXPECT_EQ(Feld().substr(0, 5), "\rC is");
}

TEST_F(Einzeiler, DescriptionModeOffShowsOnlyTheLastText) {
  Punkt("A", 1, 0, 0);
  const std::string puffer = h().InfoFenster.Text();
  h().ProtokollAn = false;
  Punkt("B", 2, 0, 0);
  Figur("g", TypGerade);
  EXPECT_EQ(Letzte(), "g ist die Gerade durch den Punkt mit den Koordinaten (0 | 0 | 0) und dem Richtungsvektor (1 | 0 | 0)");
  EXPECT_EQ(h().InfoFenster.Text(), puffer);
  EXPECT_EQ(Feld(), puffer);

  // A double-click on the figure list shows the text in a box too; a
  // plane's two lines stay two lines there.
  h().doppelklick = true;
  Mit("E", TypEbene, {0, 0, 1}, {0, 0, 1}).Einlisten();
  h().doppelklick = false;
  const std::string ebene =
      "E ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 1) und mit dem Normalenvektor (0 | 0 | 1)\r"
      "E hat die Gleichung 0x + 0y + 1z = 1";
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{ebene}));
  EXPECT_EQ(Letzte(), ebene);
  EXPECT_EQ(h().InfoFenster.Text(), puffer);
}

TEST_F(Einzeiler, BufferAndField) {
  h().InsInfofenster("eins");
  EXPECT_EQ(Feld(), "");  // putting a text in does not refresh the field
  h().InsInfofenster("zwei");
  EXPECT_EQ(h().InfoFenster.Text(), "\rzwei\r\reins\r");
  h().InsInfofenster("");
  EXPECT_EQ(h().InfoFenster.Text(), "\r\r\rzwei\r\reins\r");
  h().InfoAktualisieren();
  EXPECT_EQ(Feld(), h().InfoFenster.Text());

  // Mode off: the field keeps what it shows, unless the buffer was emptied.
  h().ProtokollAn = false;
  h().InsInfofenster("drei");
  h().InfoAktualisieren();
  EXPECT_EQ(Feld(), "\r\r\rzwei\r\reins\r");
  h().InfoFenster.clear();
  h().InfoAktualisieren();
  EXPECT_EQ(Feld(), "");
}

// The one-liner reaches the real widgets too.
class EinzeilerQt : public Einzeiler {
 protected:
  EinzeilerQt() : Einzeiler(Backend::Qt) {}
  QString Widgettext(const char* feld) {
    P().Abgleichen();
    auto* w = qobject_cast<QPlainTextEdit*>(Qt().Widget(h().Element<EditFeld>(feld)));
    return w ? w->toPlainText() : QString("kein Feld");
  }
};

TEST_F(EinzeilerQt, TextReachesLastInfoFAndInfoF) {
  Punkt("P\xC3\x9C", 1, 2, 3);
  Mit("E", TypEbene, {0, 0, 2}, {0, 0, 1}).Einlisten();
  const QString ebene = QString::fromUtf8(
      "E ist die Ebene durch den Punkt mit den Koordinaten (0 | 0 | 2) und mit dem Normalenvektor (0 | 0 | 1)\n"
      "E hat die Gleichung 0x + 0y + 1z = 2");
  EXPECT_EQ(Widgettext("LastInfoF"), ebene);
  EXPECT_EQ(Widgettext("InfoF"),
            "\n" + ebene + "\n\n" + QString::fromUtf8("PÜ ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)") + "\n");
}

}  // namespace
