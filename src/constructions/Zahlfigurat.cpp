// Points and planes from typed numbers.

#include <cmath>
#include <optional>

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

bool Konstruktionsteil::NameAbgelehnt(const std::string& name) const {
  return (ExistiertFigurat(name) && !destruktiv) || !ErlaubterName(name);
}

void Konstruktionsteil::ErzeugePunkt(const std::string& name, double x, double y, double z, bool& ok) {
  if (NameAbgelehnt(name)) {
    plattform::plattform().MsgBox("Der verwendete Figuratname " + name + "  ist unerlaubt oder existiert bereits");
    ok = false;
    return;
  }
  FiguratT* g;
  bool vorhanden;
  HoleFigurat(name, g, vorhanden);
  if (vorhanden) {
    // The very record becomes the point, in its place in the list, the
    // origin at the head included; it is not described again.
    g->v1->Vektor(x, y, z);
    AendereTyp(*g, TypPunkt);
    g->verbundenmit().clear();
    ok = true;
    return;
  }
  ErschaffeG(g);
  g->name = name;
  g->v1->Vektor(x, y, z);
  g->Typ = TypPunkt;
  g->Einlisten();
  g->verbundenmit().clear();
  ok = true;
}

void Konstruktionsteil::ErzeugeEbeneG(const std::string& name, double a, double b, double c, double d, bool& ok) {
  if (NameAbgelehnt(name)) {
    plattform::plattform().MsgBox("Der verwendete Figuratname " + name + "  ist unerlaubt  oder existiert bereits");
    ok = false;
    return;
  }
  if (IstNull(a * a + b * b + c * c)) {
    plattform::plattform().MsgBox("Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben");
    ok = false;
    return;
  }
  // Entering replaces a figure of the same name, also the origin at the head.
  FiguratT* g;
  ErschaffeG(g);
  g->name = name;
  EbenenPunkt(a, b, c, d, *g->v1);
  g->v2->Vektor(a, b, c);
  g->v2->VereinfacheRichtung();
  g->Typ = TypEbene;
  g->Einlisten();
  ok = true;
}

void Konstruktionsteil::EbenenPunkt(double a, double b, double c, double d, VektorT& p) {
  // The last whole-number point of the cube from −9 to 9, in the order of
  // x, y, z, that solves the equation exactly, so that a typed plane gets a
  // readable support point. Searched from the last one back.
  auto summe = [&](int i, int j, int k) { return (a * i + b * j) + c * k; };
  // Without an overflow the rounded sum of a row of i and j rises with k for
  // c > 0 and falls for c < 0, so that the k solving it lie together and
  // halving finds the last of them; with c = 0 it is the same for every k.
  const bool geordnet = 9 * (std::fabs(a) + std::fabs(b) + std::fabs(c)) < 1e300;
  auto letztesK = [&](int i, int j) -> std::optional<int> {
    if (!geordnet) {
      for (int k = 9; k >= -9; --k)
        if (summe(i, j, k) == d) return k;
      return std::nullopt;
    }
    if (c == 0) return summe(i, j, 9) == d ? std::optional(9) : std::nullopt;
    // The k up to the last solution are those whose sum has not passed d.
    auto davor = [&](int k) { return c > 0 ? summe(i, j, k) <= d : summe(i, j, k) >= d; };
    if (!davor(-9)) return std::nullopt;
    int unten = -9;  // has not passed d
    int oben = 10;  // has passed it, or lies behind the cube
    while (oben - unten > 1) {
      const int mitte = (unten + oben) / 2;
      (davor(mitte) ? unten : oben) = mitte;
    }
    return summe(i, j, unten) == d ? std::optional(unten) : std::nullopt;
  };
  double x = 0;
  double y = 0;
  double z = 0;
  bool gefunden = false;
  for (int i = 9; i >= -9 && !gefunden; --i)
    for (int j = 9; j >= -9 && !gefunden; --j)
      if (const std::optional<int> k = letztesK(i, j)) {
        x = i;
        y = j;
        z = *k;
        gefunden = true;
      }
  if (!gefunden) {
    if (a != 0)
      x = d / a;
    else if (b != 0)
      y = d / b;
    else
      z = d / c;
  }
  p.Vektor(x, y, z);
}

void Konstruktionsteil::PP2G(const VektorT& p, const VektorT& q, VektorT& r) { p.Richtung(q, r); }
