#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

// The description text, newest block first. A block is put in front for every
// figure entered, and a run of the command list enters thousands: the text
// stands at the end of a buffer with room in front of it, so that a block is
// written once, where it stays, and the text is held only once.
class Beschreibungstext {
 public:
  // The pieces, joined, become the new first block; none may lie in the text itself.
  void VorneAnfuegen(std::initializer_list<std::string_view> stuecke);
  std::string Text() const { return std::string(Ansicht()); }
  std::string_view Ansicht() const { return std::string_view(puffer_.get() + anfang_, groesse_ - anfang_); }
  // Read like the text it holds.
  operator std::string() const { return Text(); }
  bool operator==(std::string_view text) const { return Ansicht() == text; }
  friend std::ostream& operator<<(std::ostream& aus, const Beschreibungstext& b) { return aus << b.Ansicht(); }
  bool empty() const { return anfang_ == groesse_; }
  // The room stays for the text that follows.
  void clear() { anfang_ = groesse_; }
  Beschreibungstext& operator=(std::string_view text);

 private:
  std::unique_ptr<char[]> puffer_;
  std::size_t groesse_ = 0;  // of puffer_
  std::size_t anfang_ = 0;  // where the text begins in puffer_
};
