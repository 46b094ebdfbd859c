// Lines and planes from points and directions.

#include <functional>

#include "constructions/Konstruktion.h"

namespace {

class GeradenEbenen : public KonstruktionTest {
 protected:
  void SetUp() override {
    KonstruktionTest::SetUp();
    Punkt("P", 1, 2, 3);
    Punkt("Q", 3, 2, 1);
    Punkt("P2", 1, 2, 3);  // at P's place
    Punkt("A", 0, 0, 0);
    Punkt("B", 1, 0, 0);
    Punkt("C", 0, 1, 0);
    Punkt("D", 2, 0, 0);
    Punkt("N", 0, 0, 2);
    Punkt("R", 2, 4, 6);
    Gerade("g", {5, 5, 5}, {0, 1, 0});
    Gerade("k", {0, 0, 0}, {2, 4, 6});
    Gerade("m", {0, 0, 0}, {3, 0, 0});
  }
  using Konstruktion = std::function<void(FiguratT*&, bool&)>;
};

TEST_F(GeradenEbenen, EachConstructionGivesItsFigureOrTheEmptyFigure) {
  struct Fall {
    const char* was;
    Konstruktion tue;
    int typ;
    V3 v1, v2;
    const char* meldung;  // "" when none
  };
  HauptF& H = h();
  const char* richtung = "Der Richtungsvektor darf nicht der Nullvektor sein";
  const char* normale = "Der Normalenvektor darf nicht der Nullvektor sein";
  const Fall faelle[] = {
      // P − Q = (−2, 0, 2), halved; one negative component keeps its sign.
      {"PP", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePP("P", "Q", r, ok); }, TypGerade, {1, 2, 3}, {-1, 0, 1}, ""},
      {"PP same place", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePP("P", "P2", r, ok); }, TypLeer, {1, 2, 3}, {0, 0, 0},
       richtung},
      // A point's position vector as it stands, a line's direction simplified.
      {"PR point", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePR("P", "R", r, ok); }, TypGerade, {1, 2, 3}, {2, 4, 6}, ""},
      {"PR line", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePR("P", "k", r, ok); }, TypGerade, {1, 2, 3}, {1, 2, 3}, ""},
      {"PR origin by another name", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePR("P", "A", r, ok); }, TypLeer,
       {1, 2, 3}, {0, 0, 0}, richtung},
      {"PPP", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePPP("A", "B", "C", r, ok); }, TypEbene, {0, 0, 0}, {0, 0, 1}, ""},
      {"PPP collinear", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePPP("A", "B", "D", r, ok); }, TypLeer, {0, 0, 0},
       {0, 0, 0}, "Der Normalenvektor einer Ebene kann nicht der Nullvektor sein"},
      {"PN", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePN("P", "N", r, ok); }, TypEbene, {1, 2, 3}, {0, 0, 1}, ""},
      {"PN itself", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePN("R", "R", r, ok); }, TypEbene, {2, 4, 6}, {1, 2, 3}, ""},
      {"PN origin", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePN("P", "A", r, ok); }, TypLeer, {1, 2, 3}, {0, 0, 0},
       normale},
      {"PRR", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePRR("P", "B", "g", r, ok); }, TypEbene, {1, 2, 3}, {0, 0, 1}, ""},
      {"PRR parallel", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePRR("P", "B", "m", r, ok); }, TypLeer, {1, 2, 3},
       {0, 0, 0}, normale},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    f.tue(r, ok);
    EXPECT_TRUE(ok);  // an empty figure is a result too
    EXPECT_EQ(Fig("X"), r);
    EXPECT_EQ(r->Typ, f.typ);
    ErwarteVektor(*r->v1, f.v1, 0);
    ErwarteVektor(*r->v2, f.v2, 0);
    EXPECT_EQ(Meldungen(), *f.meldung ? std::vector<std::string>{f.meldung} : std::vector<std::string>{});
  }
  EXPECT_EQ(Letzte(), "X ist das leere Figurat");
  // The operands keep their vectors.
  ErwarteVektor(*Fig("k")->v2, {2, 4, 6}, 0);
}

TEST_F(GeradenEbenen, SameNamesOrTheOriginAsDirectionDoNothing) {
  HauptF& H = h();
  const std::pair<const char*, Konstruktion> faelle[] = {
      {"PP", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePP("P", "P", r, ok); }},
      {"PR O", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePR("P", "O", r, ok); }},
      {"PPP A=B", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePPP("A", "A", "C", r, ok); }},
      {"PPP A=C", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePPP("A", "B", "A", r, ok); }},
      {"PPP B=C", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePPP("A", "B", "B", r, ok); }},
      {"PRR", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePRR("P", "g", "g", r, ok); }},
  };
  for (const auto& [was, tue] : faelle) {
    SCOPED_TRACE(was);
    FiguratT* r = Ergebnis("X");
    bool ok = true;
    tue(r, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Fig("X"), nullptr);
    r->Einlagern();
  }
  // With ok False on entry nothing happens either, whatever the operands.
  FiguratT* r = Ergebnis("X");
  bool ok = false;
  h().ErzeugeGeradePR("P", "R", r, ok);
  h().ErzeugeEbenePN("P", "N", r, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Fig("X"), nullptr);
  EXPECT_EQ(r->Typ, TypKein);
  r->Einlagern();
}

class EbenenImMassstab : public GitterTest, public testing::WithParamInterface<long long> {};

// Points on one line, and directions that are parallel, give no plane at any
// size of the coordinates; points just off that line give one.
TEST_P(EbenenImMassstab, CollinearPointsAndParallelDirections) {
  const long long s = GetParam();
  const G3 A = Plus(Mal(s, {13, -7, 21}), {3, 1, -2});
  const G3 u = Plus(Mal(s, {20, 10, -10}), {1, 3, 2});
  const G3 quer = Mal(s, {1, -1, 1});  // at a tenth of u's length, off its direction
  P("A", A);
  P("B", Plus(A, u));
  P("C", Plus(A, Mal(3, u)));
  P("D", Plus(Plus(A, Mal(3, u)), quer));
  P("R1", u);
  P("R2", Mal(-3, u));
  P("R3", Plus(Mal(-3, u), quer));
  struct Fall { const char *a, *b, *c; int typ; };
  for (Fall f : {Fall{"A", "B", "C", TypLeer}, {"A", "B", "D", TypEbene}}) {
    SCOPED_TRACE(f.c);
    Baue("E", [&f](FiguratT*& r, bool& ok) { h().ErzeugeEbenePPP(f.a, f.b, f.c, r, ok); });
    EXPECT_EQ(Fig("E")->Typ, f.typ);
  }
  for (Fall f : {Fall{"A", "R1", "R2", TypLeer}, {"A", "R1", "R3", TypEbene}}) {
    SCOPED_TRACE(f.c);
    Baue("F", [&f](FiguratT*& r, bool& ok) { h().ErzeugeEbenePRR(f.a, f.b, f.c, r, ok); });
    EXPECT_EQ(Fig("F")->Typ, f.typ);
  }
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Der Normalenvektor einer Ebene kann nicht der Nullvektor sein",
                                                   "Der Normalenvektor darf nicht der Nullvektor sein"}));
}

INSTANTIATE_TEST_SUITE_P(EinsTausendMillion, EbenenImMassstab, testing::Values(1, 1000, 1000000));

}  // namespace
