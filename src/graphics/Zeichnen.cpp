// The drawing primitives: picture points mapped to pixels with the scale and
// the offsets, and drawn straight onto the canvas in the view's colour.

#include <algorithm>
#include <cmath>

#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"
#include "platform/Zahltext.h"

using plattform::ZuGanzzahl;

namespace {

// Pixel coordinates are kept within this distance of the canvas's corner
// before they become Integers: far beyond any canvas, and small enough for
// every platform's drawing.
constexpr double Grenze = 100000;

double Begrenzt(double pixel) { return std::clamp(pixel, -Grenze, Grenze); }

bool Innen(double x, double y) { return std::fabs(x) <= Grenze && std::fabs(y) <= Grenze; }

// Cuts the segment to the square |x|, |y| ≤ Grenze (Liang and Barsky); False
// when no part of it lies inside.
bool Zuschneiden(double& x1, double& y1, double& x2, double& y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + Grenze, Grenze - x1, y1 + Grenze, Grenze - y1};
  double t0 = 0;
  double t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  const double ax = x1, ay = y1;
  if (t0 > 0) {
    x1 = ax + t0 * dx;
    y1 = ay + t0 * dy;
  }
  if (t1 < 1) {
    x2 = ax + t1 * dx;
    y2 = ay + t1 * dy;
  }
  return true;
}

bool Endlich(const VektorT& p) { return std::isfinite(p.kp[1]) && std::isfinite(p.kp[2]); }

}  // namespace

plattform::Zeichenflaeche& GrafikFenster::Grafik() { return GraphCanvas().Graphics(); }

void GrafikFenster::Ansichtsfarbe(int Ansicht) {
  switch (Ansicht) {
    case AnsichtNormal: Grafik().SetzeFarbe(0, 0, 0); break;
    case AnsichtRot: Grafik().SetzeFarbe(255, 51, 0); break;
    case AnsichtGruen: Grafik().SetzeFarbe(0, 255, 255); break;
    default: break;  // the colour of the previous drawing
  }
}

double GrafikFenster::PixelX(const VektorT& p) const {
  return p.kp[1] * static_cast<double>(faktor) + static_cast<double>(xOffset);
}

double GrafikFenster::PixelY(const VektorT& p) const {
  return p.kp[2] * static_cast<double>(faktor) + static_cast<double>(yOffset);
}

void GrafikFenster::Linie(double x1, double y1, double x2, double y2) {
  auto endlich = [&] { return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2); };
  // A point without a finite image is not drawn, nor any line to it.
  if (!endlich()) return;
  if (!Innen(x1, y1) || !Innen(x2, y2)) {
    if (!Zuschneiden(x1, y1, x2, y2) || !endlich()) return;
    x1 = Begrenzt(x1);
    y1 = Begrenzt(y1);
    x2 = Begrenzt(x2);
    y2 = Begrenzt(y2);
  }
  Grafik().Linie(ZuGanzzahl(x1), ZuGanzzahl(y1), ZuGanzzahl(x2), ZuGanzzahl(y2));
}

void GrafikFenster::Kante(const VektorT& A, const VektorT& B) { Linie(PixelX(A), PixelY(A), PixelX(B), PixelY(B)); }

void GrafikFenster::ZeichneKOS() {
  if (!ZeigeAchsen().Value()) return;
  Grafikteil& h = Grafikteil::Instanz();
  Leihvektor o(h);
  Leihvektor e(h);
  const bool anaglyph = DreiDAnzeige().Value();
  O->Abbilden(*o);
  for (VektorT* achse : {Ex, Ey, Ez}) {
    achse->Abbilden(*e);
    ZeichneGerade(anaglyph ? AnsichtRot : AnsichtNormal, *o, *e);
  }
  if (anaglyph) {
    O->aAbbilden(*o);
    for (VektorT* achse : {Ex, Ey, Ez}) {
      achse->aAbbilden(*e);
      ZeichneGerade(AnsichtGruen, *o, *e);
    }
  }
}

void GrafikFenster::ZeichnePunkt(int Ansicht, const VektorT& P, const std::string& name) {
  Ansichtsfarbe(Ansicht);
  const double px = PixelX(P);
  const double py = PixelY(P);
  const bool endlich = std::isfinite(px) && std::isfinite(py);
  plattform::Zeichenflaeche& g = Grafik();
  if (endlich) g.Oval(ZuGanzzahl(Begrenzt(px - 3)), ZuGanzzahl(Begrenzt(py - 3)), 6, 6);
  // The label is black in every view.
  g.SetzeFarbe(0, 0, 0);
  g.SetzeTextgroesse(Textgroesse);
  if (endlich && 5 < Textgroesse)
    g.Text(name, ZuGanzzahl(Begrenzt(px + 4 + Textgroesse / 8.0)), ZuGanzzahl(Begrenzt(py + 4 + Textgroesse / 2.0)));
}

void GrafikFenster::ZeichneTetraeder(int Ansicht, const VektorT& A, const VektorT& B, const VektorT& C,
                                     const VektorT& D) {
  Ansichtsfarbe(Ansicht);
  Kante(A, B);
  Kante(A, C);
  Kante(B, C);
  Kante(D, B);
  Kante(D, C);
  Kante(D, A);
}

void GrafikFenster::ZeichneDreieck(int Ansicht, const VektorT& A, const VektorT& B, const VektorT& C) {
  Ansichtsfarbe(Ansicht);
  Kante(A, B);
  Kante(A, C);
  Kante(B, C);
}

void GrafikFenster::ZeichneGerade(int Ansicht, const VektorT& A, const VektorT& B) {
  const double x1 = A.kp[1];
  const double y1 = A.kp[2];
  const double x2 = B.kp[1];
  const double y2 = B.kp[2];
  // From the line's two picture points to where it leaves the strip −4 ≤ x ≤ 4.
  double ax, ay, bx, by;
  if (x1 == x2) {
    ax = x1;
    ay = -4;
    bx = x1;
    by = 4;
  } else {
    const double m = (y2 - y1) / (x2 - x1);
    ax = -4;
    ay = A.kp[2] + m * (-4 - A.kp[1]);
    bx = 4;
    by = A.kp[2] + m * (4 - A.kp[1]);
  }
  Grafik().SetzeStiftbreite(2);
  Ansichtsfarbe(Ansicht);
  if (!Endlich(A) || !Endlich(B)) return;
  const double f = faktor;
  Linie(ax * f + xOffset, ay * f + yOffset, bx * f + xOffset, by * f + yOffset);
}

int GrafikFenster::Offset(int prozent, int groesse) { return ZuGanzzahl((prozent * groesse) / 100.0); }

void GrafikFenster::InitGrafik() {
  Grafikteil& h = Grafikteil::Instanz();
  // The vectors of an earlier set-up go back first, so that restarts make no new records.
  for (VektorT** v : {&Ex, &Ey, &Ez, &O}) {
    if (*v) (*v)->Einlagern();
    h.ErschaffeV(*v);
  }
  Ex->Vektor(1, 0, 0);
  Ey->Vektor(0, 1, 0);
  Ez->Vektor(0, 0, 1);
  O->Vektor(0, 0, 0);
  xOffset = Offset(xOffsetS().Value(), Width());
  yOffset = Offset(yOffsetS().Value(), Height());
  Textgroesse = 10;
  GraphCanvas().Refresh();
}

void GrafikFenster::ZeichneStrecke(int Ansicht, const VektorT& A, const VektorT& B) {
  Ansichtsfarbe(Ansicht);
  Kante(A, B);
}
