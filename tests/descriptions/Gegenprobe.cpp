// An independent check of the measures: random tetrahedra and triangles with
// small rational corners, against values computed here from the corners by
// other formulas, in integer arithmetic, with long double only for roots,
// angles and the final divisions.

#include <cmath>
#include <random>

#include "descriptions/Eckfiguren.h"
#include "platform/Zahltext.h"
#include "support/Gitter.h"

namespace {

// Corners k/d with |k| ≤ 6 and d one of 1, 2, 3, 4, 6 lie on the lattice of
// twelfths, so that every product below is an exact integer.
constexpr long long Zwoelftel = 12;

long double Laenge(const G3& a) { return Wurzel(Skalar(a, a)) / Zwoelftel; }
long double Abstand(const G3& a, const G3& b) { return Laenge(Minus(a, b)); }
// Half the length of a cross product: the area of the triangle it spans.
long double Flaeche(const G3& a, const G3& b, const G3& c) {
  return Laenge(Kreuz(Minus(b, a), Minus(c, a))) / (2 * Zwoelftel);
}

class Gegenprobe : public EckTest {
 protected:
  void SetUp() override {
    EckTest::SetUp();
    h().ProtokollAn = false;  // the one-liners of thousands of figures stay out of the buffer
  }

  G3 Zufallsecke() {
    std::uniform_int_distribution<int> zaehler(-6, 6);
    std::uniform_int_distribution<int> nenner(0, 4);
    const int teiler[] = {1, 2, 3, 4, 6};
    G3 p{};
    for (long long& x : p) x = zaehler(zufall_) * (Zwoelftel / teiler[nenner(zufall_)]);
    return p;
  }
  static void Eintragen(const char* name, const G3& p) {
    Punkt(name, static_cast<double>(p[0]) / Zwoelftel, static_cast<double>(p[1]) / Zwoelftel,
          static_cast<double>(p[2]) / Zwoelftel);
  }
  static void Koordinaten(std::vector<long double>& werte, const G3& p) {
    for (long long x : p) werte.push_back(static_cast<long double>(x) / Zwoelftel);
  }

  // Every number of the text, in order, shows its exact value within the one
  // tolerance: it lies between the texts of the value minus and plus 1e-7.
  static void ErwarteZahlen(const std::string& text, const std::vector<long double>& genau) {
    const std::vector<std::string> gezeigt = Zahlen(text);
    ASSERT_EQ(gezeigt.size(), genau.size()) << text;
    for (std::size_t i = 0; i < genau.size(); ++i) {
      const double x = static_cast<double>(genau[i]);
      const double wert = plattform::Val(gezeigt[i]);
      EXPECT_LE(plattform::Val(h().z2s(x - 1e-7)), wert) << i << ": " << gezeigt[i] << " for " << x;
      EXPECT_GE(plattform::Val(h().z2s(x + 1e-7)), wert) << i << ": " << gezeigt[i] << " for " << x;
    }
  }

  // The numbers of a text: digits with an optional minus sign and decimals.
  static std::vector<std::string> Zahlen(const std::string& text) {
    auto Ziffer = [&text](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::vector<std::string> zahlen;
    for (std::size_t i = 0; i < text.size();) {
      if (!Ziffer(i) && !(text[i] == '-' && Ziffer(i + 1))) {
        ++i;
        continue;
      }
      const std::size_t anfang = i++;
      while (Ziffer(i)) ++i;
      if (i < text.size() && text[i] == '.' && Ziffer(i + 1))
        for (++i; Ziffer(i);) ++i;
      zahlen.push_back(text.substr(anfang, i - anfang));
    }
    return zahlen;
  }

  std::mt19937 zufall_{20240607};
};

void ErwarteNahe(const VektorT& v, const std::array<long double, 3>& genau) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(v.kp[i + 1], static_cast<double>(genau[i]), 1e-7);
}

TEST_F(Gegenprobe, AThousandTetrahedra) {
  int geprueft = 0;
  while (geprueft < 1000) {
    const std::array<G3, 4> p = {Zufallsecke(), Zufallsecke(), Zufallsecke(), Zufallsecke()};
    const G3 &A = p[0], &B = p[1], &C = p[2], &D = p[3];
    const Ganz det = Det(Minus(B, A), Minus(C, A), Minus(D, A));
    long double laengste = 0;
    for (int i = 0; i < 4; ++i)
      for (int j = i + 1; j < 4; ++j) laengste = std::max(laengste, Abstand(p[i], p[j]));
    // Not degenerate, and not so flat that rounding would rule.
    const long double V = std::fabs(static_cast<long double>(det)) / (6 * Zwoelftel * Zwoelftel * Zwoelftel);
    if (6 * V < 0.05L * laengste * laengste * laengste) continue;
    ++geprueft;
    SCOPED_TRACE(geprueft);

    // Faces named by their opposite corners.
    const std::array<long double, 4> seite = {Flaeche(B, C, D), Flaeche(C, D, A), Flaeche(D, A, B), Flaeche(A, B, C)};
    const long double S = seite[0] + seite[1] + seite[2] + seite[3];
    // The circumcentre from 2 (P − A) · M = |P|² − |A|² for P = B, C, D, by Cramer's rule.
    const G3 z1 = Minus(B, A), z2 = Minus(C, A), z3 = Minus(D, A);
    const G3 z[3] = {{2 * z1[0], 2 * z1[1], 2 * z1[2]}, {2 * z2[0], 2 * z2[1], 2 * z2[2]},
                     {2 * z3[0], 2 * z3[1], 2 * z3[2]}};
    auto Rechts = [&A](const G3& P) { return static_cast<long long>(Skalar(P, P) - Skalar(A, A)); };
    const G3 rechts = {Rechts(B), Rechts(C), Rechts(D)};
    auto Spalte = [&](int k) {  // the system's matrix with column k replaced by the right side
      G3 s[3] = {z[0], z[1], z[2]};
      for (int i = 0; i < 3; ++i) s[i][k] = rechts[i];
      return Det(s[0], s[1], s[2]);
    };
    const Ganz n = Det(z[0], z[1], z[2]);
    std::array<long double, 3> umMitte{};
    long double umQuadrat = 0;
    for (int k = 0; k < 3; ++k) {
      umMitte[k] = static_cast<long double>(Spalte(k)) / (n * Zwoelftel);
      const long double d = static_cast<long double>(Spalte(k) - n * A[k]);
      umQuadrat += d * d;
    }
    const long double umRadius = std::sqrt(umQuadrat) / (std::fabs(static_cast<long double>(n)) * Zwoelftel);
    // The incentre is the mean of the corners weighted by their opposite faces.
    std::array<long double, 3> inMitte{};
    for (int k = 0; k < 3; ++k) {
      for (int e = 0; e < 4; ++e) inMitte[k] += seite[e] * p[e][k];
      inMitte[k] /= S * Zwoelftel;
    }
    const long double inRadius = 3 * V / S;

    const char* namen[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) Eintragen(namen[i], p[i]);
    const FiguratT& t = Tetraeder("T", {"A", "B", "C", "D"});
    VektorT& M = Vektor(0, 0, 0);
    const auto lager = Lagerbestand();

    std::vector<long double> zahlen;
    for (const G3& ecke : p) Koordinaten(zahlen, ecke);
    const long double kanten[6] = {Abstand(A, B), Abstand(B, C), Abstand(C, A),
                                   Abstand(D, A), Abstand(D, B), Abstand(D, C)};
    zahlen.insert(zahlen.end(), kanten, kanten + 6);
    zahlen.push_back(V);
    zahlen.push_back(kanten[0] + kanten[1] + kanten[2] + kanten[3] + kanten[4] + kanten[5]);
    zahlen.push_back(S);
    for (long double f : seite) zahlen.push_back(3 * V / f);
    zahlen.insert(zahlen.end(), umMitte.begin(), umMitte.end());
    zahlen.push_back(umRadius);
    zahlen.insert(zahlen.end(), inMitte.begin(), inMitte.end());
    zahlen.push_back(inRadius);
    ErwarteZahlen(t.ausfBeschreibung(), zahlen);

    // The routines themselves, at full precision.
    double r = 0;
    bool ok = true;
    t.Umkugel(M, r, ok);
    EXPECT_TRUE(ok);
    ErwarteNahe(M, umMitte);
    EXPECT_NEAR(r, static_cast<double>(umRadius), 1e-7);
    t.Inkugel(M, r, ok);
    EXPECT_TRUE(ok);
    ErwarteNahe(M, inMitte);
    EXPECT_NEAR(r, static_cast<double>(inRadius), 1e-7);
    std::array<double, 4> hoehe{};
    t.TetraHoehen(hoehe[0], hoehe[1], hoehe[2], hoehe[3], ok);
    EXPECT_TRUE(ok);
    for (int e = 0; e < 4; ++e) EXPECT_NEAR(hoehe[e], static_cast<double>(3 * V / seite[e]), 1e-7);
    EXPECT_NEAR(t.Flaeche(), static_cast<double>(S), 1e-7);
    ErwarteLager(lager);
    M.Einlagern();
    if (HasFailure()) break;
  }
}

TEST_F(Gegenprobe, AThousandTriangles) {
  const long double grad = 180 / (4 * std::atan(1.0L));
  int geprueft = 0;
  while (geprueft < 1000) {
    const std::array<G3, 3> p = {Zufallsecke(), Zufallsecke(), Zufallsecke()};
    const G3 &A = p[0], &B = p[1], &C = p[2];
    const long double a = Abstand(B, C), b = Abstand(C, A), c = Abstand(A, B);
    const long double F = Flaeche(A, B, C);
    const long double laengste = std::max({a, b, c});
    // Not degenerate, and no angle so small that rounding would rule.
    if (2 * F < 0.05L * laengste * laengste) continue;
    ++geprueft;
    SCOPED_TRACE(geprueft);

    // The angle at P between the sides to Q and R, from the exact dot product.
    auto Winkel = [&](const G3& P, const G3& Q, const G3& R) {
      const G3 u = Minus(Q, P), v = Minus(R, P);
      const long double cosinus =
          Skalar(u, v) / std::sqrt(static_cast<long double>(Skalar(u, u)) * static_cast<long double>(Skalar(v, v)));
      return std::acos(cosinus) * grad;
    };
    // The foot from P onto the line through Q and R: Q + ((P − Q) · t / t · t) t with t = R − Q.
    auto Fuss = [](std::vector<long double>& werte, const G3& P, const G3& Q, const G3& R) {
      const G3 t = Minus(R, Q);
      const Ganz tt = Skalar(t, t);
      const Ganz s = Skalar(Minus(P, Q), t);
      for (int k = 0; k < 3; ++k)
        werte.push_back(static_cast<long double>(Q[k] * tt + s * t[k]) / static_cast<long double>(tt * Zwoelftel));
    };

    Eintragen("A", A);
    Eintragen("B", B);
    Eintragen("C", C);
    const FiguratT& d = Dreieck("R", {"A", "B", "C"});
    const auto lager = Lagerbestand();

    std::vector<long double> zahlen;
    for (const G3& ecke : p) Koordinaten(zahlen, ecke);
    zahlen.insert(zahlen.end(), {c, a, b, Winkel(A, B, C), Winkel(B, C, A), Winkel(C, A, B), a + b + c, F});
    zahlen.insert(zahlen.end(), {2 * F / a, 2 * F / b, 2 * F / c});
    Fuss(zahlen, A, B, C);
    Fuss(zahlen, B, A, C);
    Fuss(zahlen, C, A, B);
    ErwarteZahlen(d.ausfBeschreibung(), zahlen);
    ErwarteLager(lager);
    if (HasFailure()) break;
  }
}

}  // namespace
