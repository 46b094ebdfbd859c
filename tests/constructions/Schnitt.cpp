// The intersection of two figures.

#include "constructions/Konstruktion.h"

namespace {

// A figure as the tables write it: type, v1, v2.
struct F {
  int typ;
  V3 v1{0, 0, 0}, v2{0, 0, 0};
};

class Schnitt : public KonstruktionTest {
 protected:
  static FiguratT& Aus(const std::string& name, const F& f) { return Mit(name, f.typ, f.v1, f.v2); }
  // The result record, its vectors marked so that unwritten ones show.
  static FiguratT* Markiert(const std::string& name) {
    FiguratT* r = Ergebnis(name);
    r->v1->Vektor(99, 99, 99);
    r->v2->Vektor(99, 99, 99);
    return r;
  }
  // A point writes v1, a line or plane both vectors, the empty figure neither.
  static void ErwarteFigur(const FiguratT& r, const F& soll) {
    EXPECT_EQ(r.Typ, soll.typ);
    const V3 unberuehrt{99, 99, 99};
    ErwarteVektor(*r.v1, soll.typ == TypLeer ? unberuehrt : soll.v1, 1e-6);
    ErwarteVektor(*r.v2, soll.typ == TypLeer || soll.typ == TypPunkt ? unberuehrt : soll.v2, 1e-6);
  }
};

TEST_F(Schnitt, IntersectionOfPointsLinesAndPlanes) {
  struct Fall {
    F a, b, ergebnis;
    bool beideReihenfolgen;  // the other order gives the same figure
  };
  const Fall faelle[] = {
      {{PKT, {1, 2, 3}}, {PKT, {1, 2, 3 + 3e-4}}, {PKT, {1, 2, 3}}, false},  // squared distance 9e-8
      {{PKT, {1, 2, 3}}, {PKT, {1, 2, 3 + 4e-4}}, {LEER}, true},
      {{GER, {0, 0, 0}, {1, 0, 0}}, {PKT, {5, 3e-4, 0}}, {PKT, {5, 3e-4, 0}}, true},  // the point itself
      // The distance from the line counts, not the length of its direction.
      {{GER, {0, 0, 0}, {2, 0, 0}}, {PKT, {5, 3e-4, 0}}, {PKT, {5, 3e-4, 0}}, true},
      {{PKT, {1, 2, 3}}, {EBE, {6, 0, 0}, {1, 1, 1}}, {PKT, {1, 2, 3}}, true},
      {{PKT, {1, 2, 3.5}}, {EBE, {6, 0, 0}, {1, 1, 1}}, {LEER}, true},
      {{GER, {0, 0, 0}, {1, 0, 0}}, {GER, {1, -1, 0}, {0, 1, 0}}, {PKT, {1, 0, 0}}, true},
      {{GER, {1, 1, 0}, {1, 2, 0}}, {GER, {0, 4, 0}, {1, -1, 0}}, {PKT, {5.0 / 3, 7.0 / 3, 0}}, true},
      {{GER, {2, 3, 4}, {1, 0, 0}}, {GER, {2, 3, 4}, {0, 1, 0}}, {PKT, {2, 3, 4}}, true},
      {{GER, {0, 0, 0}, {1, 0, 0}}, {GER, {0, 1, 1}, {0, 1, 0}}, {LEER}, true},  // skew
      {{GER, {0, 0, 0}, {1, 1, 0}}, {GER, {2, 2, 0}, {-3, -3, 0}}, {GER, {0, 0, 0}, {1, 1, 0}}, false},
      {{GER, {0, 0, 0}, {1, 1, 0}}, {GER, {1, 0, 0}, {1, 1, 0}}, {LEER}, true},
      {{GER, {0, 0, 0}, {1, 1, 1}}, {EBE, {0, 0, 3}, {0, 0, 1}}, {PKT, {3, 3, 3}}, true},
      // d·n = 1e-6 is not exactly zero.
      {{GER, {0, 0, 1}, {1, 0, 1e-6}}, {EBE, {0, 0, 0}, {0, 0, 1}}, {PKT, {-1e6, 0, 0}}, true},
      {{GER, {0, 0, 0}, {1, 0, 0}}, {EBE, {5, 5, 0}, {0, 0, 1}}, {GER, {0, 0, 0}, {1, 0, 0}}, true},
      {{GER, {0, 0, 1}, {1, 0, 0}}, {EBE, {5, 5, 0}, {0, 0, 1}}, {LEER}, true},
      {{EBE, {1, 0, 0}, {2, 0, 0}}, {EBE, {0, 2, 0}, {0, 3, 0}}, {GER, {1, 2, 0}, {0, 0, 1}}, false},
      {{EBE, {0, 2, 0}, {0, 3, 0}}, {EBE, {1, 0, 0}, {2, 0, 0}}, {GER, {1, 2, 0}, {0, 0, -1}}, false},
      {{EBE, {1, 5, 5}, {1, 0, 0}}, {EBE, {7, 2, 9}, {0, 1, 0}}, {GER, {1, 2, 9}, {0, 0, 1}}, false},
      {{EBE, {7, 2, 9}, {0, 1, 0}}, {EBE, {1, 5, 5}, {1, 0, 0}}, {GER, {1, 2, 5}, {0, 0, -1}}, false},
      {{EBE, {0, 0, 1}, {0, 0, 1}}, {EBE, {5, 5, 1}, {0, 0, 2}}, {EBE, {0, 0, 1}, {0, 0, 1}}, false},
      {{EBE, {0, 0, 1}, {0, 0, 1}}, {EBE, {5, 5, 2}, {0, 0, 2}}, {LEER}, true},
  };
  int zeile = 0;
  for (const Fall& f : faelle) {
    ++zeile;
    FiguratT& a = Aus("A", f.a);
    FiguratT& b = Aus("B", f.b);
    for (bool umgekehrt : {false, true}) {
      if (umgekehrt && !f.beideReihenfolgen) continue;
      SCOPED_TRACE(testing::Message() << "Zeile " << zeile << (umgekehrt ? ", umgekehrt" : ""));
      FiguratT* r = Markiert("X");
      bool ok = true;
      h().Schnitt(umgekehrt ? b : a, umgekehrt ? a : b, *r, ok);
      EXPECT_TRUE(ok);
      ErwarteFigur(*r, f.ergebnis);
      EXPECT_EQ(Fig("X"), nullptr);  // nothing entered
      r->Einlagern();
    }
    // The operands are unchanged.
    ErwarteVektor(*a.v1, f.a.v1, 0);
    ErwarteVektor(*b.v2, f.b.v2, 0);
  }
}

TEST_F(Schnitt, PlanesWithShortNormalsMeetInALineWithADirection) {
  // At 27 degrees, with a cross product whose components are all below the
  // tolerance, which the simplification would drop.
  FiguratT& a = Aus("A", {EBE, {0, 0, 0}, {4e-4, 0, 0}});
  FiguratT& b = Aus("B", {EBE, {0, 0, 0}, {4e-4, 2e-4, 0}});
  FiguratT* r = Markiert("X");
  bool ok = true;
  h().Schnitt(a, b, *r, ok);
  EXPECT_EQ(r->Typ, GER);
  EXPECT_EQ(K(*r->v2).z, 4e-4 * 2e-4);
  ErwarteVektor(*r->v1, {0, 0, 0}, 0);
  r->Einlagern();
}

TEST_F(Schnitt, EmptyFigureAndWholeSpaceMeetOtherFigures) {
  Aus("L", {LEER});
  Aus("R", {TypRaum});
  Aus("P", {PKT, {1, 2, 3}});
  Aus("g", {GER, {1, 0, 0}, {0, 1, 0}});
  Aus("e", {EBE, {0, 0, 1}, {0, 0, 1}});
  struct Fall {
    const char *a, *b;
    F ergebnis;
  };
  const Fall faelle[] = {
      {"L", "P", {LEER}},
      {"e", "L", {LEER}},
      {"L", "L", {LEER}},
      {"R", "L", {LEER}},
      {"R", "P", {PKT, {1, 2, 3}}},
      {"g", "R", {GER, {1, 0, 0}, {0, 1, 0}}},
      {"R", "e", {EBE, {0, 0, 1}, {0, 0, 1}}},
      {"R", "R", {TypRaum}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.a << " und " << f.b);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeSchnitt(f.a, f.b, r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, f.ergebnis.typ);
    if (f.ergebnis.typ != LEER && f.ergebnis.typ != TypRaum) {
      ErwarteVektor(*r->v1, f.ergebnis.v1, 0);
      if (f.ergebnis.typ != PKT) ErwarteVektor(*r->v2, f.ergebnis.v2, 0);
    }
  }
}

TEST_F(Schnitt, FiguresOfCornersHaveNoIntersectionAndNothingIsEntered) {
  Figur("D", TypDreieck);
  Figur("D2", TypDreieck);
  Figur("T", TypTetraeder);
  Figur("S", TypSammlung);
  Figur("L", LEER);
  // Pairs whose product selects a case of points, lines or planes, and pairs that select none.
  for (const auto& [a, b] : {std::pair{"D", "D2"}, {"D", "L"}, {"T", "L"}, {"S", "S"}, {"T", "D"}}) {
    SCOPED_TRACE(testing::Message() << a << " und " << b);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeSchnitt(a, b, r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    r->Einlagern();
  }
}

TEST_F(Schnitt, EnteringTheIntersection) {
  Aus("g", {GER, {0, 0, 0}, {1, 0, 0}});
  Aus("k", {GER, {0, 1, 1}, {0, 1, 0}});
  Aus("e", {EBE, {0, 0, 0}, {0, 1, 0}});

  // An empty intersection is a result: entered, described, ok kept.
  FiguratT* r = Ergebnis("X");
  bool ok = true;
  h().ErzeugeSchnitt("g", "k", r, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Fig("X"), r);
  EXPECT_EQ(Letzte(), "X ist das leere Figurat");

  // With ok False on entry the result is computed but not entered.
  r = Ergebnis("Y");
  ok = false;
  h().ErzeugeSchnitt("g", "e", r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Fig("Y"), nullptr);
  EXPECT_EQ(r->Typ, GER);

  // A missing name: the message, nothing computed.
  for (const auto& [a, b] : {std::pair{"fehlt", "g"}, {"g", "fehlt"}, {"fehlt", "fehlt2"}}) {
    FiguratT* s = Ergebnis("Z");
    ok = true;
    h().ErzeugeSchnitt(a, b, s, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(s->Typ, TypKein);
    EXPECT_EQ(Fig("Z"), nullptr);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler bei den Operanden-Figuratn in ErzeugeSchnitt"}));
    s->Einlagern();
  }
  r->Einlagern();
}

TEST_F(Schnitt, CommonPointOfTwoPlanesOnlyForPlanes) {
  FiguratT& e = Aus("e", {EBE, {1, 0, 0}, {2, 0, 0}});
  FiguratT& f = Aus("f", {EBE, {0, 2, 0}, {0, 3, 0}});
  FiguratT& g = Aus("g", {GER, {0, 0, 0}, {0, 0, 1}});
  VektorT* r;
  h().ErschaffeV(r);
  h().GemeinsamerEbenenpunkt(e, f, *r);
  ErwarteVektor(*r, {1, 2, 0}, 1e-12);
  r->Vektor(7, 7, 7);
  h().GemeinsamerEbenenpunkt(e, g, *r);
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Verfehlter Aufruf von GemeinsamerEbenenpunkt"}));
  ErwarteVektor(*r, {7, 7, 7}, 0);
  r->Einlagern();
}

}  // namespace
