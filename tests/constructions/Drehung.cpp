// Rotation about a line.

#include <cmath>
#include <limits>

#include "constructions/Konstruktion.h"

namespace {

class Drehung : public KonstruktionTest {
 protected:
  // The object turned about the axis named "a" by w degrees, entered as "X".
  static FiguratT* Drehe(const std::string& objekt, double w, bool erwarteOk = true) {
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeDrehung(objekt, w, "a", r, ok);
    EXPECT_EQ(ok, erwarteOk);
    return r;
  }
};

TEST_F(Drehung, PointsTurnClockwiseAboutTheAxisByTheWholeSignedAngle) {
  const double s = 1 / std::sqrt(2.0);
  struct Fall {
    V3 stuetz, richtung, punkt;
    double w;
    V3 bild;
  };
  const Fall faelle[] = {
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 90, {0, -1, 0}},
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 270, {0, 1, 0}},
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, -90, {0, 1, 0}},  // the inverse of 90
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 450, {0, -1, 0}},
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 180, {-1, 0, 0}},
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 0, {1, 0, 0}},
      {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 720, {1, 0, 0}},
      // Without x component the axis counts as it points.
      {{0, 0, 0}, {0, 0, -1}, {1, 0, 0}, 90, {0, 1, 0}},
      // With one, it is taken with that component positive.
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 90, {0, 0, -1}},
      {{0, 0, 0}, {-1, 0, 0}, {0, 1, 0}, 90, {0, 0, -1}},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, -90, {0, 0, 1}},
      {{0, 0, 0}, {-1, 0, 0}, {0, 1, 0}, 270, {0, 0, 1}},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 450, {0, 0, -1}},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 180, {0, -1, 0}},
      // A whole turn is no turn, without dividing by zero.
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0, {0, 1, 0}},
      {{0, 0, 0}, {2, 1, 0}, {0, 1, 3}, 360, {0, 1, 3}},
      {{0, 0, 0}, {2, 1, 0}, {0, 1, 3}, -720, {0, 1, 3}},
      {{0, 0, 0}, {1, 1, 0}, {0, 0, 1}, 90, {-s, s, 0}},
      {{1, 1, 0}, {0, 0, 1}, {2, 1, 5}, 90, {1, 0, 5}},
      {{1, 1, 0}, {0, 0, 1}, {1, 1, 7}, 33, {1, 1, 7}},  // on the axis
      {{1, 2, 3}, {4, 5, 6}, {9, 7, 5}, 0, {9, 7, 5}},
  };
  Punkt("P", 0, 0, 0);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.punkt << " um " << f.stuetz << " + t" << f.richtung << " mit " << f.w);
    Gerade("a", f.stuetz, f.richtung);
    Fig("P")->v1->Vektor(f.punkt.x, f.punkt.y, f.punkt.z);
    FiguratT* r = Drehe("P", f.w);
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, TypPunkt);
    ErwarteVektor(*r->v1, f.bild, 1e-12);
  }
}

TEST_F(Drehung, AnyAxisAgreesWithTheRotationMatrix) {
  // Turning by −w right-handed about the axis oriented with x positive.
  struct Fall {
    V3 stuetz, richtung, punkt;
    double w;
  };
  const Fall faelle[] = {
      {{1, 0, -1}, {1, 2, 3}, {4, -2, 7}, 37},
      {{1, 0, -1}, {-1, 2, 3}, {4, -2, 7}, 200},
      {{0, 2, 0}, {-3, -1, 2}, {1, 1, 1}, -125},
      {{0, 0, 0}, {0, 2, -5}, {3, 1, 1}, 300},
      {{5, 5, 5}, {0.5, 0, -0.25}, {0, 0, 0}, 1000},
  };
  VektorT* u;
  h().ErschaffeV(u);
  Punkt("P", 0, 0, 0);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.richtung << " " << f.w);
    FiguratT& a = Gerade("a", f.stuetz, f.richtung);
    Fig("P")->v1->Vektor(f.punkt.x, f.punkt.y, f.punkt.z);
    FiguratT* r = Drehe("P", f.w);
    VektorT achse = *a.v2;
    if (a.v2->kp[1] < 0) a.v2->mal(-1, achse);
    Fig("P")->v1->Richtung(*a.v1, *u);
    u->Punktdrehung(-f.w, achse, *u);
    u->plus(*a.v1, *u);
    ErwarteVektor(*r->v1, K(*u), 1e-9);
  }
  u->Einlagern();
}

TEST_F(Drehung, HugeAnglesTurnByTheirRemainderOf360) {
  Gerade("a", {1, 0, -1}, {1, 2, 3});
  Punkt("P", 4, -2, 7);
  for (double w : {1e308, -1e308, std::numeric_limits<double>::max(), 90 + 360 * std::ldexp(1.0, 45)}) {
    SCOPED_TRACE(w);
    const V3 bild = K(*Drehe("P", w)->v1);
    EXPECT_TRUE(std::isfinite(bild.x) && std::isfinite(bild.y) && std::isfinite(bild.z));
    ErwarteVektor(*Drehe("P", std::fmod(w, 360))->v1, bild, 1e-12);
  }
  ErwarteVektor(*Drehe("P", 90 + 360 * std::ldexp(1.0, 45))->v1, K(*Drehe("P", 90)->v1), 1e-12);
}

TEST_F(Drehung, TheSenseOfTurningDoesNotDependOnTheLengthOfTheAxis) {
  // An axis perpendicular to the x axis up to the tolerance counts as it
  // points, whatever its length; these three are one line.
  Punkt("P", 1, 0, 0);
  for (V3 richtung : {V3{0, 0, 1}, V3{-1e-8, 0, 1}, V3{-0.01, 0, 1e6}}) {
    SCOPED_TRACE(testing::Message() << richtung);
    Gerade("a", {0, 0, 0}, richtung);
    ErwarteVektor(*Drehe("P", 90)->v1, {0, -1, 0}, 1e-7);  // the axis leans by 1e-8
  }
}

TEST_F(Drehung, LinesAndPlanesTurnWithTheirDirections) {
  Gerade("a", {0, 0, 0}, {0, 0, 1});
  Gerade("g", {1, 0, 0}, {2, 0, 0});
  FiguratT* r = Drehe("g", 90);
  EXPECT_EQ(r->Typ, TypGerade);
  ErwarteVektor(*r->v1, {0, -1, 0}, 1e-12);
  ErwarteVektor(*r->v2, {0, -2, 0}, 1e-12);  // the same orientation, not simplified

  Ebene("e", {1, 0, 0}, {1, 0, 0});
  r = Drehe("e", 90);
  EXPECT_EQ(r->Typ, TypEbene);
  ErwarteVektor(*r->v1, {0, -1, 0}, 1e-12);
  EXPECT_NEAR(r->v2->kp[1], 0, 1e-12);
  EXPECT_NEAR(r->v2->kp[3], 0, 1e-12);
  EXPECT_GT(std::fabs(r->v2->kp[2]), 0.1);

  // An upright plane turned about a horizontal axis keeps a normal.
  Gerade("a", {0, 0, 0}, {1, 0, 0});
  Ebene("f", {0, 0, 0}, {1, 1, 0});
  r = Drehe("f", 90);
  EXPECT_EQ(r->Typ, TypEbene);
  EXPECT_FALSE(r->v2->IstNullvektor());
  const VektorT& n = *Fig("f")->v2;
  EXPECT_NEAR(std::fabs(r->v2->SkalProd(n)) / (r->v2->Norm() * n.Norm()), 0.5, 1e-12);  // 60 degrees apart
}

TEST_F(Drehung, FailuresEnterNothingAndReportOkFalse) {
  Punkt("P", 1, 0, 0);
  Figur("R", TypRaum);
  // The axis must be a line; no message says so.
  for (int typ : {TypPunkt, TypEbene, TypDreieck}) {
    Figur("a", typ);
    Drehe("P", 90, false);
    EXPECT_EQ(Fig("X"), nullptr);
  }
  Gerade("a", {0, 0, 0}, {0, 0, 1});
  Drehe("fehlt", 90, false);
  EXPECT_EQ(Fig("X"), nullptr);
  // The whole space cannot be mirrored.
  Drehe("R", 90, false);
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler in der Methode Spiegele"}));
  EXPECT_EQ(Fig("X"), nullptr);

  FiguratT* r = Ergebnis("X");
  bool ok = false;
  h().ErzeugeDrehung("P", 90, "a", r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Fig("X"), nullptr);
  EXPECT_EQ(r->Typ, TypKein);
}

}  // namespace
