#include "core/VektorT.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Kernteil.h"
#include "core/Leihgaben.h"
#include "platform/Plattform.h"

namespace {

// The components of a divided by its largest one in absolute value, so that
// no square or product of them overflows or underflows; the null vector
// stays null.
std::array<double, 4> Skaliert(const VektorT& a) {
  const double s = std::max({std::fabs(a.kp[1]), std::fabs(a.kp[2]), std::fabs(a.kp[3])});
  std::array<double, 4> k{};
  if (s > 0)
    for (int i = 1; i <= 3; ++i) k[i] = a.kp[i] / s;
  return k;
}

// u := a divided by its length; the null vector stays null.
void Einheit(const VektorT& a, VektorT& u) {
  const std::array<double, 4> k = Skaliert(a);
  u.Vektor(k[1], k[2], k[3]);
  const double laenge = u.Norm();
  if (laenge > 0) u.mal(1 / laenge, u);
}

// f(u, v) on two temporaries from the pool: u a copy of a, v the unit vector of b.
template <class Rechnung>
auto MitEinheit(const VektorT& a, const VektorT& b, Rechnung f) {
  Kernteil& h = Kernteil::Instanz();
  Leihvektor u(h);
  Leihvektor v(h);
  u->uebernimmtKomponentenVon(a);
  Einheit(b, *v);
  return f(*u, *v);
}

}  // namespace

void VektorT::Vektor(double x, double y, double z) {
  kp[1] = x;
  kp[2] = y;
  kp[3] = z;
}

void VektorT::uebernimmtKomponentenVon(const VektorT& b) {
  kp[1] = b.kp[1];
  kp[2] = b.kp[2];
  kp[3] = b.kp[3];
}

void VektorT::plus(const VektorT& b, VektorT& c) const {
  for (int i = 1; i <= 3; ++i) c.kp[i] = kp[i] + b.kp[i];
}

void VektorT::mal(double x, VektorT& c) const {
  for (int i = 1; i <= 3; ++i) c.kp[i] = x * kp[i];
}

void VektorT::LinKomb(double s, const VektorT& b, double t, VektorT& c) const {
  // Each component of c is made from the same components of a and b alone,
  // so c may be either without a temporary.
  for (int i = 1; i <= 3; ++i) c.kp[i] = s * kp[i] + t * b.kp[i];
}

void VektorT::Richtung(const VektorT& b, VektorT& c) const { LinKomb(1, b, -1, c); }

void VektorT::SpiegelePP(const VektorT& z, VektorT& q) const { LinKomb(-1, z, 2, q); }

double VektorT::SkalProd(const VektorT& b) const {
  double summe = 0;
  for (int i = 1; i <= 3; ++i) summe = summe + kp[i] * b.kp[i];
  return summe;
}

void VektorT::kreuz(const VektorT& b, VektorT& c) const {
  // a is read only through its copy, so c may be a.
  Leihvektor u;
  u->uebernimmtKomponentenVon(*this);
  c.kp[1] = u->kp[2] * b.kp[3] - u->kp[3] * b.kp[2];
  c.kp[2] = u->kp[3] * b.kp[1] - u->kp[1] * b.kp[3];
  c.kp[3] = u->kp[1] * b.kp[2] - u->kp[2] * b.kp[1];
}

double VektorT::Det(const VektorT& b, const VektorT& c) const {
  Leihvektor u;
  b.kreuz(c, *u);
  return SkalProd(*u);
}

double VektorT::Norm() const { return std::sqrt(SkalProd(*this)); }

void VektorT::Normiere() { mal(1 / Norm(), *this); }

double VektorT::dist(const VektorT& b) const {
  Leihvektor u;
  LinKomb(1, b, -1, *u);
  return u->Norm();
}

bool VektorT::IstNullvektor() const { return Kernteil::IstNull(SkalProd(*this)); }

bool VektorT::istgleich(const VektorT& b) const {
  const double d1 = b.kp[1] - kp[1];
  const double d2 = b.kp[2] - kp[2];
  const double d3 = b.kp[3] - kp[3];
  return Kernteil::IstNull(d1 * d1 + d2 * d2 + d3 * d3);
}

bool VektorT::IstParallelZu(const VektorT& b) const {
  return MitEinheit(*this, b, [](VektorT& u, const VektorT& v) {
    Einheit(u, u);
    u.kreuz(v, u);
    return u.IstNullvektor();
  });
}

bool VektorT::IstSenkrechtZu(const VektorT& b) const {
  return MitEinheit(*this, b, [](VektorT& u, const VektorT& v) {
    Einheit(u, u);
    return Kernteil::IstNull(u.SkalProd(v));
  });
}

bool VektorT::LiegtAufGerade(const VektorT& q, const VektorT& e) const {
  return MitEinheit(*this, e, [&q](VektorT& w, const VektorT& u) {
    w.Richtung(q, w);
    w.kreuz(u, w);  // its length is the distance from the line
    return w.IstNullvektor();
  });
}

bool VektorT::LiegtInEbene(const VektorT& q, const VektorT& n) const {
  return MitEinheit(*this, n, [&q](VektorT& w, const VektorT& u) {
    w.Richtung(q, w);
    return Kernteil::IstNull(w.SkalProd(u));
  });
}

bool VektorT::VGanzzahlig() const {
  const double c1 = std::fabs(kp[1]);
  const double c2 = std::fabs(kp[2]);
  const double c3 = std::fabs(kp[3]);
  return Kernteil::IstNull((c3 - std::floor(c3)) + (c2 - std::floor(c2)) + (c1 - std::floor(c1)));
}

void VektorT::VereinfacheRichtung() {
  const double x = kp[1];
  const double y = kp[2];
  const double z = kp[3];
  if ((x < 0 && y < 0) || (x < 0 && z < 0) || (y < 0 && z < 0))
    for (int i = 1; i <= 3; ++i) kp[i] = -kp[i];
  for (int i = 1; i <= 3; ++i)
    if (Kernteil::IstNull(kp[i])) kp[i] = 0;
  // Components beyond the Integer range have no common divisor to find; such
  // a vector keeps its length.
  constexpr double grenze = 2147483648.0;
  const bool darstellbar = std::fabs(x) < grenze && std::fabs(y) < grenze && std::fabs(z) < grenze;
  if (darstellbar && VGanzzahlig()) {
    const int g = Kernteil::ggT(Kernteil::ggT(static_cast<int>(x), static_cast<int>(y)), static_cast<int>(z));
    if (g > 1)
      for (int i = 1; i <= 3; ++i) kp[i] = kp[i] / g;
  }
}

std::string VektorT::Vektor2String() const {
  const Kernteil& h = Kernteil::Instanz();
  return "(" + h.z2s(kp[1]) + "|" + h.z2s(kp[2]) + "|" + h.z2s(kp[3]) + ")";
}

double VektorT::Winkel(const VektorT& b) const {
  if (IstNullvektor() || b.IstNullvektor()) {
    plattform::plattform().MsgBox("Der Nullvektor bestimmt keinen Winkel zu einem anderen Vektor");
    return KeinWinkel;
  }
  // The quotient of the vectors scaled by their largest components: the
  // same quotient, without overflow for any finite components.
  const std::array<double, 4> x = Skaliert(*this);
  const std::array<double, 4> y = Skaliert(b);
  double xy = 0;
  double xx = 0;
  double yy = 0;
  for (int i = 1; i <= 3; ++i) {
    xy = xy + x[i] * y[i];
    xx = xx + x[i] * x[i];
    yy = yy + y[i] * y[i];
  }
  const double k = (xy / std::sqrt(xx)) / std::sqrt(yy);
  // The same and the opposite direction alike: rounding puts the quotient on
  // either side of 1 or −1.
  if (Kernteil::IstNull(1 - k)) return 0;
  if (Kernteil::IstNull(1 + k)) return 180;
  return std::acos(std::clamp(k, -1.0, 1.0)) * 180 / (4 * std::atan(1.0));
}

void VektorT::Hesseform(const VektorT& b, const VektorT& c, VektorT& n, double& d, bool& ok) const {
  Kernteil& h = Kernteil::Instanz();
  Leihvektor u(h);
  Leihvektor v(h);
  Richtung(b, *u);
  Richtung(c, *v);
  u->kreuz(*v, n);
  if (!n.IstNullvektor()) {
    ok = true;
    n.Normiere();
    d = n.SkalProd(b);
  }
}

void VektorT::Fusspunkt(const VektorT& a, const VektorT& b, VektorT& f) const {
  Leihvektor t;
  a.Richtung(b, *t);
  if (t->IstNullvektor()) {
    f.uebernimmtKomponentenVon(a);
  } else {
    const double lambda = (SkalProd(*t) - a.SkalProd(*t)) / t->SkalProd(*t);
    a.LinKomb(1, *t, lambda, f);
  }
}

double VektorT::DreiecksFlaeche(const VektorT& b, const VektorT& c) const {
  const double s1 = dist(c);
  const double s2 = dist(b);
  const double s3 = b.dist(c);
  const double s = ((s1 + s2) + s3) / 2;
  const double produkt = ((s * (s - s1)) * (s - s2)) * (s - s3);
  // Collinear corners can leave a tiny negative product from rounding.
  return produkt < 0 ? 0 : std::sqrt(produkt);
}

void VektorT::Einlagern() {
  Kernteil& h = Kernteil::Instanz();
  zeiger = h.VLager;
  h.VLager = this;
}

void VektorT::Punktdrehung(double w, const VektorT& axis, VektorT& q) const { Drehung(w, axis).Anwenden(*this, q); }

Drehung::Drehung(double w, const VektorT& axis) {
  VektorT u;
  Einheit(axis, u);
  const double k1 = u.kp[1];
  const double k2 = u.kp[2];
  const double k3 = u.kp[3];
  // Whole turns first: a huge angle would overflow on its way to radians.
  const double phi = ((std::fmod(w, 360) * 4) * std::atan(1.0)) / 180;
  const double C = std::cos(phi);
  const double S = std::sin(phi);
  r1_.Vektor(C + k1 * k1 * (1 - C), k1 * k2 * (1 - C) - k3 * S, k1 * k3 * (1 - C) + k2 * S);
  r2_.Vektor(k1 * k2 * (1 - C) + k3 * S, C + k2 * k2 * (1 - C), k2 * k3 * (1 - C) - k1 * S);
  r3_.Vektor(k1 * k3 * (1 - C) - k2 * S, k2 * k3 * (1 - C) + k1 * S, C + k3 * k3 * (1 - C));
}

void Drehung::Anwenden(const VektorT& p, VektorT& q) const {
  // All three from p before q is written, so q may be p.
  const double x = p.SkalProd(r1_);
  const double y = p.SkalProd(r2_);
  const double z = p.SkalProd(r3_);
  q.Vektor(x, y, z);
}
