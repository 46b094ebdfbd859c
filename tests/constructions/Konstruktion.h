#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "support/Figurat.h"

// Three coordinates, for writing figures and expected vectors in tables.
struct V3 {
  double x, y, z;
};

inline std::ostream& operator<<(std::ostream& aus, const V3& v) {
  return aus << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

// The program with its fresh figure list, and figures entered as the
// constructions find them: by name, with their vectors.
class KonstruktionTest : public FiguratTest {
 protected:
  static FiguratT& Mit(const std::string& name, int typ, V3 v1, V3 v2 = {0, 0, 0}) {
    FiguratT& g = Neu(name, typ);
    g.v1->Vektor(v1.x, v1.y, v1.z);
    g.v2->Vektor(v2.x, v2.y, v2.z);
    g.Einlisten();
    return g;
  }
  static FiguratT& Gerade(const std::string& name, V3 p, V3 d) { return Mit(name, TypGerade, p, d); }
  static FiguratT& Ebene(const std::string& name, V3 p, V3 n) { return Mit(name, TypEbene, p, n); }

  // A result record as the command list passes it: from the pool, named.
  static FiguratT* Ergebnis(const std::string& name) {
    FiguratT* r;
    h().ErschaffeG(r);
    r->name = name;
    return r;
  }
  // The figure of that name in the list, nullptr when there is none.
  static FiguratT* Fig(const std::string& name) {
    FiguratT* g;
    bool gefunden;
    h().HoleFigurat(name, g, gefunden);
    return gefunden ? g : nullptr;
  }
  static V3 K(const VektorT& v) { return {v.kp[1], v.kp[2], v.kp[3]}; }
  static std::string Letzte() { return h().Element<plattform::EditFeld>("LastInfoF").Text(); }
};

inline void ErwarteVektor(const VektorT& v, V3 soll, double genau = 1e-9) {
  EXPECT_NEAR(v.kp[1], soll.x, genau);
  EXPECT_NEAR(v.kp[2], soll.y, genau);
  EXPECT_NEAR(v.kp[3], soll.z, genau);
}

// Every record in its one place: no vector twice in the pool, none in the
// pool that a figure holds, no figure in the pool and the list at once.
inline void ErwarteLagerInOrdnung() {
  HauptF& h = HauptF::Instanz();
  std::vector<const VektorT*> gelagert;
  for (const VektorT* v = h.VLager; v; v = v->zeiger) {
    ASSERT_EQ(std::count(gelagert.begin(), gelagert.end(), v), 0) << "ein Vektor liegt zweimal im Lager";
    gelagert.push_back(v);
  }
  auto imLager = [&](const VektorT* v) { return std::count(gelagert.begin(), gelagert.end(), v) > 0; };
  std::vector<const FiguratT*> figuren;
  for (const FiguratT* g = h.GListe; g; g = g->Zeiger) figuren.push_back(g);
  for (const FiguratT* g = h.GLager; g; g = g->Zeiger) {
    ASSERT_EQ(std::count(figuren.begin(), figuren.end(), g), 0) << "ein Figurat steht zweimal";
    figuren.push_back(g);
  }
  for (const FiguratT* g : figuren) EXPECT_FALSE(imLager(g->v1) || imLager(g->v2)) << g->name;
}
