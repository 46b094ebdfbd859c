// The name order against a plain ordered set, through blocks and sections
// that fill, split and empty, and names that only their later bytes tell apart.

#include "core/Namensfolge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(Namensfolge, KeepsTheOrderOfAPlainSetThroughAddingAndDeleting) {
  std::mt19937 zufall(5);
  const std::string lang = "ein_langer_Name_";  // 16 bytes
  std::deque<FiguratT> figuren;  // addresses stay put
  for (int i = 0; i < 6000; ++i) {
    std::string name;
    switch (i % 6) {
      case 0:
      case 1: name = "P" + std::to_string(zufall() % 100000); break;
      case 2: name = lang + std::to_string(zufall() % 300); break;
      case 3: name = lang.substr(0, zufall() % 17); break;
      case 4: name = std::string("A\0", 2) + std::string(zufall() % 18, '\0'); break;
      default: name = std::string(1, static_cast<char>(zufall() % 256)); break;
    }
    figuren.emplace_back().name = name;
  }
  Namensfolge folge;
  std::set<std::string> erwartet;
  std::map<std::string, FiguratT*> gehalten;
  for (int schritt = 0; schritt < 40000; ++schritt) {
    // Adding wins at first, deleting later: blocks and sections fill up and shrink.
    const bool aufbau = schritt < 20000;
    FiguratT& g = figuren[zufall() % figuren.size()];
    const Namensfolge::Stelle stelle = folge.Untergrenze(g.name);
    const auto danach = erwartet.lower_bound(g.name);
    ASSERT_EQ(folge.Davor(stelle), danach == erwartet.begin() ? nullptr : gehalten[*std::prev(danach)]);
    const bool da = danach != erwartet.end() && *danach == g.name;
    if (da && zufall() % 10 < (aufbau ? 2 : 9)) {
      folge.Entferne(stelle);
      erwartet.erase(danach);
      gehalten.erase(g.name);
    } else if (!da && (aufbau || zufall() % 10 == 0)) {
      folge.Fuege(stelle, g);
      erwartet.insert(g.name);
      gehalten[g.name] = &g;
    }
    if (schritt % 499 == 0 || schritt > 39900) {
      ASSERT_EQ(folge.Anzahl(), erwartet.size());
      std::vector<std::string> namen;
      folge.Jedes([&namen](const FiguratT& r) { namen.push_back(r.name); });
      ASSERT_EQ(namen, std::vector<std::string>(erwartet.begin(), erwartet.end())) << schritt;
      ASSERT_EQ(folge.Letztes(), erwartet.empty() ? nullptr : gehalten[*erwartet.rbegin()]);
    }
  }
  // Then every name goes, in no order: blocks and sections empty.
  std::vector<std::string> rest(erwartet.begin(), erwartet.end());
  std::shuffle(rest.begin(), rest.end(), zufall);
  for (const std::string& name : rest) {
    folge.Entferne(folge.Untergrenze(name));
    erwartet.erase(name);
    std::vector<std::string> namen;
    folge.Jedes([&namen](const FiguratT& r) { namen.push_back(r.name); });
    ASSERT_EQ(namen, std::vector<std::string>(erwartet.begin(), erwartet.end()));
    ASSERT_EQ(folge.Letztes(), erwartet.empty() ? nullptr : gehalten[*erwartet.rbegin()]);
  }
  EXPECT_EQ(folge.Anzahl(), 0u);
  // Filled again after it emptied, and cleared at once.
  for (const std::string& name : rest) folge.Fuege(folge.Untergrenze(name), *gehalten[name]);
  EXPECT_EQ(folge.Anzahl(), rest.size());
  folge.Leeren();
  EXPECT_EQ(folge.Anzahl(), 0u);
  EXPECT_EQ(folge.Letztes(), nullptr);
  EXPECT_EQ(folge.Davor(folge.Untergrenze("P1")), nullptr);
}

}  // namespace
