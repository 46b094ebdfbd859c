// Mirror images.

#include "constructions/Konstruktion.h"

namespace {

struct F {
  int typ;
  V3 v1{0, 0, 0}, v2{0, 0, 0};
};

class Spiegelung : public KonstruktionTest {
 protected:
  static FiguratT& Aus(const std::string& name, const F& f) { return Mit(name, f.typ, f.v1, f.v2); }
};

TEST_F(Spiegelung, MirrorImagesOfPointsLinesAndPlanes) {
  const int P = TypPunkt, G = TypGerade, E = TypEbene;
  struct Fall {
    const char* was;
    F a, s, bild;
  };
  const Fall faelle[] = {
      {"point at point", {P, {1, 2, 3}}, {P, {0, 0, 0}}, {P, {-1, -2, -3}}},
      {"point at the mirror point", {P, {1, 2, 3}}, {P, {1, 2, 3}}, {P, {1, 2, 3}}},
      {"point at line", {P, {1, 2, 3}}, {G, {5, 0, 0}, {3, 0, 0}}, {P, {1, -2, -3}}},
      {"point on the mirror line", {P, {7, 0, 0}}, {G, {5, 0, 0}, {3, 0, 0}}, {P, {7, 0, 0}}},
      {"point at plane", {P, {3, 4, 5}}, {E, {2, 2, 1}, {0, 0, 2}}, {P, {3, 4, -3}}},
      {"point in the mirror plane", {P, {3, 4, 1}}, {E, {2, 2, 1}, {0, 0, 2}}, {P, {3, 4, 1}}},
      // Mirrored at a point, a line keeps its direction and a plane its normal.
      {"line at point", {G, {1, 0, 0}, {2, 4, 6}}, {P, {0, 0, 0}}, {G, {-1, 0, 0}, {2, 4, 6}}},
      {"plane at point", {E, {0, 0, 1}, {0, 0, 1}}, {P, {0, 0, 0}}, {E, {0, 0, -1}, {0, 0, 1}}},
      // At a line or plane the direction is the image reversed.
      {"line at plane", {G, {0, 0, 0}, {2, 4, 6}}, {E, {0, 0, 0}, {0, 0, 1}}, {G, {0, 0, 0}, {-2, -4, 6}}},
      {"line in the mirror plane", {G, {1, 1, 0}, {1, 0, 0}}, {E, {0, 0, 0}, {0, 0, 1}}, {G, {1, 1, 0}, {-1, 0, 0}}},
      {"line at line", {G, {0, 0, 1}, {1, 0, 0}}, {G, {0, 0, 0}, {0, 0, 1}}, {G, {0, 0, 1}, {1, 0, 0}}},
      // The normal of the three mirrored points, as computed.
      {"plane at itself", {E, {0, 0, 0}, {1, 2, 3}}, {E, {0, 0, 0}, {1, 2, 3}}, {E, {0, 0, 0}, {3, 6, 9}}},
      {"plane at plane", {E, {0, 0, 0}, {0, 0, 1}}, {E, {0, 0, 0}, {1, 0, 0}}, {E, {0, 0, 0}, {0, 0, -1}}},
      {"upright plane", {E, {0, 0, 0}, {1, 1, 0}}, {E, {0, 0, 1}, {0, 0, 1}}, {E, {0, 0, 2}, {1, 1, 0}}},
      {"plane at line", {E, {0, 0, 1}, {0, 0, 1}}, {G, {0, 0, 0}, {1, 0, 0}}, {E, {0, 0, -1}, {0, 0, -1}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    FiguratT& a = Aus("A", f.a);
    Aus("S", f.s);
    FiguratT* r = Ergebnis("X");
    r->v2->Vektor(99, 99, 99);
    bool ok = true;
    h().ErzeugeSpiegelbild("A", "S", r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, f.bild.typ);
    ErwarteVektor(*r->v1, f.bild.v1, 1e-12);
    ErwarteVektor(*r->v2, f.bild.typ == P ? V3{99, 99, 99} : f.bild.v2, 1e-12);
    ErwarteVektor(*a.v1, f.a.v1, 0);
    ErwarteVektor(*a.v2, f.a.v2, 0);
  }
}

TEST_F(Spiegelung, OnlyPointsLinesAndPlanesAreMirrored) {
  Figur("L1", TypLeer);
  Figur("L2", TypLeer);
  Figur("R", TypRaum);
  Figur("D1", TypDreieck);
  Figur("D2", TypDreieck);
  Punkt("P", 1, 2, 3);
  Ebene("e", {0, 0, 0}, {0, 0, 1});
  for (const auto& [a, s] : {std::pair{"L1", "L2"}, {"R", "e"}, {"P", "R"}, {"e", "R"}, {"D1", "D2"}}) {
    SCOPED_TRACE(testing::Message() << a << " an " << s);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeSpiegelbild(a, s, r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler in der Methode Spiegele"}));
    r->Einlagern();
  }
  // A missing name or a pair of negative product: nothing, and nothing said.
  for (const auto& [a, s] : {std::pair{"P", "fehlt"}, {"L1", "P"}}) {
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeSpiegelbild(a, s, r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    r->Einlagern();
  }
  // With ok False the reflection does nothing at all.
  FiguratT* r = Ergebnis("X");
  bool ok = false;
  h().Spiegele(*Fig("P"), *Fig("e"), *r, ok);
  EXPECT_EQ(r->Typ, TypKein);
  r->Einlagern();
}

TEST_F(Spiegelung, ThreePointsThatSpanThePlane) {
  struct Fall {
    V3 stuetz, normale, p2, p3;
  };
  const Fall faelle[] = {
      {{1, 0, 0}, {1, 0, 0}, {1, 0, -1}, {1, 1, 0}},
      {{0, 1, 0}, {0, 1, 0}, {0, 1, 1}, {-1, 1, 0}},
      {{0, 0, 1}, {0, 0, 1}, {0, -1, 1}, {1, 0, 1}},
      // An upright plane: e1 × n and e2 × n are parallel, e3 × n is taken instead.
      {{0, 0, 0}, {1, 1, 0}, {0, 0, 1}, {-1, 1, 0}},
      {{0, 0, 0}, {2, -3, 0}, {0, 0, -3}, {3, 2, 0}},
      // Short normals by their directions: along no axis, so e1 × n and e2 × n.
      {{0, 0, 0}, {0, 1e-4, 1e-4}, {0, -1e-4, 1e-4}, {1e-4, 0, 0}},
      {{0, 0, 0}, {1e-4, 0, 1e-4}, {0, -1e-4, 0}, {1e-4, 0, -1e-4}},
  };
  VektorT* p[4];
  for (int i = 1; i <= 3; ++i) h().ErschaffeV(p[i]);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.normale);
    FiguratT& e = Ebene("e", f.stuetz, f.normale);
    bool ok = false;
    e.Finde3Ebenenpunkte(*p[1], *p[2], *p[3], ok);
    EXPECT_TRUE(ok);
    ErwarteVektor(*p[1], f.stuetz, 0);
    ErwarteVektor(*p[2], f.p2, 0);
    ErwarteVektor(*p[3], f.p3, 0);
    EXPECT_NE(p[1], e.v1);
  }
  bool ok = true;
  Gerade("g", {0, 0, 0}, {1, 0, 0}).Finde3Ebenenpunkte(*p[1], *p[2], *p[3], ok);
  EXPECT_FALSE(ok);
  for (int i = 1; i <= 3; ++i) p[i]->Einlagern();
}

TEST_F(Spiegelung, PointMirroredAtAFigureWithoutPositionStaysAsItWas) {
  VektorT* p;
  VektorT* q;
  h().ErschaffeV(p);
  h().ErschaffeV(q);
  p->Vektor(1, 2, 3);
  q->Vektor(7, 7, 7);
  p->SpiegelePG(Figur("R", TypRaum), *q);
  ErwarteVektor(*q, {7, 7, 7}, 0);
  p->SpiegelePG(Gerade("g", {0, 0, 0}, {0, 0, 1}), *p);  // into itself
  ErwarteVektor(*p, {-1, -2, 3}, 1e-12);
  p->Einlagern();
  q->Einlagern();
}

}  // namespace
