#pragma once

#include "core/FiguratT.h"
#include "core/VektorT.h"

// A vector borrowed from the vector pool for the length of a scope: it goes
// back when the scope ends, however the scope is left. Borrowed vectors go
// back in the reverse order of their borrowing, so the pool is left as it was
// found. The vector keeps what it held; the borrower sets what it reads.
class Leihvektor {
 public:
  Leihvektor();
  ~Leihvektor() { v_->Einlagern(); }
  Leihvektor(const Leihvektor&) = delete;
  Leihvektor& operator=(const Leihvektor&) = delete;

  VektorT& operator*() const { return *v_; }
  VektorT* operator->() const { return v_; }

 private:
  VektorT* v_;
};

// An auxiliary figure borrowed from the figure pool for the length of a
// scope, as new from HauptF::ErschaffeG; it goes back like a Leihvektor.
class Leihfigurat {
 public:
  Leihfigurat();
  ~Leihfigurat() { g_->Einlagern(); }
  Leihfigurat(const Leihfigurat&) = delete;
  Leihfigurat& operator=(const Leihfigurat&) = delete;

  FiguratT& operator*() const { return *g_; }
  FiguratT* operator->() const { return g_; }

 private:
  FiguratT* g_;
};
