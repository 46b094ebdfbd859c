// The orthogonal figure, the translation, the clone and the perpendicular
// bisector plane.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

void FiguratT::OrthogonaleDurchP(const VektorT& P, FiguratT& R, bool& ok) const {
  ok = Typ > 0;
  if (!ok) {
    plattform::plattform().MsgBox("Fehler in der Methode OrthogonaleDurchP");
    return;
  }
  // 5 − Typ: a line gives a plane, a plane a line, a point the whole space and back.
  R.Typ = 5 - Typ;
  R.v1->uebernimmtKomponentenVon(P);
  R.v2->uebernimmtKomponentenVon(*v2);
  R.v2->VereinfacheRichtung();
}

void Konstruktionsteil::ErzeugeOrthogonale(const std::string& A, const std::string& B, FiguratT*& r, bool& ok) {
  if (!ok) return;
  ok = ExistiertFigurat(A) && ExistiertFigurat(B);
  if (!ok) return;
  FiguratT* a;
  FiguratT* b;
  bool gefunden;
  HoleFigurat(A, a, gefunden);
  HoleFigurat(B, b, gefunden);
  // B's position whatever B is: a line or a plane gives its support point.
  a->OrthogonaleDurchP(*b->v1, *r, ok);
  if (ok) r->Einlisten();
}

void Konstruktionsteil::ErzeugeVerschieben(const std::string& A, const std::string& P, FiguratT*& r, bool& ok) {
  if (!ok) return;
  ok = ExistiertFigurat(A) && ExistiertFigurat(P);
  if (!ok) return;
  FiguratT& g = *r;
  HoleVektor(1, P, *g.v1);
  HoleVektor(2, A, *g.v2);
  g.Typ = FiguratTypNr(A);
  g.Einlisten();
}

void Konstruktionsteil::KloneFigurat(const std::string& newname, const std::string& source, bool& ok) {
  FiguratT* a;
  HoleFigurat(source, a, ok);
  ok = ok && a->Typ >= TypPunkt;
  if (!ok) return;
  FiguratT* k;
  ErschaffeG(k);
  k->v1->uebernimmtKomponentenVon(*a->v1);
  if (a->Typ > TypPunkt) k->v2->uebernimmtKomponentenVon(*a->v2);
  k->Typ = a->Typ;
  k->name = newname;
  k->Einlisten();
}

void Konstruktionsteil::ErzeugeMittelsenkrechte(const std::string& A, const std::string& B, FiguratT*& r, bool& ok) {
  if (!ok) return;
  Leihvektor a(*this);
  Leihvektor b(*this);
  Leihvektor M(*this);
  Leihvektor n(*this);
  HoleVektor(1, A, *a);
  HoleVektor(1, B, *b);
  a->LinKomb(0.5, *b, 0.5, *M);
  a->Richtung(*b, *n);
  n->VereinfacheRichtung();
  ok = !n->IstNullvektor();
  if (ok) {
    FiguratT& g = *r;
    g.Typ = TypEbene;
    g.v1->uebernimmtKomponentenVon(*M);
    g.v2->uebernimmtKomponentenVon(*n);
    g.Einlisten();
  } else {
    plattform::plattform().MsgBox("Fehler: Der Normalen darf nicht der Nullvektor sein");
  }
}
