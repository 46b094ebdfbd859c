// The name index against a plain map, through growth and the moves that
// deleting makes.

#include "core/Namensindex.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <random>
#include <string>

namespace {

struct Selbst {
  std::string_view operator()(const std::string* e) const { return *e; }
};

TEST(Namensindex, FindsWhatAPlainMapFindsThroughAddingAndDeleting) {
  std::mt19937 zufall(3);
  std::deque<std::string> namen;  // addresses stay put
  for (int i = 0; i < 3000; ++i) namen.push_back("P" + std::to_string(zufall() % 5000));
  Namensindex<const std::string*, Selbst> index;
  std::map<std::string, const std::string*> erwartet;
  for (int schritt = 0; schritt < 40000; ++schritt) {
    const std::string& name = namen[zufall() % namen.size()];
    if (zufall() % 3 == 0) {
      index.Entferne(name);
      erwartet.erase(name);
    } else {
      ASSERT_EQ(index.Fuege(&name), erwartet.emplace(name, &name).second) << name;
    }
    if (schritt % 97 == 0 || schritt > 39000) {
      ASSERT_EQ(index.Anzahl(), erwartet.size());
      for (const std::string& n : {namen[zufall() % namen.size()], std::string("fehlt"), std::string()}) {
        const auto e = erwartet.find(n);
        const std::string* const* gefunden = index.Finde(n);
        ASSERT_EQ(gefunden ? *gefunden : nullptr, e == erwartet.end() ? nullptr : e->second) << n;
      }
    }
  }
  for (const auto& [name, e] : erwartet) ASSERT_EQ(*index.Finde(name), e);
  index.Leeren();
  EXPECT_EQ(index.Anzahl(), 0u);
  EXPECT_EQ(index.Finde(namen.front()), nullptr);
  EXPECT_TRUE(index.Fuege(&namen.front()));
}

}  // namespace
