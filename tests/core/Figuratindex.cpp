// The index beside the figure list must give what the walk from the head gives.

#include <random>
#include <unordered_map>

#include "support/Figurat.h"

namespace {

class Figuratindex : public FiguratTest {
 protected:
  // The lookup as the walk from the head does it.
  static FiguratT* Gelaufen(const std::string& name, bool& found) {
    FiguratT* r = h().GListe;
    while (r->Zeiger && r->name != name) r = r->Zeiger;
    found = r->name == name;
    return r;
  }
  static void Vergleiche(const std::string& name) {
    bool found, gelaufenFound;
    FiguratT* g;
    h().HoleFigurat(name, g, found);
    EXPECT_EQ(g, Gelaufen(name, gelaufenFound)) << name;
    EXPECT_EQ(found, gelaufenFound) << name;
  }
  // As while a load runs: a point takes over the record of its name, the
  // origin at the head and a changed type included.
  static void NimmUeber(const std::string& name, double x) {
    bool ok;
    h().destruktiv = true;
    h().ErzeugePunkt(name, x, 1, 2, ok);
    h().destruktiv = false;
  }
  static std::vector<std::string> Reihenfolge() {
    std::vector<std::string> namen;
    for (FiguratT* r = h().GListe; r; r = r->Zeiger) namen.push_back(r->name);
    return namen;
  }
};

TEST_F(Figuratindex, AgreesWithTheWalkThroughEnteringDeletingAndRestarting) {
  std::mt19937 zufall(7);
  const std::vector<std::string> namen = {"A", "B", "C", "O", "a", "G_1", "G_2", "Z9", "M", "Ä"};
  for (int runde = 0; runde < 2000; ++runde) {
    const std::string& name = namen[zufall() % namen.size()];
    switch (zufall() % 10) {
      case 0:
        if (h().ExistiertFigurat(name) && name != h().GListe->name) h().LoescheFigurat(name);
        break;
      case 1:
        if (zufall() % 20 == 0) {
          h().AlleFiguratLoeschen();
          Punkt("O", 0, 0, 0);
        }
        break;
      default: Punkt(name, runde, 0, 0); break;
    }
    for (const std::string& n : namen) Vergleiche(n);
    Vergleiche("fehlt");
    // Behind the head the names stay in order and unique.
    auto r = Reihenfolge();
    for (std::size_t i = 2; i < r.size(); ++i) ASSERT_LT(r[i - 1], r[i]);
  }
  Meldungen();
}

TEST_F(Figuratindex, TheIndexTheWalksAndTheNameListsFollowEveryChange) {
  // Names alike in their first 16 bytes and more, one with a zero byte.
  const std::vector<std::string> namen = {"A", "B", "O", "a", "G_3", "Z9", "M", "Ä", "langer_Name_mit_20_Z",
                                          "langer_Name_mit_2", "langer_Name_mit_", std::string("A\0", 2)};
  const int typen[] = {TypPunkt, TypGerade, TypEbene, TypDreieck, TypTetraeder, TypSammlung, TypLeer, TypStrecke,
                       TypRaum};
  for (unsigned saat : {3u, 11u}) {
    std::mt19937 zufall(saat);
    for (int schritt = 0; schritt < 300; ++schritt) {
      const std::string& name = namen[zufall() % namen.size()];
      switch (zufall() % 8) {
        case 0:
          if (h().ExistiertFigurat(name) && name != h().GListe->name) h().LoescheFigurat(name);
          break;
        case 1: NimmUeber(name, schritt); break;
        case 2:
          if (zufall() % 4 == 0) {
            h().AlleFiguratLoeschen();
            Punkt("O", 0, 0, 0);
          } else if (zufall() % 4 == 0) {
            h().ErzeugeUrsprung();
          }
          break;
        default: Figur(name, typen[zufall() % std::size(typen)]); break;
      }
      PruefeGegenDieListe(namen);
      if (HasFailure()) FAIL() << "Saat " << saat << ", Schritt " << schritt;
    }
  }
  Meldungen();
}

// A figure without a type does not count as there: one of its name entered
// after it is linked before it, beside the index. The walks still pass both.
TEST_F(Figuratindex, ARecordLinkedBesideTheIndexIsWalkedToo) {
  for (int i = 0; i < 3000; ++i) Figur("N" + std::to_string(i), TypPunkt);
  Figur("N1500", TypKein);
  Figur("N1500", TypGerade);
  std::vector<FiguratT*> gelistet;
  for (FiguratT* r = h().GListe; r; r = r->Zeiger) gelistet.push_back(r);
  EXPECT_EQ(gelistet.size(), 3002u);
  EXPECT_EQ(h().Reihenfolge(), gelistet);
  EXPECT_EQ(h().gNListe, "N1500\r");
}

// A long list is walked in name order without its links; the order and the
// name lists must be those of the walk along the links, after entering in
// any order, deleting and taking over, behind the origin and behind an
// anonymous head.
TEST_F(Figuratindex, ALongListIsWalkedInItsOrder) {
  std::mt19937 zufall(9);
  const int typen[] = {TypPunkt, TypGerade, TypEbene, TypDreieck};
  for (bool anonym : {false, true}) {
    if (anonym) h().AlleFiguratLoeschen();
    std::vector<std::string> namen;
    for (int i = 0; i < 6000; ++i) {
      namen.push_back("N" + std::to_string(zufall() % 100000));
      Figur(namen.back(), typen[zufall() % std::size(typen)]);
    }
    for (int i = 0; i < 1500; ++i) {
      const std::string& name = namen[zufall() % namen.size()];
      if (h().ExistiertFigurat(name)) h().LoescheFigurat(name);
    }
    for (int i = 0; i < 300; ++i) NimmUeber(namen[zufall() % namen.size()], i);
    PruefeGegenDieListe({namen.front(), namen.back(), "O"});
    if (HasFailure()) FAIL() << (anonym ? "anonymous head" : "origin");
  }
  Meldungen();
}

// Showing or hiding all figures of a kind, and cutting all connections, are
// one step each; what each figure shows and is joined to must be what doing
// it to every listed figure, one by one, gives.
TEST_F(Figuratindex, ShowHideAndCutAllAgreeWithDoingItToEveryFigure) {
  using Kreis = Kernteil::Figurenkreis;
  const std::vector<std::string> namen = {"A", "B", "O", "a", "G_3", "Z9", "M"};
  const int typen[] = {TypPunkt, TypGerade, TypEbene, TypDreieck, TypSammlung, TypLeer};
  std::mt19937 zufall(1);
  // Flags and connections as the walks over the list would have set them.
  struct Stand {
    bool sichtbar = false;
    std::string verbunden;
  };
  std::unordered_map<const FiguratT*, Stand> erwartet;
  auto jedesFigurat = [](const std::function<void(FiguratT&)>& tue) {
    for (FiguratT* g = h().ErstesFigurat(); g; g = g->Zeiger) tue(*g);
  };
  for (int schritt = 0; schritt < 3000; ++schritt) {
    const std::string& name = namen[zufall() % namen.size()];
    switch (zufall() % 11) {
      case 0:
        if (h().ExistiertFigurat(name) && name != h().GListe->name) h().LoescheFigurat(name);
        break;
      case 1:
        NimmUeber(name, schritt);
        if (FiguratT* g; h().HoleFigurat(name, g)) erwartet[g].verbunden.clear();
        break;
      case 2:
        // Every record leaves the list; the pool may give one back at once.
        if (zufall() % 6 == 0) {
          h().AlleFiguratLoeschen();
          erwartet.clear();
          if (zufall() % 2) Punkt("O", 0, 0, 0);
        } else if (zufall() % 6 == 0) {
          h().ErzeugeUrsprung();
          erwartet.clear();
        }
        break;
      case 3:
      case 4: {
        const Kreis kreis = std::array{Kreis::Alle, Kreis::Punkte, Kreis::OhneEbenen}[zufall() % 3];
        const bool ja = zufall() % 2;
        h().SetzeSichtbarkeit(kreis, ja);
        jedesFigurat([&](FiguratT& g) {
          if (kreis == Kreis::Alle || (kreis == Kreis::Punkte ? g.Typ == TypPunkt : g.Typ != TypEbene))
            erwartet[&g].sichtbar = ja;
        });
        break;
      }
      case 5: {
        FiguratT* g;
        if (h().HoleFigurat(name, g)) {
          const bool ja = zufall() % 2;
          g->SetzeSichtbar(ja);
          erwartet[g].sichtbar = ja;
        }
        break;
      }
      case 6: {
        FiguratT* g;
        if (h().HoleFigurat(name, g)) {
          g->verbundenmit() += std::to_string(schritt) + ",";
          erwartet[g].verbunden = g->verbundenmit();
        }
        break;
      }
      case 7:
        h().TrenneAllePunkte();
        jedesFigurat([&](FiguratT& g) {
          if (g.Typ == TypPunkt) erwartet[&g].verbunden.clear();
        });
        break;
      default: Figur(name, typen[zufall() % std::size(typen)]); break;
    }
    // A record new to the list comes hidden and without connections.
    std::unordered_map<const FiguratT*, Stand> gelistet;
    for (FiguratT* g = h().GListe; g; g = g->Zeiger) {
      const auto e = erwartet.find(g);
      const Stand& s = gelistet[g] = e != erwartet.end() ? e->second : Stand{};
      ASSERT_EQ(g->sichtbar(), s.sichtbar) << "Schritt " << schritt << ", " << g->name;
      ASSERT_EQ(g->verbundenmit(), s.verbunden) << "Schritt " << schritt << ", " << g->name;
    }
    erwartet = std::move(gelistet);
  }
  Meldungen();
}

}  // namespace
