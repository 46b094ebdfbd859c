// The view controls, moved as the user moves them: on the Qt backend through
// the real widgets.

#include <QCheckBox>
#include <QImage>
#include <QSlider>
#include <QTest>

#include "Grafik.h"

using namespace plattform;

namespace {

class Ansicht : public GrafikTest, public ::testing::WithParamInterface<PlattformTest::Backend> {
 protected:
  Ansicht() : GrafikTest(GetParam()) {}
  bool IstQt() const { return GetParam() == Backend::Qt; }

  void Schiebe(const char* regler, int wert) {
    if (IstQt()) {
      auto* s = qobject_cast<QSlider*>(Qt().Widget(E<Slider>(regler)));
      ASSERT_TRUE(s) << regler;
      s->setValue(wert);
    } else {
      E<Slider>(regler).BenutzerSchiebt(wert);
    }
  }
  void Klicke(const char* kasten) {
    if (IstQt()) {
      auto* c = qobject_cast<QCheckBox*>(Qt().Widget(E<CheckBox>(kasten)));
      ASSERT_TRUE(c) << kasten;
      QTest::mouseClick(c, ::Qt::LeftButton, {}, QPoint(5, c->height() / 2));
    } else {
      E<CheckBox>(kasten).BenutzerKlickt();
    }
  }
  // Whether what the user did painted the canvas anew: its Paint writes the eye fields.
  bool NeuGemalt(const std::function<void()>& tue) {
    E<EditFeld>("XAuge").SetzeText("?");
    tue();
    return E<EditFeld>("XAuge").Text() != "?";
  }
  std::array<double, 3> Auge() const {
    const VektorT& a = *h().Augenpunkt;
    return {a.kp[1], a.kp[2], a.kp[3]};
  }
};

TEST_P(Ansicht, EyeSlidersMoveOnlyTheEyePoint) {
  const double alpha = h().alphaW, beta = h().betaW;
  EXPECT_TRUE(NeuGemalt([&] { Schiebe("x_Wert", 7); }));
  EXPECT_TRUE(NeuGemalt([&] { Schiebe("y_Wert", -3); }));
  EXPECT_EQ(Auge(), (std::array{7.0, -3.0, 30.0}));
  // The first change of z_Wert sets z, from 1 to 100.
  EXPECT_TRUE(NeuGemalt([&] { Schiebe("z_Wert", 1); }));
  EXPECT_EQ(Auge(), (std::array{7.0, -3.0, 1.0}));
  EXPECT_EQ((std::array{E<EditFeld>("XAuge").Text(), E<EditFeld>("yAuge").Text(), E<EditFeld>("zAuge").Text()}),
            (std::array<std::string, 3>{"7", "-3", "1"}));
  EXPECT_EQ(h().alphaW, alpha);
  EXPECT_EQ(h().betaW, beta);
}

TEST_P(Ansicht, ScaleOffsetsAndLabelSize) {
  struct Fall {
    const char* regler;
    int wert;
    int GrafikFenster::*feld;
    int soll;
  };
  const Fall faelle[] = {
      {"faktr", 120, &GrafikFenster::faktor, 120},       {"xOffsetS", 0, &GrafikFenster::xOffset, 0},
      {"xOffsetS", 100, &GrafikFenster::xOffset, 1023},  {"yOffsetS", 100, &GrafikFenster::yOffset, 871},
      {"yOffsetS", 33, &GrafikFenster::yOffset, 287},    {"TextSizeS", 20, &GrafikFenster::Textgroesse, 20},
  };
  for (const Fall& f : faelle) {
    EXPECT_TRUE(NeuGemalt([&] { Schiebe(f.regler, f.wert); })) << f.regler;
    EXPECT_EQ(G().*f.feld, f.soll) << f.regler << " " << f.wert;
  }
}

TEST_P(Ansicht, EyeDistanceTakesEffectAsATenth) {
  Klicke("DreiDAnzeige");
  // With nothing drawn in the second view the slider's value stays as the handler stored it.
  EXPECT_TRUE(NeuGemalt([&] { Schiebe("AugAbst", 20); }));
  EXPECT_EQ(h().Augenabstand, 20.0);
  // The second view reads a tenth of it, before its drawing.
  Punkt("Z", 0, 0, 1).SetzeSichtbar(true);
  EXPECT_TRUE(NeuGemalt([&] { Schiebe("AugAbst", 30); }));
  EXPECT_EQ(h().Augenabstand, 3.0);
  if (!IstQt()) {
    auto bild = Bild();
    ASSERT_EQ(bild.size(), 4u);
    // 3 × 0.0344 units to the right, at the scale 300.
    EXPECT_EQ(bild[2].a - bild[0].a, 30);
  }
}

TEST_P(Ansicht, AnaglyphShowsItsSliderAndDrawsTwoViews) {
  Punkt("Z", 0, 0, 1).SetzeSichtbar(true);
  EXPECT_TRUE(NeuGemalt([&] { Klicke("DreiDAnzeige"); }));
  EXPECT_TRUE(E<CheckBox>("DreiDAnzeige").Value());
  EXPECT_TRUE(E<Slider>("AugAbst").Visible());
  EXPECT_TRUE(E<StatischerText>("AugenAbstT").Visible());
  if (IstQt()) {
    const QImage& bild = *Qt().Bild(Leinwand());
    // The red circle's left edge, and the top of the cyan one 10 pixels to its right.
    EXPECT_EQ(bild.pixelColor(508, 420), QColor(255, 51, 0));
    EXPECT_EQ(bild.pixelColor(521, 417), QColor(0, 255, 255));
    EXPECT_TRUE(qobject_cast<QSlider*>(Qt().Widget(E<Slider>("AugAbst")))->isVisibleTo(Qt().Widget(G())));
  } else {
    auto bild = Bild();
    ASSERT_EQ(bild.size(), 4u);
    EXPECT_EQ(bild[0].farbe, Rot);
    EXPECT_EQ(bild[2].farbe, Cyan);
  }
  EXPECT_TRUE(NeuGemalt([&] { Klicke("DreiDAnzeige"); }));
  EXPECT_FALSE(E<Slider>("AugAbst").Visible());
  EXPECT_FALSE(E<StatischerText>("AugenAbstT").Visible());
  if (IstQt()) {
    const QImage& bild = *Qt().Bild(Leinwand());
    EXPECT_EQ(bild.pixelColor(508, 420), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(521, 417), QColor(Qt::white));
  } else {
    ASSERT_EQ(Bild().size(), 2u);
    EXPECT_EQ(Bild()[0].farbe, Schwarz);
  }
}

TEST_P(Ansicht, AxesAppearAndGoWithTheirCheckBox) {
  auto achsenpixel = [&] {
    // A pixel of the z axis, far from everything else.
    if (IstQt()) return Qt().Bild(Leinwand())->pixelColor(511, 100) == QColor(Qt::black);
    return Bild().size() == 3;
  };
  EXPECT_FALSE(achsenpixel());
  EXPECT_TRUE(NeuGemalt([&] { Klicke("ZeigeAchsen"); }));
  EXPECT_TRUE(achsenpixel());
  Klicke("ZeigeAchsen");
  EXPECT_FALSE(achsenpixel());
}

TEST_P(Ansicht, ResizedMakesTheCanvasFollowTheWindow) {
  auto& canvas = Leinwand();
  G().ZeichneStrecke(AnsichtRot, Vektor(-0.5, -1), Vektor(-0.5, 1));
  G().Resized();
  EXPECT_EQ((std::array{canvas.Left(), canvas.Top(), canvas.Width(), canvas.Height()}), (std::array{15, 14, 923, 861}));
  G().BenutzerAendertGroesse(1100, 900);
  EXPECT_EQ((std::array{canvas.Width(), canvas.Height()}), (std::array{1000, 890}));
  if (IstQt()) {
    P().Abgleichen();
    const QImage& bild = *Qt().Bild(canvas);
    EXPECT_EQ(bild.size(), QSize(1000, 890));
    // The picture is kept, and the new part can be drawn on.
    EXPECT_EQ(bild.pixelColor(361, 300), QColor(255, 51, 0));
    G().ZeichneStrecke(AnsichtGruen, Vektor(1.3, 1.4), Vektor(1.4, 1.4));
    EXPECT_EQ(Qt().Bild(canvas)->pixelColor(920, 855), QColor(0, 255, 255));
    EXPECT_EQ(Qt().Widget(canvas)->size(), QSize(1000, 890));
  }
}

INSTANTIATE_TEST_SUITE_P(BeideBackends, Ansicht,
                         ::testing::Values(PlattformTest::Backend::Headless, PlattformTest::Backend::Qt),
                         [](const auto& info) {
                           return info.param == PlattformTest::Backend::Qt ? std::string("Qt") : std::string("Headless");
                         });

}  // namespace
