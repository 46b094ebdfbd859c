#pragma once

#include <string>

#include "descriptions/Beschreibungsteil.h"

// The constructions' and measurements' part of the main window.
class Konstruktionsteil : public Beschreibungsteil {
 public:
  static Konstruktionsteil& Instanz() { return static_cast<Konstruktionsteil&>(Kernteil::Instanz()); }

  // Properties.
  // While the commands of a file are executed, a name may be used again.
  bool destruktiv = false;

  // What the command list calls. Operands are figure names; r is the result
  // record from the figure pool, named by the caller; ok is the success flag.
  void ErzeugePunkt(const std::string& name, double x, double y, double z, bool& ok);
  void ErzeugeEbeneG(const std::string& name, double a, double b, double c, double d, bool& ok);
  void ErzeugeSammlung(const std::string& name, const std::string& members, bool& ok);
  void KloneFigurat(const std::string& newname, const std::string& source, bool& ok);
  void ErzeugeGeradePP(const std::string& P, const std::string& Q, FiguratT*& r, bool& ok);
  void ErzeugeGeradePR(const std::string& P, const std::string& R, FiguratT*& r, bool& ok);
  void ErzeugeEbenePPP(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r, bool& ok);
  void ErzeugeEbenePN(const std::string& P, const std::string& N, FiguratT*& r, bool& ok);
  void ErzeugeEbenePRR(const std::string& P, const std::string& R1, const std::string& R2, FiguratT*& r, bool& ok);
  void ErzeugeSchnitt(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeLotfussfpunktG(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeSpiegelbild(const std::string& A, const std::string& S, FiguratT*& r, bool& ok);
  void ErzeugeOrthogonale(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeVerschieben(const std::string& A, const std::string& P, FiguratT*& r, bool& ok);
  // A failed rotation reports ok False, so that it is never recorded.
  void ErzeugeDrehung(const std::string& A, double winkel, const std::string& achse, FiguratT*& r, bool& ok);
  void ErzeugeDreieck(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r, bool& ok);
  void ErzeugeTetraeder(const std::string& basis, const std::string& spitze, FiguratT*& r, bool& ok);
  void ErzeugeMittelsenkrechte(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeHuelle(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r, bool& ok);
  // The angle and distance sentences go into the description buffer.
  void Winkelausgabe(const std::string& A, const std::string& B, bool& ok);
  void Abstandausgabe(const std::string& A, const std::string& B, bool& ok);

  // Internal operations of the constructions; none enters a figure.
  // The name test of the point, the plane from numbers and the collection: a
  // name that is not allowed, or that is used while no loaded file is being
  // executed (destruktiv).
  bool NameAbgelehnt(const std::string& name) const;
  // A point of the plane a·x + b·y + c·z = d, which must have a normal.
  void EbenenPunkt(double a, double b, double c, double d, VektorT& p);
  // r := p − q, the direction of the line through p and q.
  void PP2G(const VektorT& p, const VektorT& q, VektorT& r);
  // R := the intersection of A and B. ok becomes False for a pair that has
  // none (a triangle, tetrahedron, segment or collection among them).
  void Schnitt(const FiguratT& A, const FiguratT& B, FiguratT& R, bool& ok);
  // r := a point common to the two planes E and F, which must not be parallel.
  void GemeinsamerEbenenpunkt(const FiguratT& E, const FiguratT& F, VektorT& r);
  // The angle of two lines or planes in degrees; ok becomes False for any
  // other pair and for a null direction.
  double BerechneWinkel(const std::string& A, const std::string& B, bool& ok);
  // The distance of two points, lines or planes; 0 for any other pair.
  double Abstand(const std::string& A, const std::string& B);
  double AbstandG(const FiguratT& A, const FiguratT& B);
  // R := A mirrored at S. Acts only while ok; ok becomes False unless both
  // are points, lines or planes.
  void Spiegele(const FiguratT& A, const FiguratT& S, FiguratT& R, bool& ok);
  // R := the affine hull of A, B and C, each empty, a point, a line, a plane or the whole space.
  void Huelle(const FiguratT& A, const FiguratT& B, const FiguratT& C, FiguratT& R);
  // R := the hull of two, by the pair of their types.
  void Huelle2(const FiguratT& A, const FiguratT& B, FiguratT& R);
};
