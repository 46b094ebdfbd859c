#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTranslator>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>

#include "platform/Plattform.h"

class QMenu;
class QWidget;
class QImage;

namespace plattform::qt {

class QtFensterPeer;
class QtElementPeer;

class QtPlattform;

// The application of the Qt backend. Every event passes its notify once, with
// the receiver Qt chose first, before Qt hands it on to the parents; that is
// where keys and pointer moves reach the model.
class QtAnwendung : public QApplication {
 public:
  QtAnwendung(int& argc, char** argv);
  bool notify(QObject* empfaenger, QEvent* ereignis) override;
  QtPlattform* backend = nullptr;

 private:
  QTranslator uebersetzung_;  // Qt's own dialogs and buttons in German
};

// What a peer must do when the model changed it.
class Abgleichbar {
 public:
  virtual ~Abgleichbar() = default;
  virtual void Abgleichen() = 0;
};

// The platform on Qt 6 Widgets: one QMainWindow per window, one widget per
// control at its absolute place. The model holds every value; a widget is
// brought up to date once, before control returns to Qt.
class QtPlattform : public QObject, public Plattform {
 public:
  // Uses the running QtAnwendung, or makes one from the arguments.
  QtPlattform(int& argc, char** argv);
  QtPlattform();
  ~QtPlattform() override;

  void SetzeZwischenablage(const std::string& text) override;
  std::string Zwischenablage() const override;
  void Beep() override;
  void Beenden() override;
  bool ShiftGedrueckt() const override;
  int Run() override;
  void Abgleichen() override;

  // The widgets behind the model, brought up to date, for tests and screenshots.
  QWidget* Widget(const Fenster& f);
  QWidget* Widget(const Steuerelement& s);
  // The area of the window that holds its controls, at the window's size.
  QWidget* Inhalt(const Fenster& f);
  // The picture a canvas holds.
  const QImage* Bild(Canvas& c) const;

  // Used by the peers.
  void Vormerken(Abgleichbar* peer);
  void Vergessen(Abgleichbar* peer);
  void Vergessen(QtFensterPeer* peer);
  // A window whose controls were made or moved: its order is set once they are all up to date.
  void Umordnen(QtFensterPeer* fenster) { zuOrdnen_.insert(fenster); }
  void Melde(QWidget* w, QtElementPeer* peer);
  void Melde(QWidget* w, QtFensterPeer* peer);
  void Abmelden(QWidget* w);
  QMenu* Menue(MenuItem& eintrag);
  void FeldNachDrop(QtElementPeer* feld) { feldNachDrop_ = feld; }
  // From QtAnwendung::notify: True when the model keeps the event from its receiver.
  bool Zustellen(QObject* empfaenger, QEvent* ereignis);

 protected:
  std::unique_ptr<FensterPeer> ErzeugeFensterPeer(Fenster& f) override;

 private:
  void Einrichten(int& argc, char** argv);
  QtElementPeer* ElementZu(QObject* o) const;
  QtFensterPeer* FensterZu(QObject* o) const;
  bool IstProgrammkuerzel(int taste, Qt::KeyboardModifiers mod) const;

  std::unique_ptr<QtAnwendung> eigeneApp_;
  QtAnwendung* app_ = nullptr;
  std::set<Abgleichbar*> vorgemerkt_;
  std::set<QtFensterPeer*> zuOrdnen_;
  bool abgleichGeplant_ = false;
  std::unordered_map<QObject*, QtElementPeer*> elemente_;
  std::unordered_map<QObject*, QtFensterPeer*> fenster_;
  std::map<MenuItem*, QMenu*> menues_;
  QtElementPeer* feldNachDrop_ = nullptr;
  bool beendet_ = false;
};

QtPlattform& QtPlattformVon(Plattform& p);

// The program's message box with its text and buttons, not yet shown.
std::unique_ptr<QMessageBox> Meldungsbox(const std::string& text, QMessageBox::StandardButtons knoepfe);

}  // namespace plattform::qt
