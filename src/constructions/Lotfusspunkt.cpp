// Foot figures of perpendiculars: of a point, and of all points of a figure.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

namespace {

// f := the auxiliary figure of the type typ with copies of the two vectors.
void Hilfsfigur(FiguratT& f, int typ, const VektorT& p, const VektorT& richtung) {
  f.Typ = typ;
  f.v1->uebernimmtKomponentenVon(p);
  f.v2->uebernimmtKomponentenVon(richtung);
}

// g := the intersection of b with the auxiliary figure of the type typ
// through p along richtung.
void SchnittMitHilfsfigur(Konstruktionsteil& h, const FiguratT& b, int typ, const VektorT& p, const VektorT& richtung,
                          FiguratT& g, bool& ok) {
  Leihfigurat hilf(h);
  Hilfsfigur(*hilf, typ, p, richtung);
  h.Schnitt(b, *hilf, g, ok);
}

void PunktBei(FiguratT& g, const VektorT& p) {
  g.Typ = TypPunkt;
  g.v1->uebernimmtKomponentenVon(p);
}

// The foot figure of a onto b, both points, lines or planes. Where the feet
// of all points of a are one point, the auxiliary figure through a point of
// a perpendicular to b gives it; where they fill b, it is a copy of b.
void Lotfussfigur(Konstruktionsteil& h, const FiguratT& a, const FiguratT& b, FiguratT& g, bool& ok) {
  const VektorT& PA = *a.v1;
  const VektorT& PB = *b.v1;
  if (b.Typ == TypPunkt) {
    if (a.Typ == TypPunkt) plattform::plattform().MsgBox("Warnung: Verschiebung Punkt auf Punkt");
    PunktBei(g, PB);
    return;
  }
  if (a.Typ == TypPunkt) {
    SchnittMitHilfsfigur(h, b, 5 - b.Typ, PA, *b.v2, g, ok);
    return;
  }
  if (a.Typ == TypGerade && b.Typ == TypGerade) {
    if (a.v2->IstSenkrechtZu(*b.v2))
      SchnittMitHilfsfigur(h, b, TypEbene, PA, *b.v2, g, ok);
    else
      g.uebernimmtGeometrieVon(b);
    return;
  }
  Leihvektor c(h);
  a.v2->kreuz(*b.v2, *c);
  const bool parallel = a.v2->IstParallelZu(*b.v2);
  if (a.Typ == TypGerade) {  // onto a plane
    if (parallel)
      h.Schnitt(a, b, g, ok);  // a line perpendicular to the plane meets it in one point
    else
      SchnittMitHilfsfigur(h, b, TypEbene, PA, *c, g, ok);  // the projection of the line
  } else if (b.Typ == TypGerade) {  // a plane onto a line
    if (parallel)
      h.Schnitt(a, b, g, ok);
    else
      g.uebernimmtGeometrieVon(b);
  } else {  // a plane onto a plane
    if (parallel) {
      h.Schnitt(a, b, g, ok);
      // Distinct parallel planes: every foot lies in b.
      if (g.Typ == TypLeer) g.uebernimmtGeometrieVon(b);
    } else if (a.v2->IstSenkrechtZu(*b.v2)) {
      h.Schnitt(a, b, g, ok);  // perpendicular planes: the feet fill the common line
    } else {
      g.uebernimmtGeometrieVon(b);
    }
  }
}

}  // namespace

void Konstruktionsteil::ErzeugeLotfussfpunktG(const std::string& A, const std::string& B, FiguratT*& r, bool& ok) {
  FiguratT* a;
  FiguratT* b;
  if (!HoleFigurat(A, a) || !HoleFigurat(B, b)) {
    ok = false;
    return;
  }
  FiguratT& g = *r;
  const bool aLinear = a->IstLinear();
  const bool bLinear = b->IstLinear();
  if (a->Typ == TypLeer || (b->Typ == TypLeer && (aLinear || a->Typ == TypRaum)))
    g.Typ = TypLeer;
  else if (a->Typ == TypRaum && (bLinear || b->Typ == TypRaum))
    g.uebernimmtGeometrieVon(*b);  // every point of b is the foot of itself
  else if (b->Typ == TypRaum && aLinear)
    g.uebernimmtGeometrieVon(*a);  // every point is its own foot
  else if (aLinear && bLinear)
    Lotfussfigur(*this, *a, *b, g, ok);
  else
    ok = false;  // triangles, tetrahedra, segments and collections have no foot figure
  if (ok) g.Einlisten();
}

void VektorT::LotfusspunktPG(const FiguratT& g, VektorT& f) const {
  if (g.Typ == TypPunkt) {
    f.uebernimmtKomponentenVon(*g.v1);
    return;
  }
  if (g.Typ != TypGerade && g.Typ != TypEbene) return;
  Konstruktionsteil& h = Konstruktionsteil::Instanz();
  // The plane through p normal to the line, or the line through p along the
  // plane's normal, meets g in the foot.
  Leihfigurat hilf(h);
  Hilfsfigur(*hilf, 5 - g.Typ, *this, *g.v2);
  Leihfigurat fuss(h);
  bool ok = true;
  h.Schnitt(*hilf, g, *fuss, ok);
  f.uebernimmtKomponentenVon(*fuss->v1);
}

bool VektorT::IstPunktvon(const FiguratT& g) const {
  if (g.Typ == TypPunkt) return istgleich(*g.v1);
  if (g.Typ != TypGerade && g.Typ != TypEbene) return false;
  Leihvektor f;
  LotfusspunktPG(g, *f);
  return istgleich(*f);
}
