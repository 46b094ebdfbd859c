#pragma once

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "support/Figurat.h"
#include "support/Gitter.h"

// Short type codes for tables of figures.
constexpr int PKT = TypPunkt;
constexpr int GER = TypGerade;
constexpr int EBE = TypEbene;
constexpr int LEER = TypLeer;
constexpr int RAUM = TypRaum;

// Three coordinates, for writing figures and expected vectors in tables.
struct V3 {
  double x, y, z;
};

inline std::ostream& operator<<(std::ostream& aus, const V3& v) {
  return aus << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

// The program with its fresh figure list, and figures entered as the
// constructions find them: by name, with their vectors.
class KonstruktionTest : public FiguratTest {
 protected:
  static FiguratT& Mit(const std::string& name, int typ, V3 v1, V3 v2 = {0, 0, 0}) {
    FiguratT& g = Neu(name, typ);
    g.v1->Vektor(v1.x, v1.y, v1.z);
    g.v2->Vektor(v2.x, v2.y, v2.z);
    g.Einlisten();
    return g;
  }
  static FiguratT& Gerade(const std::string& name, V3 p, V3 d) { return Mit(name, TypGerade, p, d); }
  static FiguratT& Ebene(const std::string& name, V3 p, V3 n) { return Mit(name, TypEbene, p, n); }

  // A result record as the command list passes it: from the pool, named.
  static FiguratT* Ergebnis(const std::string& name) {
    FiguratT* r;
    h().ErschaffeG(r);
    r->name = name;
    return r;
  }
  // The figure of that name in the list, nullptr when there is none.
  static FiguratT* Fig(const std::string& name) {
    FiguratT* g;
    bool gefunden;
    h().HoleFigurat(name, g, gefunden);
    return gefunden ? g : nullptr;
  }
  static V3 K(const VektorT& v) { return {v.kp[1], v.kp[2], v.kp[3]}; }
  static std::string Letzte() { return h().Element<plattform::EditFeld>("LastInfoF").Text(); }
};

// Figures built as the user builds them: points typed with one decimal, on
// the lattice of tenths, and the constructions of the command list on them.
class GitterTest : public KonstruktionTest {
 protected:
  void SetUp() override {
    KonstruktionTest::SetUp();
    h().ProtokollAn = false;  // the one-liners of many figures stay out of the buffer
    h().destruktiv = true;    // a point defined again under its name moves there
  }
  static void P(const std::string& name, const G3& zehntel) {
    bool ok = false;
    h().ErzeugePunkt(name, zehntel[0] / 10.0, zehntel[1] / 10.0, zehntel[2] / 10.0, ok);
    ASSERT_TRUE(ok) << name;
  }
  // A construction with a fresh result record, entered under the name.
  template <class Konstruktion>
  static void Baue(const std::string& name, Konstruktion k) {
    FiguratT* r = Ergebnis(name);
    bool ok = true;
    k(r, ok);
    ASSERT_TRUE(ok) << name;
    ASSERT_EQ(Fig(name), r) << name;
  }
  static void G(const std::string& name, const std::string& A, const std::string& B) {
    Baue(name, [&](FiguratT*& r, bool& ok) { h().ErzeugeGeradePP(A, B, r, ok); });
  }
  static void E(const std::string& name, const std::string& A, const std::string& B, const std::string& C) {
    Baue(name, [&](FiguratT*& r, bool& ok) { h().ErzeugeEbenePPP(A, B, C, r, ok); });
  }
  // The intersection in both orders, which must agree in type; the result of
  // the order a, b is the figure "X".
  static const FiguratT& Schnitt(const std::string& a, const std::string& b) {
    Baue("X", [&](FiguratT*& r, bool& ok) { h().ErzeugeSchnitt(b, a, r, ok); });
    const int typ = Fig("X")->Typ;
    Baue("X", [&](FiguratT*& r, bool& ok) { h().ErzeugeSchnitt(a, b, r, ok); });
    EXPECT_EQ(Fig("X")->Typ, typ) << "in der anderen Reihenfolge";
    return *Fig("X");
  }
  // The type of the hull of a, b and a again, and of b, a and b.
  static int HuelleTyp(const std::string& a, const std::string& b) {
    Baue("H", [&](FiguratT*& r, bool& ok) { h().ErzeugeHuelle(b, a, b, r, ok); });
    const int typ = Fig("H")->Typ;
    Baue("H", [&](FiguratT*& r, bool& ok) { h().ErzeugeHuelle(a, b, a, r, ok); });
    EXPECT_EQ(Fig("H")->Typ, typ) << "in der anderen Reihenfolge";
    return typ;
  }
};

// The distance of the point p from the plane through q with the normal n,
// and from the line through q along d, exactly from the lattice of tenths.
inline long double AbstandEbene(const G3& p, const G3& q, const G3& n) {
  return std::fabs(static_cast<long double>(Skalar(Minus(p, q), n))) / Wurzel(Skalar(n, n)) / 10;
}
inline long double AbstandGerade(const G3& p, const G3& q, const G3& d) {
  const G3 c = Kreuz(Minus(p, q), d);
  return Wurzel(Skalar(c, c)) / Wurzel(Skalar(d, d)) / 10;
}

// g is the line through q along d (tenths): its support point lies within
// genau of that line, and its direction is parallel to d.
inline void ErwarteGerade(const FiguratT& g, const G3& q, const G3& d, long double genau) {
  EXPECT_EQ(g.Typ, TypGerade);
  long double p[3], r[3];
  for (int i = 0; i < 3; ++i) {
    p[i] = g.v1->kp[i + 1] - q[i] / 10.0L;
    r[i] = g.v2->kp[i + 1];
  }
  auto MalSinus = [&d](const long double (&a)[3]) {  // |a × d| / |d|
    const long double c[3] = {a[1] * d[2] - a[2] * d[1], a[2] * d[0] - a[0] * d[2], a[0] * d[1] - a[1] * d[0]};
    return std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]) / Wurzel(Skalar(d, d));
  };
  EXPECT_LT(MalSinus(p), genau);
  EXPECT_LT(MalSinus(r) / std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]), 1e-12L);
}

inline void ErwarteVektor(const VektorT& v, V3 soll, double genau = 1e-9) {
  EXPECT_NEAR(v.kp[1], soll.x, genau);
  EXPECT_NEAR(v.kp[2], soll.y, genau);
  EXPECT_NEAR(v.kp[3], soll.z, genau);
}

// Every record in its one place: no vector twice in the pool, none in the
// pool that a figure holds, no figure in the pool and the list at once.
inline void ErwarteLagerInOrdnung() {
  HauptF& h = HauptF::Instanz();
  std::vector<const VektorT*> gelagert;
  for (const VektorT* v = h.VLager; v; v = v->zeiger) {
    ASSERT_EQ(std::count(gelagert.begin(), gelagert.end(), v), 0) << "ein Vektor liegt zweimal im Lager";
    gelagert.push_back(v);
  }
  auto imLager = [&](const VektorT* v) { return std::count(gelagert.begin(), gelagert.end(), v) > 0; };
  std::vector<const FiguratT*> figuren;
  for (const FiguratT* g = h.GListe; g; g = g->Zeiger) figuren.push_back(g);
  for (const FiguratT* g = h.GLager; g; g = g->Zeiger) {
    ASSERT_EQ(std::count(figuren.begin(), figuren.end(), g), 0) << "ein Figurat steht zweimal";
    figuren.push_back(g);
  }
  for (const FiguratT* g : figuren) EXPECT_FALSE(imLager(g->v1) || imLager(g->v2)) << g->name;
}
