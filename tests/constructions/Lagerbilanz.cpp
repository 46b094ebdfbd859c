// Every construction and measurement gives its auxiliary figures and
// temporary vectors back: once the pools are warm, repeating it makes no
// record, and every record is in one place.

#include <functional>

#include "constructions/Konstruktion.h"

namespace {

class Lagerbilanz : public KonstruktionTest {
 protected:
  void SetUp() override {
    KonstruktionTest::SetUp();
    Punkt("A", 1, 0, 0);
    Punkt("B", 0, 1, 0);
    Punkt("C", 0, 0, 1);
    Punkt("S", 1, 1, 1);
    Gerade("g", {0, 0, 0}, {1, 0, 0});
    Gerade("k", {0, 0, 1}, {0, 1, 0});  // skew to g
    Gerade("z", {1, 1, 0}, {0, 0, 1});
    Ebene("e", {0, 0, 0}, {0, 0, 1});
    Ebene("f", {0, 0, 2}, {0, 0, 3});  // parallel to e
    Ebene("w", {0, 0, 0}, {1, 1, 0});
    Mit("R", TypRaum, {0, 0, 0});
    FiguratT& d = Neu("D", TypDreieck);
    d.Ecken = {"", "A", "B", "C", ""};
    d.Einlisten();
  }
};

TEST_F(Lagerbilanz, RepeatingAnOperationMakesNoRecord) {
  HauptF& H = h();
  using Mit = std::function<void(FiguratT*&, bool&)>;  // with a result record
  using Ohne = std::function<void(bool&)>;             // with a record of its own, or none
  struct Fall {
    const char* was;
    Mit mit;
    Ohne ohne;
    int meldungen;
  };
  const Fall faelle[] = {
      {"point", {}, [&](bool& ok) { H.ErzeugePunkt("X", 1, 2, 3, ok); }, 0},
      {"plane", {}, [&](bool& ok) { H.ErzeugeEbeneG("X", 1, 2, 3, 4, ok); }, 0},
      {"collection", {}, [&](bool& ok) { H.ErzeugeSammlung("X", "A,B", ok); }, 0},
      {"clone", {}, [&](bool& ok) { H.KloneFigurat("X", "g", ok); }, 0},
      {"angle", {}, [&](bool& ok) { H.Winkelausgabe("g", "w", ok); }, 0},
      {"distance of skew lines", {}, [&](bool& ok) { H.Abstandausgabe("g", "k", ok); }, 0},
      {"distance of parallel planes", {}, [&](bool& ok) { H.Abstandausgabe("e", "f", ok); }, 0},
      {"distance of a point and a line", {}, [&](bool& ok) { H.Abstandausgabe("S", "g", ok); }, 0},
      {"line PP", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePP("A", "B", r, ok); }, {}, 0},
      {"line PR", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePR("A", "g", r, ok); }, {}, 0},
      {"empty line", [&](FiguratT*& r, bool& ok) { H.ErzeugeGeradePR("A", "O", r, ok); }, {}, 0},
      {"plane PPP", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePPP("A", "B", "C", r, ok); }, {}, 0},
      {"plane PN", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePN("A", "S", r, ok); }, {}, 0},
      {"plane PRR", [&](FiguratT*& r, bool& ok) { H.ErzeugeEbenePRR("A", "g", "k", r, ok); }, {}, 0},
      {"intersection of planes", [&](FiguratT*& r, bool& ok) { H.ErzeugeSchnitt("e", "w", r, ok); }, {}, 0},
      {"intersection of lines", [&](FiguratT*& r, bool& ok) { H.ErzeugeSchnitt("g", "z", r, ok); }, {}, 0},
      {"foot figure of a line", [&](FiguratT*& r, bool& ok) { H.ErzeugeLotfussfpunktG("k", "w", r, ok); }, {}, 0},
      {"foot figure of a point", [&](FiguratT*& r, bool& ok) { H.ErzeugeLotfussfpunktG("S", "g", r, ok); }, {}, 0},
      {"mirror image of a plane", [&](FiguratT*& r, bool& ok) { H.ErzeugeSpiegelbild("w", "k", r, ok); }, {}, 0},
      {"mirror image of a line", [&](FiguratT*& r, bool& ok) { H.ErzeugeSpiegelbild("g", "e", r, ok); }, {}, 0},
      {"failed mirror image", [&](FiguratT*& r, bool& ok) { H.ErzeugeSpiegelbild("R", "e", r, ok); }, {}, 1},
      {"orthogonal figure", [&](FiguratT*& r, bool& ok) { H.ErzeugeOrthogonale("e", "S", r, ok); }, {}, 0},
      {"translation", [&](FiguratT*& r, bool& ok) { H.ErzeugeVerschieben("g", "S", r, ok); }, {}, 0},
      {"rotation of a plane", [&](FiguratT*& r, bool& ok) { H.ErzeugeDrehung("w", 50, "z", r, ok); }, {}, 0},
      {"rotation of a point", [&](FiguratT*& r, bool& ok) { H.ErzeugeDrehung("S", -30, "g", r, ok); }, {}, 0},
      {"failed rotation", [&](FiguratT*& r, bool& ok) { H.ErzeugeDrehung("R", 30, "g", r, ok); }, {}, 1},
      {"triangle", [&](FiguratT*& r, bool& ok) { H.ErzeugeDreieck("A", "B", "C", r, ok); }, {}, 0},
      {"tetrahedron", [&](FiguratT*& r, bool& ok) { H.ErzeugeTetraeder("D", "S", r, ok); }, {}, 0},
      {"bisector plane", [&](FiguratT*& r, bool& ok) { H.ErzeugeMittelsenkrechte("A", "S", r, ok); }, {}, 0},
      {"hull", [&](FiguratT*& r, bool& ok) { H.ErzeugeHuelle("A", "B", "C", r, ok); }, {}, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    auto einmal = [&] {
      if (H.ExistiertFigurat("X")) H.LoescheFigurat("X");
      bool ok = true;
      if (f.mit) {
        FiguratT* r = Ergebnis("X");
        f.mit(r, ok);
        if (!ok) r->Einlagern();  // a record that was not entered is the caller's
      } else {
        f.ohne(ok);
      }
      EXPECT_EQ(Meldungen().size(), static_cast<std::size_t>(f.meldungen));
    };
    einmal();
    einmal();
    const std::size_t warm = H.Arenagroesse();
    for (int i = 0; i < 5; ++i) einmal();
    EXPECT_EQ(H.Arenagroesse(), warm);
    ErwarteLagerInOrdnung();
  }
}

}  // namespace
