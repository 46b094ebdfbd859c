#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/VektorT.h"

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

// The corner names of a figure, held apart from its record: most figures of
// a long list name no corners, and the walks along it read the record only.
// Made when a name is first set, and kept with the record through the pool.
class Eckennamen {
 public:
  using Namen = std::array<std::string, 5>;
  const std::string& operator[](std::size_t i) const { return namen_ ? (*namen_)[i] : Leer()[i]; }
  std::string& operator[](std::size_t i) { return Alle()[i]; }
  Eckennamen& operator=(const Namen& namen) {
    Alle() = namen;
    return *this;
  }
  bool operator==(const Namen& namen) const { return namen_ ? *namen_ == namen : Leer() == namen; }
  // Every name empty again.
  void Leeren() {
    if (namen_)
      for (std::string& n : *namen_) n.clear();
  }
  // Fetches the names ahead, for a walk that compares them soon.
  void Vorausholen() const {
    if (namen_) __builtin_prefetch(namen_.get());
  }

 private:
  Namen& Alle() {
    if (!namen_) namen_ = std::make_unique<Namen>();
    return *namen_;
  }
  static const Namen& Leer() {
    static const Namen leer;
    return leer;
  }
  std::unique_ptr<Namen> namen_;
};

// One named figure. It owns its two vectors, which lie in the record, and its
// corner names; records go back to the figure pool instead of being freed.
// A walk along the list reads the whole record: 4 cache lines, aligned so
// that they lie in one page.
class alignas(256) FiguratT {
 public:
  FiguratT() = default;
  // v1 and v2 point into the record itself.
  FiguratT(const FiguratT&) = delete;
  FiguratT& operator=(const FiguratT&) = delete;

  std::string name;
  int Typ = TypKein;

 private:
  // Beside the type, where they take no room of their own.
  // What SetzeSichtbar said, and when by the list's clock (sichtbarStand_): a
  // later show or hide of all figures of a kind overrides it while the
  // record is listed.
  bool sichtbar_ = false;
  // Entered in the list behind its head.
  bool gereiht_ = false;

 public:
  // Its own vectors below, but null for the anonymous list head.
  VektorT* v2 = nullptr;  // direction of a line, normal of a plane
  VektorT* v1 = nullptr;  // position of a point, support point of a line or plane
  FiguratT* Zeiger = nullptr;  // the next record in the figure list or the pool

 private:
  std::uint64_t sichtbarStand_ = 0;
  // The connections and when they were last read or kept: a later cut of all
  // points' connections while the record is listed empties them when read.
  mutable std::uint64_t verbundenStand_ = 0;
  mutable std::string verbundenmit_;
  // Its place among the points of the name lists as they were last built.
  std::uint32_t punktNr_ = 0;

 public:
  // 1 to 4: corner names of a triangle or tetrahedron (4 the apex), end points
  // of a segment; 1 of a collection: its member names joined by commas.
  Eckennamen Ecken;

 private:
  std::array<VektorT, 2> eigene_;  // v1 and v2 when they are not null

 public:
  // Fetches the record ahead, for a walk that reads it soon.
  void Vorausholen() const {
    const char* r = reinterpret_cast<const char*>(this);
    for (std::size_t zeile = 0; zeile < sizeof(FiguratT); zeile += 64) __builtin_prefetch(r + zeile);
  }

  // The names of the points joined to this one, each followed by a comma.
  std::string& verbundenmit();
  const std::string& verbundenmit() const;
  // Whether the picture shows this figure.
  bool sichtbar() const;
  void SetzeSichtbar(bool ja);

  // Enters this record, which is in no list, into the figure list under its name.
  void Einlisten();
  // Puts this record, which is in no list, on top of the figure pool, its
  // name, connections and corner names emptied.
  void Einlagern();
  // Typ and the components of v1 and v2 := those of g.
  void uebernimmtGeometrieVon(const FiguratT& g);

  // ---- Operations of the constructions: src/constructions ----

  // A point, a line or a plane: the figures that have an intersection, a
  // mirror image and a distance.
  bool IstLinear() const { return TypPunkt <= Typ && Typ <= TypEbene; }
  // R := the figure orthogonal to this one through the position P (a line
  // gives a plane, a plane a line, a point the whole space and back); R is
  // not entered. ok := this figure's Typ is positive.
  void OrthogonaleDurchP(const VektorT& P, FiguratT& R, bool& ok) const;
  // Three points of this plane that span it; ok := this figure is a plane.
  void Finde3Ebenenpunkte(VektorT& P1, VektorT& P2, VektorT& P3, bool& ok) const;
  // R := this figure turned by w degrees about the line achse, as two mirror
  // images at planes through the axis; R is not entered. Acts only while ok,
  // which becomes False when achse is no line or a mirror image fails.
  void DrehungumGerade(double w, const FiguratT& achse, FiguratT& R, bool& ok) const;

  // ---- Descriptions and measures: src/descriptions ----

  // Writes the one-line description where the user reads it.
  void Ausgabe();

  // Looks up the figures named Ecken[1] to Ecken[anzahl], every one of them;
  // true when all were found. Each corner stands for its v1, whatever its type.
  bool HoleEcken(int anzahl, std::array<const FiguratT*, 5>& ecke) const;
  // The circumsphere of a tetrahedron: centre into M, radius into r. Only ever
  // clears ok; M and r stay as they were on failure.
  void Umkugel(VektorT& M, double& r, bool& ok) const;
  // The insphere of a tetrahedron, like Umkugel, but ok is set afresh.
  void Inkugel(VektorT& M, double& r, bool& ok) const;
  // The distance of each corner from the plane of its opposite face; ok is set afresh.
  void TetraHoehen(double& hA, double& hB, double& hC, double& hD, bool& ok) const;
  // The surface of a tetrahedron, the sum of its four face areas.
  double Flaeche() const;
  // The detailed description of a triangle or tetrahedron, lines joined by
  // Kernteil::CR; the empty text for any other figure or a missing corner.
  std::string ausfBeschreibung() const;

  // ---- Drawing: src/graphics ----

  // Draws the figure in the graphics window by its type, in one view or both.
  void Abbilden();

  friend class Kernteil;
};

static_assert(sizeof(FiguratT) == 256, "a record is fetched whole: 4 lines in one page");
