// The affine hull of three figures.

#include "constructions/Konstruktion.h"

namespace {

struct F {
  int typ;
  V3 v1{0, 0, 0}, v2{0, 0, 0};
};

class Huelle : public KonstruktionTest {
 protected:
  static FiguratT& Aus(const std::string& name, const F& f) { return Mit(name, f.typ, f.v1, f.v2); }
  static void ErwarteFigur(const FiguratT& g, const F& soll) {
    EXPECT_EQ(g.Typ, soll.typ);
    if (soll.typ >= PKT && soll.typ <= EBE) ErwarteVektor(*g.v1, soll.v1, 1e-12);
    if (soll.typ == GER || soll.typ == EBE) ErwarteVektor(*g.v2, soll.v2, 1e-12);
  }
};

TEST_F(Huelle, HullOfThreeFigures) {
  const F g{GER, {0, 0, 0}, {1, 0, 0}};
  const F e{EBE, {0, 0, 0}, {0, 0, 1}};
  struct Fall {
    F a, b, c, zwischen, huelle;
  };
  const Fall faelle[] = {
      {{PKT, {1, 0, 0}}, {PKT, {0, 1, 0}}, {PKT, {0, 0, 1}}, {GER, {0, 1, 0}, {1, -1, 0}}, {EBE, {0, 1, 0}, {-1, -1, -1}}},
      {{PKT, {0, 0, 0}}, {PKT, {1, 1, 1}}, {PKT, {2, 2, 2}}, {GER, {1, 1, 1}, {-1, -1, -1}}, {GER, {1, 1, 1}, {-1, -1, -1}}},
      {{PKT, {1, 2, 3}}, {PKT, {1, 2, 3}}, {PKT, {4, 5, 6}}, {PKT, {1, 2, 3}}, {GER, {1, 2, 3}, {3, 3, 3}}},
      {{PKT, {1, 2, 3}}, {PKT, {1, 2, 3}}, {PKT, {1, 2, 3}}, {PKT, {1, 2, 3}}, {PKT, {1, 2, 3}}},
      {{PKT, {1, 2, 3}}, {PKT, {4, 5, 6}}, {PKT, {1, 2, 3}}, {GER, {4, 5, 6}, {-3, -3, -3}}, {GER, {4, 5, 6}, {-3, -3, -3}}},
      {{LEER}, {PKT, {1, 0, 0}}, {PKT, {0, 1, 0}}, {PKT, {1, 0, 0}}, {GER, {1, 0, 0}, {-1, 1, 0}}},
      {g, {GER, {0, 1, 0}, {2, 0, 0}}, {PKT, {5, 7, 0}}, {EBE, {0, 1, 0}, {0, 0, -1}}, {EBE, {0, 1, 0}, {0, 0, -1}}},
      {g, {GER, {0, 0, 0}, {0, 1, 0}}, g, {EBE, {0, 0, 0}, {0, 0, 1}}, {EBE, {0, 0, 0}, {0, 0, 1}}},
      {g, {GER, {0, 1, 0}, {0, 0, 1}}, g, {RAUM}, {RAUM}},  // skew lines
      {e, {GER, {1, 1, 0}, {1, 0, 0}}, e, e, e},
      {e, {GER, {0, 0, 1}, {1, 0, 0}}, e, {RAUM}, {RAUM}},
      // On equal types a copy takes the second figure's data.
      {e, {EBE, {1, 1, 0}, {0, 0, 2}}, e, {EBE, {1, 1, 0}, {0, 0, 2}}, {EBE, {1, 1, 0}, {0, 0, 2}}},
      {e, {EBE, {0, 0, 1}, {0, 0, 1}}, e, {RAUM}, {RAUM}},  // distinct parallel planes
      {e, {EBE, {0, 0, 1}, {1, 0, 0}}, {PKT, {0, 0, 0}}, {RAUM}, {RAUM}},
      {{PKT, {0, 0, 5}}, {GER, {1, 0, 0}, {0, 1, 0}}, {LEER}, {EBE, {1, 0, 0}, {5, 0, 1}}, {EBE, {1, 0, 0}, {5, 0, 1}}},
      {{PKT, {7, 0, 0}}, g, {LEER}, g, g},  // a point on the line
      {{PKT, {3, 4, 0}}, e, {LEER}, e, e},
      {{PKT, {3, 4, 1}}, e, {LEER}, {RAUM}, {RAUM}},
      {{GER, {1, 1, 2}, {1, 1, 0}}, e, {LEER}, {RAUM}, {RAUM}},  // parallel, outside
      {{GER, {1, 1, 0}, {1, 1, 1}}, e, {LEER}, {RAUM}, {RAUM}},  // crossing
      // A direction parallel to the plane up to 1e-12 lies in it.
      {{GER, {1, 1, 0}, {1, 0, 1e-12}}, e, {LEER}, e, e},
      {{RAUM}, {PKT, {1, 1, 1}}, {PKT, {1, 1, 1}}, {RAUM}, {RAUM}},
      {{PKT, {1, 1, 1}}, {LEER}, {RAUM}, {PKT, {1, 1, 1}}, {RAUM}},
      {{LEER}, {LEER}, {LEER}, {LEER}, {LEER}},
  };
  int zeile = 0;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << "Zeile " << ++zeile);
    FiguratT& a = Aus("a", f.a);
    FiguratT& b = Aus("b", f.b);
    FiguratT& c = Aus("c", f.c);
    FiguratT* zwischen = Ergebnis("");
    h().Huelle2(a, b, *zwischen);
    ErwarteFigur(*zwischen, f.zwischen);
    zwischen->Einlagern();

    FiguratT* r = Ergebnis("X");
    bool ok = false;
    h().ErzeugeHuelle("a", "b", "c", r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("X"), r);
    ErwarteFigur(*r, f.huelle);
    for (const FiguratT* o : {&a, &b, &c}) EXPECT_TRUE(r->v1 != o->v1 && r->v2 != o->v2);
    ErwarteVektor(*a.v1, f.a.v1, 0);
    ErwarteVektor(*b.v2, f.b.v2, 0);
  }
  EXPECT_EQ(Letzte(), "X ist das leere Figurat");
}

TEST_F(Huelle, OperandsMustBeFiguresWithAHull) {
  Punkt("P", 1, 2, 3);
  Figur("D", TypDreieck);
  for (const auto& [a, b, c] : {std::tuple{"P", "P", "fehlt"}, {"fehlt", "P", "P"}, {"P", "D", "P"}}) {
    SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeHuelle(a, b, c, r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    EXPECT_EQ(r->Typ, TypKein);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler bei den Operanden-Figuratn in ErzeugeSchnitt"}));
    r->Einlagern();
  }
}

}  // namespace
