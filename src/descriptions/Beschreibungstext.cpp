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
    std::string groesser(raum + text.size(), '\0');
    text.copy(groesser.data() + raum, text.size());
    puffer_ = std::move(groesser);
    anfang_ = raum;
  }
  anfang_ -= laenge;
  std::size_t ort = anfang_;
  for (std::string_view s : stuecke) ort += s.copy(puffer_.data() + ort, s.size());
}

Beschreibungstext& Beschreibungstext::operator=(std::string_view text) {
  clear();
  VorneAnfuegen({text});
  return *this;
}
