// Points and planes from typed numbers.

#include <cmath>
#include <random>

#include "constructions/Konstruktion.h"

namespace {

class Zahlfigurat : public KonstruktionTest {};

TEST_F(Zahlfigurat, SupportPointIsTheLastWholeNumberSolutionInTheCube) {
  struct Fall {
    double a, b, c, d;
    V3 punkt;
  };
  const Fall faelle[] = {
      {1, 1, 1, 1, {9, 1, -9}},
      {1, 1, 1, 0, {9, 0, -9}},
      {1, 1, 1, 27, {9, 9, 9}},
      {1, 1, 1, 28, {28, 0, 0}},  // no solution in the cube
      {1, 0, 0, 5, {5, 9, 9}},
      {0, 1, 0, -3, {9, -3, 9}},
      {2, 0, 0, 1, {0.5, 0, 0}},
      {0, 0, 3, 1, {0, 0, 1.0 / 3}},
      // Exact comparison: 0.1·5 + 0.2·(−1) is 0.3 in double precision, 0.1 + 0.2 is not.
      {0.1, 0.2, 0, 0.3, {5, -1, 9}},
  };
  VektorT* p;
  h().ErschaffeV(p);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.a << "x + " << f.b << "y + " << f.c << "z = " << f.d);
    h().EbenenPunkt(f.a, f.b, f.c, f.d, *p);
    ErwarteVektor(*p, f.punkt, 0);
  }
  h().PP2G(*Mit("A", TypPunkt, {1, 2, 3}).v1, *Mit("B", TypPunkt, {3, 2, 1}).v1, *p);
  ErwarteVektor(*p, {-2, 0, 2}, 0);
  p->Einlagern();
}

TEST_F(Zahlfigurat, SupportPointIsTheOneTryingEveryPointOfTheCubeFinds) {
  auto probiert = [](double a, double b, double c, double d) {
    V3 punkt = {0, 0, 0};
    bool gefunden = false;
    for (int i = -9; i <= 9; ++i)
      for (int j = -9; j <= 9; ++j)
        for (int k = -9; k <= 9; ++k)
          if ((a * i + b * j) + c * k == d) {
            punkt = {double(i), double(j), double(k)};
            gefunden = true;
          }
    if (!gefunden) {
      if (a != 0)
        punkt.x = d / a;
      else if (b != 0)
        punkt.y = d / b;
      else
        punkt.z = d / c;
    }
    return punkt;
  };
  // Whole and decimal coefficients of both signs, some so small or so large
  // against the others that they vanish in the sum, some that overflow it;
  // right sides that a point of the cube gives, and others.
  const double koeffizienten[] = {0, 1, -1, 2, -3, 7, 0.1, -0.2, 0.3, 1.0 / 3, -2.5, 1e-17, -1e-20, 1e16, -3e17, 1e308};
  std::mt19937 zufall(3);
  auto irgendein = [&] { return koeffizienten[zufall() % std::size(koeffizienten)]; };
  auto ganz = [&] { return static_cast<int>(zufall() % 19) - 9; };
  VektorT* p;
  h().ErschaffeV(p);
  for (int n = 0; n < 4000; ++n) {
    const double a = irgendein(), b = irgendein(), c = irgendein();
    if (a == 0 && b == 0 && c == 0) continue;
    double d = (a * ganz() + b * ganz()) + c * ganz();
    if (n % 4 == 0) d = irgendein() + ganz();
    if (std::isnan(d)) continue;
    SCOPED_TRACE(testing::Message() << a << "x + " << b << "y + " << c << "z = " << d);
    h().EbenenPunkt(a, b, c, d, *p);
    const V3 soll = probiert(a, b, c, d);
    ASSERT_EQ(p->kp[1], soll.x);
    ASSERT_EQ(p->kp[2], soll.y);
    ASSERT_EQ(p->kp[3], soll.z);
  }
  p->Einlagern();
}

TEST_F(Zahlfigurat, PlaneGetsItsSupportPointAndSimplifiedNormal) {
  bool ok = false;
  h().ErzeugeEbeneG("E", 2, 4, 6, 8, ok);
  EXPECT_TRUE(ok);
  ASSERT_NE(Fig("E"), nullptr);
  EXPECT_EQ(Fig("E")->Typ, TypEbene);
  ErwarteVektor(*Fig("E")->v1, {9, 8, -7}, 0);
  ErwarteVektor(*Fig("E")->v2, {1, 2, 3}, 0);
  EXPECT_EQ(Letzte().substr(0, 52), "E ist die Ebene durch den Punkt mit den Koordinaten ");

  h().ErzeugeEbeneG("F", -1, -1, 1, 0, ok);
  ErwarteVektor(*Fig("F")->v1, {9, 0, 9}, 0);
  ErwarteVektor(*Fig("F")->v2, {1, 1, -1}, 0);
}

TEST_F(Zahlfigurat, PointIsEnteredWithItsDescription) {
  bool ok = false;
  h().ErzeugePunkt("P", 1, -2.5, 3, ok);
  EXPECT_TRUE(ok);
  ASSERT_NE(Fig("P"), nullptr);
  EXPECT_EQ(Fig("P")->Typ, TypPunkt);
  ErwarteVektor(*Fig("P")->v1, {1, -2.5, 3}, 0);
  EXPECT_EQ(Letzte(), "P ist der Punkt mit dem Koordinatentripel (1 | -2.5 | 3)");
}

TEST_F(Zahlfigurat, UsedOrForbiddenNamesAreRefused) {
  Punkt("A", 1, 2, 3);
  for (const std::string name : {"A", "", "a b", "a:b"}) {
    bool ok = true;
    h().ErzeugePunkt(name, 7, 7, 7, ok);
    EXPECT_FALSE(ok);
    h().ErzeugeEbeneG(name, 1, 0, 0, 0, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{
                               "Der verwendete Figuratname " + name + "  ist unerlaubt oder existiert bereits",
                               "Der verwendete Figuratname " + name + "  ist unerlaubt  oder existiert bereits"}));
  }
  EXPECT_EQ(Fig("A")->Typ, TypPunkt);
  ErwarteVektor(*Fig("A")->v1, {1, 2, 3}, 0);

  // Forbidden names stay forbidden while a loaded file is executed.
  h().destruktiv = true;
  bool ok = true;
  h().ErzeugePunkt("a b", 0, 0, 0, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Meldungen().size(), 1u);
}

TEST_F(Zahlfigurat, CoefficientsMustNotAllVanish) {
  Punkt("E", 1, 2, 3);
  h().destruktiv = true;
  bool ok = true;
  h().ErzeugeEbeneG("E", 1e-4, 0, 0, 1, ok);  // squared length 1e-8
  EXPECT_FALSE(ok);
  EXPECT_EQ(Meldungen(),
            (std::vector<std::string>{"Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben"}));
  EXPECT_EQ(Fig("E")->Typ, TypPunkt);
  h().destruktiv = false;
  h().ErzeugeEbeneG("F", 1e-3, 0, 0, 1, ok);
  EXPECT_TRUE(ok);
  ErwarteVektor(*Fig("F")->v1, {1000, 0, 0}, 1e-9);
}

TEST_F(Zahlfigurat, WhileALoadRunsAUsedNameIsRedefined) {
  h().destruktiv = true;
  FiguratT* ursprung = h().GListe;
  FiguratT& g = Gerade("g", {1, 1, 1}, {1, 0, 0});
  g.verbundenmit() = "O,";
  bool ok = false;

  // A point takes over the very record, in its place and without a new description.
  h().Element<plattform::EditFeld>("LastInfoF").SetzeText("");
  h().ErzeugePunkt("O", 4, 5, 6, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(h().GListe, ursprung);
  ErwarteVektor(*ursprung->v1, {4, 5, 6}, 0);
  h().ErzeugePunkt("g", 7, 8, 9, ok);
  EXPECT_EQ(Fig("g"), &g);
  EXPECT_EQ(g.Typ, TypPunkt);
  EXPECT_EQ(g.verbundenmit(), "");
  EXPECT_EQ(Letzte(), "");

  // A plane replaces the figure, the origin at the head included, without a message.
  h().ErzeugeEbeneG("g", 0, 0, 1, 2, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Fig("g")->Typ, TypEbene);
  h().ErzeugeEbeneG("O", 1, 0, 0, 0, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(h().GListe->name, "O");
  EXPECT_EQ(h().GListe->Typ, TypEbene);
  h().ErzeugeNamenListen();
  EXPECT_EQ(h().NListe, Liste({"O", "g"}));
}

TEST_F(Zahlfigurat, OriginAfterClearingIsEnteredAsANewPoint) {
  h().AlleFiguratLoeschen();
  bool ok = false;
  h().ErzeugePunkt("O", 0, 0, 0, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(h().FiguratTypNr("O"), TypPunkt);
  EXPECT_EQ(Letzte(), "O ist der Punkt mit dem Koordinatentripel (0 | 0 | 0)");
}

}  // namespace
