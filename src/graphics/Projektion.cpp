// The central projection from the eye point onto the picture plane through
// the origin, turned into the xy plane, and the anaglyph's second view from
// an eye shifted sideways.

#include <array>
#include <cstring>
#include <optional>

#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"

namespace {

void NulleKleineKomponenten(VektorT& q) {
  for (int i = 1; i <= 3; ++i)
    if (Grafikteil::IstNull(q.kp[i])) q.kp[i] = 0;
}

// What the turns into the picture are made of, bit for bit: a NaN or a
// signed zero makes turns of its own.
struct Bildlage {
  explicit Bildlage(const Grafikteil& h)
      : alpha(h.alphaW), beta(h.betaW), s(h.SchnittrichtungV->kp), e(h.Augenpunkt->kp) {}
  bool operator==(const Bildlage& b) const { return std::memcmp(this, &b, sizeof b) == 0; }
  double alpha, beta;
  std::array<double, 4> s, e;
};

VektorT Gedreht(const Drehung& d, const VektorT& p) {
  VektorT q;
  d.Anwenden(p, q);
  return q;
}

// The two turns that take the picture plane of the eye point the display
// constants were computed for into the xy plane: by alpha about S, then by
// beta about the eye point turned by the first. They are the same for every
// point of a picture and are made again when what they are made of changes.
struct Bilddrehung {
  explicit Bilddrehung(const Grafikteil& h)
      : lage(h), erste(h.alphaW, *h.SchnittrichtungV), zweite(h.betaW, Gedreht(erste, *h.Augenpunkt)) {}
  Bildlage lage;
  Drehung erste;
  Drehung zweite;
};

void InsBild(const Grafikteil& h, VektorT& q) {
  static std::optional<Bilddrehung> d;
  if (!d || !(d->lage == Bildlage(h))) d.emplace(h);
  d->erste.Anwenden(q, q);
  NulleKleineKomponenten(q);
  d->zweite.Anwenden(q, q);
  NulleKleineKomponenten(q);
}

}  // namespace

void Grafikteil::CalcDarstellungskonstanten(const VektorT& eye, VektorT& S, double& alpha, double& beta) {
  Leihvektor A(*this);
  A->Vektor(0, 0, 1);
  // The cross product reads the eye point before it writes S, which may be the eye point.
  eye.kreuz(*A, S);
  alpha = eye.Winkel(*A);
  Leihvektor X(*this);
  X->Vektor(1, 0, 0);
  beta = S.Winkel(*X);
}

void VektorT::Abbilden(VektorT& q) const {
  Grafikteil& h = Grafikteil::Instanz();
  Leihvektor E(h);
  Leihvektor D(h);
  E->uebernimmtKomponentenVon(*h.Augenpunkt);
  Richtung(*E, *D);
  // Where the line through the eye and this point meets the plane E·X = 0.
  // A point in the eye's own parallel plane has no finite image; the drawing
  // leaves it out.
  const double t = -E->SkalProd(*E) / E->SkalProd(*D);
  E->LinKomb(1, *D, t, q);
  InsBild(h, q);
}

void VektorT::aAbbilden(VektorT& q) const {
  GrafikFenster& grafik = GrafikFenster::Instanz();
  if (!grafik.DreiDAnzeige().Value()) return;
  Grafikteil& h = Grafikteil::Instanz();
  h.Augenabstand = grafik.AugAbst().Value() / 10.0;
  const VektorT& E = *h.Augenpunkt;
  const VektorT& S = *h.SchnittrichtungV;
  Leihvektor L(h);
  Leihvektor D(h);
  // The shifted eye, Augenabstand units along −S.
  E.LinKomb(1, S, (-1 / S.Norm()) * h.Augenabstand, *L);
  Richtung(*L, *D);
  // The same picture plane as the unshifted eye's.
  const double t = -E.SkalProd(*L) / E.SkalProd(*D);
  L->LinKomb(1, *D, t, q);
  InsBild(h, q);
}
