// The Qt canvas sets the pixels of circles from stamps and keeps the glyphs
// of labels; the picture must be the one that the painter makes when it
// draws every call itself.

#include "platform/qt/Malflaeche.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/QtPeers.h"

namespace {

using plattform::Zeichenflaeche;

// Every call drawn by the painter, with the canvas's settings.
class Maler : public Zeichenflaeche {
 public:
  explicit Maler(QImage& bild) : p_(&bild) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, false);
    p_.setBrush(Qt::NoBrush);
    p_.setPen(stift_);
  }
  void SetzeFarbe(int rot, int gruen, int blau) override {
    stift_.setColor(QColor(rot, gruen, blau));
    p_.setPen(stift_);
  }
  void SetzeStiftbreite(int breite) override {
    stift_.setWidth(breite);
    p_.setPen(stift_);
  }
  void SetzeTextgroesse(int groesse) override {
    schrift_.setPixelSize(groesse);
    p_.setFont(schrift_);
  }
  void Linie(int x1, int y1, int x2, int y2) override { p_.drawLine(x1, y1, x2, y2); }
  void Oval(int links, int oben, int breite, int hoehe) override { p_.drawEllipse(links, oben, breite, hoehe); }
  void Text(const std::string& text, int x, int y) override { p_.drawText(x, y, plattform::qt::Anzeigetext(text)); }
  void Loeschen() override { ADD_FAILURE() << "not used"; }

 private:
  QPainter p_;
  QPen stift_{Qt::black};
  QFont schrift_;
};

QImage Weiss() {
  QImage bild(300, 200, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

// The picture of the surface after `zeichne`, and the painter's.
void Vergleiche(const std::function<void(Zeichenflaeche&)>& zeichne) {
  QImage soll = Weiss();
  {
    Maler m(soll);
    zeichne(m);
  }
  QImage ist = Weiss();
  int meldungen = 0;
  plattform::qt::Malflaeche f(ist, [&] { return ++meldungen, true; });
  zeichne(f);
  f.Beenden();
  ASSERT_TRUE(ist == soll);
  // Once until the widget has shown the picture.
  EXPECT_EQ(meldungen, 1);
}

TEST(Malflaeche, CirclesAtEveryPlaceAndEdgeAsThePainterDrawsThem) {
  Vergleiche([](Zeichenflaeche& g) {
    for (int breite : {1, 2, 3}) {
      g.SetzeStiftbreite(breite);
      // Across each edge, and off the picture.
      for (int y = -9; y < 210; y += 7)
        for (int x = -9; x < 310; x += 11) {
          g.SetzeFarbe(x % 3 == 0 ? 255 : 0, 51 * breite, 0);
          g.Oval(x + breite, y, 6, 6);
        }
      g.Oval(-100000, 100000, 6, 6);
      g.SetzeFarbe(0, 255, 255);
      // Small ones and large ones; some of them come out differently from place to place.
      for (int groesse : {0, 1, 2, 5, 9, 40})
        for (int x = 0; x < 300; x += 23) g.Oval(x, 5 * groesse + breite * 40, groesse, groesse + 3 * (x % 2));
      // A circle whose pixels at a pen width of 3 depend on its place.
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) g.Oval(8 * x, 8 * y, 1, 1);
      // A line between circles: each drawing goes over the last.
      g.Linie(0, 100, 299, 110);
    }
  });
}

TEST(Malflaeche, LinesDrawnAgainAsThePainterDrawsThem) {
  // Points inside, near the edges and outside; each line back and forth,
  // with a label or a circle, another colour or another pen now and then.
  const int xs[] = {-40, 0, 2, 3, 4, 5, 7, 50, 151, 292, 294, 295, 296, 299, 300, 340};
  const int ys[] = {-40, 0, 3, 4, 5, 6, 81, 120, 193, 194, 195, 196, 199, 200, 260};
  Vergleiche([&](Zeichenflaeche& g) {
    g.SetzeTextgroesse(10);
    int n = 0;
    for (int i = 0; i < 900; ++i) {
      const int a = (i * 7) % 16, b = (i * 11 + 3) % 15, c = (i * 5 + 9) % 16, d = (i * 13) % 15;
      if (i % 97 == 0) g.SetzeStiftbreite(1 + (i / 97) % 3);
      if (i % 31 == 0) g.SetzeFarbe((i / 31) % 2 ? 255 : 0, 51, 0);
      g.Linie(xs[a], ys[b], xs[c], ys[d]);
      if (i % 5 == 0) g.Text("P" + std::to_string(++n), xs[c], ys[d]);
      if (i % 7 == 0) g.Oval(xs[a] - 3, ys[b] - 3, 6, 6);
      g.Linie(xs[c], ys[d], xs[a], ys[b]);
    }
    // Many in one run, each again after all the others.
    g.SetzeFarbe(0, 0, 0);
    for (int runde = 0; runde < 2; ++runde)
      for (int i = 0; i < 700; ++i) {
        const int x1 = 5 + i % 290, y1 = 5 + i / 290 * 60, x2 = 150, y2 = 190 - (i * 7) % 180;
        if (runde == 0)
          g.Linie(x1, y1, x2, y2);
        else
          g.Linie(x2, y2, x1, y1);
      }
  });
}

TEST(Malflaeche, LabelsAsThePainterDrawsThem) {
  // A line separator breaks the text layout's line, not the painter's.
  const std::string texte[] = {"P1",
                               "Ä",
                               "名前",
                               "שלום",
                               "بيت12",
                               "a\rb",
                               "a\u2028b",
                               "e\xcc\x81",
                               "A,B",
                               "",
                               "g|h",
                               "x y",
                               "WWW",
                               std::string(70, 'L'),
                               std::string(2100, 'M')};
  Vergleiche([&](Zeichenflaeche& g) {
    for (int groesse : {5, 10, 23, 10}) {
      g.SetzeTextgroesse(groesse);
      int i = 0;
      for (const std::string& t : texte) {
        ++i;
        g.SetzeFarbe(i % 2 ? 0 : 255, 0, 0);
        g.Text(t, (i * 37) % 330 - 20, (i * 53 + groesse) % 230 - 10);
        // Again elsewhere, over what is there.
        g.Text(t, 290 - i, 195);
      }
    }
  });
}

TEST(Malflaeche, WhatIsKeptFollowsThePictureAndTheTextSize) {
  QImage ist = Weiss();
  plattform::qt::Malflaeche f(ist, [] { return true; });
  auto bild = [&](int groesse) {
    f.Loeschen();
    f.SetzeTextgroesse(groesse);
    f.Text("P1", 40, 40);
    f.Oval(10, 10, 6, 6);
    f.Beenden();
    QImage soll = Weiss();
    {
      Maler m(soll);
      m.SetzeTextgroesse(groesse);
      m.Text("P1", 40, 40);
      m.Oval(10, 10, 6, 6);
    }
    return soll;
  };
  for (int groesse : {10, 10, 30, 10}) {
    const QImage soll = bild(groesse);
    EXPECT_TRUE(ist == soll) << groesse;
  }
}

TEST(Malflaeche, LabelsOfPicturesThatDifferFromTheOneBefore) {
  // Labels left out, put in, replaced and drawn twice, against the order of
  // the picture before.
  const std::vector<std::vector<std::string>> bilder = {
      {"A", "B", "C", "D"},    {"A", "B", "C", "D"},    {"A", "C", "D"},
      {"A", "X", "C", "D"},    {"A", "Y", "D", "A"},    {"D", "C", "B", "A"},
      {"A", "", "B", "", "C"}, {"A", "", "B", "", "C"}, {}};
  QImage ist = Weiss();
  plattform::qt::Malflaeche f(ist, [] { return true; });
  f.SetzeTextgroesse(12);
  for (std::size_t b = 0; b < bilder.size(); ++b) {
    auto zeichne = [&](Zeichenflaeche& g) {
      for (std::size_t i = 0; i < bilder[b].size(); ++i)
        g.Text(bilder[b][i], 10 + 30 * static_cast<int>(i), 20 + 15 * static_cast<int>(i));
    };
    f.Loeschen();
    zeichne(f);
    f.Beenden();
    QImage soll = Weiss();
    {
      Maler m(soll);
      m.SetzeTextgroesse(12);
      zeichne(m);
    }
    EXPECT_TRUE(ist == soll) << b;
  }
}

}  // namespace
