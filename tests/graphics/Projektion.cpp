// The central projection and the anaglyph's second view, with the eye point
// of the start.

#include <cmath>

#include "Grafik.h"

namespace {

class Projektion : public GrafikTest {
 protected:
  struct Bild {
    double x, y, z;
  };
  static Bild Abbild(double x, double y, double z, bool zweiteAnsicht = false) {
    VektorT& p = Vektor(x, y, z);
    VektorT& q = Vektor(0, 0, 0);
    if (zweiteAnsicht)
      p.aAbbilden(q);
    else
      p.Abbilden(q);
    Bild b{q.kp[1], q.kp[2], q.kp[3]};
    p.Einlagern();
    q.Einlagern();
    return b;
  }
};

TEST_F(Projektion, DisplayConstantsOfTheStartEye) {
  const VektorT& S = *h().SchnittrichtungV;
  EXPECT_GT(S.kp[1], 0);
  EXPECT_EQ(S.kp[2], -S.kp[1]);
  EXPECT_EQ(S.kp[3], 0);
  EXPECT_NEAR(h().alphaW, std::acos(30 / std::sqrt(902.0)) * 180 / (4 * std::atan(1.0)), 1e-12);
  EXPECT_NEAR(h().alphaW, 2.70, 0.005);
  EXPECT_NEAR(h().betaW, 45, 1e-12);
  // The eye point itself is not moved.
  EXPECT_EQ((std::array{h().Augenpunkt->kp[1], h().Augenpunkt->kp[2], h().Augenpunkt->kp[3]}),
            (std::array{1.0, 1.0, 30.0}));
}

TEST_F(Projektion, ReferencePointsSeenFromTheEye) {
  struct Fall {
    double x, y, z;
    Bild soll;
  };
  const Fall faelle[] = {
      {0, 0, 0, {0, 0, 0}},     {1, 0, 0, {0.71, 0.71, 0}}, {0, 1, 0, {-0.71, 0.71, 0}},
      {0, 0, 1, {0, -0.05, 0}}, {1, 1, 1, {0, 1.42, 0}},    {0, 0, -1, {0, 0.05, 0}},
  };
  for (const Fall& f : faelle) {
    Bild b = Abbild(f.x, f.y, f.z);
    EXPECT_NEAR(b.x, f.soll.x, 0.005) << f.x << f.y << f.z;
    EXPECT_NEAR(b.y, f.soll.y, 0.005) << f.x << f.y << f.z;
    EXPECT_EQ(b.z, 0) << f.x << f.y << f.z;
  }
  // The tolerance makes these exact.
  EXPECT_EQ(Abbild(0, 0, 0).x, 0);
  EXPECT_EQ(Abbild(1, 1, 1).x, 0);
  EXPECT_EQ(Abbild(0, 0, 1).x, 0);
  EXPECT_GT(Abbild(1, 0, 0).x, Abbild(1, 0, 0).y);
}

TEST_F(Projektion, SecondViewShiftsWithTheEyeDistance) {
  Anaglyph(true);
  struct Fall {
    double x, y, z;
    Bild soll;
  };
  const Fall faelle[] = {
      {0, 0, 0, {0, 0, 0}},
      {0, 0, 1, {0.03, -0.05, 0}},
      {1, 1, 1, {0.04, 1.42, 0}},
      {0, 0, -1, {-0.03, 0.05, 0}},
  };
  for (const Fall& f : faelle) {
    Bild b = Abbild(f.x, f.y, f.z, true);
    EXPECT_NEAR(b.x, f.soll.x, 0.005) << f.z;
    EXPECT_NEAR(b.y, f.soll.y, 0.005) << f.z;
    EXPECT_EQ(b.z, 0) << f.z;
    // The same picture y as the first view.
    EXPECT_NEAR(b.y, Abbild(f.x, f.y, f.z).y, 1e-12) << f.z;
  }
  EXPECT_EQ(h().Augenabstand, 1.0);
  const double shift = Abbild(0, 0, 1, true).x;
  E<plattform::Slider>("AugAbst").SetzeValue(50);
  Bild b = Abbild(0, 0, 1, true);
  EXPECT_NEAR(b.x, 0.17, 0.005);
  EXPECT_NEAR(b.y, -0.05, 0.005);
  EXPECT_NEAR(b.x, 5 * shift, 1e-12);
  EXPECT_EQ(h().Augenabstand, 5.0);
}

TEST_F(Projektion, SecondViewWithoutAnaglyphLeavesEverythingAsItWas) {
  h().Augenabstand = 77;
  VektorT& p = Vektor(1, 2, 3);
  VektorT& q = Vektor(9, 8, 7);
  p.aAbbilden(q);
  EXPECT_EQ((std::array{q.kp[1], q.kp[2], q.kp[3]}), (std::array{9.0, 8.0, 7.0}));
  EXPECT_EQ(h().Augenabstand, 77);
}

TEST_F(Projektion, MovedEyeKeepsTheRotationsOfTheRestart) {
  const double alpha = h().alphaW;
  h().Augenpunkt->Vektor(1, 1, 25);
  Bild b = Abbild(1, 0, 0);
  EXPECT_NEAR(b.z, -0.01, 0.005);
  h().Augenpunkt->Vektor(20, 1, 25);
  b = Abbild(1, 0, 0);
  EXPECT_NEAR(b.x, 0.45, 0.005);
  EXPECT_NEAR(b.y, 0.56, 0.005);
  EXPECT_NEAR(b.z, -0.34, 0.005);
  EXPECT_EQ(h().alphaW, alpha);
}

TEST_F(Projektion, TemporariesGoBackToThePool) {
  Anaglyph(true);
  VektorT& p = Vektor(1, 2, 3);
  VektorT& q = Vektor(0, 0, 0);
  p.Abbilden(q);
  p.aAbbilden(q);
  const std::size_t arena = h().Arenagroesse();
  const int pool = Poolgroesse();
  p.Abbilden(q);
  p.aAbbilden(q);
  h().CalcDarstellungskonstanten(*h().Augenpunkt, *h().SchnittrichtungV, h().alphaW, h().betaW);
  EXPECT_EQ(h().Arenagroesse(), arena);
  EXPECT_EQ(Poolgroesse(), pool);
}

TEST_F(Projektion, PointInTheEyesPlaneHasNoFiniteImage) {
  Bild b = Abbild(31, 1, 29);
  EXPECT_FALSE(std::isfinite(b.x) && std::isfinite(b.y));
}

}  // namespace
