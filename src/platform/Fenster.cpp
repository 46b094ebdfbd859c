#include "platform/Fenster.h"

#include "platform/Plattform.h"

namespace plattform {

Fenster::Fenster(std::string klassenname) : klassenname_(std::move(klassenname)) {}

// Controls go before the window's peer, which owns their widgets' parent.
Fenster::~Fenster() {
  nachName_.clear();
  elemente_.clear();
  peer_.reset();
}

void Fenster::Geaendert() {
  if (peer_) peer_->Geaendert();
}

void Fenster::SetzePeer(std::unique_ptr<FensterPeer> peer) { peer_ = std::move(peer); }

void Fenster::SetzeVisible(bool sichtbar) {
  if (sichtbar_ == sichtbar) return;
  sichtbar_ = sichtbar;
  Geaendert();
}

Steuerelement* Fenster::Finde(std::string_view name) const {
  auto it = nachName_.find(std::string(name));
  return it == nachName_.end() ? nullptr : it->second;
}

void Fenster::SetzeFokus(Steuerelement* element) {
  fokus_ = element;
  ++fokusAnforderungen_;
  Geaendert();
}

void Fenster::BenutzerFokus(Steuerelement* element) { fokus_ = element; }

void Fenster::RegistriereMenueHandler(std::string name, std::function<bool()> handler) {
  menueHandler_[std::move(name)] = std::move(handler);
}

bool Fenster::HatMenueHandler(std::string_view name) const { return menueHandler_.count(std::string(name)) > 0; }

bool Fenster::RufeMenueHandler(std::string_view name) {
  auto it = menueHandler_.find(std::string(name));
  if (it == menueHandler_.end()) return false;
  auto& handler = it->second;
  Sicher([&] { return handler(); });
  return true;
}

bool Fenster::BenutzerTaste(const std::string& taste) {
  if (fokus_ && fokus_->HatHandler("KeyDown")) {
    Ereignis e;
    e.taste = taste;
    return fokus_->LoeseAus("KeyDown", e);
  }
  return Sicher([&] { return KeyDown(taste); });
}

void Fenster::BenutzerBewegtMaus(int x, int y) {
  Sicher([&] { MouseMove(x, y); });
}

void Fenster::BenutzerAendertGroesse(int breite, int hoehe) {
  if (breite == layout_.breite && hoehe == layout_.hoehe) return;
  layout_.breite = breite;
  layout_.hoehe = hoehe;
  Sicher([&] { Resized(); });
}

std::unique_ptr<Steuerelement> Fenster::Erzeuge(const Steuerelementzeile& zeile) {
  return MitKlasse(zeile.art, [&]<class T>(std::type_identity<T>) -> std::unique_ptr<Steuerelement> {
    return std::make_unique<T>(zeile.name, *this);
  });
}

void Fenster::Konstruiere() {
  // Layout: the menu bar and the window's own properties.
  layout_ = Layoutschritt();
  const bool sichtbarBeiErzeugung = layout_.sichtbar;
  Geaendert();
  // Controls in table order: made, registered, given their properties, bound.
  for (const Steuerelementzeile& zeile : Steuerelementtabelle()) {
    auto element = Erzeuge(zeile);
    Steuerelement& s = *element;
    if (!nachName_.emplace(zeile.name, &s).second)
      throw std::logic_error("Steuerelement " + zeile.name + " zweimal in " + klassenname_);
    elemente_.push_back(std::move(element));
    if (peer_) s.SetzePeer(peer_->ErzeugeElement(s));
    s.SetzeGeometrie(zeile.left, zeile.top, zeile.width, zeile.height);
    s.Anwenden(zeile.eigenschaften);
    for (const Bindung& b : zeile.handler) s.Binde(b.ereignis, b.erzeuge(*this));
  }
  MenueHandlerSchritt();
  Sicher([&] { Open(); });
  if (sichtbarBeiErzeugung) Show();
}

void Fenster::ZeigeFehler(const std::string& was) {
  plattform().MsgBox("Unerwarteter Fehler: " + was);
}

}  // namespace plattform
