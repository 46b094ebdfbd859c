// The angle and the distance of two figures, and their sentences.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"

namespace {

bool GeradeOderEbene(int typ) { return typ == TypGerade || typ == TypEbene; }

}  // namespace

double Konstruktionsteil::BerechneWinkel(const std::string& A, const std::string& B, bool& ok) {
  if (!ok) return 0;
  FiguratT* a;
  FiguratT* b;
  // Only lines and planes have an angle.
  ok = HoleFigurat(A, a) && HoleFigurat(B, b) && GeradeOderEbene(a->Typ) && GeradeOderEbene(b->Typ);
  if (!ok) return 0;
  double w = a->v2->Winkel(*b->v2);
  // A null direction has no angle; Winkel has said so.
  ok = w != KeinWinkel;
  if (!ok) return 0;
  if (a->Typ * b->Typ == 6) {
    // The angle between a line and a plane, 0 to 90 degrees.
    if (w > 90) w = 180 - w;
    w = 90 - w;
  }
  return w;
}

void Konstruktionsteil::Winkelausgabe(const std::string& A, const std::string& B, bool& ok) {
  double w = BerechneWinkel(A, B, ok);
  if (!ok) return;
  if (w > 90) w = 180 - w;
  InsInfofenster("Der Winkel zwischen " + A + " und " + B + " beträgt " + z2s(w) + "º");
  InfoAktualisieren();
}

double Konstruktionsteil::Abstand(const std::string& A, const std::string& B) {
  if (FiguratTypNr(A) * FiguratTypNr(B) <= 0) return 0;
  FiguratT* a;
  FiguratT* b;
  bool gefunden;
  HoleFigurat(A, a, gefunden);
  HoleFigurat(B, b, gefunden);
  return AbstandG(*a, *b);
}

namespace {

// The distance of the position P from the line or plane Y: from P to the
// foot of the perpendicular, found as the intersection of Y with the
// orthogonal figure H through P.
double Fussabstand(Konstruktionsteil& h, const VektorT& P, const FiguratT& Y, FiguratT& H) {
  bool ok = true;
  Y.OrthogonaleDurchP(P, H, ok);
  Leihfigurat fuss(h);
  h.Schnitt(H, Y, *fuss, ok);
  return P.dist(*fuss->v1);
}

}  // namespace

double Konstruktionsteil::AbstandG(const FiguratT& A, const FiguratT& B) {
  Leihfigurat H(*this);
  double r = 0;
  const FiguratT& X = B.Typ < A.Typ ? B : A;
  const FiguratT& Y = B.Typ < A.Typ ? A : B;
  if (X.IstLinear() && Y.IstLinear()) {
    switch (X.Typ * Y.Typ) {
      case 1:
        r = X.v1->dist(*Y.v1);
        break;
      case 2:
      case 3:
        r = Fussabstand(*this, *X.v1, Y, *H);
        break;
      case 4:
        if (X.v2->IstParallelZu(*Y.v2)) {
          r = Fussabstand(*this, *X.v1, Y, *H);
        } else {
          // The plane through Y parallel to X.
          H->Typ = TypEbene;
          H->v1->uebernimmtKomponentenVon(*Y.v1);
          X.v2->kreuz(*Y.v2, *H->v2);
          r = AbstandG(X, *H);
        }
        break;
      case 6:
        // A line that is not parallel to the plane meets it.
        if (X.v2->IstSenkrechtZu(*Y.v2)) r = Fussabstand(*this, *X.v1, Y, *H);
        break;
      case 9:
        if (X.v2->IstParallelZu(*Y.v2)) {
          // Parallel planes: the distance of a point of X from Y.
          H->Typ = TypPunkt;
          H->v1->uebernimmtKomponentenVon(*X.v1);
          r = AbstandG(*H, Y);
        }
        break;
    }
  }
  if (IstNull(r)) r = 0;
  return r;
}

void Konstruktionsteil::Abstandausgabe(const std::string& A, const std::string& B, bool& ok) {
  // Only points, lines and planes have a distance.
  FiguratT* a;
  FiguratT* b;
  ok = ok && HoleFigurat(A, a) && HoleFigurat(B, b) && a->IstLinear() && b->IstLinear();
  if (!ok) return;
  InsInfofenster("Der Abstand von " + A + " und " + B + " beträgt " + z2s(Abstand(A, B)));
  InfoAktualisieren();
}
