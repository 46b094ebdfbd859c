#include "platform/Menue.h"

namespace plattform {

void MenuItem::Append(std::unique_ptr<MenuItem> kind) { kinder_.push_back(std::move(kind)); }

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& k : kinder_)
    if (k->Name == name) return k.get();
  return nullptr;
}

MenuItem* MenuItem::Finde(std::string_view name) const {
  for (const auto& k : kinder_) {
    if (k->Name == name) return k.get();
    if (MenuItem* tiefer = k->Finde(name)) return tiefer;
  }
  return nullptr;
}

}  // namespace plattform
