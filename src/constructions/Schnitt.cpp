// The intersection of two figures.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

namespace {

void Punkt(FiguratT& R, const VektorT& p) {
  R.Typ = TypPunkt;
  R.v1->uebernimmtKomponentenVon(p);
}

void Gerade(FiguratT& R, const VektorT& p, const VektorT& d) {
  R.Typ = TypGerade;
  R.v1->uebernimmtKomponentenVon(p);
  R.v2->uebernimmtKomponentenVon(d);
}

bool LeerOderLinear(int typ) { return typ == TypLeer || (TypPunkt <= typ && typ <= TypRaum); }

}  // namespace

void Konstruktionsteil::Schnitt(const FiguratT& A, const FiguratT& B, FiguratT& R, bool& ok) {
  // X has the smaller type code; on equal codes it is the first operand.
  const FiguratT& X = B.Typ < A.Typ ? B : A;
  const FiguratT& Y = B.Typ < A.Typ ? A : B;

  if (!X.IstLinear() || !Y.IstLinear()) {
    // The empty figure meets nothing; the whole space leaves the other figure.
    if (X.Typ == TypLeer && LeerOderLinear(Y.Typ))
      R.Typ = TypLeer;
    else if (Y.Typ == TypRaum && X.Typ >= TypPunkt)
      R.uebernimmtGeometrieVon(X);
    else
      ok = false;  // triangles, tetrahedra, segments and collections have no intersection here
    return;
  }

  // Every test goes by the directions and by distances in the unit of the
  // coordinates, never by the lengths of the vectors: the same figures meet
  // whatever their size.
  const VektorT& P = *X.v1;
  const VektorT& Q = *Y.v1;
  Leihvektor c(*this);
  Leihvektor w(*this);
  switch (A.Typ * B.Typ) {
    case 1:  // two points
      if (P.istgleich(Q))
        Punkt(R, P);
      else
        R.Typ = TypLeer;
      break;
    case 2:  // a point and a line: the point itself when it lies on the line
      if (P.LiegtAufGerade(Q, *Y.v2))
        Punkt(R, P);
      else
        R.Typ = TypLeer;
      break;
    case 3:  // a point and a plane
      if (P.LiegtInEbene(Q, *Y.v2))
        Punkt(R, P);
      else
        R.Typ = TypLeer;
      break;
    case 4: {  // two lines
      const VektorT& d = *X.v2;
      const VektorT& e = *Y.v2;
      if (d.IstParallelZu(e)) {
        if (Q.LiegtAufGerade(P, d))
          Gerade(R, P, d);
        else
          R.Typ = TypLeer;
        break;
      }
      d.kreuz(e, *c);
      Q.LinKomb(1, P, -1, *w);
      if (w->IstNullvektor()) {
        Punkt(R, P);
      } else if (P.LiegtInEbene(Q, *c)) {
        // In one plane, the plane through Y parallel to X: the point P + t·d.
        const double t = [&] {
          Leihvektor we(*this);
          w->kreuz(e, *we);
          return we->SkalProd(*c) / c->SkalProd(*c);
        }();
        R.Typ = TypPunkt;
        P.LinKomb(1, d, t, *R.v1);
      } else {
        R.Typ = TypLeer;  // skew
      }
      break;
    }
    case 6: {  // a line and a plane
      const VektorT& d = *X.v2;
      const VektorT& n = *Y.v2;
      if (!d.IstSenkrechtZu(n)) {
        Q.Richtung(P, *w);
        const double t = w->SkalProd(n) / d.SkalProd(n);
        R.Typ = TypPunkt;
        P.LinKomb(1, d, t, *R.v1);
      } else if (P.LiegtInEbene(Q, n)) {
        Gerade(R, P, d);
      } else {
        R.Typ = TypLeer;
      }
      break;
    }
    case 9: {  // two planes
      const VektorT& n = *X.v2;
      const VektorT& m = *Y.v2;
      if (n.IstParallelZu(m)) {
        if (P.LiegtInEbene(Q, m)) {
          R.Typ = TypEbene;
          R.v1->uebernimmtKomponentenVon(P);
          R.v2->uebernimmtKomponentenVon(n);
        } else {
          R.Typ = TypLeer;
        }
        break;
      }
      n.kreuz(m, *c);
      c->VereinfacheRichtung();
      // The simplification drops components below the tolerance, which can
      // be all of a short direction: that one is kept as computed.
      if (c->IstNullvektor()) n.kreuz(m, *c);
      R.Typ = TypGerade;
      R.v2->uebernimmtKomponentenVon(*c);
      if (P.istgleich(Q))
        R.v1->uebernimmtKomponentenVon(P);
      else
        GemeinsamerEbenenpunkt(X, Y, *R.v1);
      break;
    }
  }
}

void Konstruktionsteil::GemeinsamerEbenenpunkt(const FiguratT& E, const FiguratT& F, VektorT& r) {
  if (E.Typ != TypEbene || F.Typ != TypEbene) {
    plattform::plattform().MsgBox("Verfehlter Aufruf von GemeinsamerEbenenpunkt");
    return;
  }
  const VektorT& P = *E.v1;
  const VektorT& n = *E.v2;
  const VektorT& Q = *F.v1;
  const VektorT& m = *F.v2;
  // u lies in F, perpendicular to the common line: r is the point of that
  // line nearest to Q.
  Leihvektor c(*this);
  Leihvektor u(*this);
  n.kreuz(m, *c);
  c->kreuz(m, *u);
  const double t = (P.SkalProd(n) - Q.SkalProd(n)) / u->SkalProd(n);
  Q.LinKomb(1, *u, t, r);
}

void Konstruktionsteil::ErzeugeSchnitt(const std::string& A, const std::string& B, FiguratT*& r, bool& ok) {
  FiguratT* a;
  FiguratT* b;
  if (HoleFigurat(A, a) && HoleFigurat(B, b)) {
    Schnitt(*a, *b, *r, ok);
  } else {
    ok = false;
    plattform::plattform().MsgBox("Fehler bei den Operanden-Figuratn in ErzeugeSchnitt");
  }
  if (ok) r->Einlisten();
}
