#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dateien.h"
#include "platform/Fenster.h"
#include "platform/Menue.h"

namespace plattform {

// Modal message boxes and file dialogs. The program's boxes have no title.
class Dialoge {
 public:
  virtual ~Dialoge() = default;
  virtual void MsgBox(const std::string& text) = 0;
  // Yes 6, No 7, Cancel 2.
  virtual int FrageJaNeinAbbrechen(const std::string& text) = 0;
  // OK 1, Cancel 2.
  virtual int FrageOkAbbrechen(const std::string& text) = 0;
  // The chosen file's path, nothing on Cancel.
  virtual std::optional<std::string> DateiOeffnen() = 0;
  virtual std::optional<std::string> DateiSpeichern(const std::string& vorschlag, const std::string& dateityp) = 0;
};

// The application object: it carries the application's menu bar.
class Anwendung {
 public:
  virtual ~Anwendung() = default;
  MenuBar* Menueleiste = nullptr;
};

// The one platform object: the registry of windows, the menu bars, the
// services. Exactly one exists at a time; every part reaches it through
// plattform(). The two backends derive from it.
class Plattform {
 public:
  Plattform();
  virtual ~Plattform();
  Plattform(const Plattform&) = delete;
  Plattform& operator=(const Plattform&) = delete;

  // The window of a class, made and built on first reference.
  template <class F>
  F& Instanz() {
    if (Fenster* f = FindeFenster(F::Klasse)) return static_cast<F&>(*f);
    auto neu = std::make_unique<F>();
    F& f = *neu;
    // Registered before it is built, so that a reference during its own Open finds it.
    fenster_.push_back(std::move(neu));
    f.registriert_ = true;
    f.SetzePeer(ErzeugeFensterPeer(f));
    f.Konstruiere();
    return f;
  }
  Fenster* FindeFenster(std::string_view klassenname) const;
  std::vector<Fenster*> AlleFenster() const;
  // The user closed the window with its close box: it leaves the registry at
  // once, and the next reference builds it afresh. A window without one stays
  // and hears of the attempt.
  void BenutzerSchliesst(Fenster& f);

  // A menu bar of a class, made once and kept for the whole run.
  template <class M>
  M& Menueleiste() {
    for (auto& m : menueleisten_)
      if (auto* gefunden = dynamic_cast<M*>(m.get())) return *gefunden;
    auto neu = std::make_unique<M>();
    M& m = *neu;
    menueleisten_.push_back(std::move(neu));
    return m;
  }

  void SetzeAnwendung(Anwendung* anwendung) { anwendung_ = anwendung; }
  Anwendung* App() const { return anwendung_; }
  // The menu bar a window shows: its own, else the application's.
  MenuBar* MenueleisteVon(const Fenster& f) const;
  // A chosen menu item goes to the window that registered a handler for it.
  bool BenutzerWaehltMenue(std::string_view name);
  // Before a menu opens, the windows that answer menu items enable them.
  void VorMenue();

  // Services.
  Dialoge& Dialogdienst() { return *dialoge_; }
  void SetzeDialoge(std::unique_ptr<Dialoge> dialoge) { dialoge_ = std::move(dialoge); }
  void MsgBox(const std::string& text) {
    ++meldungen_;
    dialoge_->MsgBox(text);
  }
  // The message boxes shown so far: a backend ends a press of the mouse that
  // one of them interrupted.
  int GezeigteMeldungen() const { return meldungen_; }
  Dateien& Dateidienst() { return *dateien_; }
  void SetzeDateien(std::unique_ptr<Dateien> dateien) { dateien_ = std::move(dateien); }
  virtual void SetzeZwischenablage(const std::string& text) = 0;
  virtual std::string Zwischenablage() const = 0;
  virtual void Beep() = 0;
  virtual void Beenden() = 0;
  virtual bool ShiftGedrueckt() const = 0;
  virtual int Run() = 0;
  // Brings every widget up to date with the model.
  virtual void Abgleichen() {}

 protected:
  virtual std::unique_ptr<FensterPeer> ErzeugeFensterPeer(Fenster& f) = 0;
  // Destroys every window; the backends call it first in their destructors,
  // while their widgets can still be taken down.
  void AllesAbbauen();

 private:
  std::vector<std::unique_ptr<Fenster>> fenster_;
  // Closed windows are kept until the end, since a handler of theirs may still run.
  std::vector<std::unique_ptr<Fenster>> geschlossen_;
  std::vector<std::unique_ptr<MenuItem>> menueleisten_;
  Anwendung* anwendung_ = nullptr;
  std::unique_ptr<Dialoge> dialoge_;
  int meldungen_ = 0;
  std::unique_ptr<Dateien> dateien_ = std::make_unique<Dateien>();
};

Plattform& plattform();

}  // namespace plattform
