// The index beside the figure list must give what the walk from the head gives.

#include <random>

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
  const std::vector<std::string> namen = {"A", "B", "O", "a", "G_3", "Z9", "M", "Ä", "langer_Name_mit_20_Z"};
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
        case 1: {
          // While a load runs, a point takes over the record of its name, the origin at the head included.
          bool ok;
          h().destruktiv = true;
          h().ErzeugePunkt(name, schritt, 1, 2, ok);
          h().destruktiv = false;
          break;
        }
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

}  // namespace
