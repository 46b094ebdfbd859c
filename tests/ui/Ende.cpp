// The real program on the Qt backend: what a user sees right after start-up.

#include <QMainWindow>

#include "support/Umgebung.h"
#include "ui/HauptF.h"

namespace {

class Programm : public ProgrammTest {
 protected:
  Programm() : ProgrammTest(Backend::Qt) {}
};

TEST_F(Programm, StartsIntoItsMainWindow) {
  std::vector<std::string> sichtbar;
  for (plattform::Fenster* f : P().AlleFenster()) {
    QWidget* w = Qt().Widget(*f);
    ASSERT_TRUE(w);
    if (!w->isVisible()) continue;
    sichtbar.push_back(f->Klassenname());
    Bildschirmfoto(Qt(), *f, f->Klassenname() + ".png");
  }
  // The fresh start shows the graphics window beside the main window.
  EXPECT_EQ(sichtbar, (std::vector<std::string>{"HauptF", "GrafikFenster"}));
  auto* haupt = qobject_cast<QMainWindow*>(Qt().Widget(HauptF::Instanz()));
  ASSERT_TRUE(haupt);
  EXPECT_EQ(haupt->windowTitle(), "Figurat2");
  QWidget* inhalt = Qt().Inhalt(HauptF::Instanz());
  EXPECT_EQ(inhalt->size(), QSize(995, 622));
  EXPECT_EQ(inhalt->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 40);
}

}  // namespace
