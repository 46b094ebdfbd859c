#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "support/Figurat.h"

// Triangles and tetrahedra entered as records with their corner names, and a
// watch on the vector pool. The pool starts with vectors full of NaN, so that
// a scratch vector read before it is written shows in every result.
class EckTest : public FiguratTest {
 protected:
  explicit EckTest(Backend b = Backend::Headless) : FiguratTest(b) {}
  void SetUp() override {
    FiguratTest::SetUp();
    std::vector<VektorT*> vorrat(40);
    for (VektorT*& v : vorrat) {
      h().ErschaffeV(v);
      const double nan = std::numeric_limits<double>::quiet_NaN();
      v->Vektor(nan, nan, nan);
    }
    for (VektorT* v : vorrat) v->Einlagern();
  }

  static FiguratT& Tetraeder(const std::string& name, std::array<std::string, 4> ecken) {
    FiguratT& t = Neu(name, TypTetraeder);
    t.Ecken = {"", ecken[0], ecken[1], ecken[2], ecken[3]};
    t.Einlisten();
    return t;
  }
  static FiguratT& Dreieck(const std::string& name, std::array<std::string, 3> ecken) {
    FiguratT& d = Neu(name, TypDreieck);
    d.Ecken = {"", ecken[0], ecken[1], ecken[2], ""};
    d.Einlisten();
    return d;
  }
  // The points A, B, C, D and the tetrahedron T on them.
  static FiguratT& TetraederABCD(std::array<std::array<double, 3>, 4> p) {
    const char* namen[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) Punkt(namen[i], p[i][0], p[i][1], p[i][2]);
    return Tetraeder("T", {"A", "B", "C", "D"});
  }
  static VektorT& Vektor(double x, double y, double z) {
    VektorT* v;
    h().ErschaffeV(v);
    v->Vektor(x, y, z);
    return *v;
  }

  // The vectors in the pool in pool order. A vector put back twice makes the
  // pool run in a circle; the walk stops once it has seen more vectors than exist.
  static std::vector<VektorT*> Lagerbestand() {
    std::vector<VektorT*> bestand;
    for (VektorT* v = h().VLager; v && bestand.size() <= h().Arenagroesse(); v = v->zeiger) bestand.push_back(v);
    return bestand;
  }
  // The pool holds each vector once, and exactly those it held before.
  static void ErwarteLager(const std::vector<VektorT*>& vorher) {
    const std::vector<VektorT*> jetzt = Lagerbestand();
    const std::set<VektorT*> eindeutig(jetzt.begin(), jetzt.end());
    EXPECT_EQ(eindeutig.size(), jetzt.size()) << "a vector stands in the pool twice";
    EXPECT_EQ(eindeutig, std::set<VektorT*>(vorher.begin(), vorher.end()));
  }

  static std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen(1);
    for (char c : text) {
      if (c == '\r')
        zeilen.emplace_back();
      else
        zeilen.back() += c;
    }
    return zeilen;
  }
};
