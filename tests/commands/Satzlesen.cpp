// Reading a sentence back: the grammar of blanks and colons, the coordinate
// and equation texts, and the kind of a line whose names hold key phrases.

#include "Befehlstest.h"
#include "core/VektorT.h"

namespace {

class Satzlesen : public BefehlTest {
 protected:
  // A record from the pool with known contents, to see that a failed line leaves it so.
  static BefehlT& Vorbelegt() {
    BefehlT* b;
    h().ErschaffeB(b);
    b->Kennung = 77;
    b->NeuG = "alt";
    b->AltG1 = b->AltG2 = b->AltG3 = "alt";
    b->Gleichung = {5, 5, 5, 5, 5};
    b->Vektor->Vektor(5, 5, 5);
    return *b;
  }
  static bool Unveraendert(const BefehlT& b) {
    return b.Kennung == 77 && b.NeuG == "alt" && b.AltG1 == "alt" && b.AltG2 == "alt" && b.AltG3 == "alt" &&
           b.Gleichung[1] == 5 && b.Vektor->kp[1] == 5;
  }
  long Beeps() { return Headless().Beeps(); }
};

TEST_F(Satzlesen, LinesThatDoNotFitTheirKind) {
  struct Fall {
    int K;
    std::string zeile;
  };
  const Fall faelle[] = {
      {KennungGeradePP, "g wird definiert als Gerade durch die Punkte: A und: "},  // second operand missing
      {KennungGeradePP, "g wird definiert als Gerade durch die Punkte: A und: B"},  // no blank after the last
      {KennungGeradePP, " g wird definiert als Gerade durch die Punkte: A und: B "},  // begins with a blank
      {KennungGeradePP, ""},
      {KennungGeradePP, "g Gerade A B "},  // no colon
      {KennungGeradePP, ":g wird A und: B "},  // the first colon stands first
      {KennungPunkt, "P ist der Punkt mit dem Koordinatentripel: 1|2|3 "},  // no "("
      {KennungPunkt, "P ist der Punkt mit dem Koordinatentripel: (1||3) "},
      {KennungPunkt, "P ist der Punkt mit dem Koordinatentripel: (1|2|) "},
      {KennungPunkt, "P ist der Punkt mit dem Koordinatentripel: (1|2 3 "},
      {KennungEbene, "E ist die Ebene mit der Gleichung: 1 + 2y + 3z = 4 "},  // no "x"
      {KennungEbene, "E ist die Ebene mit der Gleichung: x + 2y + 3z = 4 "},  // nothing before "x"
      {KennungEbene, "E ist die Ebene mit der Gleichung: 1x + 2y + 3 = 4 "},
      {KennungHinweis, "Hinweis:    "},  // blanks only
      {KennungZeige, "Zeige die wesentlichen Daten von: "},
      {KennungZeige, "Zeige die wesentlichen Daten von "},
  };
  int beeps = 0;
  for (const Fall& f : faelle) {
    BefehlT& b = Vorbelegt();
    bool ok = true;
    b.Zeile2Befehl(f.zeile, f.K, ok);
    EXPECT_FALSE(ok) << f.zeile;
    EXPECT_TRUE(Unveraendert(b)) << f.zeile;
    EXPECT_EQ(Beeps(), ++beeps) << f.zeile;
  }
}

TEST_F(Satzlesen, WhatAFittingLineGives) {
  BefehlT& b = Vorbelegt();
  bool ok = false;
  // Only blanks and colons count; " hat" is never read.
  b.Zeile2Befehl("Bestimme den Abstand, den: A von: B hat ", KennungAbstand, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(b.NeuG, "");
  EXPECT_EQ(b.AltG1, "A");
  EXPECT_EQ(b.AltG2, "B");
  EXPECT_EQ(b.AltG3, "");
  EXPECT_EQ(b.Gleichung, (std::array<double, 5>{5, 0, 0, 0, 0}));
  EXPECT_EQ(b.Vektor->kp[1], 5);

  b.Zeile2Befehl("Zeichne alle Punkte", KennungZeichneAllePunkte, ok);  // no colon needed
  ASSERT_TRUE(ok);
  EXPECT_EQ(b.Kennung, KennungZeichneAllePunkte);
  EXPECT_EQ(b.AltG1 + b.AltG2 + b.AltG3, "");

  b.Zeile2Befehl("Hinweis: x ", KennungHinweis, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(b.AltG2, "x");
  b.Zeile2Befehl("Hinweis:    leading and trailing  ", KennungHinweis, ok);
  EXPECT_EQ(b.AltG2, "leading and trailing ");

  // A kind outside the table with a name and a colon fits.
  b.Zeile2Befehl("Q irgendwas: mehr ", 0, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(b.Kennung, 0);
  EXPECT_EQ(b.NeuG, "Q");
  EXPECT_EQ(b.AltG1, "");

  // The angle is a token: a blank inside cuts it.
  b.Zeile2Befehl("R wird definiert als Ergebnis der Drehung von: A um den Winkel: 45 Grad mit der Drehachse: g ",
                 KennungDrehen, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(b.AltG2, "45");
  EXPECT_EQ(b.AltG3, "g");
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(Satzlesen, CoordinateTexts) {
  struct Fall {
    std::string text;
    double x, y, z;
  };
  const Fall faelle[] = {
      {"(1|2|3)", 1, 2, 3},
      {"(1 | 2 | 3)", 1, 2, 3},  // as the point dialog writes it
      {"(-0.333333|0|1000000.5)", -0.333333, 0, 1000000.5},
      {"(2,5 | 7+1/5 | 1/3)", 2.5, 7.2, 1.0 / 3},  // typed numbers keep their values
      {"vorn (4|5|6) hinten", 4, 5, 6},
  };
  for (const Fall& f : faelle) {
    BefehlT& b = Vorbelegt();
    bool ok = false;
    b.Zeile2Befehl("P ist der Punkt mit dem Koordinatentripel: " + f.text + " ", KennungPunkt, ok);
    ASSERT_TRUE(ok) << f.text;
    EXPECT_EQ(b.NeuG, "P");
    EXPECT_EQ(b.AltG1, f.text);  // kept as written
    EXPECT_EQ(b.Vektor->kp[1], f.x) << f.text;
    EXPECT_EQ(b.Vektor->kp[2], f.y) << f.text;
    EXPECT_EQ(b.Vektor->kp[3], f.z) << f.text;
    EXPECT_EQ(b.Gleichung, (std::array<double, 5>{5, 0, 0, 0, 0}));
  }
}

TEST_F(Satzlesen, EquationTexts) {
  struct Fall {
    std::string text;
    std::array<double, 5> G;
  };
  const Fall faelle[] = {
      {"1x + 2y + 3z = 4", {0, 1, 2, 3, 4}},
      {"1x + -2y + 0z = -0.5", {0, 1, -2, 0, -0.5}},
      {"-0.1x + 0.3333333333333333y + 1000000z = 0.000001", {0, -0.1, 1.0 / 3, 1000000, 0.000001}},
      {"1x + 2y + 3z", {0, 1, 2, 3, 3}},  // "=" is not tested: without it the rest is read
  };
  for (const Fall& f : faelle) {
    BefehlT& b = Vorbelegt();
    bool ok = false;
    b.Zeile2Befehl("E ist die Ebene mit der Gleichung: " + f.text + " ", KennungEbene, ok);
    ASSERT_TRUE(ok) << f.text;
    EXPECT_EQ(b.AltG1, f.text);
    EXPECT_EQ(b.Gleichung[1], f.G[1]) << f.text;
    EXPECT_EQ(b.Gleichung[2], f.G[2]) << f.text;
    EXPECT_EQ(b.Gleichung[3], f.G[3]) << f.text;
    EXPECT_EQ(b.Gleichung[4], f.G[4]) << f.text;
    EXPECT_EQ(b.Vektor->kp[1], 5);
  }
}

TEST_F(Satzlesen, KeyPhrasesInNamesAndHintsKeepTheKind) {
  struct Fall {
    std::string zeile;
    int K;
  };
  const Fall faelle[] = {
      {"Schnittpunkt ist der Punkt mit dem Koordinatentripel: (1|2|3) ", KennungPunkt},
      {"Datenpunkt ist der Punkt mit dem Koordinatentripel: (1|2|3) ", KennungPunkt},
      {"Hinweis: Verbinde: A und B ", KennungHinweis},
      {"Hinweis: Radiere alles aus ", KennungHinweis},
      {"Radiere: Xalles aus ", KennungRadiere},
      {"Zeichne: Tetraeder ", KennungZeichne},
      {"Klon wird definiert als Schnitt der Figurat: Sammlung und: Drehung ", KennungSchnitt},
      // No sentence of its own: the highest kind whose phrase occurs.
      {"X  Schnitt Daten: A ", KennungZeige},
      // No phrase of any kind, nor "nicht verwendet", nor an empty line.
      {"Das ist nicht verwendet: A ", 0},
      {"irgendetwas: A ", 0},
      {"", 0},
  };
  for (const Fall& f : faelle) EXPECT_EQ(h().Satzart(f.zeile), f.K) << f.zeile;
  EXPECT_EQ(Headless().Beeps(), 0);
}

}  // namespace
