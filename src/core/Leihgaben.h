#pragma once

#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "ui/HauptF.h"

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
  explicit Leihgabe(HauptF& h);
  Leihgabe() : Leihgabe(HauptF::Instanz()) {}
  ~Leihgabe() { r_->Einlagern(); }
  Leihgabe(const Leihgabe&) = delete;
  Leihgabe& operator=(const Leihgabe&) = delete;

  Record& operator*() const { return *r_; }
  Record* operator->() const { return r_; }

 private:
  Record* r_;
};

// A temporary vector from HauptF::ErschaffeV: it keeps what it held, and the
// borrower sets what it reads.
using Leihvektor = Leihgabe<VektorT>;
// An auxiliary figure from HauptF::ErschaffeG, as a new record.
using Leihfigurat = Leihgabe<FiguratT>;

template <>
inline Leihgabe<VektorT>::Leihgabe(HauptF& h) {
  h.ErschaffeV(r_);
}

template <>
inline Leihgabe<FiguratT>::Leihgabe(HauptF& h) {
  h.ErschaffeG(r_);
}
