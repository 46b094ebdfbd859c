#pragma once

#include <array>
#include <string>

class VektorT;

// Type codes of FiguratT::Typ.
constexpr int TypSammlung = -5;
constexpr int TypTetraeder = -4;
constexpr int TypDreieck = -3;
constexpr int TypStrecke = -2;
constexpr int TypLeer = -1;
constexpr int TypKein = 0;
constexpr int TypPunkt = 1;
constexpr int TypGerade = 2;
constexpr int TypEbene = 3;
constexpr int TypRaum = 4;

// One named figure. It owns its two vectors and its corner names; records go
// back to the figure pool instead of being freed.
class FiguratT {
 public:
  std::string name;
  int Typ = TypKein;
  VektorT* v2 = nullptr;  // direction of a line, normal of a plane
  VektorT* v1 = nullptr;  // position of a point, support point of a line or plane
  FiguratT* Zeiger = nullptr;  // the next record in the figure list or the pool
  // 1 to 4: corner names of a triangle or tetrahedron (4 the apex), end points
  // of a segment; 1 of a collection: its member names joined by commas.
  std::array<std::string, 5> Ecken;
  std::string verbundenmit;  // names of the points joined to this one, each followed by a comma
  bool sichtbar = false;

  // Enters this record, which is in no list, into the figure list under its name.
  void Einlisten();
  // Writes the one-line description where the user reads it.
  void Ausgabe();
  // Puts this record, which is in no list, on top of the figure pool.
  void Einlagern();

  // ---- Operations of the constructions: src/constructions ----

  // ---- Measures and detailed descriptions: src/descriptions ----

  // ---- Drawing: src/graphics ----

  // Draws the figure in the graphics window by its type, in one view or both.
  void Abbilden();
};
