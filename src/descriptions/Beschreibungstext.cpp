#include "descriptions/Beschreibungstext.h"

void Beschreibungstext::VorneAnfuegen(std::string block) {
  if (block.empty()) return;
  bloecke_.push_back(std::move(block));
  gueltig_ = false;
}

const std::string& Beschreibungstext::Text() const {
  if (!gueltig_) {
    std::size_t laenge = 0;
    for (const std::string& b : bloecke_) laenge += b.size();
    text_.clear();
    text_.reserve(laenge);
    for (auto b = bloecke_.rbegin(); b != bloecke_.rend(); ++b) text_ += *b;
    gueltig_ = true;
  }
  return text_;
}

void Beschreibungstext::clear() {
  bloecke_.clear();
  text_.clear();
  gueltig_ = true;
}

Beschreibungstext& Beschreibungstext::operator=(std::string text) {
  clear();
  VorneAnfuegen(std::move(text));
  return *this;
}
