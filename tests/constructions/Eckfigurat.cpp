// Triangles, tetrahedra and collections.

#include "constructions/Konstruktion.h"

namespace {

class Eckfigurat : public KonstruktionTest {
 protected:
  void SetUp() override {
    KonstruktionTest::SetUp();
    Punkt("A", 0, 0, 0);
    Punkt("B", 1, 0, 0);
    Punkt("C", 2, 0, 0);  // on the line through A and B
    Punkt("S", 0, 1, 0);  // in one plane with them
  }
  static bool Dreieck(const std::string& name, const std::string& a, const std::string& b, const std::string& c,
                      bool ok = true) {
    FiguratT* r = Ergebnis(name);
    h().ErzeugeDreieck(a, b, c, r, ok);
    if (!ok) r->Einlagern();
    return ok;
  }
  static bool Tetraeder(const std::string& name, const std::string& basis, const std::string& spitze,
                        bool ok = true) {
    FiguratT* r = Ergebnis(name);
    h().ErzeugeTetraeder(basis, spitze, r, ok);
    if (!ok) r->Einlagern();
    return ok;
  }
  using Ecken = std::array<std::string, 5>;
};

TEST_F(Eckfigurat, TriangleAndTetrahedronHoldTheirCornerNames) {
  EXPECT_TRUE(Dreieck("D", "A", "B", "C"));  // collinear corners are accepted
  EXPECT_EQ(Fig("D")->Typ, TypDreieck);
  EXPECT_EQ(Fig("D")->Ecken, (Ecken{"", "A", "B", "C", ""}));
  EXPECT_EQ(Letzte(), "D ist das Dreieck mit den Ecken A, B und C");

  EXPECT_TRUE(Tetraeder("T", "D", "S"));  // a flat one too
  EXPECT_EQ(Fig("T")->Typ, TypTetraeder);
  EXPECT_EQ(Fig("T")->Ecken, (Ecken{"", "A", "B", "C", "S"}));

  // The tetrahedron took the names once and does not follow the triangle.
  Punkt("E", 5, 5, 5);
  EXPECT_TRUE(Dreieck("D", "E", "B", "C"));
  EXPECT_EQ(Fig("T")->Ecken, (Ecken{"", "A", "B", "C", "S"}));
}

TEST_F(Eckfigurat, TriangleNeedsThreeDistinctPoints) {
  Gerade("g", {0, 0, 0}, {1, 0, 0});
  for (const auto& [a, b, c] : {std::tuple{"A", "A", "B"}, {"A", "B", "B"}, {"A", "B", "A"}, {"A", "B", "fehlt"},
                                {"A", "B", "g"}}) {
    SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
    EXPECT_FALSE(Dreieck("D", a, b, c));
    EXPECT_EQ(Fig("D"), nullptr);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler beim Erzeugen eines Dreiecks"}));
  }
  // The caller's type verdict False: nothing, and nothing said.
  EXPECT_FALSE(Dreieck("D", "A", "B", "C", false));
  EXPECT_EQ(Fig("D"), nullptr);
}

TEST_F(Eckfigurat, TetrahedronNeedsATriangleOfPointsAndAnotherPoint) {
  ASSERT_TRUE(Dreieck("D", "A", "B", "C"));
  ASSERT_TRUE(Dreieck("D2", "A", "B", "S"));
  Figur("L", TypLeer);
  const std::string fehler = "Fehler beim Erzeugen eines Tetraeders";
  // Also when the caller's verdict was False.
  EXPECT_FALSE(Tetraeder("T", "D", "S", false));
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{fehler}));
  for (const char* spitze : {"A", "B", "C", "fehlt", "L"}) {
    SCOPED_TRACE(spitze);
    EXPECT_FALSE(Tetraeder("T", "D", spitze));
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{fehler}));
  }
  EXPECT_FALSE(Tetraeder("T", "A", "S"));  // the base is no triangle
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{fehler}));

  // A corner that is gone, or that is no longer a point, whichever corner it is.
  for (const char* ecke : {"A", "B", "S"}) {
    SCOPED_TRACE(ecke);
    h().LoescheFigurat(ecke);
    EXPECT_FALSE(Tetraeder("T", "D2", "C"));
    Figur(ecke, TypLeer);
    EXPECT_FALSE(Tetraeder("T", "D2", "C"));
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{fehler, fehler}));
    Punkt(ecke, 0, 0, 0);
  }
  // Two empty corners make a type product of 1, and are still no points.
  Figur("A", TypLeer);
  Figur("B", TypLeer);
  EXPECT_FALSE(Tetraeder("T", "D2", "C"));
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{fehler}));
  EXPECT_EQ(Fig("T"), nullptr);
}

TEST_F(Eckfigurat, CollectionHoldsItsMemberListAsGiven) {
  bool ok = false;
  h().ErzeugeSammlung("M", "A,fehlt,A", ok);
  EXPECT_TRUE(ok);
  ASSERT_NE(Fig("M"), nullptr);
  EXPECT_EQ(Fig("M")->Typ, TypSammlung);
  EXPECT_EQ(Fig("M")->Ecken[1], "A,fehlt,A");
  EXPECT_EQ(Letzte(), "M ist die Sammlung der Figurat A,fehlt,A");

  for (const std::string name : {"M", "", "a b", "a:b"}) {
    ok = true;
    h().ErzeugeSammlung(name, "A,B", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Der verwendete Figuratname " + name +
                                                     "  ist unerlaubt oder existiert bereits"}));
  }
  EXPECT_EQ(Fig("M")->Ecken[1], "A,fehlt,A");

  // While a loaded file is executed the collection replaces the figure, the origin at the head too.
  h().destruktiv = true;
  h().ErzeugeSammlung("A", "B,C", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Fig("A")->Typ, TypSammlung);
  h().ErzeugeSammlung("O", "B", ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(h().GListe->name, "O");
  EXPECT_EQ(h().GListe->Typ, TypSammlung);
  h().ErzeugeNamenListen();
  EXPECT_EQ(h().NListe, Liste({"O", "A", "B", "C", "M", "S"}));
}

}  // namespace
