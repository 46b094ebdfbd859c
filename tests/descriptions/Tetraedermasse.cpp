// Circumsphere, insphere, heights and surface of a tetrahedron.

#include <algorithm>
#include <cmath>

#include "descriptions/Eckfiguren.h"

namespace {

class Tetraedermasse : public EckTest {};

using Ecken4 = std::array<std::array<double, 3>, 4>;
const Ecken4 Einheit = {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

void ErwarteVektor(const VektorT& v, double x, double y, double z, double genau = 1e-12) {
  EXPECT_NEAR(v.kp[1], x, genau);
  EXPECT_NEAR(v.kp[2], y, genau);
  EXPECT_NEAR(v.kp[3], z, genau);
}

TEST_F(Tetraedermasse, CircumsphereOfTheWorkedExample) {
  const FiguratT& t = TetraederABCD({{{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {0, 0, 2}}});
  VektorT& M = Vektor(0, 0, 0);
  const auto lager = Lagerbestand();
  double r = 0;
  bool ok = true;
  t.Umkugel(M, r, ok);
  EXPECT_TRUE(ok);
  ErwarteVektor(M, 1, 1, 1);
  EXPECT_NEAR(r, std::sqrt(3.0), 1e-12);
  ErwarteLager(lager);
}

// Its size scales the insphere, down to faces too small for the Hesse form's tolerance.
TEST_F(Tetraedermasse, InsphereOfTheWorkedExampleAtThreeSizes) {
  const double s = (3 - std::sqrt(3.0)) / 6;
  for (double k : {1.0, 2.0, 0.01}) {
    const FiguratT& t = TetraederABCD({{{0, 0, 0}, {k, 0, 0}, {0, k, 0}, {0, 0, k}}});
    VektorT& M = Vektor(0, 0, 0);
    const auto lager = Lagerbestand();
    double r = 0;
    bool ok = false;  // set afresh
    t.Inkugel(M, r, ok);
    EXPECT_TRUE(ok);
    ErwarteVektor(M, k * s, k * s, k * s);
    EXPECT_NEAR(r, k * s, 1e-12);
    ErwarteLager(lager);
    M.Einlagern();
  }
}

TEST_F(Tetraedermasse, HeightsOfTheWorkedExampleAtTwoSizes) {
  for (double k : {1.0, 0.01}) {
    const FiguratT& t = TetraederABCD({{{0, 0, 0}, {k, 0, 0}, {0, k, 0}, {0, 0, k}}});
    const auto lager = Lagerbestand();
    double hA = 0, hB = 0, hC = 0, hD = 0;
    bool ok = false;  // set afresh
    t.TetraHoehen(hA, hB, hC, hD, ok);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(hA, k / std::sqrt(3.0), 1e-15);
    EXPECT_NEAR(hB, k, 1e-15);
    EXPECT_NEAR(hC, k, 1e-15);
    EXPECT_NEAR(hD, k, 1e-15);
    ErwarteLager(lager);
  }
}

TEST_F(Tetraedermasse, Surface) {
  const double w = std::sqrt(3.0);
  const Ecken4 regelmaessig = {{{0, 0, 0}, {1, 0, 0}, {0.5, w / 2, 0}, {0.5, w / 6, std::sqrt(2.0 / 3)}}};
  for (const auto& [ecken, flaeche] : {std::pair{Einheit, 1.5 + w / 2}, std::pair{regelmaessig, w}}) {
    const FiguratT& t = TetraederABCD(ecken);
    const auto lager = Lagerbestand();
    EXPECT_NEAR(t.Flaeche(), flaeche, 1e-15);
    ErwarteLager(lager);
  }
  // Figures that are no tetrahedron with its corners have none.
  EXPECT_EQ(Dreieck("X", {"A", "B", "C"}).Flaeche(), 0);
  FiguratT& t = Tetraeder("T", {"A", "B", "C", "D"});
  h().LoescheFigurat("B");
  EXPECT_EQ(t.Flaeche(), 0);
}

// Every order of the four corners gives the same spheres and surface and the
// same height at each corner.
TEST_F(Tetraedermasse, OrderOfTheCornersChangesNothing) {
  const Ecken4 p = {{{0.5, -1, 2}, {3, 0.25, 1}, {-1, 2, 0}, {1, 1, 4}}};
  const char* namen[] = {"A", "B", "C", "D"};
  for (int i = 0; i < 4; ++i) Punkt(namen[i], p[i][0], p[i][1], p[i][2]);
  std::array<int, 4> reihe = {0, 1, 2, 3};
  std::vector<double> erste;
  do {
    FiguratT& t = Tetraeder("T", {namen[reihe[0]], namen[reihe[1]], namen[reihe[2]], namen[reihe[3]]});
    VektorT& U = Vektor(0, 0, 0);
    VektorT& I = Vektor(0, 0, 0);
    double ru = 0, ri = 0;
    std::array<double, 4> hoehe{};
    bool ok = true;
    t.Umkugel(U, ru, ok);
    EXPECT_TRUE(ok);
    t.Inkugel(I, ri, ok);
    EXPECT_TRUE(ok);
    t.TetraHoehen(hoehe[0], hoehe[1], hoehe[2], hoehe[3], ok);
    EXPECT_TRUE(ok);
    std::vector<double> werte = {U.kp[1], U.kp[2], U.kp[3], ru, I.kp[1], I.kp[2], I.kp[3], ri, t.Flaeche()};
    for (int ecke = 0; ecke < 4; ++ecke)
      werte.push_back(hoehe[std::find(reihe.begin(), reihe.end(), ecke) - reihe.begin()]);
    if (erste.empty()) erste = werte;
    for (std::size_t i = 0; i < werte.size(); ++i) EXPECT_NEAR(werte[i], erste[i], 1e-12) << i;
    U.Einlagern();
    I.Einlagern();
  } while (std::next_permutation(reihe.begin(), reihe.end()));
}

// What each routine does when it cannot compute: which message, what becomes
// of ok, and that M, r and the heights keep their values.
TEST_F(Tetraedermasse, Failures) {
  Punkt("A", 0, 0, 0);
  Punkt("B", 1, 0, 0);
  Punkt("C", 0, 1, 0);
  Punkt("D", 0, 0, 1);
  Punkt("E", 1, 1, 0);  // in the plane of A, B, C
  Punkt("Z", 2, 0, 0);  // on the line through A and B
  Punkt("F", 30, 30, 0.0001);
  Punkt("G", 100, 0, 0);
  Punkt("H", 0, 100, 0);
  struct Fall {
    const char* was;
    std::array<std::string, 4> ecken;
    int typ;
    bool okVorher;
    // What Umkugel, Inkugel and TetraHoehen leave in ok, and their messages.
    bool okUm, okIn, okHoehen;
    std::vector<std::string> meldungen;
    std::array<double, 4> hoehen;  // written when okHoehen
  };
  const std::string aus = "Das Tetraeder ist ausgeartet";
  const Fall faelle[] = {
      {"missing corner", {"A", "B", "X", "D"}, TypTetraeder, true, false, false, false, {}, {}},
      {"ok False on entry", {"A", "B", "C", "D"}, TypTetraeder, false, false, true, true, {},
       {1 / std::sqrt(3.0), 1, 1, 1}},
      {"coplanar", {"A", "B", "C", "E"}, TypTetraeder, true, false, false, true, {aus, aus}, {0, 0, 0, 0}},
      {"three on a line", {"A", "B", "Z", "D"}, TypTetraeder, true, false, false, true, {aus, aus}, {0, 0, 0, 0}},
      // A volume of 1/6, but flat in shape.
      {"flat", {"A", "G", "H", "F"}, TypTetraeder, true, true, false, true, {aus}, {2.5e-4, 1 / 3e3, 1 / 3e3, 1e-4}},
      {"triangle", {"A", "B", "C", ""}, TypDreieck, true, false, false, false,
       {"Kontrolle: Fehler bei Inkugel", "Kontrolle: Fehler bei TetraHoehen; Typ = -3"}, {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    FiguratT& t = Neu("T", f.typ);
    t.Ecken = {"", f.ecken[0], f.ecken[1], f.ecken[2], f.ecken[3]};
    t.Einlisten();
    VektorT& M = Vektor(7, 8, 9);
    const auto lager = Lagerbestand();
    double r = 5;
    bool ok = f.okVorher;
    t.Umkugel(M, r, ok);
    EXPECT_EQ(ok, f.okUm);
    if (!f.okUm) {
      ErwarteVektor(M, 7, 8, 9, 0);
      EXPECT_EQ(r, 5);
    }
    M.Vektor(7, 8, 9);
    r = 5;
    ok = f.okVorher;
    t.Inkugel(M, r, ok);
    EXPECT_EQ(ok, f.okIn);
    if (!f.okIn) {
      ErwarteVektor(M, 7, 8, 9, 0);
      EXPECT_EQ(r, 5);
    }
    std::array<double, 4> hoehe = {5, 5, 5, 5};
    ok = f.okVorher;
    t.TetraHoehen(hoehe[0], hoehe[1], hoehe[2], hoehe[3], ok);
    EXPECT_EQ(ok, f.okHoehen);
    for (int i = 0; i < 4; ++i) {
      if (f.okHoehen)
        EXPECT_NEAR(hoehe[i], f.hoehen[i], 1e-12);
      else
        EXPECT_EQ(hoehe[i], 5);  // a failure writes none
    }
    EXPECT_EQ(Meldungen(), f.meldungen);
    ErwarteLager(lager);
    M.Einlagern();
  }
}

}  // namespace
