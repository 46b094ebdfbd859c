// The detailed descriptions of triangles and tetrahedra, and the command that
// puts them into the description buffer.

#include <array>
#include <cmath>
#include <string>

#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "descriptions/Beschreibungsteil.h"

void Beschreibungsteil::BeschreibeEck(const std::string& name, bool& ok) {
  FiguratT* g;
  bool found;
  HoleFigurat(name, g, found);
  ok = found && (g->Typ == TypDreieck || g->Typ == TypTetraeder);
  if (!ok) return;
  // In either description mode; with the mode off the text waits in the buffer.
  InsInfofenster(g->ausfBeschreibung());
  InfoAktualisieren();
}

namespace {

// The line of a sphere; a routine that found no sphere leaves M unwritten.
std::string Kugelzeile(const char* kugel, bool ok, const VektorT& M, double r) {
  const std::string anfang = std::string("Mittelpunkt und Radius der ") + kugel + " sind ";
  if (!ok) return anfang + "nicht bestimmbar";
  return anfang + "M= " + M.Vektor2String() + ",    r = " + Beschreibungsteil::Instanz().z2s(r);
}

std::string Tetraedertext(const FiguratT& g, const std::array<const FiguratT*, 5>& e) {
  Beschreibungsteil& h = Beschreibungsteil::Instanz();
  const std::string& CR = h.CR;
  const std::string& nA = g.Ecken[1];
  const std::string& nB = g.Ecken[2];
  const std::string& nC = g.Ecken[3];
  const std::string& nD = g.Ecken[4];
  const VektorT& A = *e[1]->v1;
  const VektorT& B = *e[2]->v1;
  const VektorT& C = *e[3]->v1;
  const VektorT& D = *e[4]->v1;

  const double V = [&] {
    Leihvektor u(h);
    Leihvektor w(h);
    Leihvektor t(h);
    A.Richtung(B, *u);
    D.Richtung(A, *w);
    C.Richtung(A, *t);
    return std::fabs(u->Det(*w, *t)) / 6;
  }();

  double S = D.dist(C);
  S = S + D.dist(A);
  S = S + D.dist(B);
  S = S + B.dist(C);
  S = S + C.dist(A);
  S = S + A.dist(B);

  std::string text = "Das Tetraeder " + g.name + " mit den Ecken " + nA + ", " + nB + ", " + nC + " und " + nD +
                     " hat folgende Eigenschaften: " + CR;
  text += nA + " = " + A.Vektor2String() + ",          " + nB + " = " + B.Vektor2String() + ",   " + nC + " = " +
          C.Vektor2String() + ",          " + nD + " = " + D.Vektor2String() + CR;
  text += "Die Kantenlängen des Tetraeders sind " + CR;
  text += "L(" + nA + "|" + nB + ") = " + h.z2s(A.dist(B)) + ",   L(" + nB + "|" + nC + ") = " + h.z2s(B.dist(C)) +
          ",   L(" + nC + "|" + nA + ") = " + h.z2s(C.dist(A)) + CR;
  text += "L(" + nD + "|" + nA + ") = " + h.z2s(D.dist(A)) + ",   L(" + nD + "|" + nB + ") = " + h.z2s(D.dist(B)) +
          ",   L(" + nD + "|" + nC + ") = " + h.z2s(D.dist(C));
  if (Beschreibungsteil::IstNull(V)) return text + CR + " Das Tetraeder ist ausgeartet";

  Leihvektor M(h);
  text += CR + "Das Volumen des Tetraeders beträgt " + h.z2s(V) + CR;
  text += "Die Summe der sechs Kantenlängen beträgt " + h.z2s(S) + CR;
  text += "Der Inhalt der Oberfläche  beträgt " + h.z2s(g.Flaeche()) + CR;
  text += "Die vier Höhen des Tetraeders sind (jeweils mit Angabe der zugehörigen Ecke):" + CR;
  double hA = 0;
  double hB = 0;
  double hC = 0;
  double hD = 0;
  bool ok = true;
  g.TetraHoehen(hA, hB, hC, hD, ok);
  text += nA + ":  " + h.z2s(hA) + ",   " + nB + ":  " + h.z2s(hB) + ",   " + nC + ":  " + h.z2s(hC) + ",   " + nD +
          ":  " + h.z2s(hD) + CR;
  // One centre and one radius serve both spheres, one after the other.
  double r = 0;
  ok = true;
  g.Umkugel(*M, r, ok);
  text += Kugelzeile("Umkugel", ok, *M, r) + CR;
  ok = true;
  g.Inkugel(*M, r, ok);
  text += Kugelzeile("Inkugel", ok, *M, r);
  return text;
}

std::string Dreiecktext(const FiguratT& g, const std::array<const FiguratT*, 5>& e) {
  Beschreibungsteil& h = Beschreibungsteil::Instanz();
  const std::string& CR = h.CR;
  const std::string& nA = g.Ecken[1];
  const std::string& nB = g.Ecken[2];
  const std::string& nC = g.Ecken[3];
  const VektorT& A = *e[1]->v1;
  const VektorT& B = *e[2]->v1;
  const VektorT& C = *e[3]->v1;

  Leihvektor u(h);
  Leihvektor v(h);
  Leihvektor w(h);
  A.Richtung(B, *u);
  B.Richtung(C, *v);
  C.Richtung(A, *w);
  // Corners at one place leave a side without direction: no angle at its
  // ends (after Winkel's message) and no line to drop a height onto.
  const double winkelA = u->Winkel(*w);
  const double winkelB = v->Winkel(*u);
  const double winkelC = w->Winkel(*v);
  const bool ohneSeiteA = v->IstNullvektor();
  const bool ohneSeiteB = w->IstNullvektor();
  const bool ohneSeiteC = u->IstNullvektor();

  const double F = [&] {
    Leihvektor n(h);
    u->kreuz(*v, *n);
    return n->Norm() / 2;
  }();

  // The side vectors have served; they take the feet of the heights.
  A.Fusspunkt(B, C, *u);
  B.Fusspunkt(A, C, *v);
  C.Fusspunkt(A, B, *w);

  const double a = B.dist(C);
  const double b = C.dist(A);
  const double c = A.dist(B);
  const double P = (a + b) + c;
  auto Winkelstelle = [&h](double winkel) {
    return winkel == KeinWinkel ? std::string("nicht definiert") : h.z2s(180 - winkel) + "º";
  };
  auto Hoehenstelle = [&h, F](bool ohneSeite, double seite) {
    return ohneSeite ? std::string("nicht definiert") : h.z2s((2 * F) / seite);
  };

  std::string text = "Das Dreieck " + g.name + " mit den Ecken " + nA + ", " + nB + " und " + nC +
                     " hat folgende Eigenschaften: " + CR;
  text += nA + " = " + A.Vektor2String() + ",          " + nB + " = " + B.Vektor2String() + ",    " + nC + " = " +
          C.Vektor2String() + CR;
  text += "Die Seitenlängen des Dreiecks sind " + CR;
  text += "L(" + nA + "|" + nB + ") = " + h.z2s(c) + ",   L(" + nB + "|" + nC + ") = " + h.z2s(a) + ",   L(" + nC +
          "|" + nA + ") = " + h.z2s(b) + CR;
  text += "Größen der Innenwinkel des Dreiecks an den jeweils angegebenen Ecken:" + CR;
  text += nA + ":   " + Winkelstelle(winkelA) + ",      " + nB + ":   " + Winkelstelle(winkelB) + ",     " + nC +
          ":  " + Winkelstelle(winkelC) + CR;
  text += "Der Umfang des Dreiecks beträgt " + h.z2s(P) + CR;
  text += "Der Flächeninhalt des Dreiecks beträgt " + h.z2s(F) + CR;
  text += "Die Höhen des Dreiecks mit den zugehörigen Ecken und Höhenfußpunkten sind:" + CR;
  text += nA + ": " + Hoehenstelle(ohneSeiteA, a) + ",    " + nB + ": " + Hoehenstelle(ohneSeiteB, b) + ",   " + nC +
          ": " + Hoehenstelle(ohneSeiteC, c) + CR;
  text += "F(" + nA + ") = " + u->Vektor2String() + ",     F(" + nB + ") = " + v->Vektor2String() + ",     F(" + nC +
          ") = " + w->Vektor2String();
  return text;
}

}  // namespace

std::string FiguratT::ausfBeschreibung() const {
  // Every corner is looked up, also after one is missing; a missing one leaves nothing to describe.
  std::array<const FiguratT*, 5> e{};
  if (Typ == TypTetraeder) return HoleEcken(4, e) ? Tetraedertext(*this, e) : "";
  if (Typ == TypDreieck) return HoleEcken(3, e) ? Dreiecktext(*this, e) : "";
  return "";
}
