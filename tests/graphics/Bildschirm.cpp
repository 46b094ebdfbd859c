// The graphics window on the real widgets: the axes and a few figures in the
// single view and as an anaglyph, with a picture of the window for each.

#include <QImage>
#include <QTest>
#include <set>

#include "Grafik.h"

namespace {

class Bildschirm : public GrafikTest {
 protected:
  Bildschirm() : GrafikTest(Backend::Qt) {}
  void SetUp() override {
    GrafikTest::SetUp();
    Punkt("A", 1, 0, 0);
    Punkt("B", 0, 1, 0);
    Punkt("C", 0, 0, 1);
    Punkt("S", 0.5, 0.5, 1.2);
    Gerade("g", -1, 1, 0, 1, 0, 0.5);
    Eck("D", {"A", "B", "C"});
    Eck("T", {"A", "B", "O", "S"});
    h().ErzeugeNamenListen();
    G().VerbindungEintragen(Figurat("O"), Figurat("C"));
    G().ZeichneAlles();
    P().Abgleichen();
  }
  // How many pixels of the picture have each colour.
  std::map<QRgb, int> Farben() {
    std::map<QRgb, int> zahl;
    const QImage& bild = *Qt().Bild(Leinwand());
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) ++zahl[bild.pixel(x, y)];
    return zahl;
  }
  static constexpr QRgb weiss = 0xffffffff, schwarz = 0xff000000, rot = 0xffff3300, cyan = 0xff00ffff;
};

TEST_F(Bildschirm, AxesAndFiguresInTheSingleView) {
  QTest::mouseClick(qobject_cast<QWidget*>(Qt().Widget(E<plattform::CheckBox>("ZeigeAchsen"))), Qt::LeftButton, {},
                    QPoint(5, 10));
  ASSERT_TRUE(E<plattform::CheckBox>("ZeigeAchsen").Value());
  auto farben = Farben();
  EXPECT_GT(farben[schwarz], 5000);
  EXPECT_EQ(farben[rot] + farben[cyan], 0);
  Bildschirmfoto(Qt(), G(), "grafik-einfach.png");
}

TEST_F(Bildschirm, AxesAndFiguresAsAnaglyph) {
  E<plattform::CheckBox>("ZeigeAchsen").BenutzerKlickt();
  QTest::mouseClick(qobject_cast<QWidget*>(Qt().Widget(E<plattform::CheckBox>("DreiDAnzeige"))), Qt::LeftButton, {},
                    QPoint(5, 10));
  ASSERT_TRUE(E<plattform::CheckBox>("DreiDAnzeige").Value());
  auto farben = Farben();
  EXPECT_GT(farben[rot], 2000);
  EXPECT_GT(farben[cyan], 2000);
  // Only the labels are black.
  EXPECT_LT(farben[schwarz], 500);
  Bildschirmfoto(Qt(), G(), "grafik-anaglyphe.png");
}

}  // namespace
