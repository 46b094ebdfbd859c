// Foot figures of perpendiculars.

#include "constructions/Konstruktion.h"

namespace {

struct F {
  int typ;
  V3 v1{0, 0, 0}, v2{0, 0, 0};
};

class Lotfusspunkt : public KonstruktionTest {
 protected:
  static FiguratT& Aus(const std::string& name, const F& f) { return Mit(name, f.typ, f.v1, f.v2); }
};

TEST_F(Lotfusspunkt, FootFigureOfEachPairOfTypes) {
  const int P = TypPunkt, G = TypGerade, E = TypEbene, L = TypLeer, R = TypRaum;
  struct Fall {
    const char* was;
    F a, b, ergebnis;
  };
  const Fall faelle[] = {
      {"point onto line", {P, {1, 2, 3}}, {G, {0, 0, 0}, {2, 0, 0}}, {P, {1, 0, 0}}},
      {"point onto plane", {P, {3, 4, 5}}, {E, {0, 0, 1}, {0, 0, 2}}, {P, {3, 4, 1}}},
      {"line onto point", {G, {0, 0, 0}, {1, 0, 0}}, {P, {7, 8, 9}}, {P, {7, 8, 9}}},
      {"plane onto point", {E, {0, 0, 0}, {1, 0, 0}}, {P, {7, 8, 9}}, {P, {7, 8, 9}}},
      {"line onto perpendicular line", {G, {0, 0, 5}, {0, 0, 1}}, {G, {1, 2, 0}, {1, 0, 0}}, {P, {0, 2, 0}}},
      {"line onto oblique line", {G, {0, 0, 5}, {1, 0, 0}}, {G, {1, 2, 0}, {2, 2, 0}}, {G, {1, 2, 0}, {2, 2, 0}}},
      {"line onto parallel line", {G, {0, 0, 5}, {1, 0, 0}}, {G, {1, 2, 0}, {-3, 0, 0}}, {G, {1, 2, 0}, {-3, 0, 0}}},
      // Short directions count by their angle, about 79 degrees, not by their dot product 5e-8.
      {"short directions", {G, {0, 0, 5}, {5e-4, 0, 0}}, {G, {1, 2, 0}, {1e-4, 5e-4, 0}}, {G, {1, 2, 0}, {1e-4, 5e-4, 0}}},
      {"line in a plane", {G, {1, 1, 0}, {1, 2, 0}}, {E, {0, 0, 0}, {0, 0, 1}}, {G, {1, 1, 0}, {1, 2, 0}}},
      {"line above a plane", {G, {1, 1, 3}, {1, 2, 0}}, {E, {0, 0, 0}, {0, 0, 1}}, {G, {1, 1, 0}, {1, 2, 0}}},
      {"line along the normal", {G, {2, 3, 7}, {0, 0, 2}}, {E, {0, 0, 0}, {0, 0, 1}}, {P, {2, 3, 0}}},
      {"plane onto line along its normal", {E, {0, 0, 4}, {0, 0, 1}}, {G, {1, 1, 0}, {0, 0, 3}}, {P, {1, 1, 4}}},
      {"plane onto other line", {E, {0, 0, 4}, {0, 0, 1}}, {G, {1, 1, 0}, {1, 0, 3}}, {G, {1, 1, 0}, {1, 0, 3}}},
      {"coinciding planes", {E, {0, 0, 1}, {0, 0, 1}}, {E, {5, 5, 1}, {0, 0, 2}}, {E, {0, 0, 1}, {0, 0, 1}}},
      // Every foot lies in the second plane.
      {"distinct parallel planes", {E, {0, 0, 1}, {0, 0, 1}}, {E, {5, 5, 2}, {0, 0, 2}}, {E, {5, 5, 2}, {0, 0, 2}}},
      // The feet of a perpendicular plane fill the common line.
      {"perpendicular planes", {E, {0, 0, 0}, {1, 0, 0}}, {E, {0, 0, 1}, {0, 0, 1}}, {G, {0, 0, 1}, {0, -1, 0}}},
      {"oblique planes", {E, {0, 0, 0}, {1, 0, 1}}, {E, {0, 0, 1}, {0, 0, 1}}, {E, {0, 0, 1}, {0, 0, 1}}},
      {"empty onto point", {L}, {P, {1, 1, 1}}, {L}},
      {"plane onto empty", {E, {0, 0, 0}, {1, 0, 0}}, {L}, {L}},
      {"space onto empty", {R}, {L}, {L}},
      // Every point of a figure is its own foot in the whole space.
      {"line onto space", {G, {1, 2, 3}, {4, 5, 6}}, {R}, {G, {1, 2, 3}, {4, 5, 6}}},
      {"space onto plane", {R}, {E, {1, 2, 3}, {4, 5, 6}}, {E, {1, 2, 3}, {4, 5, 6}}},
      {"space onto space", {R}, {R}, {R}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    FiguratT& a = Aus("a", f.a);
    FiguratT& b = Aus("b", f.b);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeLotfussfpunktG("a", "b", r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, f.ergebnis.typ);
    if (r->Typ >= TypPunkt && r->Typ <= TypEbene) ErwarteVektor(*r->v1, f.ergebnis.v1, 1e-12);
    if (r->Typ == TypGerade || r->Typ == TypEbene) ErwarteVektor(*r->v2, f.ergebnis.v2, 1e-12);
    ErwarteVektor(*a.v1, f.a.v1, 0);
    ErwarteVektor(*a.v2, f.a.v2, 0);
    ErwarteVektor(*b.v2, f.b.v2, 0);
  }
}

TEST_F(Lotfusspunkt, PointOntoPointWarnsAndGivesTheSecondPoint) {
  Punkt("A", 1, 2, 3);
  Punkt("B", 4, 5, 6);
  for (const auto& [a, b, ziel] : {std::tuple{"A", "A", V3{1, 2, 3}}, {"A", "B", V3{4, 5, 6}}}) {
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeLotfussfpunktG(a, b, r, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Warnung: Verschiebung Punkt auf Punkt"}));
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, TypPunkt);
    ErwarteVektor(*r->v1, ziel, 0);
  }
}

TEST_F(Lotfusspunkt, MissingNamesAndFiguresOfCornersEnterNothing) {
  Punkt("A", 1, 2, 3);
  Figur("D", TypDreieck);
  Figur("S", TypSammlung);
  for (const auto& [a, b] : {std::pair{"A", "fehlt"}, {"fehlt", "A"}, {"D", "A"}, {"A", "D"}, {"S", "S"}}) {
    SCOPED_TRACE(testing::Message() << a << " auf " << b);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeLotfussfpunktG(a, b, r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    r->Einlagern();
  }
}

TEST_F(Lotfusspunkt, FootOfAPointAndWhetherItLiesOnAFigure) {
  FiguratT& g = Gerade("g", {0, 0, 0}, {2, 0, 0});
  FiguratT& e = Ebene("e", {0, 0, 1}, {0, 0, 3});
  FiguratT& q = Punkt("Q", 1, 2, 3);
  FiguratT& r = Mit("R", TypRaum, {0, 0, 0});
  VektorT* p;
  VektorT* f;
  h().ErschaffeV(p);
  h().ErschaffeV(f);
  p->Vektor(1, 2, 3);
  struct Fall {
    const FiguratT& figur;
    V3 fuss;
  };
  for (const Fall& fall : {Fall{g, {1, 0, 0}}, Fall{e, {1, 2, 1}}, Fall{q, {1, 2, 3}}, Fall{r, {7, 7, 7}}}) {
    SCOPED_TRACE(fall.figur.name);
    f->Vektor(7, 7, 7);
    p->LotfusspunktPG(fall.figur, *f);
    ErwarteVektor(*f, fall.fuss, 1e-12);
  }
  EXPECT_TRUE(p->IstPunktvon(q));
  EXPECT_FALSE(p->IstPunktvon(g));
  EXPECT_FALSE(p->IstPunktvon(e));
  EXPECT_FALSE(p->IstPunktvon(r));
  p->Vektor(5, 2e-4, 0);  // squared distance 4e-8 from the line
  EXPECT_TRUE(p->IstPunktvon(g));
  p->Vektor(-3, 8, 1);
  EXPECT_TRUE(p->IstPunktvon(e));
  p->Einlagern();
  f->Einlagern();
}

}  // namespace
