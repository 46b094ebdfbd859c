// Rotation about a line, as two mirror images at planes through the axis.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"

void VektorT::DrehachsenRichtungen(double h, VektorT& r1, VektorT& r2) const {
  const double x = kp[1];
  const double y = kp[2];
  // The axis is taken with its x component positive, unless it is
  // perpendicular to the x axis, whatever its length.
  Leihvektor achse;
  achse->Vektor(1, 0, 0);
  if (IstSenkrechtZu(*achse)) {
    r1.Vektor(1, 0, 0);
    achse->uebernimmtKomponentenVon(*this);
  } else {
    r1.Vektor(y, -x, 0);
    mal(x > 0 ? 1 : -1, *achse);
  }
  // Turning r1 itself keeps the sign and the full turn of the angle, and a
  // multiple of 360 gives two coinciding planes: no rotation at all.
  r1.Punktdrehung(-h, *achse, r2);
}

void FiguratT::DrehungumGerade(double w, const FiguratT& achse, FiguratT& R, bool& ok) const {
  if (ok) ok = achse.Typ == TypGerade;
  if (!ok) return;
  Konstruktionsteil& h = Konstruktionsteil::Instanz();
  const VektorT& d = *achse.v2;
  Leihvektor r1(h);
  Leihvektor r2(h);
  d.DrehachsenRichtungen(w / 2, *r1, *r2);
  Leihvektor n1(h);
  Leihvektor n2(h);
  d.kreuz(*r1, *n1);
  d.kreuz(*r2, *n2);
  // Mirroring at E1 and then at E2, half the angle apart, turns by the whole angle.
  Leihfigurat E1(h);
  E1->Typ = TypEbene;
  E1->v1->uebernimmtKomponentenVon(*achse.v1);
  E1->v2->uebernimmtKomponentenVon(*n1);
  Leihfigurat E2(h);
  E2->Typ = TypEbene;
  E2->v1->uebernimmtKomponentenVon(*achse.v1);
  E2->v2->uebernimmtKomponentenVon(*n2);
  Leihfigurat Z(h);
  h.Spiegele(*this, *E1, *Z, ok);
  if (ok) h.Spiegele(*Z, *E2, R, ok);
}

void Konstruktionsteil::ErzeugeDrehung(const std::string& A, double winkel, const std::string& achse, FiguratT*& r,
                                       bool& ok) {
  if (!ok) return;
  FiguratT* objekt = nullptr;
  FiguratT* gerade = nullptr;
  HoleFigurat(A, objekt, ok);
  if (ok) HoleFigurat(achse, gerade, ok);
  if (ok) objekt->DrehungumGerade(winkel, *gerade, *r, ok);
  if (ok) {
    r->Typ = objekt->Typ;
    r->Einlisten();
  }
}
