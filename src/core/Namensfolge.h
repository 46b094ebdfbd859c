#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/FiguratT.h"

// The records behind the list head in the order of their names, for the
// place of a new figure and the walks in that order. Kept in blocks of a few
// dozen, each in order, the blocks in sections of a few, with the first
// entry of every block and of every section in arrays of their own: finding
// a place reads those arrays and one block, where a tree of as many records
// waits for one node after the other from memory, and a block that splits
// moves the firsts of its section only. Each entry carries the first 16
// bytes of its name, so that only names alike that far read their records.
// A record's name never changes while it is held.
class Namensfolge {
 public:
  // A place between two entries: before entry i of a block, or behind its last.
  struct Stelle {
    std::size_t abschnitt = 0;
    std::size_t block = 0;
    std::size_t i = 0;
  };
  // The place before the first entry whose name does not sort before name.
  Stelle Untergrenze(std::string_view name) const;
  // The record before the place, null at the front.
  FiguratT* Davor(Stelle s) const;
  // g, whose name belongs at the place, is held there.
  void Fuege(Stelle s, FiguratT& g);
  // The entry behind the place goes.
  void Entferne(Stelle s);
  FiguratT* Letztes() const {
    return abschnitte_.empty() ? nullptr : abschnitte_.back().bloecke.back().back().g;
  }
  std::size_t Anzahl() const { return anzahl_; }
  void Leeren();
  // tue(g) for every record held, in order.
  template <class Tue>
  void Jedes(Tue&& tue) const {
    for (const Abschnitt& a : abschnitte_)
      for (const Block& block : a.bloecke)
        for (const Eintrag& e : block) tue(*e.g);
  }

 private:
  // The first 16 bytes of the name, padded with zeros, as two numbers that
  // compare as the bytes do.
  struct Eintrag {
    std::uint64_t vorn[2];
    FiguratT* g;
  };
  using Block = std::vector<Eintrag>;
  struct Abschnitt {
    std::vector<Block> bloecke;
    std::vector<Eintrag> erste;  // the first entry of each block
  };
  static Eintrag Schluessel(std::string_view name, FiguratT* g);
  // Whether a sorts before b, named nb.
  static bool Vor(const Eintrag& a, const Eintrag& b, std::string_view nb);
  // The last of the entries whose first sorts before the name, else the first.
  static std::size_t Letzte(const std::vector<Eintrag>& erste, const Eintrag& gesucht, std::string_view name);
  static constexpr std::size_t kBlock = 64;      // a block that grows beyond is halved
  static constexpr std::size_t kAbschnitt = 16;  // so is a section of more blocks
  std::vector<Abschnitt> abschnitte_;
  std::vector<Eintrag> erste_;  // the first entry of each section
  std::size_t anzahl_ = 0;
};
