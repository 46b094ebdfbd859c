#pragma once

#include <string>
#include <vector>

#include "graphics/GrafikFenster.h"
#include "platform/headless/HeadlessPlattform.h"
#include "support/Figurat.h"

// The program as its restart leaves the picture: the eye point (1, 1, 30)
// with its display constants, and the graphics window shown and set up with
// the scale 300.
class GrafikTest : public FiguratTest {
 protected:
  using Primitiv = plattform::headless::Primitiv;
  using Art = Primitiv::Art;
  using Farbe = plattform::Farbe;
  static constexpr Farbe Schwarz{0, 0, 0};
  static constexpr Farbe Rot{255, 51, 0};
  static constexpr Farbe Cyan{0, 255, 255};

  explicit GrafikTest(Backend b = Backend::Headless) : FiguratTest(b) {}
  void SetUp() override {
    FiguratTest::SetUp();
    h().ErschaffeV(h().Augenpunkt);
    h().ErschaffeV(h().SchnittrichtungV);
    h().Augenpunkt->Vektor(1, 1, 30);
    h().CalcDarstellungskonstanten(*h().Augenpunkt, *h().SchnittrichtungV, h().alphaW, h().betaW);
    G().faktor = 300;
    G().Show();
    G().InitGrafik();
    P().Abgleichen();
  }

  static GrafikFenster& G() { return GrafikFenster::Instanz(); }
  static plattform::Canvas& Leinwand() { return G().Element<plattform::Canvas>("GraphCanvas"); }
  template <class T>
  static T& E(const char* name) {
    return G().Element<T>(name);
  }
  static void Anaglyph(bool an) { E<plattform::CheckBox>("DreiDAnzeige").SetzeValue(an); }
  static void Achsen(bool an) { E<plattform::CheckBox>("ZeigeAchsen").SetzeValue(an); }

  // Headless: everything the canvas recorded, and what since it was last cleared.
  static plattform::headless::AufzeichnendeZeichenflaeche& Aufzeichnung() {
    return plattform::headless::Aufzeichnung(Leinwand());
  }
  static std::vector<Primitiv> Bild() { return Aufzeichnung().SeitLoeschen(); }
  // The recording from now on.
  static void Vergessen() { Aufzeichnung().Vergessen(); }

  // A vector from the pool: a model point, or a picture point with z 0.
  static VektorT& Vektor(double x, double y, double z = 0) {
    VektorT* v;
    h().ErschaffeV(v);
    v->Vektor(x, y, z);
    return *v;
  }
  static FiguratT& Gerade(const std::string& name, double x, double y, double z, double dx, double dy, double dz) {
    FiguratT& g = Neu(name, TypGerade);
    g.v1->Vektor(x, y, z);
    g.v2->Vektor(dx, dy, dz);
    g.Einlisten();
    return g;
  }
  // A triangle (three corners) or a tetrahedron (four, the apex last).
  static FiguratT& Eck(const std::string& name, std::initializer_list<const char*> ecken) {
    FiguratT& g = Neu(name, ecken.size() == 3 ? TypDreieck : TypTetraeder);
    int i = 1;
    for (const char* e : ecken) g.Ecken[i++] = e;
    g.Einlisten();
    return g;
  }
  static FiguratT& Figurat(const std::string& name) {
    FiguratT* g;
    bool found;
    h().HoleFigurat(name, g, found);
    EXPECT_TRUE(found) << name;
    return *g;
  }
  static int Poolgroesse() {
    int n = 0;
    for (VektorT* v = h().VLager; v; v = v->zeiger) ++n;
    return n;
  }
};
