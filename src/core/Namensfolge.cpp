#include "core/Namensfolge.h"

#include <algorithm>
#include <tuple>

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

Namensfolge::Stelle Namensfolge::Untergrenze(std::string_view name) const {
  if (bloecke_.empty()) return {};
  const Eintrag gesucht = Schluessel(name, nullptr);
  auto davor = [&](const Eintrag& e) { return Vor(e, gesucht, name); };
  // The last block that begins before the name, else the first.
  const auto nach = std::partition_point(erste_.begin(), erste_.end(), davor);
  const std::size_t b = nach == erste_.begin() ? 0 : static_cast<std::size_t>(nach - erste_.begin()) - 1;
  const std::vector<Eintrag>& block = bloecke_[b];
  return {b, static_cast<std::size_t>(std::partition_point(block.begin(), block.end(), davor) - block.begin())};
}

FiguratT* Namensfolge::Davor(Stelle s) const {
  if (s.block >= bloecke_.size()) return nullptr;
  if (s.i > 0) return bloecke_[s.block][s.i - 1].g;
  return s.block > 0 ? bloecke_[s.block - 1].back().g : nullptr;
}

void Namensfolge::Fuege(Stelle s, FiguratT& g) {
  if (bloecke_.empty()) {
    bloecke_.emplace_back().reserve(kVoll + 1);
    erste_.emplace_back();
  }
  std::vector<Eintrag>& block = bloecke_[s.block];
  block.insert(block.begin() + static_cast<std::ptrdiff_t>(s.i), Schluessel(g.name, &g));
  erste_[s.block] = block.front();
  ++anzahl_;
  if (block.size() <= kVoll) return;
  std::vector<Eintrag> haelfte;
  haelfte.reserve(kVoll + 1);
  haelfte.assign(block.begin() + kVoll / 2, block.end());
  block.resize(kVoll / 2);
  const auto hinter = static_cast<std::ptrdiff_t>(s.block + 1);
  erste_.insert(erste_.begin() + hinter, haelfte.front());
  bloecke_.insert(bloecke_.begin() + hinter, std::move(haelfte));
}

void Namensfolge::Entferne(Stelle s) {
  if (s.block < bloecke_.size() && s.i == bloecke_[s.block].size()) s = {s.block + 1, 0};
  if (s.block >= bloecke_.size()) return;
  std::vector<Eintrag>& block = bloecke_[s.block];
  block.erase(block.begin() + static_cast<std::ptrdiff_t>(s.i));
  --anzahl_;
  const auto b = static_cast<std::ptrdiff_t>(s.block);
  if (block.empty()) {
    bloecke_.erase(bloecke_.begin() + b);
    erste_.erase(erste_.begin() + b);
  } else {
    erste_[s.block] = block.front();
  }
}

void Namensfolge::Leeren() {
  bloecke_.clear();
  erste_.clear();
  anzahl_ = 0;
}
