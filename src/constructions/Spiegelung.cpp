// Mirror images of points, lines and planes at points, lines and planes.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

void Konstruktionsteil::ErzeugeSpiegelbild(const std::string& A, const std::string& S, FiguratT*& r, bool& ok) {
  if (FiguratTypNr(A) * FiguratTypNr(S) <= 0) {
    ok = false;
    return;
  }
  FiguratT* a;
  FiguratT* s;
  ok = HoleFigurat(A, a) && HoleFigurat(S, s);
  if (ok) Spiegele(*a, *s, *r, ok);
  if (ok) r->Einlisten();
}

void Konstruktionsteil::Spiegele(const FiguratT& A, const FiguratT& S, FiguratT& R, bool& ok) {
  if (!ok) return;
  R.Typ = A.Typ;
  if (!A.IstLinear() || !S.IstLinear()) {
    plattform::plattform().MsgBox("Fehler in der Methode Spiegele");
    ok = false;
    return;
  }
  const VektorT& P = *A.v1;
  const VektorT& Z = *S.v1;
  Leihvektor p1(*this);
  Leihvektor p2(*this);
  Leihvektor p3(*this);
  // The case is Typ(A)² + Typ(S): 2 to 4 a point, 5 to 7 a line, 10 to 12 a
  // plane, at a point, a line or a plane.
  switch (A.Typ * A.Typ + S.Typ) {
    case 2:
      P.SpiegelePP(Z, *R.v1);
      break;
    case 3:
    case 4:
      P.LotfusspunktPG(S, *p1);
      P.SpiegelePP(*p1, *R.v1);
      break;
    case 5:
      // A line mirrored at a point keeps its direction, a plane its normal.
      P.SpiegelePP(Z, *R.v1);
      R.v2->uebernimmtKomponentenVon(*A.v2);
      break;
    case 6:
    case 7:
      // Two points of the line mirrored; the direction comes out reversed.
      P.LinKomb(1, *A.v2, 1, *p2);
      P.SpiegelePG(S, *p1);
      p2->SpiegelePG(S, *p2);
      R.v1->uebernimmtKomponentenVon(*p1);
      p1->Richtung(*p2, *R.v2);
      break;
    case 10:
      P.LinKomb(-1, Z, 2, *R.v1);
      R.v2->uebernimmtKomponentenVon(*A.v2);
      break;
    case 11:
    case 12:
      // Three points of the plane mirrored; their normal may differ from
      // the plane's in length and sign.
      A.Finde3Ebenenpunkte(*p1, *p2, *p3, ok);
      p1->SpiegelePG(S, *p1);
      p2->SpiegelePG(S, *p2);
      p3->SpiegelePG(S, *p3);
      R.v1->uebernimmtKomponentenVon(*p1);
      p1->Richtung(*p2, *p2);
      p1->Richtung(*p3, *p3);
      p2->kreuz(*p3, *R.v2);
      break;
  }
}

void FiguratT::Finde3Ebenenpunkte(VektorT& P1, VektorT& P2, VektorT& P3, bool& ok) const {
  ok = Typ == TypEbene;
  if (!ok) return;
  Konstruktionsteil& h = Konstruktionsteil::Instanz();
  P1.uebernimmtKomponentenVon(*v1);
  Leihvektor e(h);
  Leihvektor a(h);
  Leihvektor b(h);
  Leihvektor c(h);
  // Three directions in the plane; one of them vanishes when the normal
  // lies along its axis.
  e->Vektor(1, 0, 0);
  const bool langsX = e->IstParallelZu(*v2);
  e->kreuz(*v2, *a);
  e->Vektor(0, 1, 0);
  const bool langsY = e->IstParallelZu(*v2);
  e->kreuz(*v2, *b);
  e->Vektor(0, 0, 1);
  e->kreuz(*v2, *c);
  // For a normal without z component (an upright plane such as x + y = 0) a
  // and b are parallel; a and c span the plane then.
  if (langsX) {
    P1.LinKomb(1, *b, 1, P2);
    P1.LinKomb(1, *c, 1, P3);
  } else if (langsY || a->IstParallelZu(*b)) {
    P1.LinKomb(1, *a, 1, P2);
    P1.LinKomb(1, *c, 1, P3);
  } else {
    P1.LinKomb(1, *a, 1, P2);
    P1.LinKomb(1, *b, 1, P3);
  }
}

void VektorT::SpiegelePG(const FiguratT& g, VektorT& q) const {
  if (g.Typ == TypPunkt) {
    SpiegelePP(*g.v1, q);
    return;
  }
  if (g.Typ != TypGerade && g.Typ != TypEbene) return;
  Leihvektor fuss;
  LotfusspunktPG(g, *fuss);
  SpiegelePP(*fuss, q);
}
