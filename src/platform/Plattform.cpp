#include "platform/Plattform.h"

#include <algorithm>
#include <cassert>

namespace plattform {

namespace {
Plattform* aktuelle = nullptr;
}

Plattform& plattform() {
  assert(aktuelle && "no platform object exists");
  return *aktuelle;
}

Plattform::Plattform() {
  assert(!aktuelle && "only one platform object at a time");
  aktuelle = this;
}

Plattform::~Plattform() {
  AllesAbbauen();
  aktuelle = nullptr;
}

void Plattform::AllesAbbauen() {
  // The newest first: a window made during another's Open may refer to it.
  while (!fenster_.empty()) fenster_.pop_back();
  geschlossen_.clear();
}

Fenster* Plattform::FindeFenster(std::string_view klassenname) const {
  for (const auto& f : fenster_)
    if (f->Klassenname() == klassenname) return f.get();
  return nullptr;
}

std::vector<Fenster*> Plattform::AlleFenster() const {
  std::vector<Fenster*> alle;
  for (const auto& f : fenster_) alle.push_back(f.get());
  return alle;
}

void Plattform::BenutzerSchliesst(Fenster& f) {
  if (!f.Layout().schliessfeld) {
    f.Sicher([&] { f.Schliessversuch(); });
    return;
  }
  auto it = std::find_if(fenster_.begin(), fenster_.end(), [&](const auto& p) { return p.get() == &f; });
  if (it == fenster_.end()) return;
  f.Hide();
  f.registriert_ = false;
  geschlossen_.push_back(std::move(*it));
  fenster_.erase(it);
}

MenuBar* Plattform::MenueleisteVon(const Fenster& f) const {
  if (f.Menueleiste()) return f.Menueleiste();
  return anwendung_ ? anwendung_->Menueleiste : nullptr;
}

bool Plattform::BenutzerWaehltMenue(std::string_view name) {
  for (Fenster* f : AlleFenster())
    if (f->HatMenueHandler(name)) return f->RufeMenueHandler(name);
  return false;
}

void Plattform::VorMenue() {
  for (Fenster* f : AlleFenster()) f->Sicher([&] { f->EnableMenuItems(); });
}

}  // namespace plattform
