#pragma once

#include <ostream>
#include <string>
#include <vector>

// The description text, newest block first. A block is put in front for every
// figure entered, and a run of the command list enters thousands, so the
// blocks are kept in the order they came and joined only when the text is read.
class Beschreibungstext {
 public:
  void VorneAnfuegen(std::string block);
  const std::string& Text() const;
  // Read like the text it holds.
  operator const std::string&() const { return Text(); }
  bool operator==(const std::string& text) const { return Text() == text; }
  friend std::ostream& operator<<(std::ostream& aus, const Beschreibungstext& b) { return aus << b.Text(); }
  bool empty() const { return bloecke_.empty(); }
  void clear();
  Beschreibungstext& operator=(std::string text);

 private:
  std::vector<std::string> bloecke_;  // oldest first
  mutable std::string text_;
  mutable bool gueltig_ = true;
};
