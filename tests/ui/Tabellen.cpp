// The menu table, the table of the input bars and the kind table agree: every
// kind is chosen where the user gives it, and its bar offers its operands.

#include <gtest/gtest.h>

#include <map>

#include "commands/Befehlsarten.h"
#include "ui/Eingabeleisten.h"
#include "ui/MenuBar1.h"

namespace {

TEST(Tabellen, TheMenuTheBarsAndTheKindsAgree) {
  // The input kinds the menu chooses, and by which item.
  std::map<int, std::string> gewaehlt;
  for (const Menuezeile& z : MenuBar1::Zeilen()) {
    SCOPED_TRACE(z.name);
    const bool befehl = z.art == Punktart::Befehl || z.art == Punktart::AppleBefehl;
    if (befehl) {
      EXPECT_NE(z.aktion, Menueaktion::Keine);
    }
    EXPECT_EQ(z.aktion == Menueaktion::Wahl, z.kennung != 0);
    if (z.aktion != Menueaktion::Wahl) continue;
    EXPECT_TRUE(befehl);
    EXPECT_NE(Befehlsart::ZurEingabe(z.kennung), nullptr) << "chooses no kind";
    EXPECT_TRUE(gewaehlt.emplace(z.kennung, z.name).second) << "chooses a kind another item chooses";
  }

  // Every kind is chosen from the menu but those of the delete field and the graphics window's buttons.
  std::map<int, int> eingabeZu;
  for (const auto& [k, name] : gewaehlt)
    if (const Befehlsart* art = Befehlsart::ZurEingabe(k)) eingabeZu[art->Kennung] = k;
  for (const Befehlsart& art : Befehlsart::Alle()) {
    SCOPED_TRACE(art.Name);
    const int k = art.Kennung;
    const bool anderswo = k == KennungLoesche || k == KennungVerbinde || k == KennungTrenne;
    EXPECT_EQ(eingabeZu.count(art.Kennung), anderswo ? 0u : 1u);
    EXPECT_EQ(art.Hat(Befehlsart::Sofort), art.Felderzahl() == 0) << "a kind without operands runs at once";
  }

  // A kind picked from the lists has its operand bar, with one place for each operand of its sentence.
  for (const auto& [k, name] : gewaehlt) {
    SCOPED_TRACE(name);
    const Befehlsart& art = *Befehlsart::ZurEingabe(k);
    const Operandenleiste* leiste = Operandenleiste::Zu(k);
    if (art.lesart != Lesart::Namen || art.Hat(Befehlsart::Sofort)) {
      EXPECT_EQ(leiste, nullptr) << "numbers, the hint and the drawing kinds without operands have no operand bar";
      continue;
    }
    ASSERT_NE(leiste, nullptr);
    const bool winkel = art.Hat(Befehlsart::Winkel);
    const int plaetze = (leiste->g1 != nullptr) + (leiste->g2 != nullptr) + (leiste->g3 != nullptr) + winkel;
    EXPECT_EQ(plaetze, leiste->sammeln ? 0 : art.Felderzahl());
    if (winkel) {
      EXPECT_EQ(leiste->g2, nullptr) << "the angle field takes the second list's place";
    }
  }
  for (const Operandenleiste& l : Operandenleiste::Alle())
    EXPECT_EQ(gewaehlt.count(l.kennung), 1u) << "the bar of kind " << l.kennung << " is never chosen";
}

}  // namespace
