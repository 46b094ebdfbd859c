// Triangles, tetrahedra and collections: figures that hold the names of
// other figures, looked up whenever they are needed.

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "platform/Plattform.h"

void Konstruktionsteil::ErzeugeDreieck(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r,
                                       bool& ok) {
  if (!ok) return;
  // Corners are points; degenerate positions are accepted.
  ok = FiguratTypNr(A) == TypPunkt && FiguratTypNr(B) == TypPunkt && FiguratTypNr(C) == TypPunkt &&
       VergleicheNamen(A, B) != 0 && VergleicheNamen(A, C) != 0 && VergleicheNamen(B, C) != 0;
  if (!ok) {
    plattform::plattform().MsgBox("Fehler beim Erzeugen eines Dreiecks");
    return;
  }
  FiguratT& g = *r;
  g.Ecken[1] = A;
  g.Ecken[2] = B;
  g.Ecken[3] = C;
  g.Typ = TypDreieck;
  g.Einlisten();
}

void Konstruktionsteil::ErzeugeTetraeder(const std::string& basis, const std::string& spitze, FiguratT*& r, bool& ok) {
  ok = ok && FiguratTypNr(basis) == TypDreieck && FiguratTypNr(spitze) == TypPunkt;
  FiguratT* D = nullptr;
  if (ok) {
    bool gefunden;
    HoleFigurat(basis, D, gefunden);
    // The apex is no corner of the base, and every corner is still a point.
    for (int i = 1; i <= 3; ++i)
      ok = ok && VergleicheNamen(spitze, D->Ecken[i]) != 0 && FiguratTypNr(D->Ecken[i]) == TypPunkt;
  }
  if (!ok) {
    plattform::plattform().MsgBox("Fehler beim Erzeugen eines Tetraeders");
    return;
  }
  // The corner names are taken over once; the tetrahedron does not follow the triangle.
  FiguratT& g = *r;
  for (int i = 1; i <= 3; ++i) g.Ecken[i] = D->Ecken[i];
  g.Ecken[4] = spitze;
  g.Typ = TypTetraeder;
  g.Einlisten();
}

void Konstruktionsteil::ErzeugeSammlung(const std::string& name, const std::string& members, bool& ok) {
  if (NameAbgelehnt(name)) {
    plattform::plattform().MsgBox("Der verwendete Figuratname " + name + "  ist unerlaubt oder existiert bereits");
    ok = false;
    return;
  }
  // Entering replaces a figure of the same name; the member list is taken as it stands.
  FiguratT* g;
  ErschaffeG(g);
  g->name = name;
  g->Ecken[1] = members;
  g->Typ = TypSammlung;
  g->Einlisten();
  ok = true;
}
