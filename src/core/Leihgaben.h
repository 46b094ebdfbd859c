#pragma once

#include "core/FiguratT.h"
#include "core/Kernteil.h"
#include "core/VektorT.h"

// A record borrowed from its pool for the length of a scope: it goes back
// when the scope ends, however the scope is left. Borrowed records go back in
// the reverse order of their borrowing, so the pool is left as it was found.
// Inline, as the hand-written borrowing was: the vector operations borrow on
// every call.
template <class Record>
class Leihgabe {
 public:
  // From the pools of h, the main window, which a caller that holds it passes
  // to save looking it up.
  explicit Leihgabe(Kernteil& h);
  Leihgabe() : Leihgabe(Kernteil::Instanz()) {}
  ~Leihgabe() { r_->Einlagern(); }
  Leihgabe(const Leihgabe&) = delete;
  Leihgabe& operator=(const Leihgabe&) = delete;

  Record& operator*() const { return *r_; }
  Record* operator->() const { return r_; }

 private:
  Record* r_;
};

// A temporary vector from Kernteil::ErschaffeV: it keeps what it held, and the
// borrower sets what it reads.
using Leihvektor = Leihgabe<VektorT>;
// An auxiliary figure from Kernteil::ErschaffeG, as a new record.
using Leihfigurat = Leihgabe<FiguratT>;

template <>
inline Leihgabe<VektorT>::Leihgabe(Kernteil& h) {
  h.ErschaffeV(r_);
}

template <>
inline Leihgabe<FiguratT>::Leihgabe(Kernteil& h) {
  h.ErschaffeG(r_);
}
