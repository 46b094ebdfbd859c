// The drawing primitives and the drawing state, read through the recording
// canvas, and a few pixels of the Qt canvas's picture.

#include <QImage>
#include <cmath>
#include <limits>

#include "Grafik.h"

namespace {

class Zeichnen : public GrafikTest {
 protected:
  static std::vector<Primitiv> Nachher(const std::function<void()>& zeichne) {
    Vergessen();
    zeichne();
    return Aufzeichnung().Aufzeichnung();
  }
  static void ErwarteLinie(const Primitiv& p, std::array<int, 4> ende, Farbe farbe) {
    EXPECT_EQ(p.art, Art::Linie);
    EXPECT_EQ((std::array{p.a, p.b, p.c, p.d}), ende);
    EXPECT_EQ(p.farbe, farbe);
  }
};

TEST_F(Zeichnen, StartStateOfTheDrawing) {
  EXPECT_EQ(G().faktor, 300);
  // Half of 1023 × 871, cut to Integers.
  EXPECT_EQ(G().xOffset, 511);
  EXPECT_EQ(G().yOffset, 435);
  EXPECT_EQ(G().Textgroesse, 10);
  EXPECT_EQ((std::array{G().Ex->kp[1], G().Ey->kp[2], G().Ez->kp[3]}), (std::array{1.0, 1.0, 1.0}));
  EXPECT_EQ((std::array{G().O->kp[1], G().O->kp[2], G().O->kp[3]}), (std::array{0.0, 0.0, 0.0}));
  // A second set-up makes no new records.
  const std::size_t arena = h().Arenagroesse();
  G().InitGrafik();
  EXPECT_EQ(h().Arenagroesse(), arena);
}

TEST_F(Zeichnen, PointIsACircleWithItsLabel) {
  auto bild = Nachher([] { G().ZeichnePunkt(AnsichtNormal, Vektor(0, 0), "O"); });
  ASSERT_EQ(bild.size(), 2u);
  EXPECT_EQ(bild[0].art, Art::Oval);
  EXPECT_EQ((std::array{bild[0].a, bild[0].b, bild[0].c, bild[0].d}), (std::array{508, 432, 6, 6}));
  EXPECT_EQ(bild[0].farbe, Schwarz);
  EXPECT_EQ(bild[1].art, Art::Text);
  EXPECT_EQ(bild[1].text, "O");
  // 511 + 5.25 and 435 + 9.
  EXPECT_EQ((std::array{bild[1].a, bild[1].b}), (std::array{516, 444}));
  EXPECT_EQ(bild[1].textgroesse, 10);

  // The picture of (1, 0, 0).
  VektorT& q = Vektor(0, 0);
  Vektor(1, 0, 0).Abbilden(q);
  bild = Nachher([&] { G().ZeichnePunkt(AnsichtNormal, q, "X"); });
  EXPECT_EQ((std::array{bild[0].a, bild[0].b}), (std::array{511 + 209, 435 + 209}));
}

TEST_F(Zeichnen, ViewsChooseTheCircleColourTheLabelIsBlack) {
  auto bild = Nachher([] {
    G().ZeichnePunkt(AnsichtRot, Vektor(0, 0), "A");
    G().ZeichnePunkt(AnsichtGruen, Vektor(0, 0), "");
    G().ZeichneStrecke(7, Vektor(0, 0), Vektor(1, 1));
  });
  ASSERT_EQ(bild.size(), 5u);
  EXPECT_EQ(bild[0].farbe, Rot);
  EXPECT_EQ(bild[1].farbe, Schwarz);
  EXPECT_EQ(bild[2].farbe, Cyan);
  EXPECT_EQ(bild[3].art, Art::Text);
  EXPECT_EQ(bild[3].text, "");
  EXPECT_EQ(bild[3].farbe, Schwarz);
  // Another view number keeps the colour of the drawing before it.
  EXPECT_EQ(bild[4].farbe, Schwarz);
}

TEST_F(Zeichnen, LabelOnlyAboveTextSizeFive) {
  G().Textgroesse = 5;
  auto bild = Nachher([] {
    G().ZeichnePunkt(AnsichtNormal, Vektor(0, 0), "A");
    G().ZeichneStrecke(AnsichtNormal, Vektor(0, 0), Vektor(0, 0));
  });
  ASSERT_EQ(bild.size(), 2u);
  EXPECT_EQ(bild[0].art, Art::Oval);
  // The text size is set all the same.
  EXPECT_EQ(bild[1].textgroesse, 5);
  G().Textgroesse = 6;
  bild = Nachher([] { G().ZeichnePunkt(AnsichtNormal, Vektor(0, 0), "A"); });
  ASSERT_EQ(bild.size(), 2u);
  // 4.75 to the right and 7 below.
  EXPECT_EQ((std::array{bild[1].a, bild[1].b}), (std::array{515, 442}));
}

TEST_F(Zeichnen, EdgesInTheirOrder) {
  VektorT& A = Vektor(0, 0);
  VektorT& B = Vektor(1, 0);
  VektorT& C = Vektor(0, 1);
  VektorT& D = Vektor(1, 1);
  const std::array<int, 2> a{511, 435}, b{811, 435}, c{511, 735}, d{811, 735};
  auto kante = [](std::array<int, 2> p, std::array<int, 2> q) { return std::array{p[0], p[1], q[0], q[1]}; };

  auto bild = Nachher([&] { G().ZeichneDreieck(AnsichtNormal, A, B, C); });
  ASSERT_EQ(bild.size(), 3u);
  ErwarteLinie(bild[0], kante(a, b), Schwarz);
  ErwarteLinie(bild[1], kante(a, c), Schwarz);
  ErwarteLinie(bild[2], kante(b, c), Schwarz);

  bild = Nachher([&] { G().ZeichneTetraeder(AnsichtRot, A, B, C, D); });
  ASSERT_EQ(bild.size(), 6u);
  const std::array<std::array<int, 4>, 6> soll{kante(a, b), kante(a, c), kante(b, c),
                                               kante(d, b), kante(d, c), kante(d, a)};
  for (std::size_t i = 0; i < 6; ++i) ErwarteLinie(bild[i], soll[i], Rot);
  // None of these sets a pen width.
  EXPECT_EQ(bild[0].stiftbreite, 1);
}

TEST_F(Zeichnen, LineCrossesThePictureStrip) {
  // Equal picture x: the vertical line from picture y −4 to 4.
  auto bild = Nachher([] { G().ZeichneGerade(AnsichtNormal, Vektor(0, 0), Vektor(0, -0.05)); });
  ASSERT_EQ(bild.size(), 1u);
  ErwarteLinie(bild[0], {511, 435 - 1200, 511, 435 + 1200}, Schwarz);
  EXPECT_EQ(bild[0].stiftbreite, 2);
  bild = Nachher([] { G().ZeichneGerade(AnsichtGruen, Vektor(0.5, 0.5), Vektor(0.5, 0.5)); });
  ErwarteLinie(bild[0], {661, 435 - 1200, 661, 435 + 1200}, Cyan);

  bild = Nachher([] { G().ZeichneGerade(AnsichtNormal, Vektor(0, 0), Vektor(1, 1)); });
  ErwarteLinie(bild[0], {511 - 1200, 435 - 1200, 511 + 1200, 435 + 1200}, Schwarz);
  G().faktor = 10;
  bild = Nachher([] { G().ZeichneGerade(AnsichtNormal, Vektor(0, 0), Vektor(1, 1)); });
  ErwarteLinie(bild[0], {511 - 40, 435 - 40, 511 + 40, 435 + 40}, Schwarz);
  // The width stays for what follows.
  bild = Nachher([] { G().ZeichneStrecke(AnsichtNormal, Vektor(0, 0), Vektor(1, 1)); });
  EXPECT_EQ(bild[0].stiftbreite, 2);
}

TEST_F(Zeichnen, AxesOnlyWhenAsked) {
  EXPECT_TRUE(Nachher([] { G().ZeichneKOS(); }).empty());
  Achsen(true);
  auto bild = Nachher([] { G().ZeichneKOS(); });
  ASSERT_EQ(bild.size(), 3u);
  for (const Primitiv& p : bild) {
    EXPECT_EQ(p.art, Art::Linie);
    EXPECT_EQ(p.farbe, Schwarz);
    EXPECT_EQ(p.stiftbreite, 2);
  }
  // The z axis is vertical through the origin.
  ErwarteLinie(bild[2], {511, 435 - 1200, 511, 435 + 1200}, Schwarz);
  Anaglyph(true);
  bild = Nachher([] { G().ZeichneKOS(); });
  ASSERT_EQ(bild.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(bild[i].farbe, i < 3 ? Rot : Cyan) << i;
}

TEST_F(Zeichnen, NoInfiniteOrHugeCoordinateReachesTheCanvas) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto bild = Nachher([&] {
    G().ZeichnePunkt(AnsichtNormal, Vektor(inf, 0), "A");
    G().ZeichnePunkt(AnsichtNormal, Vektor(nan, 0), "B");
    G().ZeichneStrecke(AnsichtNormal, Vektor(0, 0), Vektor(0, -inf));
    G().ZeichneDreieck(AnsichtNormal, Vektor(0, 0), Vektor(1, 0), Vektor(nan, nan));
    G().ZeichneGerade(AnsichtNormal, Vektor(0, 0), Vektor(inf, 1));
  });
  // Only the triangle's edge between its two finite corners.
  ASSERT_EQ(bild.size(), 1u);
  ErwarteLinie(bild[0], {511, 435, 811, 435}, Schwarz);

  // A very steep line is cut on its way, not bent: it still runs through the origin.
  bild = Nachher([] { G().ZeichneGerade(AnsichtNormal, Vektor(0, 0), Vektor(1e-12, 1)); });
  ASSERT_EQ(bild.size(), 1u);
  const Primitiv& l = bild[0];
  EXPECT_NEAR(l.b, -100000, 1);
  EXPECT_NEAR(l.d, 100000, 1);
  EXPECT_NEAR(l.a, 511, 1);
  EXPECT_NEAR(l.c, 511, 1);
  // A far point stays far, at a coordinate every canvas takes.
  bild = Nachher([] { G().ZeichnePunkt(AnsichtNormal, Vektor(1e300, -1e300), "F"); });
  ASSERT_EQ(bild.size(), 2u);
  EXPECT_EQ((std::array{bild[0].a, bild[0].b}), (std::array{100000, -100000}));
}

class ZeichnenQt : public GrafikTest {
 protected:
  ZeichnenQt() : GrafikTest(Backend::Qt) {}
  QColor Pixel(int x, int y) { return Qt().Bild(Leinwand())->pixelColor(x, y); }
};

TEST_F(ZeichnenQt, PixelsOfTheCanvasPicture) {
  const QImage* bild = Qt().Bild(Leinwand());
  ASSERT_TRUE(bild);
  EXPECT_EQ(bild->size(), QSize(798, 837));
  G().ZeichnePunkt(AnsichtRot, Vektor(0, 0), "");
  // The circle's left and right edge through the row of its centre.
  EXPECT_EQ(Pixel(508, 435), QColor(255, 51, 0));
  EXPECT_EQ(Pixel(514, 435), QColor(255, 51, 0));
  EXPECT_EQ(Pixel(511, 435), QColor(Qt::white));
  G().ZeichneGerade(AnsichtGruen, Vektor(-0.5, 0.5), Vektor(-0.5, 0));
  EXPECT_EQ(Pixel(361, 100), QColor(0, 255, 255));
  EXPECT_EQ(Pixel(361, 800), QColor(0, 255, 255));
  // Drawing adds to the picture; the refresh clears it.
  EXPECT_EQ(Pixel(508, 435), QColor(255, 51, 0));
  Leinwand().Refresh();
  EXPECT_EQ(Pixel(361, 100), QColor(Qt::white));
  EXPECT_EQ(Pixel(508, 435), QColor(Qt::white));
}

}  // namespace
