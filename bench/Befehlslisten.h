#pragma once

// Command lists of any length for the benchmarks, as the file of a saved list
// holds them: numbered rows with explicit names, in blocks that build on the
// block before.

#include <string>
#include <utility>

#include "commands/Befehlsarten.h"
#include "platform/Zahltext.h"
#include "ui/HauptF.h"

namespace bench {

// Collects numbered rows until the list is as long as asked.
class Listenschreiber {
 public:
  explicit Listenschreiber(int anzahl) : anzahl_(anzahl) {}
  bool Voll() const { return n_ == anzahl_; }
  void operator()(int K, const std::string& neu, const std::string& a1 = "", const std::string& a2 = "",
                  const std::string& a3 = "") {
    if (Voll()) return;
    ++n_;
    text_ += '<';
    text_ += std::to_string(n_);
    text_ += ">    ";
    text_ += HauptF::BText(K, neu, a1, a2, a3);
    text_ += '\r';
  }
  std::string Text() && { return std::move(text_); }

 private:
  int anzahl_;
  int n_ = 0;
  std::string text_;
};

// A name with a number, "P-2" for ('P', -2).
inline std::string Name(char art, int i) {
  std::string name(1, art);
  name += std::to_string(i);
  return name;
}

struct Punkt {
  double x, y, z;
};

inline std::string Text(const Punkt& p) {
  std::string text = "(";
  text += plattform::Str(p.x);
  text += '|';
  text += plattform::Str(p.y);
  text += '|';
  text += plattform::Str(p.z);
  text += ')';
  return text;
}

// Coordinates that differ from block to block, with fractions.
inline std::string Koordinaten(int i) { return Text({i % 17 - 8.5, (i * 7) % 11 - 5.25, (i * i) % 13 - 6.5}); }

inline std::string Gleichung(int i) {
  return "1x + " + std::to_string(i % 5 + 1) + "y + -2z = " + std::to_string(i % 7);
}

// A realistic mix in blocks of 20 commands: points from numbers, as
// intersections and as mirror images, planes, lines, feet, rotations, a
// triangle, measures, descriptions, a hint and drawing commands. Three points
// in 20 commands: the graphics window's pair list offers every pair of them.
inline std::string Mischung(int anzahl) {
  Listenschreiber zeile(anzahl);
  zeile(KennungPunkt, "P-2", "(3|-2|5)");
  zeile(KennungPunkt, "P-1", "(-4|1|2)");
  for (int i = 0; !zeile.Voll(); ++i) {
    const std::string s = std::to_string(i);
    const std::string p = Name('P', i), p1 = Name('P', i - 1), p2 = Name('P', i - 2);
    zeile(KennungPunkt, p, Koordinaten(i));
    zeile(KennungEbene, "E" + s, Gleichung(i));
    zeile(KennungEbenePPP, "F" + s, p, p1, p2);
    zeile(KennungGeradePP, "g" + s, p, p1);
    zeile(KennungGeradePR, "h" + s, p2, "g" + s);
    zeile(KennungSchnitt, "s" + s, "E" + s, "F" + s);
    zeile(KennungLotfusspunkt, "l" + s, "g" + s, "E" + s);
    zeile(KennungSpiegelbild, "m" + s, "h" + s, "F" + s);
    zeile(KennungDrehen, "r" + s, "g" + s, "22,5", "h" + s);
    zeile(KennungSchnitt, "q" + s, "g" + s, "E" + s);
    zeile(KennungSpiegelbild, "u" + s, p2, "F" + s);
    zeile(KennungDreieck, "T" + s, p, p1, p2);
    zeile(KennungWinkel, "", "g" + s, "E" + s);
    zeile(KennungAbstand, "", p, "F" + s);
    zeile(KennungBeschreibe, "", "T" + s);
    zeile(KennungHinweis, "", "", "Block " + s + " ist fertig");
    zeile(KennungZeige, "", "s" + s);
    zeile(KennungZeichne, "", "T" + s);
    zeile(KennungVerbinde, "", p, p1);
    if (i % 10 == 9)
      zeile(KennungZeichneAllePunkte, "");
    else
      zeile(KennungZeichne, "", "g" + s);
  }
  return std::move(zeile).Text();
}

// The points from numbers of the construction: near a twisted cubic, moved a
// little every 23 blocks, so that no three that follow each other are on one
// line; the first stands before the first block.
inline Punkt Kurvenpunkt(int i) {
  if (i < 0) return {3, -2, 5};
  const double t = ((i * 7) % 23 - 11) / 2.0, r = (i / 23) % 16 / 16.0;
  return {t + r, t * t / 8 - 3 + r, t * t * t / 64 - r};
}

// The plane with the normal (1, b, -2) through the middle of p and q.
inline std::string Mittelebene(int b, const Punkt& p, const Punkt& q) {
  const double d = ((p.x + q.x) + b * (p.y + q.y) - 2 * (p.z + q.z)) / 2;
  return "1x + " + std::to_string(b) + "y + -2z = " + plattform::Str(d);
}

// A construction that is mostly points, in blocks of 16 commands: a point
// from numbers, an intersection, a foot of a perpendicular and a mirror
// image, with the four lines and three planes they are made from or lead to,
// and the drawing commands that show them. One point in four commands: a
// list of 60,000 commands has 15,000 points. Each plane from an equation
// halves the segment of two points that follow each other: no step fails
// and no message box interrupts the run.
inline std::string Konstruktion(int anzahl) {
  Listenschreiber zeile(anzahl);
  zeile(KennungPunkt, "A-1", Text(Kurvenpunkt(-1)));
  zeile(KennungPunkt, "S-1", "(-4|1|2)");
  for (int i = 0; !zeile.Voll(); ++i) {
    const std::string s = std::to_string(i);
    const std::string A = Name('A', i), A1 = Name('A', i - 1), S = Name('S', i), S1 = Name('S', i - 1);
    const std::string L = Name('L', i), M = Name('M', i), g = Name('g', i), E = Name('E', i);
    zeile(KennungPunkt, A, Text(Kurvenpunkt(i)));
    zeile(KennungGeradePP, g, A, A1);
    zeile(KennungEbene, E, Mittelebene(i % 5 + 1, Kurvenpunkt(i), Kurvenpunkt(i - 1)));
    zeile(KennungSchnitt, S, g, E);
    zeile(KennungEbenePPP, "F" + s, A, A1, S1);
    zeile(KennungLotfusspunkt, L, A1, E);
    zeile(KennungGeradePP, "h" + s, S, L);
    zeile(KennungSpiegelbild, M, A1, E);
    zeile(KennungOrthogonale, "k" + s, E, M);
    zeile(KennungGeradePR, "n" + s, M, g);
    zeile(KennungEbenePPP, "G" + s, S, L, M);
    zeile(KennungVerbinde, "", A, S);
    zeile(KennungVerbinde, "", L, M);
    zeile(KennungZeichne, "", g);
    zeile(KennungZeichne, "", S);
    if (i % 10 == 9)
      zeile(KennungZeichneAllePunkte, "");
    else
      zeile(KennungZeichne, "", M);
  }
  return std::move(zeile).Text();
}

}  // namespace bench
