// One figure drawn by its type, in the single view and as an anaglyph.

#include "Grafik.h"

namespace {

class Figurzeichnen : public GrafikTest {
 protected:
  static std::vector<Primitiv> Abbild(FiguratT& g) {
    Vergessen();
    g.Abbilden();
    return Aufzeichnung().Aufzeichnung();
  }
  // What the primitive draws for the given model points, in the single view.
  static std::vector<Primitiv> Erwartet(const std::function<void()>& zeichne) {
    Vergessen();
    zeichne();
    return Aufzeichnung().Aufzeichnung();
  }
  static VektorT& BildVon(double x, double y, double z) {
    VektorT& q = Vektor(0, 0);
    Vektor(x, y, z).Abbilden(q);
    return q;
  }
  static void GleicheLinien(const std::vector<Primitiv>& ist, const std::vector<Primitiv>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < ist.size(); ++i) {
      EXPECT_EQ(ist[i].art, soll[i].art) << i;
      EXPECT_EQ((std::array{ist[i].a, ist[i].b, ist[i].c, ist[i].d}),
                (std::array{soll[i].a, soll[i].b, soll[i].c, soll[i].d}))
          << i;
      EXPECT_EQ(ist[i].farbe, soll[i].farbe) << i;
    }
  }
};

TEST_F(Figurzeichnen, PointOnceLabelledOrTwiceAsAnaglyph) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  auto bild = Abbild(A);
  ASSERT_EQ(bild.size(), 2u);
  EXPECT_EQ(bild[0].farbe, Schwarz);
  EXPECT_EQ((std::array{bild[0].a, bild[0].b}), (std::array{720, 644}));
  EXPECT_EQ(bild[1].text, "A");

  Anaglyph(true);
  bild = Abbild(Punkt("Z", 0, 0, 1));
  ASSERT_EQ(bild.size(), 4u);
  EXPECT_EQ(bild[0].farbe, Rot);
  EXPECT_EQ(bild[1].text, "Z");
  EXPECT_EQ(bild[2].farbe, Cyan);
  EXPECT_EQ(bild[3].text, "");
  // On the eye's side of the picture plane: the cyan view sits about 0.03 units to the right.
  EXPECT_EQ(bild[0].a, 508);
  EXPECT_EQ(bild[2].a, 518);
  EXPECT_EQ(bild[2].b, bild[0].b);
}

TEST_F(Figurzeichnen, LineThroughItsSupportPointAndOneDirectionOn) {
  FiguratT& g = Gerade("g", 1, 0, 0, 0, 1, 0);
  auto soll = Erwartet([] { G().ZeichneGerade(AnsichtNormal, BildVon(1, 0, 0), BildVon(1, 1, 0)); });
  GleicheLinien(Abbild(g), soll);
  EXPECT_EQ((std::array{g.v1->kp[1], g.v1->kp[2], g.v1->kp[3]}), (std::array{1.0, 0.0, 0.0}));
  EXPECT_EQ((std::array{g.v2->kp[1], g.v2->kp[2], g.v2->kp[3]}), (std::array{0.0, 1.0, 0.0}));
}

TEST_F(Figurzeichnen, CornersAreFoundByNameAtEveryDrawing) {
  Punkt("A", 0, 0, 0);
  FiguratT& B = Punkt("B", 1, 0, 0);
  Punkt("C", 0, 1, 0);
  Punkt("D", 0, 0, 1);
  FiguratT& T = Eck("T", {"A", "B", "C", "D"});
  FiguratT& dreieck = Eck("ABC", {"A", "B", "C"});
  auto soll = Erwartet([] {
    G().ZeichneTetraeder(AnsichtNormal, BildVon(0, 0, 0), BildVon(1, 0, 0), BildVon(0, 1, 0), BildVon(0, 0, 1));
  });
  GleicheLinien(Abbild(T), soll);

  // A corner with new coordinates.
  B.v1->Vektor(2, 0, 0);
  soll = Erwartet([] { G().ZeichneDreieck(AnsichtNormal, BildVon(0, 0, 0), BildVon(2, 0, 0), BildVon(0, 1, 0)); });
  GleicheLinien(Abbild(dreieck), soll);

  // A deleted corner: nothing at all, and no message.
  h().LoescheFigurat("B");
  const int pool = Poolgroesse();
  EXPECT_TRUE(Abbild(dreieck).empty());
  EXPECT_TRUE(Abbild(T).empty());
  EXPECT_EQ(Poolgroesse(), pool);
  // A figure of that name is a corner again.
  Punkt("B", 3, 0, 0);
  soll = Erwartet([] { G().ZeichneDreieck(AnsichtNormal, BildVon(0, 0, 0), BildVon(3, 0, 0), BildVon(0, 1, 0)); });
  GleicheLinien(Abbild(dreieck), soll);
}

// The redraw keeps what it found between redraws; it draws as each figure
// drawn alone, from corners looked up afresh.
TEST_F(Figurzeichnen, CornersAreFoundByNameAtEveryRedraw) {
  Punkt("A", 0, 0, 0);
  FiguratT& B = Punkt("B", 1, 0, 0);
  Punkt("C", 0, 1, 0);
  Eck("ABC", {"A", "B", "C"});
  Eck("T", {"A", "B", "C", "A"});
  auto neu = [] {
    Vergessen();
    G().ZeichneAlles();
    return Aufzeichnung().Aufzeichnung();
  };
  auto einzeln = [] {
    Vergessen();
    for (FiguratT* g = h().ErstesFigurat(); g; g = g->Zeiger) g->Abbilden();
    return Aufzeichnung().Aufzeichnung();
  };
  GleicheLinien(neu(), einzeln());
  B.v1->Vektor(2, 0, 0);
  GleicheLinien(neu(), einzeln());
  h().LoescheFigurat("B");
  GleicheLinien(neu(), einzeln());
  Punkt("B", 3, 0, 0);
  const auto bild = neu();
  GleicheLinien(bild, einzeln());
  // O and three points, each a circle and a label; a triangle and a tetrahedron.
  EXPECT_EQ(bild.size(), 2u * 4 + 3 + 6);
}

TEST_F(Figurzeichnen, AnaglyphDrawsTheWholeRedViewBeforeTheCyan) {
  Punkt("A", 0, 0, 0);
  Punkt("B", 1, 0, 0);
  Punkt("C", 0, 1, 0);
  Punkt("D", 0, 0, 1);
  FiguratT& T = Eck("T", {"A", "B", "C", "D"});
  Anaglyph(true);
  auto bild = Abbild(T);
  ASSERT_EQ(bild.size(), 12u);
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(bild[i].farbe, i < 6 ? Rot : Cyan) << i;
  // The apex (0, 0, 1) is seen shifted; the corners in the picture plane are not.
  EXPECT_EQ((std::array{bild[6].a, bild[6].b}), (std::array{bild[0].a, bild[0].b}));
  EXPECT_NE(bild[9].a, bild[3].a);
}

TEST_F(Figurzeichnen, OtherTypesAreNotDrawnButNamed) {
  const int typen[] = {TypEbene, TypSammlung, TypStrecke, TypLeer, TypRaum, TypKein};
  for (int typ : typen) {
    FiguratT& g = Neu("X", typ);
    g.v1->Vektor(0, 0, 0);
    const int pool = Poolgroesse();
    EXPECT_TRUE(Abbild(g).empty()) << typ;
    EXPECT_EQ(Poolgroesse(), pool) << typ;
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Bisher werden nur Tetraeder, Dreiecke, Geraden und Punkte abgebildet"})
        << typ;
    g.Einlagern();
  }
}

TEST_F(Figurzeichnen, DrawingIgnoresTheVisibleFlagAndReturnsItsVectors) {
  FiguratT& A = Punkt("A", 1, 2, 3);
  Gerade("g", 0, 0, 0, 1, 1, 0);
  EXPECT_FALSE(A.sichtbar());
  EXPECT_EQ(Abbild(A).size(), 2u);
  Anaglyph(true);
  Abbild(Figurat("g"));
  const int pool = Poolgroesse();
  const std::size_t arena = h().Arenagroesse();
  Abbild(Figurat("g"));
  Abbild(A);
  EXPECT_EQ(Poolgroesse(), pool);
  EXPECT_EQ(h().Arenagroesse(), arena);
}

}  // namespace
