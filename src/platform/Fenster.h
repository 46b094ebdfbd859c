#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Steuerelement.h"

namespace plattform {

class MenuBar;
class Fenster;

// The backend's side of a window.
class FensterPeer {
 public:
  virtual ~FensterPeer() = default;
  virtual void Geaendert() = 0;
  virtual std::unique_ptr<ElementPeer> ErzeugeElement(Steuerelement& element) = 0;
};

// The window's own properties, applied in the layout step.
struct Fensterlayout {
  std::string titel;
  int breite = 0, hoehe = 0;  // of the content area
  int minBreite = 0, minHoehe = 0, maxBreite = 32000, maxHoehe = 32000;
  bool schliessfeld = false;
  bool minimierfeld = false;
  bool maximierfeld = false;
  bool groesseVeraenderbar = false;
  bool menueleisteSichtbar = false;
  std::optional<Farbe> hintergrund = {};
  bool sichtbar = true;
  MenuBar* menueleiste = nullptr;  // the window's own menu bar, if it takes one
};

// Makes the handler of one event for a given window.
struct Bindung {
  std::string ereignis;
  std::function<Handler(Fenster&)> erzeuge;
};

struct Steuerelementzeile {
  Art art;
  std::string name;
  int left, top, width, height;
  Eigenschaften eigenschaften = {};
  std::vector<Bindung> handler = {};
};

// A window's control table is an X-macro with one row per control,
//   X(kind, name, left, top, width, height[, properties[, handlers]]),
// and that row is the one place of the control: PLATTFORM_ZEILE makes the
// table's row of it, and PLATTFORM_ELEMENTZUGRIFFE(table), in the class, an
// accessor name() that gives the control made of that row as its kind, so
// that a wrong name or kind does not compile. The rows name the platform's
// types (Farbe, Bevel, Bind, …) unqualified: a window expands its table
// where they are in scope.
#define PLATTFORM_ZEILE(art, name, ...) {plattform::Art::art, #name, __VA_ARGS__},
#define PLATTFORM_ZEILENNUMMER(art, name, ...) name,
#define PLATTFORM_ZUGRIFF(art, name, ...) \
  plattform::art& name() const { return ElementInZeile<plattform::art>(Steuerelementzeilen::name); }
#define PLATTFORM_ELEMENTZUGRIFFE(tabelle)                   \
  struct Steuerelementzeilen {                               \
    enum : std::size_t { tabelle(PLATTFORM_ZEILENNUMMER) };  \
  };                                                         \
  tabelle(PLATTFORM_ZUGRIFF)

// Window methods bound by event name; the overload follows the handler's signature.
template <class F>
Bindung Bind(std::string ereignis, void (F::*m)()) {
  return {std::move(ereignis), [m](Fenster& f) -> Handler {
            auto* w = static_cast<F*>(&f);
            return [w, m](const Ereignis&) { (w->*m)(); return false; };
          }};
}
template <class F>
Bindung Bind(std::string ereignis, bool (F::*m)(const std::string&)) {
  return {std::move(ereignis), [m](Fenster& f) -> Handler {
            auto* w = static_cast<F*>(&f);
            return [w, m](const Ereignis& e) { return (w->*m)(e.taste); };
          }};
}
template <class F>
Bindung Bind(std::string ereignis, bool (F::*m)(DragItem&, Zeilennr)) {
  return {std::move(ereignis), [m](Fenster& f) -> Handler {
            auto* w = static_cast<F*>(&f);
            return [w, m](const Ereignis& e) { return (w->*m)(*e.drag, e.zeile); };
          }};
}
template <class F>
Bindung Bind(std::string ereignis, void (F::*m)(Zeichenflaeche&)) {
  return {std::move(ereignis), [m](Fenster& f) -> Handler {
            auto* w = static_cast<F*>(&f);
            return [w, m](const Ereignis& e) { (w->*m)(*e.grafik); return false; };
          }};
}

// A window of one of the program's classes. At most one instance of a class
// exists; it is made on first reference through Plattform::Instanz and built
// there in a fixed order: layout, controls, menu handlers, Open.
class Fenster {
 public:
  explicit Fenster(std::string klassenname);
  virtual ~Fenster();
  Fenster(const Fenster&) = delete;
  Fenster& operator=(const Fenster&) = delete;

  const std::string& Klassenname() const { return klassenname_; }

  const std::string& Title() const { return layout_.titel; }
  int Width() const { return layout_.breite; }
  int Height() const { return layout_.hoehe; }
  const Fensterlayout& Layout() const { return layout_; }
  MenuBar* Menueleiste() const { return layout_.menueleiste; }
  bool Visible() const { return sichtbar_; }
  void SetzeVisible(bool sichtbar);
  // Whether the platform's registry holds this window: made and not closed.
  bool Registriert() const { return registriert_; }
  void Show() { SetzeVisible(true); }
  void Hide() { SetzeVisible(false); }

  // Controls by name, for tests that walk tables of names; the program's
  // windows use the accessors made from their tables.
  template <class T>
  T& Element(std::string_view name) const {
    if (auto* t = dynamic_cast<T*>(Finde(name))) return *t;
    throw std::logic_error("Fenster " + klassenname_ + " hat kein passendes Steuerelement " + std::string(name));
  }
  Steuerelement* Finde(std::string_view name) const;
  const std::vector<std::unique_ptr<Steuerelement>>& Elemente() const { return elemente_; }

  Steuerelement* Fokus() const { return fokus_; }
  void SetzeFokus(Steuerelement* element);
  // Counts the program's requests for the focus, so that a backend applies each once.
  int FokusAnforderungen() const { return fokusAnforderungen_; }

  // Menu handlers, registered under the names of their items.
  bool HatMenueHandler(std::string_view name) const;
  bool RufeMenueHandler(std::string_view name);

  // Window events; the classes implement those they have.
  virtual void Open() {}
  virtual bool KeyDown(const std::string& /*taste*/) { return false; }
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void EnableMenuItems() {}
  virtual void Resized() {}
  // The user asked a window without a close box to close (a window manager
  // may offer a close button all the same); the window stays.
  virtual void Schliessversuch() {}

  // The user's side.
  // A key goes to the focused control when that control handles keys, else to
  // the window; True: the key is kept from the control.
  bool BenutzerTaste(const std::string& taste);
  void BenutzerBewegtMaus(int x, int y);
  void BenutzerFokus(Steuerelement* element);
  void BenutzerAendertGroesse(int breite, int hoehe);

  // Construction, run once by the platform after the window is registered.
  void Konstruiere();
  void SetzePeer(std::unique_ptr<FensterPeer> peer);
  FensterPeer* Peer() const { return peer_.get(); }
  void Geaendert();

  // Runs a window event or handler; an error escaping it is shown and the
  // program goes on.
  template <class Fn>
  auto Sicher(Fn&& fn) -> decltype(fn()) {
    try {
      return fn();
    } catch (const std::exception& e) {
      ZeigeFehler(e.what());
    } catch (...) {
      ZeigeFehler("unbekannt");
    }
    return decltype(fn())();
  }

 protected:
  virtual Fensterlayout Layoutschritt() = 0;
  virtual const std::vector<Steuerelementzeile>& Steuerelementtabelle() const = 0;
  virtual void MenueHandlerSchritt() {}
  void RegistriereMenueHandler(std::string name, std::function<bool()> handler);
  // The control of a row of the table, which the window made of that row's kind.
  template <class T>
  T& ElementInZeile(std::size_t zeile) const {
    return static_cast<T&>(*elemente_.at(zeile));
  }

 private:
  static void ZeigeFehler(const std::string& was);
  std::unique_ptr<Steuerelement> Erzeuge(const Steuerelementzeile& zeile);

  std::string klassenname_;
  Fensterlayout layout_;
  bool sichtbar_ = false;
  bool registriert_ = false;
  friend class Plattform;
  std::vector<std::unique_ptr<Steuerelement>> elemente_;
  std::unordered_map<std::string, Steuerelement*> nachName_;
  std::unordered_map<std::string, std::function<bool()>> menueHandler_;
  Steuerelement* fokus_ = nullptr;
  int fokusAnforderungen_ = 0;
  std::unique_ptr<FensterPeer> peer_;
};

}  // namespace plattform
