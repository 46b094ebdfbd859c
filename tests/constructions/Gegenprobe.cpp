// An independent check of the intersections, distances and hulls: random
// lines and planes through typed points with one decimal at coordinates up to
// ±1000, against what exact integer arithmetic on the lattice of tenths says.
// Pairs so close to parallel, or so near to meeting, that rounding would rule
// are left out.

#include <cmath>
#include <random>

#include "constructions/Konstruktion.h"

namespace {

// The sine of the angle between a and b.
long double Sinus(const G3& a, const G3& b) {
  const G3 c = Kreuz(a, b);
  return Wurzel(Skalar(c, c)) / Wurzel(Skalar(a, a)) / Wurzel(Skalar(b, b));
}

std::array<long double, 3> Genau(const G3& zehntel) {
  return {zehntel[0] / 10.0L, zehntel[1] / 10.0L, zehntel[2] / 10.0L};
}

class Gegenprobe : public GitterTest {
 protected:
  // Tenths from −bis to bis.
  G3 Zufall(long long bis) {
    std::uniform_int_distribution<long long> z(-bis, bis);
    return {z(zufall_), z(zufall_), z(zufall_)};
  }
  long long Faktor(long long von, long long bis) { return std::uniform_int_distribution<long long>(von, bis)(zufall_); }
  // A factor from −4 to 4 that is not 0.
  long long OhneNull() { return Faktor(0, 1) ? Faktor(1, 4) : -Faktor(1, 4); }
  // A direction of at least a tenth of its bound.
  G3 Richtung(long long bis) {
    G3 d;
    do d = Zufall(bis);
    while (Skalar(d, d) * 100 < static_cast<Ganz>(bis) * bis);
    return d;
  }
  // u and v at an angle that rounding does not rule.
  void ZweiRichtungen(long long bis, G3& u, G3& v) {
    u = Richtung(bis);
    do v = Richtung(bis);
    while (Sinus(u, v) < 1e-3);
  }
  // A random plane E through the points S, U = S + u and V = S + v, entered.
  struct Ebene {
    G3 S, u, v, n;
    G3 In(long long a, long long b) const { return Plus(S, Plus(Mal(a, u), Mal(b, v))); }
  };
  Ebene ZufallsEbene() {
    Ebene e;
    e.S = Zufall(1000);
    ZweiRichtungen(500, e.u, e.v);
    e.n = Kreuz(e.u, e.v);
    P("S", e.S);
    P("U", e.In(1, 0));
    P("V", e.In(0, 1));
    E("E", "S", "U", "V");
    return e;
  }

  // The intersection in both orders, the distance in both orders and the hull.
  static void Erwarte(const char* a, const char* b, int schnitt, long double abstand, int huelle) {
    SCOPED_TRACE(testing::Message() << a << " und " << b);
    EXPECT_EQ(Schnitt(a, b).Typ, schnitt);
    EXPECT_NEAR(h().Abstand(a, b), abstand, 1e-7);
    EXPECT_NEAR(h().Abstand(b, a), abstand, 1e-7);
    EXPECT_EQ(HuelleTyp(a, b), huelle);
  }
  static void ErwartePunkt(const VektorT& v, const std::array<long double, 3>& genau) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(v.kp[i + 1], static_cast<double>(genau[i]), 1e-7) << i;
  }

  std::mt19937 zufall_{20240611};
};

TEST_F(Gegenprobe, TwoLines) {
  for (int i = 0; i < 300 && !HasFailure(); ++i) {
    SCOPED_TRACE(i);
    // g through A and its mirror image at S, h through C and its mirror image: meeting in S.
    const G3 S = Zufall(2500);
    const G3 A = Zufall(5000);
    const G3 C = Zufall(5000);
    const G3 u = Minus(S, A);
    const G3 v = Minus(S, C);
    if (Skalar(u, u) < 100 * 100 || Skalar(v, v) < 100 * 100 || Sinus(u, v) < 1e-3) continue;
    P("A", A);
    P("B", Plus(S, u));
    G("g", "A", "B");
    P("C", C);
    P("D", Plus(S, v));
    G("h", "C", "D");
    Erwarte("g", "h", PKT, 0, EBE);
    ErwartePunkt(*Schnitt("g", "h").v1, Genau(S));

    // Through two points anywhere: skew.
    const G3 K = Zufall(10000);
    const G3 L = Zufall(10000);
    const G3 c = Kreuz(u, Minus(L, K));
    if (Skalar(c, c) > 0 && Sinus(u, Minus(L, K)) > 1e-3 && AbstandEbene(K, S, c) > 1e-3) {
      P("K", K);
      P("L", L);
      G("k", "K", "L");
      Erwarte("g", "k", LEER, AbstandEbene(K, S, c), RAUM);
    }

    // Parallel, and g itself through two other of its points.
    const G3 M = Zufall(2500);
    if (AbstandGerade(M, S, u) > 1e-3) {
      P("M", M);
      P("N", Plus(M, u));
      G("m", "M", "N");
      Erwarte("g", "m", LEER, AbstandGerade(M, S, u), EBE);
    }
    P("S", S);
    G("n", "S", "B");
    Erwarte("g", "n", GER, 0, GER);
  }
}

TEST_F(Gegenprobe, ALineAndAPlane) {
  for (int i = 0; i < 300 && !HasFailure(); ++i) {
    SCOPED_TRACE(i);
    const Ebene e = ZufallsEbene();
    G3 w;
    do w = Richtung(500);
    while (std::fabs(Sinus(w, e.n)) > 1 - 1e-3 || AbstandEbene(w, {0, 0, 0}, e.n) < 1e-3);

    // In E; parallel to it through a point off it; meeting it.
    const long long a = OhneNull(), b = Faktor(-3, 3), k = OhneNull();
    P("A", e.In(a, b));
    P("B", e.In(-a, b + k));
    G("l", "A", "B");
    Erwarte("l", "E", GER, 0, EBE);
    ErwarteGerade(Schnitt("l", "E"), e.In(a, b), Minus(e.In(a, b), e.In(-a, b + k)), 1e-7L);
    P("A", Plus(e.In(a, b), w));
    P("B", Plus(e.In(-a, b + 1), w));
    G("p", "A", "B");
    Erwarte("p", "E", LEER, AbstandEbene(w, {0, 0, 0}, e.n), RAUM);
    P("A", Plus(e.In(a, b), Mal(OhneNull(), w)));
    P("B", Plus(e.In(a, b), Mal(5, w)));
    G("q", "A", "B");
    Erwarte("q", "E", PKT, 0, RAUM);
    ErwartePunkt(*Schnitt("q", "E").v1, Genau(e.In(a, b)));

    // A line through two points anywhere meets it where exact arithmetic says.
    const G3 A = Zufall(10000);
    const G3 d = Minus(Zufall(10000), A);
    if (Skalar(d, d) == 0 || std::fabs(Sinus(d, e.n)) > 1 - 1e-3) continue;
    const long double t =
        static_cast<long double>(Skalar(Minus(e.S, A), e.n)) / static_cast<long double>(Skalar(d, e.n));
    std::array<long double, 3> X{};
    for (int k = 0; k < 3; ++k) X[k] = (A[k] + t * d[k]) / 10;
    if (std::fabs(X[0]) + std::fabs(X[1]) + std::fabs(X[2]) > 1e4) continue;  // far off, where the rounding grows
    P("A", A);
    P("B", Plus(A, d));
    G("r", "A", "B");
    Erwarte("r", "E", PKT, 0, RAUM);
    ErwartePunkt(*Schnitt("r", "E").v1, X);
  }
}

TEST_F(Gegenprobe, TwoPlanes) {
  for (int i = 0; i < 300 && !HasFailure(); ++i) {
    SCOPED_TRACE(i);
    const Ebene e = ZufallsEbene();
    G3 w;
    do w = Richtung(500);
    while (AbstandEbene(w, {0, 0, 0}, e.n) < 1e-3 || Sinus(e.n, Kreuz(e.v, w)) < 1e-3);

    // Through three other points of E, and through them moved off E.
    P("A", e.In(2, -1));
    P("B", e.In(-1, 3));
    P("C", e.In(-2, -2));
    E("F", "A", "B", "C");
    Erwarte("E", "F", EBE, 0, EBE);
    P("A", Plus(e.In(2, -1), w));
    P("B", Plus(e.In(-1, 3), w));
    P("C", Plus(e.In(-2, -2), w));
    E("F", "A", "B", "C");
    Erwarte("E", "F", LEER, AbstandEbene(w, {0, 0, 0}, e.n), RAUM);

    // Through S, V and a point off E: they meet along the line through S and V.
    P("A", Plus(e.S, w));
    E("F", "S", "V", "A");
    Erwarte("E", "F", GER, 0, RAUM);
    ErwarteGerade(Schnitt("E", "F"), e.S, e.v, 1e-7L);
  }
}

}  // namespace
