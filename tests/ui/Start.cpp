// Start-up, the main window's controls, the menu bar and the help and
// information windows.

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <set>

#include "graphics/GrafikFenster.h"
#include "support/Umgebung.h"
#include "ui/GlFenster.h"
#include "ui/HauptF.h"
#include "ui/HilfeFenster.h"
#include "ui/KoordFenster.h"
#include "ui/MenuBar1.h"

using namespace plattform;

namespace {

class Start : public ProgrammTest, public ::testing::WithParamInterface<PlattformTest::Backend> {
 protected:
  Start() : ProgrammTest(GetParam()) {}
  bool IstQt() const { return GetParam() == Backend::Qt; }
};

QAction* FindeAktion(const QList<QAction*>& aktionen, const QString& name) {
  for (QAction* a : aktionen) {
    if (a->objectName() == name) return a;
    if (a->menu())
      if (QAction* tiefer = FindeAktion(a->menu()->actions(), name)) return tiefer;
  }
  return nullptr;
}

TEST_P(Start, MainWindowOpensWithItsLayout) {
  HauptF& h = HauptF::Instanz();
  EXPECT_EQ(&HauptF::Instanz(), &h);
  EXPECT_EQ(h.Title(), "Figurat2");
  EXPECT_EQ(h.Width(), 995);
  EXPECT_EQ(h.Height(), 622);
  EXPECT_TRUE(h.Visible());
  EXPECT_FALSE(h.Layout().schliessfeld);
  EXPECT_TRUE(h.Layout().minimierfeld);
  EXPECT_FALSE(h.Layout().groesseVeraenderbar);
  EXPECT_EQ(h.Dezimalen, 6);
  EXPECT_EQ(h.CR, "\r");
  EXPECT_EQ(h.BLager, nullptr);
  EXPECT_EQ(h.BefehlsSchluessel.size(), 61u);
  EXPECT_EQ(h.VerbrauchteNr.size(), 501u);
  // Neither the dialogs nor the help and information windows exist yet.
  for (const char* k : {"KoordFenster", "GlFenster", "HilfeFenster", "InformFenster"})
    EXPECT_EQ(P().FindeFenster(k), nullptr) << k;
  if (IstQt()) {
    auto* w = qobject_cast<QMainWindow*>(Qt().Widget(h));
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Figurat2");
    EXPECT_EQ(Qt().Inhalt(h)->size(), QSize(995, 622));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  }
}

TEST_P(Start, FortyControlsInTableOrder) {
  HauptF& h = HauptF::Instanz();
  const auto& e = h.Elemente();
  ASSERT_EQ(e.size(), 40u);
  EXPECT_EQ(e.front()->Name(), "GnameF");
  EXPECT_EQ(e[19]->Name(), "FiguratLB");
  EXPECT_EQ(e.back()->Name(), "StaticText4");
  auto& gname = h.Element<EditFeld>("GnameF");
  EXPECT_EQ((std::array{gname.Left(), gname.Top(), gname.Width(), gname.Height()}), (std::array{22, 10, 69, 51}));
  EXPECT_EQ(gname.Schriftgroesse(), 24);
  EXPECT_TRUE(gname.Fett());
  EXPECT_EQ(gname.Hintergrund(), (Farbe{218, 255, 8}));
  for (const char* versteckt : {"aF", "bF", "cF", "dF", "GradF"}) EXPECT_FALSE(h.Finde(versteckt)->Visible()) << versteckt;
  EXPECT_TRUE(h.Element<EditFeld>("InfoF").ReadOnly());
  EXPECT_TRUE(h.Element<EditFeld>("InfoF").MultiLine());
  EXPECT_EQ(h.Element<EditFeld>("LastInfoF").Text(), "\r");
  EXPECT_TRUE(h.Element<ListBox>("FiguratLB").ZeilenZiehbar());
  EXPECT_TRUE(h.Element<ListBox>("ProtokollBox").ZeilenZiehbar());
  EXPECT_FALSE(h.Element<ListBox>("G1ListB").ZeilenZiehbar());
  EXPECT_EQ(h.Element<StatischerText>("ProtoInfoT").Text(), "Beschreibungsfenster aktiv");
  EXPECT_EQ(h.Element<PopupMenu>("PopupMenu1").Eintraege().size(), 7u);
  EXPECT_EQ(h.Element<PopupMenu>("PopupMenu1").ListIndex(), 0);
  EXPECT_TRUE(h.Element<BevelButton>("TuEsButton").NimmtFokus());
  EXPECT_FALSE(h.Element<BevelButton>("KillLastOrder3").NimmtFokus());
  EXPECT_EQ(h.Element<BevelButton>("TuEsButton").Caption(), "Ausführen");
  if (IstQt()) {
    auto* w = Qt().Widget(h.Element<EditFeld>("GnameF"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->geometry(), QRect(22, 10, 69, 51));
    auto* last = qobject_cast<QPlainTextEdit*>(Qt().Widget(h.Element<EditFeld>("LastInfoF")));
    ASSERT_TRUE(last);
    EXPECT_EQ(last->toPlainText(), "\n");
  }
}

// The accessors come from the same rows as the controls: each gives the
// control its row made, of the row's kind, and every row has one.
TEST_P(Start, EachAccessorGivesTheControlOfItsRow) {
  std::size_t zeilen = 0;
#define PRUEFE(art, name, ...)                                                  \
  EXPECT_EQ(static_cast<Steuerelement*>(&w.name()), w.Finde(#name)) << #name; \
  EXPECT_EQ(w.name().Typ(), Art::art) << #name;                                \
  ++zeilen;
#define PRUEFE_FENSTER(Klasse, tabelle)                        \
  {                                                            \
    Klasse& w = Klasse::Instanz();                             \
    zeilen = 0;                                                \
    tabelle(PRUEFE)                                            \
    EXPECT_EQ(zeilen, w.Elemente().size()) << #Klasse;         \
  }
  PRUEFE_FENSTER(HauptF, FIGURAT_HAUPTF_ELEMENTE)
  PRUEFE_FENSTER(GrafikFenster, FIGURAT_GRAFIKFENSTER_ELEMENTE)
  PRUEFE_FENSTER(KoordFenster, FIGURAT_KOORDFENSTER_ELEMENTE)
  PRUEFE_FENSTER(GlFenster, FIGURAT_GLFENSTER_ELEMENTE)
  PRUEFE_FENSTER(HilfeFenster, FIGURAT_HILFEFENSTER_ELEMENTE)
  PRUEFE_FENSTER(InformFenster, FIGURAT_INFORMFENSTER_ELEMENTE)
#undef PRUEFE_FENSTER
#undef PRUEFE
}

TEST_P(Start, MenuBarIsBuiltOnceAndShared) {
  auto& bar = MenuBar1();
  EXPECT_EQ(&MenuBar1(), &bar);
  EXPECT_EQ(app_.Menueleiste, &bar);
  EXPECT_EQ(HauptF::Instanz().Menueleiste(), &bar);
  std::vector<std::string> menues;
  for (const auto& m : bar.Kinder()) menues.push_back(m->Text);
  EXPECT_EQ(menues, (std::vector<std::string>{"&File", "Num --> Figurat", "Figurat  --> Figurat", "Berechne", "Ausgabe",
                                              "zeichnerische  Darstellung", "Löschen", "Hilfe"}));
  std::vector<int> eintraege;
  for (const auto& m : bar.Kinder()) eintraege.push_back(m->Count());
  EXPECT_EQ(eintraege, (std::vector<int>{8, 2, 9, 2, 7, 9, 4, 2}));
  EXPECT_EQ(bar.Child("AusgabeMenu")->Kinder().back()->Name, "UntitledSeparator8");

  int alle = 0, mitKuerzel = 0;
  std::set<std::string> kuerzel;
  std::function<void(const MenuItem&)> zaehle = [&](const MenuItem& m) {
    for (const auto& k : m.Kinder()) {
      ++alle;
      EXPECT_TRUE(k->AutoEnable) << k->Name;
      if (!k->KeyboardShortcut.empty()) {
        ++mitKuerzel;
        EXPECT_EQ(k->KeyboardShortcut.size(), 5u) << k->Name;
        EXPECT_TRUE(kuerzel.insert(k->KeyboardShortcut).second) << k->KeyboardShortcut;
      }
      zaehle(*k);
    }
  };
  zaehle(bar);
  EXPECT_EQ(alle, 65);
  EXPECT_EQ(mitKuerzel, 24);

  HauptF& h = HauptF::Instanz();
  EXPECT_EQ(h.GGeradePP().Text, "durch zwei Punkte");
  EXPECT_EQ(h.FiguratErzeuge().Count(), 9);
  EXPECT_NE(&h.UntitledSeparator(), &h.UntitledSeparator0());
  EXPECT_TRUE(h.InfoFigurat().IstAppleMenuItem());
  EXPECT_EQ(h.GErzeugeSchnitt().KeyboardShortcut, "Cmd+C");
  EXPECT_EQ(h.UndoItem().KeyboardShortcut, "Cmd+Z");

  if (IstQt()) {
    auto* w = qobject_cast<QMainWindow*>(Qt().Widget(h));
    ASSERT_TRUE(w && w->menuBar());
    QList<QAction*> titel = w->menuBar()->actions();
    ASSERT_EQ(titel.size(), 8);
    EXPECT_EQ(titel[7]->text(), "Hilfe");
    QAction* gefunden = FindeAktion(w->menuBar()->actions(), "GErzeugeSchnitt");
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(gefunden->shortcut(), QKeySequence("Ctrl+C"));
  }
}

TEST_P(Start, HelpWindowIsHiddenAndShownAgain) {
  HilfeFenster& hilfe = HilfeFenster::Instanz();
  EXPECT_TRUE(hilfe.Visible());
  EXPECT_EQ(hilfe.Title(), "Hilfe");
  EXPECT_EQ(hilfe.Width(), 502);
  EXPECT_EQ(hilfe.Height(), 652);
  EXPECT_FALSE(hilfe.Layout().schliessfeld);
  auto& text = hilfe.Element<EditFeld>("InfoTxt");
  EXPECT_TRUE(text.ReadOnly());
  EXPECT_EQ(text.Text().rfind("Hilfe zum Programm Figurat3D ( V0.1)\r", 0), 0u);
  hilfe.Element<BevelButton>("HilfeB").BenutzerKlickt();
  EXPECT_FALSE(hilfe.Visible());
  EXPECT_EQ(&HilfeFenster::Instanz(), &hilfe);
  // The window has no close box: a close request leaves it where it is.
  P().BenutzerSchliesst(hilfe);
  EXPECT_EQ(P().FindeFenster("HilfeFenster"), &hilfe);
  if (IstQt()) {
    HilfeFenster::Instanz().Show();
    auto* feld = qobject_cast<QPlainTextEdit*>(Qt().Widget(text));
    ASSERT_TRUE(feld);
    QString vorher = feld->toPlainText();
    QTest::keyClicks(feld, "xyz");
    EXPECT_EQ(feld->toPlainText(), vorher);
  }
}

TEST_P(Start, InformationWindowClosedComesBackFresh) {
  InformFenster& info = InformFenster::Instanz();
  EXPECT_EQ(info.Title(), "Info");
  EXPECT_EQ(info.Width(), 536);
  EXPECT_EQ(info.Height(), 430);
  EXPECT_TRUE(info.Layout().schliessfeld);
  EXPECT_FALSE(info.Element<EditFeld>("InfoF").Text().empty());
  info.Element<BevelButton>("InfoB").BenutzerKlickt();
  EXPECT_FALSE(info.Visible());
  if (IstQt())
    Qt().Widget(info)->close();
  else
    P().BenutzerSchliesst(info);
  EXPECT_EQ(P().FindeFenster("InformFenster"), nullptr);
  InformFenster& neu = InformFenster::Instanz();
  EXPECT_TRUE(neu.Visible());
}

INSTANTIATE_TEST_SUITE_P(BeideBackends, Start,
                         ::testing::Values(PlattformTest::Backend::Headless, PlattformTest::Backend::Qt),
                         [](const auto& info) {
                           return info.param == PlattformTest::Backend::Qt ? std::string("Qt") : std::string("Headless");
                         });

}  // namespace
