#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

// Entries by name, for lists far longer than the caches hold: open addressing
// with linear probing over a power of two of slots. Each slot keeps the name's
// hash beside the entry, so that a name that is not there costs one line of
// slots, and one that is there only the entry the caller reads anyway.
// Schluessel()(e) is the name of the entry e; a name never changes while its
// entry is held.
template <class E, class Schluessel>
class Namensindex {
 public:
  const E* Finde(std::string_view name) const {
    const std::size_t i = Stelle(name);
    return i == kFehlt ? nullptr : &plaetze_[i].eintrag;
  }

  // False, and nothing changed, when its name is there already.
  bool Fuege(const E& e) {
    if (2 * (anzahl_ + 1) > plaetze_.size()) Wachse();
    const std::string_view name = Schluessel()(e);
    const std::uint64_t h = Hash(name);
    std::size_t i = h & Maske();
    for (; plaetze_[i].hash != 0; i = (i + 1) & Maske())
      if (plaetze_[i].hash == h && Schluessel()(plaetze_[i].eintrag) == name) return false;
    plaetze_[i] = {h, e};
    ++anzahl_;
    return true;
  }

  void Entferne(std::string_view name) {
    std::size_t i = Stelle(name);
    if (i == kFehlt) return;
    // The ones behind move up into the gap unless their home lies after it,
    // so that every probe still meets its entry before an empty slot.
    for (std::size_t j = (i + 1) & Maske(); plaetze_[j].hash != 0; j = (j + 1) & Maske()) {
      const std::size_t heim = plaetze_[j].hash & Maske();
      const bool bleibt = i <= j ? (i < heim && heim <= j) : (i < heim || heim <= j);
      if (bleibt) continue;
      plaetze_[i] = plaetze_[j];
      i = j;
    }
    plaetze_[i] = Platz{};
    --anzahl_;
  }

  // Empty, the slots kept for the next list.
  void Leeren() {
    std::fill(plaetze_.begin(), plaetze_.end(), Platz{});
    anzahl_ = 0;
  }

  std::size_t Anzahl() const { return anzahl_; }

  // Starts fetching the slot where a search for the name begins.
  void Vorausholen(std::string_view name) const {
    if (!plaetze_.empty()) __builtin_prefetch(&plaetze_[Hash(name) & Maske()]);
  }
  // Once that slot is at hand: hole(e) for the first entry e of the name's
  // hash, which the search will read the name of.
  template <class Hole>
  void EintragVorausholen(std::string_view name, Hole&& hole) const {
    if (plaetze_.empty()) return;
    const std::uint64_t h = Hash(name);
    for (std::size_t i = h & Maske(); plaetze_[i].hash != 0; i = (i + 1) & Maske())
      if (plaetze_[i].hash == h) {
        hole(plaetze_[i].eintrag);
        return;
      }
  }

 private:
  struct Platz {
    std::uint64_t hash = 0;  // 0: empty
    E eintrag{};
  };
  static constexpr std::size_t kFehlt = ~std::size_t{0};
  std::size_t Stelle(std::string_view name) const {
    if (plaetze_.empty()) return kFehlt;
    const std::uint64_t h = Hash(name);
    for (std::size_t i = h & Maske();; i = (i + 1) & Maske()) {
      const Platz& p = plaetze_[i];
      if (p.hash == 0) return kFehlt;
      if (p.hash == h && Schluessel()(p.eintrag) == name) return i;
    }
  }
  // Never 0, the mark of an empty slot.
  static std::uint64_t Hash(std::string_view name) { return std::hash<std::string_view>()(name) | 1; }
  std::size_t Maske() const { return plaetze_.size() - 1; }
  void Wachse() {
    std::vector<Platz> alt = std::exchange(plaetze_, std::vector<Platz>(plaetze_.empty() ? 16 : 2 * plaetze_.size()));
    for (const Platz& p : alt) {
      if (p.hash == 0) continue;
      std::size_t i = p.hash & Maske();
      while (plaetze_[i].hash != 0) i = (i + 1) & Maske();
      plaetze_[i] = p;
    }
  }

  std::vector<Platz> plaetze_;
  std::size_t anzahl_ = 0;
};
