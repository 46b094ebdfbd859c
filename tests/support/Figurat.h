#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

  // What is kept beside the figure list, against the list itself: the
  // lookups of these names and of a missing one as the walk from the head
  // finds them, and the name lists as a rebuild from the list makes them.
  static void PruefeGegenDieListe(std::vector<std::string> namen) {
    HauptF& m = h();
    std::vector<FiguratT*> gelistet;
    for (FiguratT* r = m.GListe; r; r = r->Zeiger)
      if (r != m.GListe || r->Typ != TypKein) gelistet.push_back(r);

    namen.push_back("fehlt");
    for (const FiguratT* r : gelistet) namen.push_back(r->name);
    for (const std::string& name : namen) {
      FiguratT* gelaufen = m.GListe;
      while (gelaufen->Zeiger && gelaufen->name != name) gelaufen = gelaufen->Zeiger;
      FiguratT* g;
      bool found;
      m.HoleFigurat(name, g, found);
      EXPECT_EQ(found, gelaufen->name == name) << name;
      EXPECT_EQ(g, gelaufen) << name;
    }

    struct Typliste {
      std::string HauptF::*liste;
      std::vector<int> typen;
    };
    const Typliste typlisten[] = {{&HauptF::PNListe, {TypPunkt}},
                                  {&HauptF::gNListe, {TypGerade}},
                                  {&HauptF::gPNListe, {TypPunkt, TypGerade}},
                                  {&HauptF::oPNListe, {TypGerade, TypEbene}},
                                  {&HauptF::oEckNliste, {TypPunkt, TypGerade, TypEbene}},
                                  {&HauptF::mSoEckNListe, {TypPunkt, TypGerade, TypEbene, TypSammlung}},
                                  {&HauptF::EckNListe, {TypDreieck, TypTetraeder}},
                                  {&HauptF::DNListe, {TypDreieck}}};
    m.ErzeugeNamenListen();
    EXPECT_EQ(m.Reihenfolge(), gelistet);
    std::string alleNamen, zeilen;
    for (const FiguratT* r : gelistet) {
      alleNamen += r->name + "\r";
      const std::string wort = HauptF::Typname(r->Typ);
      const auto zeichen = std::count_if(r->name.begin(), r->name.end(),
                                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
      zeilen += r->name + (wort.empty() ? "" : std::string(zeichen < 13 ? 14 - zeichen : 1, ' ') + wort.substr(15)) +
                "\r";
    }
    EXPECT_EQ(m.NListe, alleNamen);
    EXPECT_EQ(m.ErwNListe, zeilen);
    for (const Typliste& t : typlisten) {
      std::string erwartet;
      for (const FiguratT* r : gelistet)
        if (std::count(t.typen.begin(), t.typen.end(), r->Typ)) erwartet += r->name + "\r";
      EXPECT_EQ(m.*t.liste, erwartet) << t.typen.front();
    }
  }
};
