// The orthogonal figure, the translation, the clone and the bisector plane.

#include "constructions/Konstruktion.h"

namespace {

class Orthogonale : public KonstruktionTest {
 protected:
  void SetUp() override {
    KonstruktionTest::SetUp();
    Punkt("P", 1, 1, 1);
    Gerade("g", {0, 0, 0}, {2, 4, 6});
    Ebene("e", {0, 0, 5}, {0, 0, 3});
    Mit("R", TypRaum, {0, 0, 0}, {0, 0, 0});
  }
};

TEST_F(Orthogonale, OrthogonalFigureThroughAPoint) {
  struct Fall {
    const char *a, *b;
    int typ;
    V3 v1, v2;
  };
  const Fall faelle[] = {
      {"g", "P", TypEbene, {1, 1, 1}, {1, 2, 3}},  // the line's direction, simplified in the result
      {"e", "P", TypGerade, {1, 1, 1}, {0, 0, 1}},
      {"P", "P", TypRaum, {1, 1, 1}, {}},
      {"R", "P", TypPunkt, {1, 1, 1}, {}},
      {"g", "e", TypEbene, {0, 0, 5}, {1, 2, 3}},  // a line or plane gives its support point
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.a << " durch " << f.b);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeOrthogonale(f.a, f.b, r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, f.typ);
    ErwarteVektor(*r->v1, f.v1, 0);
    if (f.typ == TypEbene || f.typ == TypGerade) ErwarteVektor(*r->v2, f.v2, 0);
  }
  ErwarteVektor(*Fig("g")->v2, {2, 4, 6}, 0);
}

TEST_F(Orthogonale, FiguresWithoutPositiveTypeHaveNoOrthogonalFigure) {
  for (int typ : {TypLeer, TypDreieck, TypTetraeder}) {
    SCOPED_TRACE(typ);
    Figur("F", typ);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeOrthogonale("F", "P", r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    EXPECT_EQ(r->Typ, TypKein);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler in der Methode OrthogonaleDurchP"}));
    r->Einlagern();
  }
}

TEST_F(Orthogonale, TranslationKeepsTheStoredDirection) {
  struct Fall {
    const char *a, *p;
    int typ;
    V3 v1, v2;
  };
  const Fall faelle[] = {
      {"g", "P", TypGerade, {1, 1, 1}, {2, 4, 6}},
      {"e", "P", TypEbene, {1, 1, 1}, {0, 0, 3}},
      {"P", "e", TypPunkt, {0, 0, 5}, {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.a << " auf " << f.p);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    h().ErzeugeVerschieben(f.a, f.p, r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, f.typ);
    ErwarteVektor(*r->v1, f.v1, 0);
    if (f.typ != TypPunkt) ErwarteVektor(*r->v2, f.v2, 0);
  }
}

TEST_F(Orthogonale, CloneCopiesTypeAndVectorsOnly) {
  FiguratT& P = *Fig("P");
  P.SetzeSichtbar(true);
  P.verbundenmit() = "O,";
  bool ok = false;
  h().KloneFigurat("K", "P", ok);
  EXPECT_TRUE(ok);
  ASSERT_NE(Fig("K"), nullptr);
  EXPECT_EQ(Fig("K")->Typ, TypPunkt);
  ErwarteVektor(*Fig("K")->v1, {1, 1, 1}, 0);
  EXPECT_FALSE(Fig("K")->sichtbar());
  EXPECT_EQ(Fig("K")->verbundenmit(), "");

  h().KloneFigurat("k", "g", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Fig("k")->Typ, TypGerade);
  ErwarteVektor(*Fig("k")->v2, {2, 4, 6}, 0);
  EXPECT_NE(Fig("k")->v2, Fig("g")->v2);

  // Figures of corners, the empty figure and missing names are not cloned, silently.
  Figur("D", TypDreieck);
  Figur("L", TypLeer);
  for (const char* quelle : {"D", "L", "fehlt"}) {
    ok = true;
    h().KloneFigurat("Y", quelle, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("Y"), nullptr);
  }
}

TEST_F(Orthogonale, BisectorPlaneOfTwoPoints) {
  Punkt("A", 1, 2, 3);
  Punkt("B", 3, 2, 1);
  Punkt("A2", 1, 2, 3.0002);  // squared distance 4e-8
  for (const auto& [a, b, normale] : {std::tuple{"A", "B", V3{-1, 0, 1}}, {"B", "A", V3{1, 0, -1}}}) {
    FiguratT* r = Ergebnis("M");
    bool ok = true;
    h().ErzeugeMittelsenkrechte(a, b, r, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Fig("M"), r);
    EXPECT_EQ(r->Typ, TypEbene);
    ErwarteVektor(*r->v1, {2, 2, 2}, 0);  // the midpoint, in either order
    ErwarteVektor(*r->v2, normale, 0);
  }
  for (const auto& [a, b] : {std::pair{"A", "A"}, {"A", "A2"}}) {
    FiguratT* r = Ergebnis("N");
    bool ok = true;
    h().ErzeugeMittelsenkrechte(a, b, r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("N"), nullptr);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler: Der Normalen darf nicht der Nullvektor sein"}));
    r->Einlagern();
  }
}

TEST_F(Orthogonale, OkFalseOnEntryDoesNothing) {
  FiguratT* r = Ergebnis("X");
  bool ok = false;
  h().ErzeugeOrthogonale("g", "P", r, ok);
  h().ErzeugeVerschieben("g", "P", r, ok);
  h().ErzeugeMittelsenkrechte("P", "O", r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Fig("X"), nullptr);
  EXPECT_EQ(r->Typ, TypKein);
  r->Einlagern();
}

}  // namespace
