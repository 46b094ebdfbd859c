// The measures of a tetrahedron: circumsphere, insphere, heights and surface.
// The tetrahedron holds only the names of its corners, A, B, C the base and D
// the apex; every measure looks them up afresh.

#include <array>
#include <cmath>

#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "descriptions/Beschreibungsteil.h"
#include "platform/Plattform.h"
#include "platform/Zahltext.h"

bool FiguratT::HoleEcken(int anzahl, std::array<const FiguratT*, 5>& ecke) const {
  const Beschreibungsteil& h = Beschreibungsteil::Instanz();
  bool alle = true;
  for (int i = 1; i <= anzahl; ++i) {
    bool gefunden = false;
    h.HoleFigurat(Ecken[i], ecke[i], gefunden);
    // The anonymous head of the list answers to the empty name but has no position.
    alle = alle && gefunden && ecke[i]->v1 != nullptr;
  }
  return alle;
}

namespace {

// Each face is named by its opposite corner, 1 to 4 for A to D; its row
// gives the corners of its plane in the order the Hesse form takes them.
constexpr int Seite[5][3] = {{0, 0, 0}, {2, 3, 4}, {3, 4, 1}, {4, 1, 2}, {1, 2, 3}};

// The planes n[p] · X = d[p] of the four faces, p from 1 to 4, each normal of
// length 1 and borrowed from the pool for as long as the planes are used.
// Only a face whose corners lie exactly on one line keeps its null cross
// product, with d = 0.
class Seitenebenen {
 public:
  Seitenebenen(Beschreibungsteil& h, const std::array<const FiguratT*, 5>& ecke);
  std::array<VektorT*, 5> n{};
  std::array<double, 5> d{};

 private:
  Leihvektor normale_[4];
};

Seitenebenen::Seitenebenen(Beschreibungsteil& h, const std::array<const FiguratT*, 5>& ecke)
    : normale_{Leihvektor(h), Leihvektor(h), Leihvektor(h), Leihvektor(h)} {
  for (int p = 1; p <= 4; ++p) {
    n[p] = &*normale_[p - 1];
    const VektorT& q = *ecke[Seite[p][0]]->v1;
    const VektorT& r = *ecke[Seite[p][1]]->v1;
    bool normiert = false;
    q.Hesseform(r, *ecke[Seite[p][2]]->v1, *n[p], d[p], normiert);
    // The Hesse form tests the cross product against the tolerance: a face
    // with sides below about 0.018 would keep it unscaled, as if it had no
    // plane, and give a tetrahedron of that size false heights.
    if (!normiert && n[p]->SkalProd(*n[p]) > 0) {
      n[p]->Normiere();
      d[p] = n[p]->SkalProd(r);
    }
  }
}

}  // namespace

void FiguratT::Umkugel(VektorT& M, double& r, bool& ok) const {
  std::array<const FiguratT*, 5> e{};
  if (Typ == TypTetraeder)
    ok = HoleEcken(4, e) && ok;
  else
    ok = false;  // without corners there is nothing to compute
  if (!ok) return;

  Beschreibungsteil& h = Beschreibungsteil::Instanz();
  const VektorT& A = *e[1]->v1;
  const VektorT& B = *e[2]->v1;
  const VektorT& C = *e[3]->v1;
  const VektorT& D = *e[4]->v1;
  // (D − P) · M = ½ (|D|² − |P|²) for P = A, B, C, held column by column.
  Leihvektor x(h);
  Leihvektor y(h);
  Leihvektor z(h);
  Leihvektor rechts(h);
  x->Vektor(D.kp[1] - A.kp[1], D.kp[1] - B.kp[1], D.kp[1] - C.kp[1]);
  y->Vektor(D.kp[2] - A.kp[2], D.kp[2] - B.kp[2], D.kp[2] - C.kp[2]);
  z->Vektor(D.kp[3] - A.kp[3], D.kp[3] - B.kp[3], D.kp[3] - C.kp[3]);
  rechts->Vektor(D.Norm() * D.Norm() - A.Norm() * A.Norm(), D.Norm() * D.Norm() - B.Norm() * B.Norm(),
                 D.Norm() * D.Norm() - C.Norm() * C.Norm());
  rechts->mal(0.5, *rechts);

  const double det = x->Det(*y, *z);
  if (Beschreibungsteil::IstNull(det)) {
    plattform::plattform().MsgBox("Das Tetraeder ist ausgeartet");
    ok = false;
  } else {
    M.Vektor(rechts->Det(*y, *z) / det, x->Det(*rechts, *z) / det, x->Det(*y, *rechts) / det);
    r = M.dist(A);
  }
}

void FiguratT::Inkugel(VektorT& M, double& r, bool& ok) const {
  ok = Typ == TypTetraeder;
  if (!ok) {
    plattform::plattform().MsgBox("Kontrolle: Fehler bei Inkugel");
    return;
  }
  std::array<const FiguratT*, 5> e{};
  ok = HoleEcken(4, e);
  if (!ok) return;

  Beschreibungsteil& h = Beschreibungsteil::Instanz();
  Seitenebenen seiten(h, e);
  std::array<VektorT*, 5>& n = seiten.n;
  std::array<double, 5>& d = seiten.d;
  // Every normal points into the tetrahedron, so that n · X − d is the
  // distance of an inner point X from the face.
  for (int p = 1; p <= 4; ++p) {
    if (n[p]->SkalProd(*e[p]->v1) - d[p] < 0) {
      n[p]->mal(-1, *n[p]);
      d[p] = -d[p];
    }
  }
  // The centre is as far from faces A, B, C as from face D: (nP − nD) · M = dP − dD.
  for (int p = 1; p <= 3; ++p) d[p] = d[p] - d[4];
  for (int p = 1; p <= 3; ++p) n[4]->LinKomb(-1, *n[p], 1, *n[p]);

  Leihvektor x(h);
  Leihvektor y(h);
  Leihvektor z(h);
  Leihvektor rechts(h);
  x->Vektor(n[1]->kp[1], n[2]->kp[1], n[3]->kp[1]);
  y->Vektor(n[1]->kp[2], n[2]->kp[2], n[3]->kp[2]);
  z->Vektor(n[1]->kp[3], n[2]->kp[3], n[3]->kp[3]);
  rechts->Vektor(d[1], d[2], d[3]);

  // The rows are differences of unit normals: det depends on the shape alone.
  const double det = x->Det(*y, *z);
  if (Beschreibungsteil::IstNull(det)) {
    plattform::plattform().MsgBox("Das Tetraeder ist ausgeartet");
    ok = false;
  } else {
    M.Vektor(rechts->Det(*y, *z), x->Det(*rechts, *z), x->Det(*y, *rechts));
    M.mal(1 / det, M);
    r = std::fabs(M.SkalProd(*n[4]) - d[4]);
  }
}

void FiguratT::TetraHoehen(double& hA, double& hB, double& hC, double& hD, bool& ok) const {
  ok = Typ == TypTetraeder;
  if (!ok) {
    plattform::plattform().MsgBox("Kontrolle: Fehler bei TetraHoehen; Typ = " + plattform::Str(Typ));
    return;
  }
  std::array<const FiguratT*, 5> e{};
  ok = HoleEcken(4, e);
  if (!ok) return;

  const Seitenebenen seiten(Beschreibungsteil::Instanz(), e);
  // The absolute value makes the direction of each normal irrelevant.
  double* hoehe[5] = {nullptr, &hA, &hB, &hC, &hD};
  for (int p = 1; p <= 4; ++p) *hoehe[p] = std::fabs(seiten.n[p]->SkalProd(*e[p]->v1) - seiten.d[p]);
}

double FiguratT::Flaeche() const {
  std::array<const FiguratT*, 5> e{};
  // Without its four corners a figure has no surface to add up.
  if (Typ != TypTetraeder || !HoleEcken(4, e)) return 0;
  const VektorT& A = *e[1]->v1;
  const VektorT& B = *e[2]->v1;
  const VektorT& C = *e[3]->v1;
  const VektorT& D = *e[4]->v1;
  double summe = A.DreiecksFlaeche(B, C);
  summe = summe + D.DreiecksFlaeche(A, B);
  summe = summe + D.DreiecksFlaeche(B, C);
  summe = summe + D.DreiecksFlaeche(A, C);
  return summe;
}
