#pragma once

#include "core/FiguratT.h"
#include "core/VektorT.h"

// A record borrowed from its pool for the length of a scope: it goes back
// when the scope ends, however the scope is left. Borrowed records go back in
// the reverse order of their borrowing, so the pool is left as it was found.
template <class Record>
class Leihgabe {
 public:
  Leihgabe();
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
Leihgabe<VektorT>::Leihgabe();
template <>
Leihgabe<FiguratT>::Leihgabe();
