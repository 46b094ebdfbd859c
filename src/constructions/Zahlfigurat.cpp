// Points and planes from typed numbers.

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
    g->verbundenmit.clear();
    ok = true;
    return;
  }
  ErschaffeG(g);
  g->name = name;
  g->v1->Vektor(x, y, z);
  g->Typ = TypPunkt;
  g->Einlisten();
  g->verbundenmit.clear();
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
  // The last whole-number point of the cube from −9 to 9 that solves the
  // equation exactly, so that a typed plane gets a readable support point.
  double x = 0;
  double y = 0;
  double z = 0;
  bool gefunden = false;
  for (int i = -9; i <= 9; ++i)
    for (int j = -9; j <= 9; ++j)
      for (int k = -9; k <= 9; ++k) {
        const double s = (a * i + b * j) + c * k;
        if (s == d) {
          x = i;
          y = j;
          z = k;
          gefunden = true;
        }
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
