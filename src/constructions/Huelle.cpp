// The affine hull of three figures: the smallest point, line, plane or whole
// space that contains them all.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

namespace {

bool HatHuelle(int typ) { return typ == TypLeer || (TypPunkt <= typ && typ <= TypRaum); }

// R := the plane through p with the normal a × b, neither simplified nor normalised.
void Ebene(FiguratT& R, const VektorT& p, const VektorT& a, const VektorT& b) {
  R.Typ = TypEbene;
  R.v1->uebernimmtKomponentenVon(p);
  a.kreuz(b, *R.v2);
}

}  // namespace

void Konstruktionsteil::ErzeugeHuelle(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r,
                                      bool& ok) {
  FiguratT* a;
  FiguratT* b;
  FiguratT* c;
  ok = HoleFigurat(A, a) && HoleFigurat(B, b) && HoleFigurat(C, c) && HatHuelle(a->Typ) && HatHuelle(b->Typ) &&
       HatHuelle(c->Typ);
  if (!ok) {
    plattform::plattform().MsgBox("Fehler bei den Operanden-Figuratn in ErzeugeSchnitt");
    return;
  }
  Huelle(*a, *b, *c, *r);
  r->Einlisten();
}

void Konstruktionsteil::Huelle(const FiguratT& A, const FiguratT& B, const FiguratT& C, FiguratT& R) {
  Leihfigurat zwischen(*this);
  Huelle2(A, B, *zwischen);
  Huelle2(C, *zwischen, R);
}

void Konstruktionsteil::Huelle2(const FiguratT& A, const FiguratT& B, FiguratT& R) {
  const FiguratT& X = B.Typ < A.Typ ? B : A;
  const FiguratT& Y = B.Typ < A.Typ ? A : B;
  Leihvektor w(*this);
  X.v1->Richtung(*Y.v1, *w);
  // Built lines and planes go through Y's support point.
  if (X.Typ == TypLeer) {
    R.uebernimmtGeometrieVon(Y);  // the empty figure adds nothing
  } else if (Y.Typ == TypRaum) {
    R.Typ = TypRaum;
  } else if (X.Typ == TypEbene && Y.Typ == TypEbene) {
    if (X.v2->IstParallelZu(*Y.v2) && Y.v1->LiegtInEbene(*X.v1, *X.v2))
      R.uebernimmtGeometrieVon(Y);
    else
      R.Typ = TypRaum;
  } else if (X.Typ == TypGerade && Y.Typ == TypEbene) {
    // Parallel to the plane, with its support point in it.
    if (X.v2->IstSenkrechtZu(*Y.v2) && X.v1->LiegtInEbene(*Y.v1, *Y.v2))
      R.uebernimmtGeometrieVon(Y);
    else
      R.Typ = TypRaum;
  } else if (X.Typ == TypPunkt && Y.Typ == TypEbene) {
    if (IstNull(AbstandG(X, Y)))
      R.uebernimmtGeometrieVon(Y);
    else
      R.Typ = TypRaum;
  } else if (X.Typ == TypGerade && Y.Typ == TypGerade) {
    const bool parallel = X.v2->IstParallelZu(*Y.v2);
    const bool treffen = IstNull(AbstandG(X, Y));
    if (parallel && treffen)
      R.uebernimmtGeometrieVon(Y);
    else if (parallel)
      Ebene(R, *Y.v1, *X.v2, *w);  // distinct parallel lines
    else if (treffen)
      Ebene(R, *Y.v1, *X.v2, *Y.v2);  // intersecting lines
    else
      R.Typ = TypRaum;  // skew
  } else if (X.Typ == TypPunkt && Y.Typ == TypGerade) {
    if (IstNull(AbstandG(X, Y)))
      R.uebernimmtGeometrieVon(Y);
    else
      Ebene(R, *Y.v1, *Y.v2, *w);
  } else if (Y.Typ == TypPunkt) {
    R.v1->uebernimmtKomponentenVon(*Y.v1);
    if (w->IstNullvektor()) {
      R.Typ = TypPunkt;
    } else {
      R.Typ = TypGerade;
      R.v2->uebernimmtKomponentenVon(*w);
    }
  }
}
