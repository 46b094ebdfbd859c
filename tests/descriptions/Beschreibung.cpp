// The detailed descriptions of tetrahedra and triangles and the command that
// puts them into the description buffer.

#include <QPlainTextEdit>

#include "descriptions/Eckfiguren.h"

namespace {

using plattform::EditFeld;

class Beschreibung : public EckTest {
 protected:
  explicit Beschreibung(Backend b = Backend::Headless) : EckTest(b) {}
  static std::string Feld() { return h().Element<EditFeld>("InfoF").Text(); }
  static std::string Text(const std::string& name) {
    FiguratT* g;
    bool found;
    h().HoleFigurat(name, g, found);
    EXPECT_TRUE(found) << name;
    return g->ausfBeschreibung();
  }
  // The unit tetrahedron T on the points A to D.
  static void Einheitsecken() { TetraederABCD({{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}); }
};

std::string Verbunden(std::initializer_list<std::string> zeilen) {
  std::string text;
  for (const std::string& z : zeilen) text += (text.empty() ? "" : "\r") + z;
  return text;
}

const std::string Einheitstext = Verbunden({
    "Das Tetraeder T mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
    "A = (0|0|0),          B = (1|0|0),   C = (0|1|0),          D = (0|0|1)",
    "Die Kantenlängen des Tetraeders sind ",
    "L(A|B) = 1,   L(B|C) = 1.414214,   L(C|A) = 1",
    "L(D|A) = 1,   L(D|B) = 1.414214,   L(D|C) = 1.414214",
    "Das Volumen des Tetraeders beträgt 0.166667",
    "Die Summe der sechs Kantenlängen beträgt 7.242641",
    "Der Inhalt der Oberfläche  beträgt 2.366025",
    "Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):",
    "A:  0.57735,   B:  1,   C:  1,   D:  1",
    "Mittelpunkt und Radius der Umkugel sind M= (0.5|0.5|0.5),    r = 0.866025",
    "Mittelpunkt und Radius der Inkugel sind M= (0.211325|0.211325|0.211325),    r = 0.211325",
});

const std::string Dreieckstext = Verbunden({
    "Das Dreieck R mit den Ecken A, B und C hat folgende Eigenschaften: ",
    "A = (0|0|0),          B = (3|0|0),    C = (0|4|0)",
    "Die Seitenlängen des Dreiecks sind ",
    "L(A|B) = 3,   L(B|C) = 5,   L(C|A) = 4",
    "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
    "A:   90º,      B:   53.130102º,     C:  36.869898º",
    "Der Umfang des Dreiecks beträgt 12",
    "Der Flächeninhalt des Dreiecks beträgt 6",
    "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
    "A: 2.4,    B: 3,   C: 4",
    "F(A) = (1.92|1.44|0),     F(B) = (0|0|0),     F(C) = (0|0|0)",
});

TEST_F(Beschreibung, UnitTetrahedronIntoTheBuffer) {
  Einheitsecken();
  h().InfoFenster = "\ralt\r";
  const auto lager = Lagerbestand();
  bool ok = false;
  h().BeschreibeEck("T", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(h().InfoFenster, "\r" + Einheitstext + "\r\ralt\r");
  EXPECT_EQ(Feld(), h().InfoFenster);
  ErwarteLager(lager);
  // The corners are only read.
  FiguratT* d;
  bool found;
  h().HoleFigurat("D", d, found);
  EXPECT_EQ(d->v1->Vektor2String(), "(0|0|1)");
}

TEST_F(Beschreibung, RightTriangle) {
  Punkt("A", 0, 0, 0);
  Punkt("B", 3, 0, 0);
  Punkt("C", 0, 4, 0);
  Dreieck("R", {"A", "B", "C"});
  const auto lager = Lagerbestand();
  EXPECT_EQ(Text("R"), Dreieckstext);
  ErwarteLager(lager);
  // Another order of the corners: the same value at each name, elsewhere in the lines.
  const std::vector<std::string> zeilen = Zeilen(Dreieck("S", {"C", "A", "B"}).ausfBeschreibung());
  ASSERT_EQ(zeilen.size(), 11u);
  EXPECT_EQ(zeilen[0], "Das Dreieck S mit den Ecken C, A und B hat folgende Eigenschaften: ");
  EXPECT_EQ(zeilen[3], "L(C|A) = 4,   L(A|B) = 3,   L(B|C) = 5");
  EXPECT_EQ(zeilen[5], "C:   36.869898º,      A:   90º,     B:  53.130102º");
  EXPECT_EQ(zeilen[9], "C: 4,    A: 2.4,   B: 3");
  EXPECT_EQ(zeilen[10], "F(C) = (0|0|0),     F(A) = (1.92|1.44|0),     F(B) = (0|0|0)");
}

TEST_F(Beschreibung, NumbersFollowTheDecimals) {
  Einheitsecken();
  h().Dezimalen = 2;
  const std::vector<std::string> zeilen = Zeilen(Text("T"));
  ASSERT_EQ(zeilen.size(), 12u);
  EXPECT_EQ(zeilen[4], "L(D|A) = 1,   L(D|B) = 1.41,   L(D|C) = 1.41");
  EXPECT_EQ(zeilen[11], "Mittelpunkt und Radius der Inkugel sind M= (0.21|0.21|0.21),    r = 0.21");
}

// The volume decides, after the division by six, and not its text.
TEST_F(Beschreibung, DegenerateAndNearlyDegenerateTetrahedra) {
  const std::string aus = " Das Tetraeder ist ausgeartet";
  struct Fall {
    const char* was;
    std::array<std::array<double, 3>, 4> ecken;
    std::size_t zeilen;
    std::string sechste;
  };
  const Fall faelle[] = {
      {"coplanar", {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}}, 6, aus},
      {"coincident", {{{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 0, 1}}}, 6, aus},
      {"volume 1/60000000", {{{0, 0, 0}, {0.01, 0, 0}, {0, 0.01, 0}, {0, 0, 0.001}}}, 6, aus},
      {"volume 1/6000000", {{{0, 0, 0}, {0.01, 0, 0}, {0, 0.01, 0}, {0, 0, 0.01}}}, 12,
       "Das Volumen des Tetraeders beträgt 0"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    TetraederABCD(f.ecken);
    const auto lager = Lagerbestand();
    const std::vector<std::string> zeilen = Zeilen(Text("T"));
    ASSERT_EQ(zeilen.size(), f.zeilen);
    EXPECT_EQ(zeilen[5], f.sechste);
    ErwarteLager(lager);
  }
  // Small faces still have their planes: true heights and an insphere.
  const std::vector<std::string> klein = Zeilen(Text("T"));
  EXPECT_EQ(klein[9], "A:  0.005774,   B:  0.01,   C:  0.01,   D:  0.01");
  EXPECT_EQ(klein[11], "Mittelpunkt und Radius der Inkugel sind M= (0.002113|0.002113|0.002113),    r = 0.002113");

  // Four corners in a plane: lines 1 to 5 as always, and no message.
  TetraederABCD({{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}});
  EXPECT_EQ(Text("T"), Verbunden({
                           "Das Tetraeder T mit den Ecken A, B, C und D hat folgende Eigenschaften: ",
                           "A = (0|0|0),          B = (1|0|0),   C = (0|1|0),          D = (1|1|0)",
                           "Die Kantenlängen des Tetraeders sind ",
                           "L(A|B) = 1,   L(B|C) = 1.414214,   L(C|A) = 1",
                           "L(D|A) = 1.414214,   L(D|B) = 1,   L(D|C) = 1",
                           aus,
                       }));
}

// A flat tetrahedron with a volume of 1/6: its insphere cannot be found, and
// the line says so instead of repeating the circumsphere.
TEST_F(Beschreibung, InsphereNotFound) {
  TetraederABCD({{{0, 0, 0}, {100, 0, 0}, {0, 100, 0}, {30, 30, 0.0001}}});
  const auto lager = Lagerbestand();
  const std::vector<std::string> zeilen = Zeilen(Text("T"));
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Das Tetraeder ist ausgeartet"});
  ASSERT_EQ(zeilen.size(), 12u);
  EXPECT_EQ(zeilen[5], "Das Volumen des Tetraeders beträgt 0.166667");
  EXPECT_EQ(zeilen[10].substr(0, 43), "Mittelpunkt und Radius der Umkugel sind M= ");
  EXPECT_EQ(zeilen[11], "Mittelpunkt und Radius der Inkugel sind nicht bestimmbar");
  ErwarteLager(lager);
}

// Corners in one plane whose coordinates carry rounding noise: the volume
// passes the test by a hair, and neither sphere can be found.
TEST_F(Beschreibung, SpheresNotFoundAfterRoundingNoise) {
  TetraederABCD({{{-680.99987539217739, 112.04860207027059, -329.64326797418505},
                  {890.31062790721489, 636.13771186278245, 507.24121318731227},
                  {444.90557720818288, -916.54426661028094, 843.17164332396214},
                  {-2769.131764687404, 2185.5848434033387, -2572.4868689679702}}});
  const auto lager = Lagerbestand();
  const std::vector<std::string> zeilen = Zeilen(Text("T"));
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Das Tetraeder ist ausgeartet", "Das Tetraeder ist ausgeartet"}));
  ASSERT_EQ(zeilen.size(), 12u);
  EXPECT_EQ(zeilen[5], "Das Volumen des Tetraeders beträgt 0");
  EXPECT_EQ(zeilen[9], "A:  0,   B:  0,   C:  0,   D:  0");
  EXPECT_EQ(zeilen[10], "Mittelpunkt und Radius der Umkugel sind nicht bestimmbar");
  EXPECT_EQ(zeilen[11], "Mittelpunkt und Radius der Inkugel sind nicht bestimmbar");
  ErwarteLager(lager);
}

TEST_F(Beschreibung, TriangleWithCornersOnALine) {
  Punkt("A", 0, 0, 0);
  Punkt("B", 1, 0, 0);
  Punkt("C", 2, 0, 0);
  EXPECT_EQ(Dreieck("G", {"A", "B", "C"}).ausfBeschreibung(),
            Verbunden({
                "Das Dreieck G mit den Ecken A, B und C hat folgende Eigenschaften: ",
                "A = (0|0|0),          B = (1|0|0),    C = (2|0|0)",
                "Die Seitenlängen des Dreiecks sind ",
                "L(A|B) = 1,   L(B|C) = 1,   L(C|A) = 2",
                "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:",
                "A:   0º,      B:   180º,     C:  0º",
                "Der Umfang des Dreiecks beträgt 4",
                "Der Flächeninhalt des Dreiecks beträgt 0",
                "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:",
                "A: 0,    B: 0,   C: 0",
                "F(A) = (0|0|0),     F(B) = (1|0|0),     F(C) = (2|0|0)",
            }));
}

// Corners at one place: Winkel complains once for each angle at the ends of
// the null side, and the places it leaves open say so.
TEST_F(Beschreibung, TriangleWithCoincidentCorners) {
  const std::string null = "Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor";
  Punkt("A", 1, 1, 0);
  Punkt("B", 1, 1, 0);
  Punkt("C", 1, 3, 0);
  Dreieck("Z", {"A", "B", "C"});
  const auto lager = Lagerbestand();
  std::vector<std::string> zeilen = Zeilen(Text("Z"));
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{null, null}));
  ASSERT_EQ(zeilen.size(), 11u);
  EXPECT_EQ(zeilen[3], "L(A|B) = 0,   L(B|C) = 2,   L(C|A) = 2");
  EXPECT_EQ(zeilen[5], "A:   nicht definiert,      B:   nicht definiert,     C:  0º");
  EXPECT_EQ(zeilen[7], "Der Flächeninhalt des Dreiecks beträgt 0");
  EXPECT_EQ(zeilen[9], "A: 0,    B: 0,   C: nicht definiert");
  EXPECT_EQ(zeilen[10], "F(A) = (1|1|0),     F(B) = (1|1|0),     F(C) = (1|1|0)");
  ErwarteLager(lager);

  Punkt("C", 1, 1, 0);
  zeilen = Zeilen(Text("Z"));
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{null, null, null}));
  EXPECT_EQ(zeilen[5], "A:   nicht definiert,      B:   nicht definiert,     C:  nicht definiert");
  EXPECT_EQ(zeilen[9], "A: nicht definiert,    B: nicht definiert,   C: nicht definiert");
}

// Only triangles and tetrahedra are described; one whose corner is gone is
// described by the empty text.
TEST_F(Beschreibung, OtherFiguresAndMissingCorners) {
  Einheitsecken();
  Dreieck("D3", {"A", "B", "C"});
  Figur("g", TypGerade);
  Figur("E", TypEbene);
  Figur("L", TypLeer);
  FiguratT& s = Neu("S", TypSammlung);
  s.Ecken[1] = "A,B";
  s.Einlisten();
  for (const char* name : {"A", "g", "E", "L", "S", "X"}) {
    SCOPED_TRACE(name);
    const std::string puffer = h().InfoFenster;
    bool ok = true;
    h().BeschreibeEck(name, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(h().InfoFenster, puffer);
    if (h().ExistiertFigurat(name)) {
      EXPECT_EQ(Text(name), "");
    }
  }

  h().LoescheFigurat("C");
  for (const char* name : {"T", "D3"}) {
    SCOPED_TRACE(name);
    const auto lager = Lagerbestand();
    const std::string puffer = h().InfoFenster;
    bool ok = false;
    h().BeschreibeEck(name, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(h().InfoFenster, "\r\r" + puffer);
    ErwarteLager(lager);
  }

  // A line entered under the name of the deleted corner stands for its support point.
  FiguratT& c = Neu("C", TypGerade);
  c.v1->Vektor(0, 1, 0);
  c.v2->Vektor(5, 5, 5);
  c.Einlisten();
  EXPECT_EQ(Text("T"), Einheitstext);

  // The anonymous head of a cleared list answers to the empty name, but is no corner.
  h().AlleFiguratLoeschen();
  Einheitsecken();
  EXPECT_EQ(Tetraeder("U", {"A", "B", "", "D"}).ausfBeschreibung(), "");
}

TEST_F(Beschreibung, DescriptionModeOffLeavesTheField) {
  Einheitsecken();
  const std::string feld = Feld();
  h().ProtokollAn = false;
  bool ok = false;
  h().BeschreibeEck("T", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(h().InfoFenster.Text().substr(0, Einheitstext.size() + 2), "\r" + Einheitstext + "\r");
  EXPECT_EQ(Feld(), feld);
  h().ProtokollAn = true;
  h().InfoAktualisieren();
  EXPECT_EQ(Feld(), h().InfoFenster);
}

// The text reaches the real widget with its angle signs and line breaks.
class BeschreibungQt : public Beschreibung {
 protected:
  BeschreibungQt() : Beschreibung(Backend::Qt) {}
};

TEST_F(BeschreibungQt, TriangleTextInTheDescriptionsField) {
  Punkt("A", 0, 0, 0);
  Punkt("B", 3, 0, 0);
  Punkt("C", 0, 4, 0);
  Dreieck("R", {"A", "B", "C"});
  h().InfoFenster.clear();
  bool ok = false;
  h().BeschreibeEck("R", ok);
  P().Abgleichen();
  auto* w = qobject_cast<QPlainTextEdit*>(Qt().Widget(h().Element<EditFeld>("InfoF")));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->toPlainText(), "\n" + QString::fromUtf8(Dreieckstext).replace('\r', '\n') + "\n");
  EXPECT_TRUE(w->toPlainText().contains(QChar(0x00BA)));
}

}  // namespace
