// The angle and the distance of two figures and their sentences.

#include "constructions/Konstruktion.h"

namespace {

class WinkelAbstand : public KonstruktionTest {
 protected:
  // The newest block of the description buffer, without its line breaks.
  static std::string NeuerSatz() {
    const std::string& puffer = h().InfoFenster;
    if (puffer.size() < 2 || puffer[0] != '\r') return "";
    return puffer.substr(1, puffer.find('\r', 1) - 1);
  }
};

TEST_F(WinkelAbstand, DistancesOfPointsLinesAndPlanes) {
  struct Fall {
    const char* was;
    int ta;
    V3 a1, a2;
    int tb;
    V3 b1, b2;
    double abstand;
  };
  const int P = TypPunkt, G = TypGerade, E = TypEbene;
  const Fall faelle[] = {
      {"two points", P, {1, 2, 3}, {}, P, {4, 6, 3}, {}, 5},
      {"point and plane", P, {1, 2, 3}, {}, E, {5, 5, 0}, {0, 0, 1}, 3},
      {"point in the plane", P, {1, 2, 0}, {}, E, {5, 5, 0}, {0, 0, 2}, 0},
      {"point and line", P, {0, 3, 4}, {}, G, {7, 0, 0}, {2, 0, 0}, 5},
      {"point on the line", P, {3, 0, 0}, {}, G, {7, 0, 0}, {2, 0, 0}, 0},
      {"skew lines", G, {0, 0, 0}, {1, 0, 0}, G, {0, 0, 1}, {0, 1, 0}, 1},
      {"intersecting lines", G, {0, 0, 0}, {1, 0, 0}, G, {2, 5, 0}, {0, 1, 0}, 0},
      {"the same line", G, {0, 0, 0}, {1, 0, 0}, G, {4, 0, 0}, {-2, 0, 0}, 0},
      {"parallel lines", G, {0, 0, 0}, {1, 0, 0}, G, {0, 3, 4}, {1, 0, 0}, 5},
      {"line parallel to a plane", G, {0, 0, 4}, {1, 1, 0}, E, {0, 0, 0}, {0, 0, 1}, 4},
      {"line crossing a plane", G, {0, 0, 4}, {1, 1, 1}, E, {0, 0, 0}, {0, 0, 1}, 0},
      // |d·n| below 1e-7 counts as parallel.
      {"line almost parallel", G, {0, 0, 4}, {1, 0, 5e-8}, E, {0, 0, 0}, {0, 0, 1}, 4},
      {"parallel planes", E, {0, 0, 0}, {1, 0, 0}, E, {2, 7, 7}, {3, 0, 0}, 2},
      {"planes that meet", E, {0, 0, 0}, {1, 0, 0}, E, {2, 7, 7}, {0, 1, 0}, 0},
      {"below the tolerance", P, {1, 2, 3}, {}, P, {1, 2, 3 + 5e-8}, {}, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    FiguratT& a = Mit("a", f.ta, f.a1, f.a2);
    FiguratT& b = Mit("b", f.tb, f.b1, f.b2);
    EXPECT_NEAR(h().Abstand("a", "b"), f.abstand, 1e-12);
    EXPECT_NEAR(h().Abstand("b", "a"), f.abstand, 1e-12);
    if (f.abstand == 0) {
      EXPECT_EQ(h().Abstand("a", "b"), 0.0);  // exactly, not a rounding remainder
    }
    ErwarteVektor(*a.v2, f.a2, 0);
    ErwarteVektor(*b.v2, f.b2, 0);
  }
}

TEST_F(WinkelAbstand, DistanceSentence) {
  Punkt("A", 1, 2, 3);
  Punkt("B", 4, 6, 3);
  bool ok = true;
  h().Abstandausgabe("A", "B", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(NeuerSatz(), "Der Abstand von A und B beträgt 5");
  EXPECT_EQ(h().InfoFenster.Text().substr(0, NeuerSatz().size() + 2), "\r" + NeuerSatz() + "\r");
  h().Abstandausgabe("B", "A", ok);
  EXPECT_EQ(NeuerSatz(), "Der Abstand von B und A beträgt 5");

  // Figures without a distance give no sentence.
  Figur("L", TypLeer);
  Figur("R", TypRaum);
  const std::string vorher = h().InfoFenster;
  for (const auto& [a, b] : {std::pair{"L", "L"}, {"A", "R"}, {"A", "fehlt"}}) {
    ok = true;
    h().Abstandausgabe(a, b, ok);
    EXPECT_FALSE(ok);
  }
  ok = false;
  h().Abstandausgabe("A", "B", ok);
  EXPECT_EQ(h().InfoFenster, vorher);
}

TEST_F(WinkelAbstand, AnglesOfLinesAndPlanes) {
  struct Fall {
    int ta;
    V3 a;
    int tb;
    V3 b;
    double winkel;
  };
  const int G = TypGerade, E = TypEbene;
  const Fall faelle[] = {
      {G, {1, 0, 0}, G, {-1, 1, 0}, 45},  // 135 between the directions
      {G, {1, 0, 0}, G, {0, 3, 0}, 90},
      {G, {1, 0, 0}, G, {-2, 0, 0}, 0},
      {G, {3, 3, 1}, G, {-3, -3, -1}, 0},  // opposite up to rounding
      {G, {0, 0, -1}, E, {0, 0, 1}, 90},
      {E, {0, 0, 1}, G, {1, 0, 1}, 45},
      {G, {1, 0, -1}, E, {0, 0, 1}, 45},
      {G, {1, 0, 0}, E, {0, 0, 1}, 0},
      {E, {1, 0, 0}, E, {0, 1, 0}, 90},
      {E, {1, 0, 0}, E, {-1, 1, 0}, 45},
  };
  for (const Fall& f : faelle) {
    Mit("g", f.ta, {0, 0, 0}, f.a);
    Mit("h", f.tb, {1, 1, 1}, f.b);
    for (const auto& [a, b] : {std::pair{"g", "h"}, {"h", "g"}}) {
      SCOPED_TRACE(testing::Message() << a << " " << K(*Fig(a)->v2) << ", " << b << " " << K(*Fig(b)->v2));
      bool ok = true;
      h().Winkelausgabe(a, b, ok);
      EXPECT_TRUE(ok);
      EXPECT_EQ(NeuerSatz(), std::string("Der Winkel zwischen ") + a + " und " + b + " beträgt " +
                                 h().z2s(f.winkel) + "\xC2\xBA");
    }
  }
}

TEST_F(WinkelAbstand, PairsWithoutAnAngleWriteNothing) {
  Punkt("P", 1, 0, 0);
  Gerade("g", {0, 0, 0}, {1, 0, 0});
  Gerade("n", {0, 0, 0}, {0, 0, 1e-5});  // a null direction
  Mit("R", TypRaum, {0, 0, 0});
  const std::string vorher = h().InfoFenster;
  for (const auto& [a, b] : {std::pair{"P", "R"}, {"P", "g"}, {"g", "fehlt"}}) {
    SCOPED_TRACE(testing::Message() << a << " und " << b);
    bool ok = true;
    h().Winkelausgabe(a, b, ok);
    EXPECT_FALSE(ok);
  }
  bool ok = true;
  h().Winkelausgabe("g", "n", ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor"}));
  ok = false;
  h().Winkelausgabe("g", "g", ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(h().InfoFenster, vorher);
}

TEST_F(WinkelAbstand, SentencesAreShownOnlyInDescriptionMode) {
  Punkt("A", 0, 0, 0);
  Punkt("B", 0, 0, 2);
  auto feld = [] { return h().Element<plattform::EditFeld>("InfoF").Text(); };
  bool ok = true;
  h().Abstandausgabe("A", "B", ok);
  EXPECT_EQ(feld(), h().InfoFenster);
  h().ProtokollAn = false;
  const std::string gezeigt = feld();
  h().Abstandausgabe("B", "A", ok);
  EXPECT_EQ(NeuerSatz(), "Der Abstand von B und A beträgt 2");
  EXPECT_EQ(feld(), gezeigt);
}

}  // namespace
