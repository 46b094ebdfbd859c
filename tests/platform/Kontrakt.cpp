// One contract for both backends: the same window, the same user actions, the
// same answers. The headless backend acts directly on the model; the Qt
// backend acts on the real widgets under the offscreen platform.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/Zahltext.h"
#include "platform/Zeichenflaeche.h"
#include "platform/qt/Listenansicht.h"
#include "support/Umgebung.h"

using namespace plattform;

namespace {

// A menu bar with one menu and one command on Cmd+C.
class Probeleiste : public MenuBar {
 public:
  Probeleiste() {
    auto menue = std::make_unique<MenuItem>();
    menue->Name = "ProbeMenue";
    menue->Text = "Probe";
    auto punkt = std::make_unique<MenuItem>();
    punkt->Name = "Probepunkt";
    punkt->Text = "Punkt";
    punkt->KeyboardShortcut = "Cmd+C";
    menue->Append(std::move(punkt));
    Append(std::move(menue));
  }
};

// A window with one control of every kind, whose handlers write down what happened.
class Probefenster : public Fenster {
 public:
  static constexpr const char* Klasse = "Probefenster";
  Probefenster() : Fenster(Klasse) {}

  std::vector<std::string> protokoll;
  bool tasteBehalten = false;
  bool openFandSichSelbst = false;
  int elementeBeiOpen = 0;

  void Open() override {
    elementeBeiOpen = static_cast<int>(Elemente().size());
    openFandSichSelbst = &plattform::plattform().Instanz<Probefenster>() == this;
    RegistriereMenueHandler("Probepunkt", [this] { protokoll.push_back("Menü"); return false; });
  }
  bool KeyDown(const std::string& taste) override {
    protokoll.push_back("Fenster.KeyDown " + taste);
    return false;
  }
  bool Feld_KeyDown(const std::string& taste) {
    protokoll.push_back("Feld.KeyDown " + taste);
    return tasteBehalten;
  }
  void Feld_MouseExit() { protokoll.push_back("Feld.MouseExit " + Element<EditFeld>("Feld").Text()); }
  void Knopf_Action() { protokoll.push_back("Knopf.Action"); }
  void Liste_Change() { protokoll.push_back("Liste.Change " + Element<ListBox>("Liste").Text()); }
  void Liste_DoubleClick() { protokoll.push_back("Liste.DoubleClick " + Element<ListBox>("Liste").Text()); }
  bool Liste_DragRow(DragItem& item, Zeilennr zeile) {
    item.Text = Element<ListBox>("Liste").Zeile(zeile);
    return true;
  }
  void Popup_Change() { protokoll.push_back("Popup.Change " + std::to_string(Element<PopupMenu>("Popup").ListIndex())); }
  void Kasten_Action() { protokoll.push_back(std::string("Kasten.Action ") + (Element<CheckBox>("Kasten").Value() ? "an" : "aus")); }
  void Regler_ValueChanged() { protokoll.push_back("Regler " + std::to_string(Element<Slider>("Regler").Value())); }
  void Leinwand_Paint(Zeichenflaeche& g) {
    protokoll.push_back("Paint");
    g.SetzeFarbe(255, 0, 0);
    g.Linie(0, 5, 49, 5);
  }
  void Fehler_Action() { throw std::runtime_error("kaputt"); }

 protected:
  Fensterlayout Layoutschritt() override {
    Fensterlayout l;
    l.titel = "Probe";
    l.breite = 400;
    l.hoehe = 300;
    l.schliessfeld = true;
    l.sichtbar = true;
    l.menueleiste = &plattform::plattform().Menueleiste<Probeleiste>();
    l.menueleisteSichtbar = true;
    return l;
  }
  const std::vector<Steuerelementzeile>& Steuerelementtabelle() const override {
    static const std::vector<Steuerelementzeile> t = {
        {Art::EditFeld, "Feld", 10, 10, 100, 22, {},
         {Bind("KeyDown", &Probefenster::Feld_KeyDown), Bind("MouseExit", &Probefenster::Feld_MouseExit)}},
        {Art::EditFeld, "Frei", 120, 10, 100, 22},
        {Art::EditFeld, "Text", 10, 40, 200, 60, {.text = "a\rb", .nurLesen = true, .mehrzeilig = true}},
        {Art::StatischerText, "Schild", 230, 10, 100, 20, {.text = "Schild"}},
        {Art::ListBox, "Liste", 10, 110, 100, 80, {.zeilenZiehbar = true},
         {Bind("Change", &Probefenster::Liste_Change), Bind("DoubleClick", &Probefenster::Liste_DoubleClick),
          Bind("DragRow", &Probefenster::Liste_DragRow)}},
        {Art::BevelButton, "Knopf", 120, 110, 80, 30, {.text = "Los"}, {Bind("Action", &Probefenster::Knopf_Action)}},
        {Art::PopupMenu, "Popup", 210, 110, 100, 22, {.eintraege = {"null", "eins", "zwei"}},
         {Bind("Change", &Probefenster::Popup_Change)}},
        {Art::Separator, "Linie", 10, 195, 380, 4},
        {Art::Canvas, "Leinwand", 10, 200, 50, 50, {}, {Bind("Paint", &Probefenster::Leinwand_Paint)}},
        {Art::CheckBox, "Kasten", 70, 200, 100, 20, {.text = "Kasten"}, {Bind("Action", &Probefenster::Kasten_Action)}},
        {Art::Slider, "Regler", 70, 230, 150, 16, {.minimum = -5, .maximum = 5, .wert = 1, .lineStep = 0, .pageStep = 2},
         {Bind("ValueChanged", &Probefenster::Regler_ValueChanged)}},
        {Art::BevelButton, "Fehler", 230, 230, 80, 30, {.text = "Fehler"}, {Bind("Action", &Probefenster::Fehler_Action)}},
    };
    return t;
  }
};

class Kontrakt : public PlattformTest, public ::testing::WithParamInterface<PlattformTest::Backend> {
 protected:
  Kontrakt() : PlattformTest(GetParam()) {}
  void SetUp() override {
    PlattformTest::SetUp();
    f_ = &P().Instanz<Probefenster>();
    P().Abgleichen();
  }
  bool IstQt() const { return GetParam() == Backend::Qt; }
  Probefenster& F() { return *f_; }
  template <class T>
  T* W(const char* name) {
    return qobject_cast<T*>(Qt().Widget(F().Finde(name) ? *F().Finde(name) : throw std::logic_error(name)));
  }
  std::vector<std::string> Protokoll() {
    auto p = F().protokoll;
    F().protokoll.clear();
    return p;
  }

  // The user's actions, on whichever backend runs.
  void Tippe(const char* feld, const std::string& text) {
    if (IstQt()) {
      QTest::keyClicks(W<QLineEdit>(feld), QString::fromStdString(text));
    } else {
      auto& f = F().Element<EditFeld>(feld);
      F().BenutzerFokus(&f);
      for (char c : text)
        if (!F().BenutzerTaste(std::string(1, c))) f.BenutzerSetztText(f.Text() + c);
    }
  }
  void Return(const char* feld) {
    if (IstQt()) {
      QTest::keyClick(W<QLineEdit>(feld), Qt::Key_Return);
    } else {
      F().BenutzerFokus(&F().Element<EditFeld>(feld));
      F().BenutzerTaste("\r");
    }
  }
  void Klicke(const char* knopf) {
    if (IstQt()) {
      QWidget* w = Qt().Widget(*F().Finde(knopf));
      QTest::mouseClick(w, Qt::LeftButton);
    } else if (auto* b = dynamic_cast<BevelButton*>(F().Finde(knopf))) {
      b->BenutzerKlickt();
    } else {
      F().Element<CheckBox>(knopf).BenutzerKlickt();
    }
  }
  qt::Listenansicht* L() { return dynamic_cast<qt::Listenansicht*>(Qt().Widget(F().Element<ListBox>("Liste"))); }
  QPoint Zeilenmitte(Zeilennr zeile) { return L()->Zeilenrechteck(zeile).center(); }
  void Waehle(Zeilennr zeile) {
    if (IstQt()) {
      QTest::mouseClick(L()->viewport(), Qt::LeftButton, {}, Zeilenmitte(zeile));
    } else {
      F().Element<ListBox>("Liste").BenutzerWaehlt(zeile);
    }
  }
  void Doppelklick(Zeilennr zeile) {
    if (IstQt()) {
      // A real double-click arrives as press, release and then the double-click.
      QTest::mouseClick(L()->viewport(), Qt::LeftButton, {}, Zeilenmitte(zeile));
      QTest::mouseDClick(L()->viewport(), Qt::LeftButton, {}, Zeilenmitte(zeile));
    } else {
      F().Element<ListBox>("Liste").BenutzerDoppelklick(zeile);
    }
  }
  // Drags a row of the list onto the field "Feld" and then moves the pointer away.
  void ZieheAufFeld(int zeile) {
    auto text = F().Element<ListBox>("Liste").BenutzerZiehtZeile(zeile);
    ASSERT_TRUE(text);
    if (IstQt()) {
      auto* feld = W<QLineEdit>("Feld");
      QMimeData daten;
      daten.setText(QString::fromStdString(*text));
      QPoint mitte = feld->rect().center();
      QDragEnterEvent enter(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(feld, &enter);
      QDropEvent drop(QPointF(mitte), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(feld, &drop);
      QTest::mouseMove(Qt().Widget(F()), QPoint(390, 290));
    } else {
      auto& feld = F().Element<EditFeld>("Feld");
      feld.BenutzerLaesstFallen(*text);
      feld.BenutzerMausVerlaesst();
    }
  }
  void Schiebe(int wert) {
    if (IstQt())
      W<QSlider>("Regler")->setSliderPosition(wert);
    else
      F().Element<Slider>("Regler").BenutzerSchiebt(wert);
  }
  // The End key in the list.
  void Ende() {
    auto& l = F().Element<ListBox>("Liste");
    if (IstQt()) {
      QTest::keyClick(L(), Qt::Key_End);
    } else {
      // The key reaches the window first, since the list handles no keys.
      F().BenutzerFokus(&l);
      F().BenutzerTaste("\x04");
      l.BenutzerWaehlt(l.ListCount() - 1);
      l.ZeigeZeile(l.ListCount() - 1);
    }
  }
  // Notches of the mouse wheel over the list, positive towards the top.
  void Rad(int rasten) {
    if (IstQt()) {
      QWidget* v = L()->viewport();
      const QPointF mitte = v->rect().center();
      QWheelEvent rad(mitte, v->mapToGlobal(mitte), {}, QPoint(0, 120 * rasten), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
      QApplication::sendEvent(v, &rad);
    } else {
      auto& l = F().Element<ListBox>("Liste");
      l.BenutzerRollt(l.ObersteZeile() - 3 * rasten);
    }
  }
  void PopupRunter() {
    if (IstQt()) {
      QTest::keyClick(W<QComboBox>("Popup"), Qt::Key_Down);
    } else {
      // The arrow key reaches the window first, since the popup handles no keys.
      auto& p = F().Element<PopupMenu>("Popup");
      F().BenutzerFokus(&p);
      F().BenutzerTaste("\x1f");
      p.BenutzerWaehlt(p.ListIndex() + 1);
    }
  }

  Probefenster* f_ = nullptr;
};

TEST_P(Kontrakt, WindowIsMadeOnceAndBuiltBeforeItsOpen) {
  EXPECT_EQ(&P().Instanz<Probefenster>(), &F());
  EXPECT_EQ(F().elementeBeiOpen, 12);
  EXPECT_TRUE(F().openFandSichSelbst);
  EXPECT_TRUE(F().Visible());
  EXPECT_EQ(F().Width(), 400);
  EXPECT_EQ(F().Height(), 300);
  if (IstQt()) {
    auto* w = qobject_cast<QMainWindow*>(Qt().Widget(F()));
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Probe");
    EXPECT_EQ(Qt().Inhalt(F())->size(), QSize(400, 300));
    EXPECT_EQ(W<QLineEdit>("Feld")->geometry(), QRect(10, 10, 100, 22));
  }
}

TEST_P(Kontrakt, ClosedWindowLeavesTheRegistryAndComesBackFresh) {
  F().Element<EditFeld>("Frei").SetzeText("alt");
  if (IstQt())
    Qt().Widget(F())->close();
  else
    P().BenutzerSchliesst(F());
  EXPECT_EQ(P().FindeFenster("Probefenster"), nullptr);
  auto& neu = P().Instanz<Probefenster>();
  EXPECT_EQ(neu.Element<EditFeld>("Frei").Text(), "");
  EXPECT_TRUE(neu.Visible());
}

TEST_P(Kontrakt, PropertiesReachTheWidgets) {
  F().Element<EditFeld>("Frei").SetzeText("Hallo");
  F().Element<StatischerText>("Schild").SetzeText("zwei\rZeilen");
  F().Element<ListBox>("Liste").SetzeInhalt("A\rB\rC\r");
  F().Element<EditFeld>("Frei").SetzeVisible(false);
  EXPECT_EQ(F().Element<ListBox>("Liste").ListCount(), 3);
  EXPECT_EQ(F().Element<ListBox>("Liste").Zeile(2), "C");
  EXPECT_EQ(F().Element<ListBox>("Liste").Text(), "");
  EXPECT_EQ(F().Element<EditFeld>("Text").Text(), "a\rb");
  if (IstQt()) {
    EXPECT_EQ(W<QLineEdit>("Frei")->text(), "Hallo");
    EXPECT_FALSE(W<QLineEdit>("Frei")->isVisibleTo(Qt().Widget(F())));
    EXPECT_EQ(W<QLabel>("Schild")->text(), "zwei\nZeilen");
    EXPECT_EQ(L()->Anzahl(), 3);
    EXPECT_EQ(W<QPlainTextEdit>("Text")->toPlainText(), "a\nb");
    EXPECT_TRUE(W<QPlainTextEdit>("Text")->isReadOnly());
    EXPECT_EQ(W<QSlider>("Regler")->value(), 1);
    EXPECT_EQ(W<QComboBox>("Popup")->currentText(), "null");
  }
  // Filling a list or setting a value from the program fires no event.
  EXPECT_EQ(Protokoll(), std::vector<std::string>{});
}

TEST_P(Kontrakt, EachFillShowsExactlyItsOwnRows) {
  // One after the other, so that a fill reuses what the one before it left.
  std::string lang;
  std::vector<std::string> langeZeilen;
  for (int i = 0; i < 300; ++i) {
    langeZeilen.push_back("Zeile " + std::to_string(i));
    lang += langeZeilen.back() + "\r";
  }
  const std::vector<std::pair<std::string, std::vector<std::string>>> faelle = {
      {"A\r\rB", {"A", "", "B"}}, {lang, langeZeilen}, {"C\rD\r", {"C", "D"}}, {"", {}}, {"\r", {""}}};
  auto& liste = F().Element<ListBox>("Liste");
  for (const auto& [text, zeilen] : faelle) {
    liste.SetzeInhalt(text);
    EXPECT_EQ(liste.Zeilen(), zeilen) << text.substr(0, 20);
    EXPECT_EQ(liste.Zeile(liste.ListCount()), "");
    P().Abgleichen();
    if (IstQt() && !zeilen.empty()) {
      EXPECT_EQ(L()->Anzahl(), static_cast<Zeilennr>(zeilen.size()));
      EXPECT_EQ(L()->Zeilentext(L()->Anzahl() - 1), QString::fromStdString(zeilen.back()));
    }
  }
}

TEST_P(Kontrakt, ListRowsFromAFunctionAreMadeOnlyWhenRead) {
  // More rows than an int counts: every pair of 100,000 points.
  constexpr Zeilennr anzahl = 5'000'000'000;
  int gefragt = 0;
  auto& liste = F().Element<ListBox>("Liste");
  liste.SetzeZeilen(anzahl, [&gefragt](Zeilennr zeile) {
    ++gefragt;
    return "Z" + std::to_string(zeile);
  });
  P().Abgleichen();
  EXPECT_EQ(liste.ListCount(), anzahl);
  EXPECT_EQ(liste.Zeile(anzahl - 1), "Z4999999999");
  EXPECT_EQ(liste.Zeile(anzahl), "");
  Waehle(1);
  EXPECT_EQ(liste.Text(), "Z1");
  Ende();
  EXPECT_EQ(liste.ListIndex(), anzahl - 1);
  EXPECT_EQ(liste.Text(), "Z4999999999");
  EXPECT_EQ(liste.ObersteZeile(), anzahl - liste.ZeilenImBlick());
  if (IstQt()) {
    qt::Listenansicht* l = L();
    EXPECT_EQ(l->Anzahl(), anzahl);
    EXPECT_EQ(l->ErsteZeile(), liste.ObersteZeile());
    EXPECT_EQ(l->ZeilenImBlick(), liste.ZeilenImBlick());
    EXPECT_EQ(l->Gewaehlt(), anzahl - 1);
    EXPECT_EQ(l->Zeilentext(anzahl - 1), "Z4999999999");
    EXPECT_EQ(l->Zeilenrechteck(anzahl - 1).height(), l->Zeilenrechteck(l->ErsteZeile()).height());
    EXPECT_TRUE(l->Zeilenrechteck(l->ErsteZeile() - 1).isEmpty());
    QScrollBar* balken = l->verticalScrollBar();
    EXPECT_LE(balken->maximum(), 1 << 30);
    EXPECT_EQ(balken->value(), balken->maximum());
    // The thumb dragged half-way shows the middle of the list.
    balken->setValue(balken->maximum() / 2);
    EXPECT_NEAR(static_cast<double>(liste.ObersteZeile()), anzahl / 2.0, anzahl * 1e-8);
    EXPECT_EQ(l->ErsteZeile(), liste.ObersteZeile());
    EXPECT_EQ(liste.ListIndex(), anzahl - 1);
  }
  Waehle(liste.ObersteZeile() + 1);
  EXPECT_EQ(liste.Text(), "Z" + std::to_string(liste.ObersteZeile() + 1));
  // A visible list asks for the rows it shows, not for all of them.
  EXPECT_LT(gefragt, 1000);
  const std::string mitte = liste.Text();
  liste.SetzeInhalt("A\rB\r");
  EXPECT_EQ(liste.Zeilen(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(liste.ObersteZeile(), 0);
  EXPECT_EQ(Protokoll(), (std::vector<std::string>{"Liste.Change Z1", "Fenster.KeyDown \x04", "Liste.Change Z4999999999",
                                                  "Liste.Change " + mitte}));
}

TEST_P(Kontrakt, ListShowsTheRowsTheProgramAndTheUserScrollTo) {
  auto& liste = F().Element<ListBox>("Liste");
  std::string hundert;
  for (int i = 0; i < 100; ++i) hundert += std::to_string(i) + "\r";
  liste.SetzeInhalt(hundert);
  P().Abgleichen();
  const Zeilennr imBlick = liste.ZeilenImBlick();
  ASSERT_GT(imBlick, 1);
  ASSERT_LT(imBlick, 50);
  // As little as needed: the row comes in at the bottom, then at the top.
  liste.ZeigeZeile(50);
  EXPECT_EQ(liste.ObersteZeile(), 51 - imBlick);
  liste.ZeigeZeile(20);
  EXPECT_EQ(liste.ObersteZeile(), 20);
  liste.ZeigeZeile(21);
  EXPECT_EQ(liste.ObersteZeile(), 20);
  liste.ZeigeZeile(1000);
  EXPECT_EQ(liste.ObersteZeile(), 20);
  if (IstQt()) {
    P().Abgleichen();
    EXPECT_EQ(L()->ErsteZeile(), 20);
    EXPECT_EQ(L()->ZeilenImBlick(), imBlick);
    EXPECT_EQ(L()->Zeilentext(L()->ZeileBei(Zeilenmitte(21))), "21");
  }
  Rad(-1);  // one notch towards the end: three rows
  EXPECT_EQ(liste.ObersteZeile(), 23);
  // A refill keeps the place as far as the rows reach, and no selection.
  Waehle(24);
  liste.SetzeInhalt(hundert);
  EXPECT_EQ(liste.ObersteZeile(), 23);
  EXPECT_EQ(liste.ListIndex(), -1);
  liste.SetzeInhalt("A\rB\rC\r");
  EXPECT_EQ(liste.ObersteZeile(), 0);
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Liste.Change 24"});
}

TEST_P(Kontrakt, ARefilledListHasNoRowSelectedEvenWithTheFocus) {
  auto& liste = F().Element<ListBox>("Liste");
  liste.SetzeInhalt("A\rB\rC\r");
  P().Abgleichen();
  Waehle(1);
  liste.SetzeInhalt("A\rB\rC\r");
  P().Abgleichen();
  if (IstQt()) {
    // The focus comes back to the list, as when the user returns to the window.
    QWidget* fenster = Qt().Widget(F());
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    W<QLineEdit>("Frei")->setFocus();
    L()->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(L()->hasFocus());
    EXPECT_EQ(L()->Gewaehlt(), -1);
  }
  EXPECT_EQ(liste.ListIndex(), -1);
  EXPECT_EQ(liste.Text(), "");
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Liste.Change B"});
}

TEST_P(Kontrakt, LongLinesAreShownCutWhileTheModelKeepsThemWhole) {
  const std::string lang(1'000'000, 'x');
  auto& liste = F().Element<ListBox>("Liste");
  liste.SetzeInhalt(lang + "\rkurz\r");
  auto& feld = F().Element<EditFeld>("Text");
  // 1,500 characters of two bytes each: cut at a character, not within one.
  const std::string umlaute = [] {
    std::string u;
    for (int i = 0; i < 1500; ++i) u += "\xC3\xA4";
    return u;
  }();
  feld.SetzeText(lang + "\r" + umlaute + "\rkurz");
  P().Abgleichen();
  EXPECT_EQ(liste.Zeile(0), lang);
  EXPECT_EQ(liste.BenutzerZiehtZeile(0), lang);
  EXPECT_EQ(feld.Text(), lang + "\r" + umlaute + "\rkurz");
  if (IstQt()) {
    const QString gekuerzt = QString(2000, 'x') + QChar(0x2026);
    EXPECT_EQ(L()->Zeilentext(0), gekuerzt);
    EXPECT_EQ(L()->Zeilentext(1), "kurz");
    EXPECT_EQ(W<QPlainTextEdit>("Text")->toPlainText(),
              gekuerzt + "\n" + QString(1000, QChar(0xE4)) + QChar(0x2026) + "\nkurz");
  }
}

TEST_P(Kontrakt, AReadOnlyFieldShowsEveryTextPutInFrontOfWhatItShows) {
  if (!IstQt()) GTEST_SKIP() << "the model keeps the text as set";
  auto& feld = F().Element<EditFeld>("Text");
  auto* w = W<QPlainTextEdit>("Text");
  auto zeigt = [&](const std::string& text, const QString& soll) {
    feld.SetzeText(text);
    P().Abgleichen();
    EXPECT_EQ(w->toPlainText(), soll);
    // As after setting the whole text: the start in view.
    EXPECT_EQ(w->textCursor().position(), 0);
    EXPECT_EQ(w->verticalScrollBar()->value(), 0);
  };
  auto alsQt = [](const std::string& text) { return QString::fromStdString(text).replace('\r', '\n'); };
  // A text far longer than one piece of the document's.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "Zeile " + std::to_string(i) + (i % 7 ? "\r" : "\r\n");
  QString soll = alsQt(text);
  zeigt(text, soll);
  for (int i = 0; i < 300; ++i) {
    const std::string block = "\rBlock " + std::to_string(i) + "\rzweite Zeile\r";
    text = block + text;
    soll = alsQt(block) + soll;
    zeigt(text, soll);
  }
  // A line cut where it is shown, in front and behind.
  const std::string lang(2500, 'x');
  const QString gekuerzt = QString(2000, 'x') + QChar(0x2026);
  text = lang + "\r" + text + lang;
  soll = gekuerzt + "\n" + soll + gekuerzt;
  zeigt(text, soll);
  text = "\n" + text;
  soll = "\n" + soll;
  zeigt(text, soll);
  // Put in front within a line, taken away, changed behind: the field shows it all the same.
  zeigt("vorn" + text, "vorn" + soll);
  zeigt(text, soll);
  text = "A\rB\r" + text.substr(0, text.size() - lang.size()) + "Ende";
  soll = "A\nB\n" + soll.chopped(gekuerzt.size()) + "Ende";
  zeigt(text, soll);
  // Several texts before the widget takes one: only the last counts.
  feld.SetzeText("O\r" + text);
  zeigt(text, soll);
  zeigt("P\r" + text, "P\n" + soll);
  // The beginning of what it shows changed, and a line put in front of that.
  zeigt("Z\rQ\r" + text, "Z\nQ\n" + soll);
  feld.SetzeText("O\r" + text);
  zeigt("Q\r" + text + "R", "Q\n" + soll + "R");
  // The document holds a few paragraphs for some 24,000 lines.
  EXPECT_LT(w->document()->blockCount(), 1000);
  // Editable, the field shows its text in full lines, and read-only again the same.
  feld.SetzeReadOnly(false);
  zeigt("eins\rzwei", "eins\nzwei");
  feld.SetzeReadOnly(true);
  zeigt("null\reins\rzwei", "null\neins\nzwei");
}

TEST_P(Kontrakt, TypingKeysAndReturn) {
  Tippe("Feld", "ab");
  EXPECT_EQ(F().Element<EditFeld>("Feld").Text(), "ab");
  Return("Feld");
  // The field handles its keys, so the window sees none of them.
  EXPECT_EQ(Protokoll(), (std::vector<std::string>{"Feld.KeyDown a", "Feld.KeyDown b", "Feld.KeyDown \r"}));
  F().tasteBehalten = true;
  Tippe("Feld", "c");
  EXPECT_EQ(F().Element<EditFeld>("Feld").Text(), "ab");
  Protokoll();
  // A field without a KeyDown handler passes its keys on to the window.
  Tippe("Frei", "x");
  Return("Frei");
  EXPECT_EQ(F().Element<EditFeld>("Frei").Text(), "x");
  EXPECT_EQ(Protokoll(), (std::vector<std::string>{"Fenster.KeyDown x", "Fenster.KeyDown \r"}));
}

TEST_P(Kontrakt, ListSelectionDoubleClickAndDrag) {
  F().Element<ListBox>("Liste").SetzeInhalt("A\rB\rC\r");
  P().Abgleichen();
  Waehle(1);
  EXPECT_EQ(F().Element<ListBox>("Liste").ListIndex(), 1);
  Doppelklick(2);
  auto p = Protokoll();
  ASSERT_FALSE(p.empty());
  EXPECT_EQ(p.front(), "Liste.Change B");
  EXPECT_EQ(p.back(), "Liste.DoubleClick C");
  ZieheAufFeld(0);
  EXPECT_EQ(F().Element<EditFeld>("Feld").Text(), "A");
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Feld.MouseExit A"});
}

TEST_P(Kontrakt, ButtonsPopupCheckBoxAndSlider) {
  Klicke("Knopf");
  PopupRunter();
  Klicke("Kasten");
  Schiebe(4);
  Schiebe(99);
  EXPECT_EQ(Protokoll(),
            (std::vector<std::string>{"Knopf.Action", "Fenster.KeyDown \x1f", "Popup.Change 1", "Kasten.Action an",
                                      "Regler 4", "Regler 5"}));
  EXPECT_EQ(F().Element<Slider>("Regler").Value(), 5);
}

TEST_P(Kontrakt, CanvasKeepsItsPictureUntilRefresh) {
  auto& c = F().Element<Canvas>("Leinwand");
  c.Graphics().SetzeFarbe(0, 0, 255);
  c.Graphics().Linie(0, 20, 49, 20);
  c.Refresh();
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Paint"});
  c.Graphics().SetzeFarbe(0, 255, 0);
  c.Graphics().Oval(10, 30, 10, 10);
  if (IstQt()) {
    const QImage* bild = Qt().Bild(c);
    ASSERT_TRUE(bild);
    EXPECT_EQ(bild->pixelColor(20, 5), QColor(255, 0, 0));   // drawn by Paint
    EXPECT_EQ(bild->pixelColor(20, 20), QColor(Qt::white));  // cleared by the refresh
    EXPECT_EQ(bild->pixelColor(10, 35), QColor(0, 255, 0));  // drawn over the picture
  } else {
    auto bild = headless::Aufzeichnung(c).SeitLoeschen();
    ASSERT_EQ(bild.size(), 2u);
    EXPECT_EQ(bild[0].art, headless::Primitiv::Art::Linie);
    EXPECT_EQ(bild[0].farbe, (Farbe{255, 0, 0}));
    EXPECT_EQ(bild[1].art, headless::Primitiv::Art::Oval);
  }
}

TEST_P(Kontrakt, ErrorInAHandlerIsShownAndTheProgramGoesOn) {
  Klicke("Fehler");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Unerwarteter Fehler: kaputt"});
  Klicke("Knopf");
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Knopf.Action"});
}

TEST_P(Kontrakt, DialogsAnswerThroughTheScript) {
  Skript().Antworte(6);
  Skript().Antworte(2);
  Skript().WaehleDatei("/tmp/x.txt");
  Skript().WaehleDatei(std::nullopt);
  P().MsgBox("Hallo");
  EXPECT_EQ(P().Dialogdienst().FrageJaNeinAbbrechen("Frage?"), 6);
  EXPECT_EQ(P().Dialogdienst().FrageOkAbbrechen("Sicher?"), 2);
  EXPECT_EQ(P().Dialogdienst().DateiOeffnen(), std::optional<std::string>("/tmp/x.txt"));
  EXPECT_EQ(P().Dialogdienst().DateiSpeichern("FiguratDaten", "text"), std::nullopt);
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Hallo", "Frage?", "Sicher?"}));
}

TEST_P(Kontrakt, ClipboardKeepsTheProgramsText) {
  P().SetzeZwischenablage("\rA\rB\r");
  EXPECT_EQ(P().Zwischenablage(), "\rA\rB\r");
}

TEST_P(Kontrakt, MenuItemReachesTheWindowThatAnswersIt) {
  EXPECT_TRUE(P().BenutzerWaehltMenue("Probepunkt"));
  EXPECT_FALSE(P().BenutzerWaehltMenue("Unbekannt"));
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Menü"});
}

TEST_P(Kontrakt, ProgramShortcutWinsOverTheEditField) {
  if (!IstQt()) GTEST_SKIP() << "keyboard shortcuts exist only with real widgets";
  QWidget* fenster = Qt().Widget(F());
  fenster->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
  auto* feld = W<QLineEdit>("Frei");
  feld->setFocus();
  feld->setText("abc");
  feld->selectAll();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Protokoll(), std::vector<std::string>{"Menü"});
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BeideBackends, Kontrakt,
                         ::testing::Values(PlattformTest::Backend::Headless, PlattformTest::Backend::Qt),
                         [](const auto& info) {
                           return info.param == PlattformTest::Backend::Qt ? std::string("Qt") : std::string("Headless");
                         });

// The real boxes, as the Qt dialog service builds them before it runs them.
class QtMeldungsbox : public PlattformTest {
 protected:
  QtMeldungsbox() : PlattformTest(Backend::Qt) {}
};

TEST_F(QtMeldungsbox, HasNoTitleForTheWindowManagerToFillIn) {
  for (auto knoepfe : {QMessageBox::StandardButtons(QMessageBox::Ok), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel}) {
    auto box = qt::Meldungsbox("Erste Zeile\rZweite", knoepfe);
    // Qt would put the program's name in place of an empty title.
    EXPECT_FALSE(box->windowTitle().isEmpty());
    EXPECT_TRUE(box->windowTitle().trimmed().isEmpty());
    EXPECT_EQ(box->text(), "Erste Zeile\nZweite");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), knoepfe);
  }
}

// A folder of its own for each test, removed afterwards.
class Dateiordner {
 public:
  Dateiordner() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "figurat_" + std::string(info->test_suite_name()) + "_" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    pfad_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(pfad_);
    std::filesystem::create_directories(pfad_);
  }
  ~Dateiordner() { std::filesystem::remove_all(pfad_); }
  std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(pfad_)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

 private:
  std::filesystem::path pfad_;
};

std::string Gelesen(const Dateien& d, const std::string& pfad) {
  std::string text = "unberührt";
  return d.Lese(pfad, text) == Dateien::Lesen::Gelesen ? text : "nicht gelesen";
}

TEST_P(Kontrakt, WholeFileReadAndWrite) {
  const Dateiordner ordner;
  const std::string pfad = ordner / "liste.txt";
  const std::string inhalt = "<1>    Zeile\r<2>    \xC3\xA4\r";
  ASSERT_TRUE(P().Dateidienst().Schreibe(pfad, inhalt));
  EXPECT_EQ(Gelesen(P().Dateidienst(), pfad), inhalt);
  ASSERT_TRUE(P().Dateidienst().Schreibe(pfad, "kurz"));
  EXPECT_EQ(Gelesen(P().Dateidienst(), pfad), "kurz");
  ASSERT_TRUE(P().Dateidienst().Schreibe(pfad, ""));
  EXPECT_EQ(Gelesen(P().Dateidienst(), pfad), "");
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"liste.txt"});

  std::filesystem::remove(pfad);
  std::string text = "unberührt";
  EXPECT_EQ(P().Dateidienst().Lese(pfad, text), Dateien::Lesen::Unlesbar);
  EXPECT_EQ(text, "unberührt");
  // No folder to write into; a folder or a device in the target's place.
  for (const std::string& ziel : {ordner / "fehlt/x.txt", ordner / "", std::string("/dev/null")})
    EXPECT_FALSE(P().Dateidienst().Schreibe(ziel, inhalt)) << ziel;
  EXPECT_EQ(ordner.Namen(), std::vector<std::string>{});
}

TEST_P(Kontrakt, AWriteThatFailsPartWayLeavesTheOldFile) {
  const Dateiordner ordner;
  const std::string pfad = ordner / "liste.txt";
  const std::string alt = "<1>    A ist der Punkt mit dem Koordinatentripel: (1|2|3) \r\n";
  ASSERT_TRUE(P().Dateidienst().Schreibe(pfad, alt));
  const std::string neu(100000, 'x');
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{70000}, neu.size() - 1}) {
    P().SetzeDateien(std::make_unique<VolleDateien>(n));
    EXPECT_FALSE(P().Dateidienst().Schreibe(pfad, neu)) << n;
    EXPECT_EQ(Gelesen(P().Dateidienst(), pfad), alt) << n;
    EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"liste.txt"}) << "the part written is removed";
    // Without an old file there is none afterwards either.
    EXPECT_FALSE(P().Dateidienst().Schreibe(ordner / "neu.txt", neu));
    EXPECT_EQ(ordner.Namen(), std::vector<std::string>{"liste.txt"});
  }
  P().SetzeDateien(std::make_unique<VolleDateien>(neu.size()));
  EXPECT_TRUE(P().Dateidienst().Schreibe(pfad, neu));
  EXPECT_EQ(Gelesen(P().Dateidienst(), pfad), neu);
}

TEST_P(Kontrakt, AWriteKeepsTheLinkAndTheModeOfTheFileItReplaces) {
  namespace fs = std::filesystem;
  const Dateiordner ordner;
  const std::string echt = ordner / "echt.txt";
  ASSERT_TRUE(P().Dateidienst().Schreibe(echt, "alt"));
  fs::permissions(echt, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("echt.txt", ordner / "verweis.txt");
  fs::create_symlink("verweis.txt", ordner / "verweis2.txt");
  ASSERT_TRUE(P().Dateidienst().Schreibe(ordner / "verweis2.txt", "neu"));
  EXPECT_TRUE(fs::is_symlink(ordner / "verweis.txt"));
  EXPECT_TRUE(fs::is_symlink(ordner / "verweis2.txt"));
  EXPECT_EQ(Gelesen(P().Dateidienst(), echt), "neu");
  EXPECT_EQ(fs::status(echt).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A link to a file not yet there makes that file, with the mode of any new file.
  fs::create_symlink("spaeter.txt", ordner / "offen.txt");
  ASSERT_TRUE(P().Dateidienst().Schreibe(ordner / "offen.txt", "neu"));
  EXPECT_TRUE(fs::is_symlink(ordner / "offen.txt"));
  EXPECT_EQ(Gelesen(P().Dateidienst(), ordner / "spaeter.txt"), "neu");
  { std::ofstream(ordner / "gewoehnlich.txt") << "neu"; }
  EXPECT_EQ(fs::status(ordner / "spaeter.txt").permissions(), fs::status(ordner / "gewoehnlich.txt").permissions());

  // A loop of links is no file.
  fs::create_symlink("kreis2", ordner / "kreis1");
  fs::create_symlink("kreis1", ordner / "kreis2");
  EXPECT_FALSE(P().Dateidienst().Schreibe(ordner / "kreis1", "neu"));
  EXPECT_TRUE(fs::is_symlink(ordner / "kreis1"));
}

TEST_P(Kontrakt, AFileIsReadOnlyUpToTheLimit) {
  const Dateiordner ordner;
  constexpr std::size_t grenze = 1 << 20;
  P().SetzeDateien(std::make_unique<Dateien>(grenze));
  EXPECT_EQ(P().Dateidienst().Hoechstgroesse(), grenze);
  // Sparse files: their size costs no disk.
  for (std::size_t groesse : {grenze, grenze + 1, std::size_t{1} << 40}) {
    const std::string pfad = ordner / ("gross" + std::to_string(groesse));
    { std::ofstream(pfad).put('<'); }
    std::filesystem::resize_file(pfad, groesse);
    std::string text = "unberührt";
    const auto ergebnis = P().Dateidienst().Lese(pfad, text);
    if (groesse == grenze) {
      EXPECT_EQ(ergebnis, Dateien::Lesen::Gelesen);
      EXPECT_EQ(text.size(), grenze);
    } else {
      EXPECT_EQ(ergebnis, Dateien::Lesen::ZuGross) << groesse;
      EXPECT_EQ(text, "unberührt");
    }
  }
  // A file that never ends.
  std::string text = "unberührt";
  EXPECT_EQ(P().Dateidienst().Lese("/dev/zero", text), Dateien::Lesen::ZuGross);
  EXPECT_EQ(text, "unberührt");
  EXPECT_EQ(Dateien().Hoechstgroesse(), std::size_t{256} << 20);
}

TEST(Zahltext, StrWritesPlainShortestDecimals) {
  struct Fall { double x; const char* text; };
  for (Fall f : std::initializer_list<Fall>{{0.0, "0"}, {-0.0, "0"}, {1.0, "1"}, {30.0, "30"}, {-2.5, "-2.5"},
                                            {1.0 / 3.0, "0.3333333333333333"}, {1e-7, "0.0000001"},
                                            {1e21, "1000000000000000000000"}, {0.1 + 0.2, "0.30000000000000004"},
                                            {1e23, "100000000000000000000000"}, {-1.5e-9, "-0.0000000015"},
                                            {123456789.125, "123456789.125"}}) {
    EXPECT_EQ(Str(f.x), f.text) << f.x;
    EXPECT_EQ(Val(Str(f.x)), f.x);
  }
  EXPECT_EQ(Str(499), "499");
  // Every finite Double reads back from a plain decimal: the shortest digits, written out in full.
  std::mt19937_64 zufall(7);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = zufall();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x)) continue;
    const std::string text = Str(x);
    ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
    ASSERT_EQ(Val(text), x) << text;
  }
  EXPECT_EQ(Str(2e302), "2" + std::string(302, '0'));
  // The largest Double in all its digits; nothing beyond the range has any.
  EXPECT_EQ(Str(std::numeric_limits<double>::max()).size(), 309u);
  EXPECT_EQ(Val(Str(std::numeric_limits<double>::max())), std::numeric_limits<double>::max());
  for (double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(Str(x), "nicht definiert");
}

TEST(Zahltext, ValReadsTheLeadingNumber) {
  struct Fall { const char* text; double wert; };
  for (Fall f : std::initializer_list<Fall>{{"", 0}, {"  2.5", 2.5}, {"-3", -3}, {"7x", 7}, {"1.5.2", 1.5},
                                            {"3-2", 3}, {"-", 0}, {".", 0}, {".5", 0.5}, {"1e5", 1}, {"+4", 4},
                                            {"abc", 0}, {"12345678901234567890", 12345678901234567890.0},
                                            // No spelling of infinity or NaN gets through.
                                            {"inf", 0}, {"-INF", 0}, {"Infinity", 0}, {"nan", 0}, {"NaN(1)", 0}}) {
    EXPECT_EQ(Val(f.text), f.wert) << f.text;
  }
  EXPECT_EQ(Val(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(Zahltext, ZuGanzzahlTruncatesAndClamps) {
  EXPECT_EQ(ZuGanzzahl(511.5), 511);
  EXPECT_EQ(ZuGanzzahl(-2.7), -2);
  EXPECT_EQ(ZuGanzzahl(std::nan("")), 0);
  EXPECT_EQ(ZuGanzzahl(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(ZuGanzzahl(-1e300), std::numeric_limits<int>::min());
}

}  // namespace
