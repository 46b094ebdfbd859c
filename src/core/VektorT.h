#pragma once

#include <array>
#include <string>

class FiguratT;

// The value that VektorT::Winkel gives when one of the vectors is null.
constexpr double KeinWinkel = 666;

// The one 3-vector of the program: positions, directions, normals and every
// intermediate value. Results go into a vector the caller supplies; the
// temporaries of a computation come from the vector pool and go back to it.
class VektorT {
 public:
  std::array<double, 4> kp{};  // kp[1], kp[2], kp[3]: x, y, z
  VektorT* zeiger = nullptr;   // the next vector while this one lies in the pool

  // c := a + b; c may be a or b.
  void plus(const VektorT& b, VektorT& c) const;
  // c := a × b; c may be a, but not b.
  void kreuz(const VektorT& b, VektorT& c) const;
  // c := x·a; c may be a.
  void mal(double x, VektorT& c) const;
  double SkalProd(const VektorT& b) const;
  // c := s·a + t·b; c may be a or b.
  void LinKomb(double s, const VektorT& b, double t, VektorT& c) const;
  void Vektor(double x, double y, double z);
  // a · (b × c).
  double Det(const VektorT& b, const VektorT& c) const;
  // c := a − b, the direction from the point b to the point a; c may be a or b.
  void Richtung(const VektorT& b, VektorT& c) const;
  // Whether a is the null vector: its squared length is below the tolerance.
  bool IstNullvektor() const;
  void VereinfacheRichtung();
  bool VGanzzahlig() const;
  double Norm() const;
  void Normiere();
  bool istgleich(const VektorT& b) const;
  double dist(const VektorT& b) const;
  // The tests of the geometry, on unit vectors and distances, so that their
  // verdict does not depend on the lengths of directions and normals nor on
  // the size of the coordinates. A null vector counts as parallel and as
  // perpendicular to every vector.
  // Whether a and b are parallel: the cross product of their unit vectors is null.
  bool IstParallelZu(const VektorT& b) const;
  // Whether a and b are perpendicular: the dot product of their unit vectors is zero.
  bool IstSenkrechtZu(const VektorT& b) const;
  // Whether the point p lies on the line through q with the direction e:
  // its distance from the line passes the test of istgleich.
  bool LiegtAufGerade(const VektorT& q, const VektorT& e) const;
  // Whether the point p lies in the plane through q with the normal n: its
  // distance from the plane passes IstNull.
  bool LiegtInEbene(const VektorT& q, const VektorT& n) const;
  // q := the reflection of the point p at the point z; q may be p or z.
  void SpiegelePP(const VektorT& z, VektorT& q) const;
  std::string Vektor2String() const;
  // Degrees, 0 to 180; KeinWinkel after a message when a vector is null.
  double Winkel(const VektorT& b) const;
  // The plane through a, b, c as n·x = d with |n| = 1; ok and d stay as they
  // were when the points are collinear. n may be a or c, but not b.
  void Hesseform(const VektorT& b, const VektorT& c, VektorT& n, double& d, bool& ok) const;
  double DreiecksFlaeche(const VektorT& b, const VektorT& c) const;
  // f := the foot of the perpendicular from p onto the line through a and b;
  // f may be p, a or b.
  void Fusspunkt(const VektorT& a, const VektorT& b, VektorT& f) const;
  void uebernimmtKomponentenVon(const VektorT& b);
  void Einlagern();
  // q := p turned by w degrees, right-handed, about the axis through the
  // origin; q may be p or the axis, which must not be null. Drehung does the
  // same for many points.
  void Punktdrehung(double w, const VektorT& axis, VektorT& q) const;

  // ---- Operations of the constructions: src/constructions ----

  // Whether the point a lies on the point, line or plane g; False for any other figure.
  bool IstPunktvon(const FiguratT& g) const;
  // f := the foot of the perpendicular from the point p onto the line or plane
  // g, g's position for a point; f is left as it was for any other figure.
  void LotfusspunktPG(const FiguratT& g, VektorT& f) const;
  // q := the point p mirrored at the point, line or plane g; q may be p. q is
  // left as it was for any other figure.
  void SpiegelePG(const FiguratT& g, VektorT& q) const;
  // For the axis direction d: r1 perpendicular to d, and r2 := r1 turned by h
  // degrees clockwise, seen with the axis pointing at the viewer; the axis is
  // taken with its x component positive, as d stands when it has none.
  void DrehachsenRichtungen(double h, VektorT& r1, VektorT& r2) const;

  // ---- Projection: src/graphics ----

  // q := the picture point of this model point seen from the eye point.
  void Abbilden(VektorT& q) const;
  // q := the picture point seen from the anaglyph's shifted eye, while the
  // anaglyph is on; otherwise q stays as it was.
  void aAbbilden(VektorT& q) const;
};

// The turn of Punktdrehung as its three rows, made once for turning many points.
class Drehung {
 public:
  Drehung(double w, const VektorT& axis);
  // q := p turned; q may be p.
  void Anwenden(const VektorT& p, VektorT& q) const;

 private:
  VektorT r1_, r2_, r3_;
};
