// The vector type and the vector pool.

#include <cmath>

#include "core/VektorT.h"
#include "support/Umgebung.h"
#include "ui/HauptF.h"

namespace {

struct V3 { double x, y, z; };

class Vektoren : public ProgrammTest {
 protected:
  HauptF& h() { return HauptF::Instanz(); }
  VektorT& V(double x, double y, double z) {
    VektorT* v;
    h().ErschaffeV(v);
    v->Vektor(x, y, z);
    return *v;
  }
  static V3 K(const VektorT& v) { return {v.kp[1], v.kp[2], v.kp[3]}; }
};

void ErwarteGleich(const VektorT& v, V3 soll, double genau = 0) {
  EXPECT_NEAR(v.kp[1], soll.x, genau);
  EXPECT_NEAR(v.kp[2], soll.y, genau);
  EXPECT_NEAR(v.kp[3], soll.z, genau);
}

TEST_F(Vektoren, SumsAndCombinationsMayWriteIntoTheirOperands) {
  VektorT& a = V(1, 2, 3);
  VektorT& b = V(4, 5, 6);
  VektorT& c = V(9, 9, 9);
  a.plus(b, c);
  ErwarteGleich(c, {5, 7, 9});
  a.plus(b, a);
  ErwarteGleich(a, {5, 7, 9});
  a.Vektor(1, 2, 3);
  a.plus(b, b);
  ErwarteGleich(b, {5, 7, 9});

  a.Vektor(1, 2, 3);
  b.Vektor(4, 5, 6);
  a.LinKomb(2, b, -1, b);
  ErwarteGleich(b, {-2, -1, 0});
  a.Richtung(b, a);  // (1, 2, 3) − (−2, −1, 0)
  ErwarteGleich(a, {3, 3, 3});
  a.mal(-2, a);
  ErwarteGleich(a, {-6, -6, -6});
  EXPECT_EQ(V(1, 2, 3).SkalProd(V(4, -5, 6)), 12);
}

TEST_F(Vektoren, CrossProductAndDeterminant) {
  VektorT& a = V(1, 0, 0);
  VektorT& b = V(0, 1, 0);
  VektorT& c = V(7, 7, 7);
  a.kreuz(b, c);
  ErwarteGleich(c, {0, 0, 1});
  a.Vektor(1, 2, 3);
  b.Vektor(4, 5, 6);
  a.kreuz(b, a);
  ErwarteGleich(a, {-3, 6, -3});
  EXPECT_EQ(V(1, 0, 0).Det(V(0, 1, 0), V(0, 0, 1)), 1);
  EXPECT_EQ(V(1, 2, 3).Det(V(2, 4, 6), V(0, 1, 5)), 0);
}

TEST_F(Vektoren, NullVectorsAndEqualityUseSquares) {
  EXPECT_TRUE(V(0, 0, 0).IstNullvektor());
  EXPECT_TRUE(V(0.0003, 0, 0).IstNullvektor());
  EXPECT_FALSE(V(0.0004, 0, 0).IstNullvektor());
  EXPECT_TRUE(V(1, 2, 3).istgleich(V(1.0003, 2, 3)));
  EXPECT_FALSE(V(1, 2, 3).istgleich(V(1.0004, 2, 3)));
  EXPECT_DOUBLE_EQ(V(1, 2, 3).dist(V(4, 6, 3)), 5);
  EXPECT_DOUBLE_EQ(V(3, 4, 12).Norm(), 13);
  VektorT& n = V(3, 0, 4);
  n.Normiere();
  ErwarteGleich(n, {0.6, 0, 0.8}, 1e-15);
}

TEST_F(Vektoren, TestsOfTheGeometryGoByDirectionsAndDistances) {
  struct Richtungen { V3 a, b; bool parallel, senkrecht; };
  for (Richtungen f : {Richtungen{{1, 0, 0}, {-2, 0, 0}, true, false},
                       {{1, 0, 0}, {1, 3e-4, 0}, true, false},  // sine squared 9e-8
                       {{1, 0, 0}, {1, 4e-4, 0}, false, false},
                       {{1e6, 0, 0}, {1e6, 4e2, 0}, false, false},
                       {{5e-4, 0, 0}, {1e-4, 5e-4, 0}, false, false},  // 79 degrees
                       {{1e300, 1e300, 0}, {-1e-300, -1e-300, 0}, true, false},
                       {{1, 0, 0}, {0.05, 1e6, 0}, false, true},  // cosine 5e-8
                       {{1e6, 1e6, 0}, {-1e6, 1e6 + 0.1, 1}, false, true},  // dot product 1e5, cosine 5e-8
                       {{1e6, 1e6, 0}, {-1e6, 1e6 + 0.3, 1}, false, false},
                       {{0, 0, 0}, {1, 2, 3}, true, true}}) {
    const VektorT& a = V(f.a.x, f.a.y, f.a.z);
    const VektorT& b = V(f.b.x, f.b.y, f.b.z);
    EXPECT_EQ(a.IstParallelZu(b), f.parallel) << f.b.x << ", " << f.b.y;
    EXPECT_EQ(b.IstParallelZu(a), f.parallel) << f.b.x << ", " << f.b.y;
    EXPECT_EQ(a.IstSenkrechtZu(b), f.senkrecht) << f.b.x << ", " << f.b.y;
  }
  // A point lies on a line within the distance of istgleich, whatever the
  // length of the direction; in a plane within the tolerance itself.
  EXPECT_TRUE(V(5, 3e-4, 0).LiegtAufGerade(V(0, 0, 0), V(2e6, 0, 0)));
  EXPECT_FALSE(V(5, 4e-4, 0).LiegtAufGerade(V(0, 0, 0), V(1e-6, 0, 0)));
  EXPECT_TRUE(V(1e6, 2e6, 3 + 9e-8).LiegtInEbene(V(0, 0, 3), V(0, 0, 1e9)));
  EXPECT_FALSE(V(1, 2, 3 + 2e-7).LiegtInEbene(V(0, 0, 3), V(0, 0, 1e-3)));
}

TEST_F(Vektoren, SimpleFormOfADirection) {
  struct Fall { V3 vorher, nachher; };
  const Fall faelle[] = {
      {{-2, -4, 6}, {1, 2, -3}},       {{0, 0, 5}, {0, 0, 1}},         {{-3, 0, 0}, {-1, 0, 0}},
      {{-3, -6, 0}, {1, 2, 0}},        {{-1, -1, -1}, {1, 1, 1}},      {{0.5, 1, 1.5}, {0.5, 1, 1.5}},
      {{2.9999999, 6, 9}, {2.9999999, 6, 9}}, {{3.00000001, 6, 9}, {3.00000001 / 3, 2, 3}},
      {{-1e-9, -1e-9, 5}, {0, 0, -1}}, {{0, 0, 0}, {0, 0, 0}},        {{4, -6, 8}, {2, -3, 4}},
      // Beyond the Integer range nothing is divided.
      {{4e9, 2e9, 6e9}, {4e9, 2e9, 6e9}}, {{-3e10, 3, 0}, {-3e10, 3, 0}},
  };
  for (const Fall& f : faelle) {
    VektorT& v = V(f.vorher.x, f.vorher.y, f.vorher.z);
    v.VereinfacheRichtung();
    EXPECT_EQ(v.kp[1], f.nachher.x) << f.vorher.x << ", " << f.vorher.y << ", " << f.vorher.z;
    EXPECT_EQ(v.kp[2], f.nachher.y) << f.vorher.x << ", " << f.vorher.y << ", " << f.vorher.z;
    EXPECT_EQ(v.kp[3], f.nachher.z) << f.vorher.x << ", " << f.vorher.y << ", " << f.vorher.z;
  }
  struct G { V3 v; bool ganz; };
  for (G g : {G{{3.00000001, 0, 0}, true}, {{2.9999999, 0, 0}, false}, {{-4, 0.5, 0}, false}, {{-4, 7, 0}, true}})
    EXPECT_EQ(V(g.v.x, g.v.y, g.v.z).VGanzzahlig(), g.ganz) << g.v.x << ", " << g.v.y;
}

TEST_F(Vektoren, AngleInDegrees) {
  struct Fall { V3 a, b; double grad; };
  const Fall faelle[] = {
      {{1, 0, 0}, {0, 1, 0}, 90},   {{1, 0, 0}, {2, 0, 0}, 0},       {{1, 0, 0}, {-1, 0, 0}, 180},
      {{1, 0, 0}, {1, 0.0003, 0}, 0}, {{1, 1, 0}, {1, 0, 0}, 45},
      // The quotient of these comes out just below −1.
      {{1, 1, 1}, {-1, -1, -1}, 180}, {{1, 2, 3}, {-1, -2, -3}, 180},
      // Within the tolerance of −1 as of 1; just above −1 for (3, 3, 1).
      {{1, 0, 0}, {-1, -0.0003, 0}, 180}, {{3, 3, 1}, {-3, -3, -1}, 180},
      {{1e200, 0, 1e200}, {0, 0, 3e200}, 45}, {{1e300, 1e300, 0}, {-1e300, -1e300, 0}, 180},
  };
  for (const Fall& f : faelle)
    EXPECT_NEAR(V(f.a.x, f.a.y, f.a.z).Winkel(V(f.b.x, f.b.y, f.b.z)), f.grad, 1e-12) << f.b.x << ", " << f.b.y;
  EXPECT_EQ(V(1, 0, 0).Winkel(V(2, 0, 0)), 0);
  // Every small whole-number direction makes exactly 0 with its multiples
  // and 180 with its opposite.
  for (int x = -3; x <= 3; ++x)
    for (int y = -3; y <= 3; ++y)
      for (int z = -3; z <= 3; ++z) {
        if (x == 0 && y == 0 && z == 0) continue;
        const VektorT& a = V(x, y, z);
        EXPECT_EQ(a.Winkel(V(3 * x, 3 * y, 3 * z)), 0) << x << ", " << y << ", " << z;
        EXPECT_EQ(a.Winkel(V(-x, -y, -z)), 180) << x << ", " << y << ", " << z;
        EXPECT_EQ(a.Winkel(V(-7 * x, -7 * y, -7 * z)), 180) << x << ", " << y << ", " << z;
      }

  EXPECT_EQ(V(0, 0, 0).Winkel(V(1, 0, 0)), KeinWinkel);
  EXPECT_EQ(V(1, 0, 0).Winkel(V(0, 0.0001, 0)), 666);
  EXPECT_EQ(Meldungen(), (std::vector<std::string>(2, "Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor")));
}

TEST_F(Vektoren, PlaneThroughThreePoints) {
  VektorT& n = V(0, 0, 0);
  double d = 42;
  bool ok = false;
  V(1, 0, 0).Hesseform(V(0, 1, 0), V(0, 0, 1), n, d, ok);
  EXPECT_TRUE(ok);
  const double e = 1 / std::sqrt(3.0);
  ErwarteGleich(n, {e, e, e}, 1e-15);
  EXPECT_NEAR(d, e, 1e-15);

  d = 42;
  ok = false;
  V(0, 0, 0).Hesseform(V(1, 1, 1), V(2, 2, 2), n, d, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(d, 42);

  // n may be the receiver or c.
  VektorT& a = V(1, 0, 0);
  ok = false;
  a.Hesseform(V(0, 1, 0), V(0, 0, 1), a, d, ok);
  ErwarteGleich(a, {e, e, e}, 1e-15);
  VektorT& c = V(0, 0, 1);
  V(1, 0, 0).Hesseform(V(0, 1, 0), c, c, d, ok);
  ErwarteGleich(c, {e, e, e}, 1e-15);
}

TEST_F(Vektoren, FootAreaMirrorAndText) {
  VektorT& f = V(9, 9, 9);
  V(1, 1, 0).Fusspunkt(V(0, 0, 0), V(2, 0, 0), f);
  ErwarteGleich(f, {1, 0, 0});
  V(1, 1, 0).Fusspunkt(V(5, 5, 5), V(5, 5, 5), f);
  ErwarteGleich(f, {5, 5, 5});
  VektorT& p = V(1, 1, 0);
  p.Fusspunkt(V(0, 0, 0), V(2, 0, 0), p);
  ErwarteGleich(p, {1, 0, 0});

  EXPECT_DOUBLE_EQ(V(0, 0, 0).DreiecksFlaeche(V(3, 0, 0), V(0, 4, 0)), 6);
  // The product under the root comes out slightly negative for these.
  EXPECT_EQ(V(0, 0, 0).DreiecksFlaeche(V(0.3, 0.7, 1.1), V(0.9, 2.1, 3.3)), 0);

  VektorT& q = V(0, 0, 0);
  V(1, 2, 3).SpiegelePP(V(0, 0, 0), q);
  ErwarteGleich(q, {-1, -2, -3});
  V(1, 2, 3).SpiegelePP(V(1, 1, 1), q);
  ErwarteGleich(q, {1, 0, -1});

  EXPECT_EQ(V(1, -2.5, 1e-8).Vektor2String(), "(1|-2.5|0)");
  h().Dezimalen = 2;
  EXPECT_EQ(V(1.0 / 3, -2.0 / 3, 12).Vektor2String(), "(0.33|-0.67|12)");
}

TEST_F(Vektoren, RotationIsRightHanded) {
  VektorT& q = V(0, 0, 0);
  V(1, 0, 0).Punktdrehung(90, V(0, 0, 5), q);
  ErwarteGleich(q, {0, 1, 0}, 1e-15);
  V(1, 0, 0).Punktdrehung(-90, V(0, 0, 5), q);
  ErwarteGleich(q, {0, -1, 0}, 1e-15);
  V(0, 0, 1).Punktdrehung(90, V(1, 0, 0), q);
  ErwarteGleich(q, {0, -1, 0}, 1e-15);
  V(1, 0, 0).Punktdrehung(120, V(1, 1, 1), q);
  ErwarteGleich(q, {0, 1, 0}, 1e-15);
  VektorT& p = V(1, 0, 0);
  p.Punktdrehung(90, V(0, 0, 1), p);
  ErwarteGleich(p, {0, 1, 0}, 1e-15);
  VektorT& achse = V(0, 0, 1);
  V(1, 0, 0).Punktdrehung(90, achse, achse);
  ErwarteGleich(achse, {0, 1, 0}, 1e-15);
  // Whole turns are taken off first, and the axis may have any length.
  V(1, 0, 0).Punktdrehung(90 + 360 * std::ldexp(1.0, 45), V(0, 0, 1e300), q);
  ErwarteGleich(q, {0, 1, 0}, 1e-15);
  V(1, 0, 0).Punktdrehung(1e308, V(0, 0, 1e-300), q);
  const double phi = std::fmod(1e308, 360) * std::atan(1.0) / 45;
  ErwarteGleich(q, {std::cos(phi), std::sin(phi), 0}, 1e-15);
}

TEST_F(Vektoren, PoolIsLastInFirstOut) {
  VektorT* neu;
  h().ErschaffeV(neu);
  ErwarteGleich(*neu, {0, 0, 0});
  neu->Vektor(1, 2, 3);
  neu->Einlagern();
  VektorT* wieder;
  h().ErschaffeV(wieder);
  EXPECT_EQ(wieder, neu);
  ErwarteGleich(*wieder, {1, 2, 3});

  VektorT* u = &V(0, 0, 0);
  VektorT* v = &V(0, 0, 0);
  u->Einlagern();
  v->Einlagern();
  VektorT* erster;
  VektorT* zweiter;
  h().ErschaffeV(erster);
  h().ErschaffeV(zweiter);
  EXPECT_EQ(erster, v);
  EXPECT_EQ(zweiter, u);
  EXPECT_EQ(h().VLager, nullptr);
}

TEST_F(Vektoren, WarmPoolsServeEveryOperation) {
  VektorT& a = V(1, 2, 3);
  VektorT& b = V(-2, 0.5, 4);
  VektorT& c = V(0, 0, 0);
  VektorT& e = V(0, 0, 0);
  double d = 0;
  bool ok = false;
  auto runde = [&] {
    a.kreuz(b, c);
    a.LinKomb(0.5, b, 2, c);
    c.VereinfacheRichtung();
    a.Det(b, c);
    a.dist(b);
    a.Winkel(b);
    a.Hesseform(b, e, c, d, ok);
    a.Fusspunkt(b, c, c);
    a.DreiecksFlaeche(b, c);
    a.Punktdrehung(33, b, c);
    h().PPP2E(a, b, c, c);
  };
  runde();
  const std::size_t vorher = h().Arenagroesse();
  for (int i = 0; i < 1000; ++i) runde();
  EXPECT_EQ(h().Arenagroesse(), vorher);
}

}  // namespace
