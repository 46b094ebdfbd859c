#pragma once

#include <string>

#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "support/Umgebung.h"
#include "ui/HauptF.h"

// The program started: the fresh start leaves the figure list holding the
// newly made origin "O", description mode on and the name lists built.
class FiguratTest : public ProgrammTest {
 protected:
  explicit FiguratTest(Backend b = Backend::Headless) : ProgrammTest(b) {}

  static HauptF& h() { return HauptF::Instanz(); }

  // A record from the figure pool, named and typed, not yet entered.
  static FiguratT& Neu(const std::string& name, int typ) {
    FiguratT* g;
    h().ErschaffeG(g);
    g->name = name;
    g->Typ = typ;
    return *g;
  }
  static FiguratT& Punkt(const std::string& name, double x, double y, double z) {
    FiguratT& g = Neu(name, TypPunkt);
    g.v1->Vektor(x, y, z);
    g.Einlisten();
    return g;
  }
  // Enters a figure whose vectors and corners do not matter to the test.
  static FiguratT& Figur(const std::string& name, int typ) {
    FiguratT& g = Neu(name, typ);
    g.v1->Vektor(0, 0, 0);
    g.v2->Vektor(1, 0, 0);
    g.Einlisten();
    return g;
  }
  static std::string Liste(std::initializer_list<const char*> namen) {
    std::string text;
    for (const char* n : namen) text += std::string(n) + "\r";
    return text;
  }
};
