// The windows on the screen: inside its free area, side by side where there
// is room, and reachable through scroll bars where a window is larger than
// the screen. The test programs run it on a large screen and, as a test of
// its own, on a small one.

#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "graphics/GrafikFenster.h"
#include "support/Umgebung.h"
#include "ui/HauptF.h"
#include "ui/HilfeFenster.h"
#include "ui/KoordFenster.h"

namespace {

class Fensterplatz : public ProgrammTest {
 protected:
  Fensterplatz() : ProgrammTest(Backend::Qt) {}
  QMainWindow* Fenster(const plattform::Fenster& f) { return qobject_cast<QMainWindow*>(Qt().Widget(f)); }
  static QRect Frei() { return QGuiApplication::primaryScreen()->availableGeometry(); }
  static long long Flaeche(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }
  // Each part of the content can be scrolled into view.
  void GanzErreichbar(const plattform::Fenster& f) {
    SCOPED_TRACE(f.Klassenname());
    auto* rollbereich = qobject_cast<QScrollArea*>(Fenster(f)->centralWidget());
    ASSERT_TRUE(rollbereich);
    const QSize inhalt = Qt().Inhalt(f)->size();
    EXPECT_EQ(inhalt, QSize(f.Width(), f.Height()));
    const QSize sichtbar = rollbereich->viewport()->size();
    EXPECT_EQ(rollbereich->horizontalScrollBar()->maximum(), std::max(0, inhalt.width() - sichtbar.width()));
    EXPECT_EQ(rollbereich->verticalScrollBar()->maximum(), std::max(0, inhalt.height() - sichtbar.height()));
  }
};

TEST_F(Fensterplatz, TheWindowsOpenInsideTheScreenAndStayUsable) {
  QMainWindow* haupt = Fenster(HauptF::Instanz());
  QMainWindow* grafik = Fenster(GrafikFenster::Instanz());
  QTest::qWait(50);
  const QRect frei = Frei();
  const QRect h = haupt->frameGeometry(), g = grafik->frameGeometry();
  EXPECT_TRUE(frei.contains(h)) << h.x() << "," << h.y() << " " << h.width() << "x" << h.height();
  EXPECT_TRUE(frei.contains(g)) << g.x() << "," << g.y() << " " << g.width() << "x" << g.height();
  EXPECT_EQ(h.topLeft(), frei.topLeft());
  // Side by side where there is room; else they cover each other no more
  // than they must.
  const long long muss = static_cast<long long>(std::max(0, h.width() + g.width() - frei.width())) *
                         std::max(0, h.height() + g.height() - frei.height());
  EXPECT_EQ(Flaeche(h & g), muss);
  GanzErreichbar(HauptF::Instanz());
  GanzErreichbar(GrafikFenster::Instanz());

  // The "Test" button at the bottom of the graphics window can be reached.
  auto* rollbereich = qobject_cast<QScrollArea*>(grafik->centralWidget());
  QWidget* test = Qt().Widget(GrafikFenster::Instanz().Element<plattform::BevelButton>("BevelButton1"));
  rollbereich->ensureWidgetVisible(test);
  const QRect imBild(test->mapTo(rollbereich->viewport(), QPoint()), test->size());
  EXPECT_TRUE(rollbereich->viewport()->rect().contains(imBild));

  // Windows opened later go inside the free area as well.
  for (plattform::Fenster* f : std::initializer_list<plattform::Fenster*>{&HilfeFenster::Instanz(), &InformFenster::Instanz()}) {
    f->Show();
    KoordFenster::Instanz().Show();
    P().Abgleichen();
    QTest::qWait(20);
    EXPECT_TRUE(frei.contains(Fenster(*f)->frameGeometry())) << f->Klassenname();
    GanzErreichbar(*f);
  }
  EXPECT_TRUE(frei.contains(Fenster(KoordFenster::Instanz())->frameGeometry()));
}

}  // namespace
