// The graphics window and its 29 controls, on both backends.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>

#include "Grafik.h"

using namespace plattform;

namespace {

class Grafikfenster : public GrafikTest, public ::testing::WithParamInterface<PlattformTest::Backend> {
 protected:
  Grafikfenster() : GrafikTest(GetParam()) {}
  bool IstQt() const { return GetParam() == Backend::Qt; }
  template <class W>
  W* Widget(const char* name) {
    return qobject_cast<W*>(Qt().Widget(*G().Finde(name)));
  }
};

TEST_P(Grafikfenster, WindowWithItsProperties) {
  EXPECT_EQ(&GrafikFenster::Instanz(), &G());
  EXPECT_EQ(G().Title(), "Graphische Darstellung der Figurat");
  EXPECT_EQ(G().Width(), 1023);
  EXPECT_EQ(G().Height(), 871);
  const Fensterlayout& l = G().Layout();
  EXPECT_TRUE(l.schliessfeld && l.minimierfeld && l.menueleisteSichtbar);
  EXPECT_FALSE(l.maximierfeld || l.groesseVeraenderbar);
  EXPECT_EQ((std::array{l.minBreite, l.minHoehe, l.maxBreite, l.maxHoehe}), (std::array{600, 600, 32000, 32000}));
  EXPECT_EQ(l.hintergrund, (Farbe{255, 255, 255}));
  EXPECT_TRUE(G().Visible());
  if (IstQt()) {
    auto* w = qobject_cast<QMainWindow*>(Qt().Widget(G()));
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Graphische Darstellung der Figurat");
    EXPECT_EQ(Qt().Inhalt(G())->size(), QSize(1023, 871));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  }
}

TEST_P(Grafikfenster, TwentyNineControlsWithTheirValues) {
  const auto& e = G().Elemente();
  ASSERT_EQ(e.size(), 29u);
  const char* namen[] = {"GraphCanvas", "ZeigeAchsen", "x_Wert",      "StaticText1",  "y_Wert",     "StaticText2",
                         "z_Wert",      "StaticText3", "faktr",       "StaticText4",  "yOffsetS",   "yOffsetT",
                         "xOffsetS",    "xOffsetT",    "AugAbst",     "AugenAbstT",   "DreiDAnzeige", "XAuge",
                         "yAuge",       "zAuge",       "StaticText8", "TextSizeS",    "yOffsetT1",  "StaticText9",
                         "PunktpaarLB", "verbundenB",  "getrenntB",   "BevelButton1", "StaticText0"};
  for (std::size_t i = 0; i < 29; ++i) EXPECT_EQ(e[i]->Name(), namen[i]) << i;
  auto& canvas = E<Canvas>("GraphCanvas");
  EXPECT_EQ((std::array{canvas.Left(), canvas.Top(), canvas.Width(), canvas.Height()}), (std::array{15, 14, 798, 837}));

  struct Regler {
    const char* name;
    int minimum, maximum, wert, line, page;
  };
  const Regler regler[] = {{"x_Wert", -50, 50, 1, 0, 10},  {"y_Wert", -50, 50, 1, 0, 10},
                           {"z_Wert", 1, 100, 25, 0, 10},  {"faktr", 10, 600, 300, 10, 20},
                           {"yOffsetS", 0, 100, 50, 1, 10}, {"xOffsetS", 0, 100, 50, 1, 10},
                           {"AugAbst", 1, 50, 10, 1, 10},  {"TextSizeS", 5, 50, 10, 1, 10}};
  for (const Regler& r : regler) {
    auto& s = E<Slider>(r.name);
    EXPECT_EQ((std::array{s.Minimum(), s.Maximum(), s.Value(), s.LineStep(), s.PageStep()}),
              (std::array{r.minimum, r.maximum, r.wert, r.line, r.page}))
        << r.name;
    if (IstQt()) {
      auto* w = Widget<QSlider>(r.name);
      ASSERT_TRUE(w) << r.name;
      EXPECT_EQ((std::array{w->minimum(), w->maximum(), w->value(), w->singleStep(), w->pageStep()}),
                (std::array{r.minimum, r.maximum, r.wert, r.line, r.page}))
          << r.name;
      EXPECT_TRUE(w->hasTracking()) << r.name;
    }
  }
  EXPECT_EQ(E<StatischerText>("StaticText1").Text(), "x\r");
  EXPECT_EQ(E<StatischerText>("xOffsetT").Text(), "Offset horizontal\r\r");
  EXPECT_EQ(E<StatischerText>("StaticText4").Text(), "Maßstab");
  EXPECT_EQ(E<StatischerText>("yOffsetT1").Text(), "Textgröße");
  EXPECT_EQ(E<CheckBox>("ZeigeAchsen").Caption(), "Zeige Koordinatenachsen");
  EXPECT_EQ(E<CheckBox>("DreiDAnzeige").Caption(), "RotGrün-Darstellung");
  EXPECT_FALSE(E<CheckBox>("ZeigeAchsen").Value() || E<CheckBox>("DreiDAnzeige").Value());
  EXPECT_EQ(E<BevelButton>("verbundenB").Caption(), "+");
  EXPECT_EQ(E<BevelButton>("getrenntB").Caption(), "-");
  EXPECT_EQ(E<BevelButton>("BevelButton1").Caption(), "Test");
  for (const char* knopf : {"verbundenB", "getrenntB", "BevelButton1"}) EXPECT_FALSE(E<BevelButton>(knopf).NimmtFokus());
  EXPECT_FALSE(E<Slider>("AugAbst").Visible());
  EXPECT_FALSE(E<StatischerText>("AugenAbstT").Visible());
  EXPECT_EQ(E<ListBox>("PunktpaarLB").ListCount(), 0);
  EXPECT_FALSE(E<ListBox>("PunktpaarLB").ZeilenZiehbar());
  for (const char* feld : {"XAuge", "yAuge", "zAuge"}) EXPECT_TRUE(E<EditFeld>(feld).ReadOnly()) << feld;
  EXPECT_EQ(E<EditFeld>("XAuge").Hintergrund(), (Farbe{251, 255, 198}));
  // The set-up painted the canvas: the eye point is shown, while z_Wert shows 25.
  EXPECT_EQ((std::array{E<EditFeld>("XAuge").Text(), E<EditFeld>("yAuge").Text(), E<EditFeld>("zAuge").Text()}),
            (std::array<std::string, 3>{"1", "1", "30"}));
  if (IstQt()) {
    EXPECT_EQ(Widget<QLineEdit>("zAuge")->text(), "30");
    EXPECT_TRUE(Widget<QLineEdit>("zAuge")->isReadOnly());
    EXPECT_EQ(Widget<QCheckBox>("DreiDAnzeige")->text(), "RotGrün-Darstellung");
    EXPECT_EQ(Widget<QPushButton>("verbundenB")->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(Widget<QSlider>("AugAbst")->isVisibleTo(Qt().Widget(G())));
    EXPECT_EQ(Widget<QWidget>("GraphCanvas")->geometry(), QRect(15, 14, 798, 837));
    EXPECT_EQ(Widget<QWidget>("GraphCanvas")->focusPolicy(), Qt::NoFocus);
  }
}

TEST_P(Grafikfenster, ClosedWindowComesBackReadyToDraw) {
  E<Slider>("faktr").BenutzerSchiebt(100);
  Achsen(true);
  if (IstQt())
    Qt().Widget(G())->close();
  else
    P().BenutzerSchliesst(G());
  EXPECT_EQ(P().FindeFenster("GrafikFenster"), nullptr);
  GrafikFenster& neu = GrafikFenster::Instanz();
  EXPECT_TRUE(neu.Visible());
  EXPECT_EQ(neu.faktor, 300);
  EXPECT_EQ(neu.xOffset, 511);
  EXPECT_EQ(neu.yOffset, 435);
  EXPECT_EQ(neu.Textgroesse, 10);
  ASSERT_TRUE(neu.Ex && neu.Ey && neu.Ez && neu.O);
  EXPECT_FALSE(neu.Element<CheckBox>("ZeigeAchsen").Value());
  // Its first redraw with the axes draws them.
  neu.Element<CheckBox>("ZeigeAchsen").SetzeValue(true);
  Punkt("A", 1, 0, 0).SetzeSichtbar(true);
  neu.TotalAktualisieren();
  if (IstQt()) {
    // The x axis runs through the picture of (1, 0, 0), and the point is there.
    const QImage* bild = Qt().Bild(neu.Element<Canvas>("GraphCanvas"));
    ASSERT_TRUE(bild);
    EXPECT_EQ(bild->pixelColor(511 + 106, 435 + 106), QColor(Qt::black));
  } else {
    auto bild = headless::Aufzeichnung(neu.Element<Canvas>("GraphCanvas")).SeitLoeschen();
    // Three axes, then the point.
    ASSERT_EQ(bild.size(), 5u);
    EXPECT_EQ(bild[3].art, Art::Oval);
  }
}

INSTANTIATE_TEST_SUITE_P(BeideBackends, Grafikfenster,
                         ::testing::Values(PlattformTest::Backend::Headless, PlattformTest::Backend::Qt),
                         [](const auto& info) {
                           return info.param == PlattformTest::Backend::Qt ? std::string("Qt") : std::string("Headless");
                         });

}  // namespace
