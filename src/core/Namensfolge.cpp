#include "core/Namensfolge.h"

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

Namensfolge::Eintrag Namensfolge::Schluessel(std::string_view name, FiguratT* g) {
  Eintrag e{{0, 0}, g};
  for (std::size_t k = 0; k < 16 && k < name.size(); ++k)
    e.vorn[k / 8] |= std::uint64_t{static_cast<unsigned char>(name[k])} << (8 * (7 - k % 8));
  return e;
}

// Padded bytes that differ order the names as their bytes do; a shorter name
// is padded where the longer has a byte other than zero. Equal ones may still
// be different names.
bool Namensfolge::Vor(const Eintrag& a, const Eintrag& b, std::string_view nb) {
  if (a.vorn[0] != b.vorn[0] || a.vorn[1] != b.vorn[1])
    return std::tie(a.vorn[0], a.vorn[1]) < std::tie(b.vorn[0], b.vorn[1]);
  return std::string_view(a.g->name) < nb;
}

std::size_t Namensfolge::Letzte(const std::vector<Eintrag>& erste, const Eintrag& gesucht, std::string_view name) {
  const auto nach =
      std::partition_point(erste.begin(), erste.end(), [&](const Eintrag& e) { return Vor(e, gesucht, name); });
  return nach == erste.begin() ? 0 : static_cast<std::size_t>(nach - erste.begin()) - 1;
}

Namensfolge::Stelle Namensfolge::Untergrenze(std::string_view name) const {
  if (abschnitte_.empty()) return {};
  const Eintrag gesucht = Schluessel(name, nullptr);
  const std::size_t a = Letzte(erste_, gesucht, name);
  const std::size_t b = Letzte(abschnitte_[a].erste, gesucht, name);
  const Block& block = abschnitte_[a].bloecke[b];
  const auto i = std::partition_point(block.begin(), block.end(),
                                      [&](const Eintrag& e) { return Vor(e, gesucht, name); });
  return {a, b, static_cast<std::size_t>(i - block.begin())};
}

FiguratT* Namensfolge::Davor(Stelle s) const {
  if (s.abschnitt >= abschnitte_.size()) return nullptr;
  const std::vector<Block>& bloecke = abschnitte_[s.abschnitt].bloecke;
  if (s.i > 0) return bloecke[s.block][s.i - 1].g;
  if (s.block > 0) return bloecke[s.block - 1].back().g;
  return s.abschnitt > 0 ? abschnitte_[s.abschnitt - 1].bloecke.back().back().g : nullptr;
}

namespace {

// The entries of v from mitte on, taken out of it.
template <class T>
T Haelfte(T& v, std::size_t mitte) {
  T haelfte(std::make_move_iterator(v.begin() + static_cast<std::ptrdiff_t>(mitte)),
            std::make_move_iterator(v.end()));
  v.erase(v.begin() + static_cast<std::ptrdiff_t>(mitte), v.end());
  return haelfte;
}

template <class T>
void EinfuegenBei(std::vector<T>& v, std::size_t i, T wert) {
  v.insert(v.begin() + static_cast<std::ptrdiff_t>(i), std::move(wert));
}

}  // namespace

void Namensfolge::Fuege(Stelle s, FiguratT& g) {
  if (abschnitte_.empty()) {
    abschnitte_.emplace_back().bloecke.emplace_back().reserve(kBlock + 1);
    abschnitte_.back().erste.emplace_back();
    erste_.emplace_back();
  }
  Abschnitt& abschnitt = abschnitte_[s.abschnitt];
  Block& block = abschnitt.bloecke[s.block];
  EinfuegenBei(block, s.i, Schluessel(g.name, &g));
  abschnitt.erste[s.block] = block.front();
  erste_[s.abschnitt] = abschnitt.erste.front();
  ++anzahl_;
  if (block.size() > kBlock) {
    Block haelfte;
    haelfte.reserve(kBlock + 1);
    haelfte.assign(block.begin() + kBlock / 2, block.end());
    block.resize(kBlock / 2);
    EinfuegenBei(abschnitt.erste, s.block + 1, haelfte.front());
    EinfuegenBei(abschnitt.bloecke, s.block + 1, std::move(haelfte));
  }
  if (abschnitt.bloecke.size() > kAbschnitt) {
    Abschnitt haelfte{Haelfte(abschnitt.bloecke, kAbschnitt / 2), Haelfte(abschnitt.erste, kAbschnitt / 2)};
    EinfuegenBei(erste_, s.abschnitt + 1, haelfte.erste.front());
    EinfuegenBei(abschnitte_, s.abschnitt + 1, std::move(haelfte));
  }
}

void Namensfolge::Entferne(Stelle s) {
  // The place behind the last entry of a block is the one before the first of the next.
  if (s.abschnitt < abschnitte_.size() && s.i == abschnitte_[s.abschnitt].bloecke[s.block].size()) {
    s = {s.abschnitt, s.block + 1, 0};
    if (s.block == abschnitte_[s.abschnitt].bloecke.size()) s = {s.abschnitt + 1, 0, 0};
  }
  if (s.abschnitt >= abschnitte_.size()) return;
  Abschnitt& abschnitt = abschnitte_[s.abschnitt];
  Block& block = abschnitt.bloecke[s.block];
  block.erase(block.begin() + static_cast<std::ptrdiff_t>(s.i));
  --anzahl_;
  if (!block.empty()) {
    abschnitt.erste[s.block] = block.front();
  } else {
    abschnitt.bloecke.erase(abschnitt.bloecke.begin() + static_cast<std::ptrdiff_t>(s.block));
    abschnitt.erste.erase(abschnitt.erste.begin() + static_cast<std::ptrdiff_t>(s.block));
  }
  if (!abschnitt.bloecke.empty()) {
    erste_[s.abschnitt] = abschnitt.erste.front();
  } else {
    abschnitte_.erase(abschnitte_.begin() + static_cast<std::ptrdiff_t>(s.abschnitt));
    erste_.erase(erste_.begin() + static_cast<std::ptrdiff_t>(s.abschnitt));
  }
}

void Namensfolge::Leeren() {
  abschnitte_.clear();
  erste_.clear();
  anzahl_ = 0;
}
