// Lines and planes from points and directions.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

namespace {

// The vector of an operand; the null vector when the name names no figure,
// which the lookup has already reported.
void Lies(const Konstruktionsteil& h, int selector, const std::string& name, VektorT& v) {
  v.Vektor(0, 0, 0);
  h.HoleVektor(selector, name, v);
}

// The common last step: g becomes a figure of the type typ, or the empty
// figure after the message when its direction or normal vanished, and is
// entered either way.
void Eintragen(FiguratT& g, int typ, const char* meldung, bool ausgeartet = false) {
  g.Typ = typ;
  if (ausgeartet || g.v2->IstNullvektor()) {
    g.Typ = TypLeer;
    plattform::plattform().MsgBox(meldung);
  }
  g.Einlisten();
}

const char* const OhneRichtung = "Der Richtungsvektor darf nicht der Nullvektor sein";
const char* const OhneNormale = "Der Normalenvektor darf nicht der Nullvektor sein";

}  // namespace

void Konstruktionsteil::ErzeugeGeradePP(const std::string& P, const std::string& Q, FiguratT*& r, bool& ok) {
  ok = ok && VergleicheNamen(P, Q) != 0;
  if (!ok) return;
  FiguratT& g = *r;
  Leihvektor q(*this);
  Lies(*this, 1, P, *g.v1);
  Lies(*this, 1, Q, *q);
  g.v1->Richtung(*q, *g.v2);
  g.v2->VereinfacheRichtung();
  Eintragen(g, TypGerade, OhneRichtung);
}

void Konstruktionsteil::ErzeugeGeradePR(const std::string& P, const std::string& R, FiguratT*& r, bool& ok) {
  // The origin under its own name is never a direction.
  ok = ok && VergleicheNamen(R, "O") != 0 && ExistiertFigurat(R);
  if (!ok) return;
  FiguratT& g = *r;
  FiguratT* richtung;
  bool gefunden;
  HoleFigurat(R, richtung, gefunden);
  Lies(*this, 1, P, *g.v1);
  if (richtung->Typ == TypPunkt) {
    // A point's position vector is taken as it stands.
    g.v2->uebernimmtKomponentenVon(*richtung->v1);
  } else {
    g.v2->uebernimmtKomponentenVon(*richtung->v2);
    g.v2->VereinfacheRichtung();
  }
  Eintragen(g, TypGerade, OhneRichtung);
}

void Konstruktionsteil::ErzeugeEbenePPP(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r,
                                        bool& ok) {
  ok = ok && VergleicheNamen(A, B) != 0 && VergleicheNamen(A, C) != 0 && VergleicheNamen(B, C) != 0;
  if (!ok) return;
  FiguratT& g = *r;
  Leihvektor u(*this);
  Leihvektor v(*this);
  Lies(*this, 1, A, *g.v1);
  Lies(*this, 1, B, *u);
  Lies(*this, 1, C, *v);
  g.v1->Richtung(*u, *u);
  g.v1->Richtung(*v, *v);
  u->kreuz(*v, *g.v2);
  g.v2->VereinfacheRichtung();
  // On one line: two of the points coincide, or the directions from A to
  // the others are parallel, whatever their lengths.
  const bool kollinear = u->IstNullvektor() || v->IstNullvektor() || u->IstParallelZu(*v);
  Eintragen(g, TypEbene, "Der Normalenvektor einer Ebene kann nicht der Nullvektor sein", kollinear);
}

void Konstruktionsteil::ErzeugeEbenePN(const std::string& P, const std::string& N, FiguratT*& r, bool& ok) {
  if (!ok) return;
  FiguratT& g = *r;
  Lies(*this, 1, P, *g.v1);
  Lies(*this, 1, N, *g.v2);
  g.v2->VereinfacheRichtung();
  Eintragen(g, TypEbene, OhneNormale);
}

void Konstruktionsteil::ErzeugeEbenePRR(const std::string& P, const std::string& R1, const std::string& R2,
                                        FiguratT*& r, bool& ok) {
  ok = ok && VergleicheNamen(R1, R2) != 0;
  if (!ok) return;
  FiguratT& g = *r;
  Leihvektor r1(*this);
  Leihvektor r2(*this);
  Lies(*this, 1, P, *g.v1);
  // The type code is the selector: a point gives its position, a line its direction.
  Lies(*this, FiguratTypNr(R1), R1, *r1);
  Lies(*this, FiguratTypNr(R2), R2, *r2);
  r1->kreuz(*r2, *g.v2);
  g.v2->VereinfacheRichtung();
  const bool ausgeartet = r1->IstNullvektor() || r2->IstNullvektor() || r1->IstParallelZu(*r2);
  Eintragen(g, TypEbene, OhneNormale, ausgeartet);
}
