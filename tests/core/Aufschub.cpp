// The refreshes that wait for the end of a run of the command list.

#include "core/Aufschub.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Aufschub, OutsideARunNothingWaits) {
  Aufschub a;
  int n = 0;
  EXPECT_FALSE(a.Laeuft());
  EXPECT_FALSE(a.Aufschieben("Feld", 1, [&] { ++n; }));
  EXPECT_EQ(n, 0) << "the caller refreshes itself";
}

TEST(Aufschub, TheOutermostRunDoesEachPlaceOnceAtItsEnd) {
  Aufschub a;
  std::string getan;
  {
    Aufschub::Lauf aussen(a);
    {
      Aufschub::Lauf innen(a);
      EXPECT_TRUE(a.Laeuft());
      EXPECT_TRUE(a.Aufschieben("Bild", 1, [&] { getan += "zeichnen "; }));
      EXPECT_TRUE(a.Aufschieben("Feld", 1, [&] { getan += "feld "; }));
      EXPECT_TRUE(a.Aufschieben("Feld", 1, [&] { getan += "nochmal "; }));
    }
    EXPECT_EQ(getan, "") << "an inner run ends without doing anything";
    EXPECT_TRUE(a.Laeuft());
    // The higher stage takes the place of the lower, never the other way round.
    a.Aufschieben("Bild", 2, [&] { getan += "loeschen "; });
    a.Aufschieben("Bild", 1, [&] { getan += "zeichnen "; });
  }
  EXPECT_EQ(getan, "loeschen feld ");
  EXPECT_FALSE(a.Laeuft());

  // Nothing is left for the next run, and what a refresh asks for at the end is done at once.
  getan.clear();
  {
    Aufschub::Lauf lauf(a);
    a.Aufschieben("Feld", 1, [&] {
      getan += "feld ";
      if (!a.Aufschieben("Bild", 1, [&] { getan += "spaet "; })) getan += "bild ";
    });
  }
  EXPECT_EQ(getan, "feld bild ");
}

}  // namespace
