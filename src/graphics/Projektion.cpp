// The central projection from the eye point onto the picture plane through
// the origin, turned into the xy plane, and the anaglyph's second view from
// an eye shifted sideways.

#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"

namespace {

void NulleKleineKomponenten(VektorT& q) {
  for (int i = 1; i <= 3; ++i)
    if (Grafikteil::IstNull(q.kp[i])) q.kp[i] = 0;
}

// The two rotations that take the picture plane of the eye point the display
// constants were computed for into the xy plane. T holds a copy of the eye
// point and is turned with the picture.
void InsBild(const Grafikteil& h, VektorT& q, VektorT& T) {
  q.Punktdrehung(h.alphaW, *h.SchnittrichtungV, q);
  NulleKleineKomponenten(q);
  T.Punktdrehung(h.alphaW, *h.SchnittrichtungV, T);
  q.Punktdrehung(h.betaW, T, q);
  NulleKleineKomponenten(q);
}

}  // namespace

void Grafikteil::CalcDarstellungskonstanten(const VektorT& eye, VektorT& S, double& alpha, double& beta) {
  Leihvektor A(*this);
  Leihvektor B(*this);
  Leihvektor X(*this);
  A->Vektor(0, 0, 1);
  B->uebernimmtKomponentenVon(eye);
  X->Vektor(1, 0, 0);
  B->kreuz(*A, S);
  alpha = eye.Winkel(*A);
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
  InsBild(h, q, *E);
}

void VektorT::aAbbilden(VektorT& q) const {
  GrafikFenster& grafik = GrafikFenster::Instanz();
  if (!grafik.DreiDAnzeige().Value()) return;
  Grafikteil& h = Grafikteil::Instanz();
  h.Augenabstand = grafik.AugAbst().Value() / 10.0;
  const VektorT& E = *h.Augenpunkt;
  const VektorT& S = *h.SchnittrichtungV;
  Leihvektor L(h);
  Leihvektor T(h);
  Leihvektor D(h);
  // The shifted eye, Augenabstand units along −S.
  E.LinKomb(1, S, (-1 / S.Norm()) * h.Augenabstand, *L);
  Richtung(*L, *D);
  // The same picture plane as the unshifted eye's.
  const double t = -E.SkalProd(*L) / E.SkalProd(*D);
  L->LinKomb(1, *D, t, q);
  T->uebernimmtKomponentenVon(E);
  InsBild(h, q, *T);
}
