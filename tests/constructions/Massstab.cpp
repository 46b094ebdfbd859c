// Whether figures meet, are parallel or lie in one another does not depend
// on the size of their coordinates: the same configuration, built from typed
// points with one decimal at coordinates of about 1, 1,000 and 1,000,000,
// gives the same intersections, distances and hulls, and the exact ones.

#include <cmath>
#include <string>

#include "constructions/Konstruktion.h"

namespace {

class Massstab : public GitterTest, public testing::WithParamInterface<long long> {
 protected:
  long double Genau() const { return 1e-9L * static_cast<long double>(GetParam()); }
  void ErwartePunkt(const VektorT& v, const G3& zehntel) const {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(v.kp[i + 1], zehntel[i] / 10.0L, Genau()) << i;
  }
};

TEST_P(Massstab, LinesAndPlanesMeetAsTheyDoExactly) {
  const long long s = GetParam();
  // A point S and three directions, u and v spanning the plane E, w off it.
  const G3 S = Plus(Mal(s, {13, -7, 21}), {3, 1, -2});
  const G3 u = Plus(Mal(s, {20, 10, -10}), {1, 3, 2});
  const G3 v = Plus(Mal(s, {-10, 30, 10}), {2, -1, 1});
  const G3 w = Plus(Mal(s, {10, 10, 30}), {-1, 2, 1});
  auto Bei = [&](long long a, long long b, long long c) { return Plus(S, Plus(Mal(a, u), Plus(Mal(b, v), Mal(c, w)))); };
  const G3 n = Kreuz(u, v);

  P("S", S);
  P("A1", Bei(1, 0, 0));
  P("A2", Bei(3, 0, 0));
  P("B1", Bei(0, -2, 0));
  P("B2", Bei(0, 1, 0));
  P("K1", Bei(0, -2, 1));
  P("K2", Bei(0, 1, 1));
  P("M1", Bei(0, 0, 1));
  P("M2", Bei(2, 0, 1));
  P("N1", Bei(-1, 0, 0));
  P("N2", Bei(4, 0, 0));
  G("g", "A1", "A2");
  G("h", "B1", "B2");  // meets g in S
  G("k", "K1", "K2");  // skew to g
  G("m", "M1", "M2");  // parallel to g
  G("n", "N1", "N2");  // g itself

  E("E", "S", "A1", "B2");
  P("L1", Bei(2, 1, 0));
  P("L2", Bei(-1, 3, 0));
  P("L3", Bei(2, 1, 1));
  P("L4", Bei(-1, 3, 1));
  P("L5", Bei(1, 1, 1));
  P("L6", Bei(1, 1, 2));
  G("l1", "L1", "L2");  // in E
  G("l2", "L3", "L4");  // parallel to E
  G("l3", "L5", "L6");  // meets E in S + u + v
  P("F1", Bei(2, 0, 0));
  P("F2", Bei(1, 1, 0));
  P("F3", Bei(0, 3, 0));
  P("F4", Bei(2, 0, 1));
  P("F5", Bei(1, 1, 1));
  P("F6", Bei(0, 3, 1));
  P("F7", Bei(1, 0, 1));
  E("f1", "F1", "F2", "F3");  // E itself
  E("f2", "F4", "F5", "F6");  // parallel to E
  E("f3", "S", "B2", "F7");   // meets E along S + t·v

  struct Fall {
    const char *a, *b;
    int schnitt;
    long double abstand;
    int huelle;
  };
  const long double schief = std::fabs(static_cast<long double>(Skalar(w, n))) / Wurzel(Skalar(n, n)) / 10;
  const Fall faelle[] = {
      {"g", "h", PKT, 0, EBE},
      {"g", "k", LEER, AbstandEbene(Bei(0, 0, 1), S, n), RAUM},
      {"g", "m", LEER, AbstandGerade(Bei(0, 0, 1), S, u), EBE},
      {"g", "n", GER, 0, GER},
      {"l1", "E", GER, 0, EBE},
      {"l2", "E", LEER, schief, RAUM},
      {"l3", "E", PKT, 0, RAUM},
      {"E", "f1", EBE, 0, EBE},
      {"E", "f2", LEER, schief, RAUM},
      {"E", "f3", GER, 0, RAUM},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.a << " und " << f.b);
    EXPECT_EQ(Schnitt(f.a, f.b).Typ, f.schnitt);
    EXPECT_NEAR(h().Abstand(f.a, f.b), f.abstand, Genau());
    EXPECT_NEAR(h().Abstand(f.b, f.a), f.abstand, Genau());
    EXPECT_EQ(HuelleTyp(f.a, f.b), f.huelle);
  }
  ErwartePunkt(*Schnitt("g", "h").v1, S);
  ErwartePunkt(*Schnitt("l3", "E").v1, Bei(1, 1, 0));
  ErwarteGerade(Schnitt("E", "f3"), S, v, Genau());
  ErwarteGerade(Schnitt("l1", "E"), Bei(2, 1, 0), Minus(Bei(-1, 3, 0), Bei(2, 1, 0)), Genau());
}

TEST_P(Massstab, BuiltFiguresThatAreParallelOrLieInOneAnother) {
  const long long s = GetParam();
  P("E0", Mal(s, {3, -1, 2}));
  P("E1", Plus(Mal(s, {17, 4, -9}), {1, 0, 3}));
  P("E2", Plus(Mal(s, {-6, 21, 5}), {2, 7, 0}));
  E("E", "E0", "E1", "E2");
  P("P1", Plus(Mal(s, {4, 9, 13}), {3, 3, 1}));
  P("P2", Plus(Mal(s, {-8, 5, 11}), {7, 1, 9}));
  P("P3", Plus(Mal(s, {12, -3, 7}), {1, 1, 1}));

  // The perpendicular to E through P1, and the plane through P2, its mirror
  // image at E and P3: parallel exactly.
  Baue("o", [](FiguratT*& r, bool& ok) { h().ErzeugeOrthogonale("E", "P1", r, ok); });
  Baue("P2s", [](FiguratT*& r, bool& ok) { h().ErzeugeSpiegelbild("P2", "E", r, ok); });
  E("Q", "P2", "P2s", "P3");
  EXPECT_EQ(Schnitt("o", "Q").Typ, LEER);
  EXPECT_EQ(HuelleTyp("o", "Q"), RAUM);
  EXPECT_GT(h().Abstand("o", "Q"), 0.1 * static_cast<double>(s));
  // Through P3, which lies in Q, the perpendicular lies in Q.
  Baue("o3", [](FiguratT*& r, bool& ok) { h().ErzeugeOrthogonale("E", "P3", r, ok); });
  EXPECT_EQ(Schnitt("o3", "Q").Typ, GER);
  EXPECT_EQ(HuelleTyp("o3", "Q"), EBE);
  EXPECT_EQ(h().Abstand("o3", "Q"), 0);

  // A line of E turned about a perpendicular of E stays in E.
  Baue("achse", [](FiguratT*& r, bool& ok) { h().ErzeugeOrthogonale("E", "E0", r, ok); });
  G("l", "E1", "E2");
  Baue("ld", [](FiguratT*& r, bool& ok) { h().ErzeugeDrehung("l", 37, "achse", r, ok); });
  EXPECT_EQ(Schnitt("ld", "E").Typ, GER);
  EXPECT_EQ(HuelleTyp("ld", "E"), EBE);
  EXPECT_EQ(h().Abstand("ld", "E"), 0);
  // The foot figure of the turned line on E is that line, its mirror image at E too.
  Baue("fuss", [](FiguratT*& r, bool& ok) { h().ErzeugeLotfussfpunktG("ld", "E", r, ok); });
  EXPECT_EQ(Fig("fuss")->Typ, GER);
  EXPECT_EQ(Schnitt("fuss", "ld").Typ, GER);
  Baue("bild", [](FiguratT*& r, bool& ok) { h().ErzeugeSpiegelbild("ld", "E", r, ok); });
  EXPECT_EQ(Schnitt("bild", "ld").Typ, GER);

  // A plane whose normal lies nearly along the x axis, mirrored at E and
  // back, is itself again.
  P("X0", Mal(s, {50, 2, 3}));
  P("X1", Plus(Mal(s, {50, 9, -4}), {1, 0, 0}));
  P("X2", Plus(Mal(s, {50, -6, 8}), {0, 0, 0}));
  E("Ex", "X0", "X1", "X2");
  Baue("Ex1", [](FiguratT*& r, bool& ok) { h().ErzeugeSpiegelbild("Ex", "E", r, ok); });
  Baue("Ex2", [](FiguratT*& r, bool& ok) { h().ErzeugeSpiegelbild("Ex1", "E", r, ok); });
  EXPECT_EQ(Schnitt("Ex", "Ex2").Typ, EBE);
  EXPECT_EQ(HuelleTyp("Ex", "Ex2"), EBE);
}

INSTANTIATE_TEST_SUITE_P(EinsTausendMillion, Massstab, testing::Values(1, 1000, 1000000));

// The skew lines of a lesson: both orders measure the same, and their hull
// with a point is the whole space.
TEST_F(KonstruktionTest, SkewLinesOfALesson) {
  bool ok = false;
  h().ErzeugePunkt("A0", HauptF::myval("-162,9"), HauptF::myval("174,9"), HauptF::myval("736,9"), ok);
  h().ErzeugePunkt("B0", HauptF::myval("-904,9"), HauptF::myval("525,8"), HauptF::myval("-183,9"), ok);
  h().ErzeugePunkt("C0", -830, -486, -629, ok);
  h().ErzeugePunkt("D0", HauptF::myval("218,3"), HauptF::myval("537,1"), -192, ok);
  FiguratT* r = Ergebnis("g");
  h().ErzeugeGeradePP("A0", "B0", r, ok);
  r = Ergebnis("h");
  h().ErzeugeGeradePP("C0", "D0", r, ok);
  for (const auto& [a, b] : {std::pair{"g", "h"}, std::pair{"h", "g"}}) {
    h().Abstandausgabe(a, b, ok);
    const std::string satz = std::string("Der Abstand von ") + a + " und " + b + " beträgt 725.993779";
    EXPECT_EQ(h().InfoFenster.Text().substr(0, satz.size() + 2), "\r" + satz + "\r");
  }
  r = Ergebnis("H");
  h().ErzeugeHuelle("g", "h", "C0", r, ok);
  EXPECT_EQ(Letzte(), "H ist der Raum");
}

}  // namespace
