#pragma once

#include <array>
#include <cmath>

// Exact vectors for checking the geometry: integer components on a lattice
// (twelfths, tenths), so that sums, differences and products are exact; long
// double only for roots and the final divisions.

// Wide enough for a dot product of two cross products of coordinates up to ±10^7.
__extension__ typedef __int128 Ganz;
using G3 = std::array<long long, 3>;

inline G3 Plus(const G3& a, const G3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
inline G3 Minus(const G3& a, const G3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline G3 Mal(long long k, const G3& a) { return {k * a[0], k * a[1], k * a[2]}; }
inline Ganz Skalar(const G3& a, const G3& b) {
  return static_cast<Ganz>(a[0]) * b[0] + static_cast<Ganz>(a[1]) * b[1] + static_cast<Ganz>(a[2]) * b[2];
}
inline G3 Kreuz(const G3& a, const G3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline Ganz Det(const G3& a, const G3& b, const G3& c) { return Skalar(a, Kreuz(b, c)); }
inline long double Wurzel(Ganz q) { return std::sqrt(static_cast<long double>(q)); }
