#pragma once

// The started program on the real widgets under Qt's offscreen platform,
// driven as a user drives it: menus, shortcuts, typing, clicks,
// double-clicks, drags and drops.

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "core/FiguratT.h"
#include "platform/qt/Listenansicht.h"
#include "support/Umgebung.h"
#include "ui/HauptF.h"

class Unterricht : public ProgrammTest {
 protected:
  Unterricht() : ProgrammTest(Backend::Qt) {}
  void SetUp() override {
    ProgrammTest::SetUp();
    fenster_ = qobject_cast<QMainWindow*>(Qt().Widget(h()));
    fenster_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_));
  }
  void TearDown() override {
    std::filesystem::remove(Datei());
    ProgrammTest::TearDown();
  }
  static HauptF& h() { return HauptF::Instanz(); }
  static std::string Datei() { return Testdatei("unterricht.txt"); }

  template <class T = QWidget>
  T* W(const char* name) {
    return qobject_cast<T*>(Qt().Widget(*h().Finde(name)));
  }
  static QAction* Aktion(const QList<QAction*>& aktionen, const QString& name) {
    for (QAction* a : aktionen) {
      if (a->objectName() == name) return a;
      if (a->menu())
        if (QAction* tiefer = Aktion(a->menu()->actions(), name)) return tiefer;
    }
    return nullptr;
  }
  // A menu item chosen with the mouse.
  void Menue(const char* punkt) {
    QAction* a = Aktion(fenster_->menuBar()->actions(), punkt);
    ASSERT_TRUE(a) << punkt;
    a->trigger();
  }
  void Kuerzel(QWidget* w, Qt::Key taste) { QTest::keyClick(w, taste, Qt::ControlModifier); }
  void Tippe(const char* feld, const char* text) {
    auto* f = W<QLineEdit>(feld);
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClicks(f, text);
  }
  void Klicke(const char* knopf) { QTest::mouseClick(W(knopf), Qt::LeftButton); }
  // The pointer moves over the window, away from every field.
  void Bewege() { QTest::mouseMove(fenster_, QPoint(600, 100)); }
  plattform::qt::Listenansicht* L(const char* liste) {
    auto* l = dynamic_cast<plattform::qt::Listenansicht*>(W(liste));
    if (!l) throw std::logic_error(liste);
    return l;
  }
  static std::string Text(plattform::qt::Listenansicht* l, plattform::Zeilennr zeile) {
    return l->Zeilentext(zeile).toStdString();
  }
  // Wholly within the rows the widget shows.
  bool ImBlick(const char* liste, plattform::Zeilennr zeile) {
    auto* l = L(liste);
    return zeile >= l->ErsteZeile() && zeile < l->ErsteZeile() + l->ZeilenImBlick();
  }
  int Zeile(const char* liste, const std::string& anfang) {
    auto* l = L(liste);
    for (int i = 0; i < l->Anzahl(); ++i)
      if (Text(l, i).rfind(anfang, 0) == 0) return i;
    ADD_FAILURE() << liste << " hat keine Zeile " << anfang;
    return -1;
  }
  // The user scrolls the row into view and clicks it.
  void Waehle(const char* liste, const std::string& anfang) {
    auto* l = L(liste);
    int zeile = Zeile(liste, anfang);
    l->ZeigeZeile(zeile);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->Zeilenrechteck(zeile).center());
  }
  void Doppelklick(const char* liste, const std::string& anfang, Qt::KeyboardModifiers mod = {}) {
    auto* l = L(liste);
    int zeile = Zeile(liste, anfang);
    l->ZeigeZeile(zeile);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, mod, l->Zeilenrechteck(zeile).center());
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, mod, l->Zeilenrechteck(zeile).center());
  }
  // A row dragged onto a drop field, then the pointer leaving the field.
  void Ziehe(const char* liste, const std::string& anfang, const char* feld) {
    auto text = h().Element<plattform::ListBox>(liste).BenutzerZiehtZeile(Zeile(liste, anfang));
    ASSERT_TRUE(text);
    auto* ziel = W<QLineEdit>(feld);
    // The pointer is over the field when it lets go.
    QTest::mouseMove(ziel);
    QMimeData daten;
    daten.setText(QString::fromStdString(*text));
    const QPoint mitte = ziel->rect().center();
    QDragEnterEvent enter(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &enter);
    QDropEvent drop(QPointF(mitte), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &drop);
    Bewege();
  }
  // What the widgets show.
  std::vector<std::string> Zeilen(const char* liste) {
    std::vector<std::string> zeilen;
    auto* l = L(liste);
    for (int i = 0; i < l->Anzahl(); ++i) zeilen.push_back(Text(l, i));
    return zeilen;
  }
  std::string Info() { return W<QPlainTextEdit>("InfoF")->toPlainText().toStdString(); }
  bool Beschreibung(const std::string& zeile) { return ("\n" + Info() + "\n").find("\n" + zeile + "\n") != std::string::npos; }
  static FiguratT& Figurat(const std::string& name) {
    FiguratT* g;
    bool found;
    h().HoleFigurat(name, g, found);
    if (!found) throw std::logic_error(name);
    return *g;
  }

  // A point typed into the numeric bar and executed with the button.
  void Zahlpunkt(const char* name, const char* x, const char* y, const char* z) {
    Menue("NumPunkt");
    Tippe("GnameF", name);
    Tippe("aF", x);
    Tippe("bF", y);
    Tippe("cF", z);
    Klicke("TuEsButton");
  }

  // A plane likewise.
  void Zahlebene(const char* name, const char* a, const char* b, const char* c, const char* d) {
    Menue("NumEbene");
    Tippe("GnameF", name);
    Tippe("aF", a);
    Tippe("bF", b);
    Tippe("cF", c);
    Tippe("dF", d);
    Klicke("TuEsButton");
  }

  QMainWindow* fenster_ = nullptr;
};
