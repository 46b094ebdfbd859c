#include "descriptions/Beschreibungstext.h"

#include <algorithm>

void Beschreibungstext::VorneAnfuegen(std::initializer_list<std::string_view> stuecke) {
  std::size_t laenge = 0;
  for (std::string_view s : stuecke) laenge += s.size();
  if (laenge > anfang_) {
    // Room for half as much again as the text takes: every byte is moved a
    // bounded number of times, and a third of the buffer stays unused at most.
    const std::string_view text = Ansicht();
    const std::size_t raum = std::max(laenge, text.size() / 2);
    auto groesser = std::make_unique_for_overwrite<char[]>(raum + text.size());
    text.copy(groesser.get() + raum, text.size());
    puffer_ = std::move(groesser);
    groesse_ = raum + text.size();
    anfang_ = raum;
  }
  anfang_ -= laenge;
  std::size_t ort = anfang_;
  for (std::string_view s : stuecke) ort += s.copy(puffer_.get() + ort, s.size());
}

Beschreibungstext& Beschreibungstext::operator=(std::string_view text) {
  clear();
  VorneAnfuegen({text});
  return *this;
}
