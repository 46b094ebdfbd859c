// Reading a command sentence back into a command, and the kind of a line of
// a command-list file.

#include <string_view>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "commands/Befehlsteil.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"
#include "platform/Zahltext.h"

namespace {

constexpr auto npos = std::string_view::npos;

// The reader walks the line through views into it and copies only what it keeps.
std::string_view OhneFuehrendeBlanks(std::string_view text) {
  const std::size_t a = text.find_first_not_of(' ');
  return a == npos ? std::string_view() : text.substr(a);
}

// The rest of a line loses the sentence's final blank.
std::string_view OhneSchlussblank(std::string_view text) {
  return !text.empty() && text.back() == ' ' ? text.substr(0, text.size() - 1) : text;
}

// The text after the first occurrence of c, the whole text without one.
std::string_view Hinter(std::string_view text, char c) {
  const std::size_t p = text.find(c);
  return p == npos ? text : text.substr(p + 1);
}

// Only blanks and colons count; the fixed words between the operands are never compared.
Satzlesung LiesSatz(std::string_view line, int K) {
  Satzlesung g;
  g.Kennung = K;
  const Befehlsart* art = Befehlsart::Zu(K);
  // A kind outside the table reads as a definition: a name and a colon.
  if (!art || art->Hat(Befehlsart::Definition)) {
    const std::size_t p = line.find(' ');
    if (p == npos || p == 0) return g;
    g.name = line.substr(0, p);
  }
  const std::size_t c = line.find(':');
  if ((c == npos || c == 0) && (!art || art->Felderzahl() > 0)) return g;
  std::string_view rest = OhneFuehrendeBlanks(c == npos ? line : line.substr(c + 1));
  if (!art) {
    g.passt = true;
    return g;
  }

  bool ok = true;
  switch (art->lesart) {
    case Lesart::Koordinaten: {
      Leihvektor v;
      Befehlsteil::Zeile2Vektor(rest, *v, ok);
      g.x = v->kp[1];
      g.y = v->kp[2];
      g.z = v->kp[3];
      g.feld[1] = OhneSchlussblank(rest);
      break;
    }
    case Lesart::Gleichung:
      Befehlsteil::Gleichung2GleichungsFeld(rest, g.Gleichung, ok);
      g.feld[1] = OhneSchlussblank(rest);
      break;
    case Lesart::Hinweis:
      ok = rest.size() > 1;
      g.feld[2] = OhneSchlussblank(rest);
      break;
    case Lesart::Namen:
      for (int i = 0; ok && i < art->Felderzahl(); ++i) {
        // Each operand after the first stands behind the colon that follows the one just read.
        if (i > 0) {
          const std::size_t d = rest.find(':');
          ok = d != npos && d > 0;
          if (!ok) break;
          rest = OhneFuehrendeBlanks(rest.substr(d + 1));
        }
        // An operand ends at its first blank.
        rest = OhneFuehrendeBlanks(rest);
        const std::size_t p = rest.find(' ');
        ok = p != npos && p > 0;
        if (ok) g.feld[art->teile[i].feld] = rest.substr(0, p);
      }
      // The angle of a rotation is a typed number, and must be one that can be used.
      if (ok && art->Hat(Befehlsart::Winkel)) ok = Befehlsteil::Endlich({Befehlsteil::myval(g.feld[2])});
      break;
  }
  g.passt = ok;
  return g;
}

// Whether the line is the very sentence the kind writes for what was read from it.
bool IstSatz(std::string_view line, const Befehlsart& art, const Satzlesung& g) {
  bool gleich = true;
  art.Satzstuecke(g.name, g.feld, [&](std::string_view stueck) {
    gleich = gleich && line.starts_with(stueck);
    if (gleich) line.remove_prefix(stueck.size());
  });
  return gleich && line.empty();
}

}  // namespace

void BefehlT::Zeile2Befehl(std::string_view line, int K, bool& ok) { Zeile2Befehl(LiesSatz(line, K), ok); }

void BefehlT::Zeile2Befehl(const Satzlesung& gelesen, bool& ok) {
  ok = gelesen.passt;
  if (!ok) {
    plattform::plattform().Beep();
    return;
  }
  NeuG = gelesen.name;
  AltG1 = gelesen.feld[1];
  AltG2 = gelesen.feld[2];
  AltG3 = gelesen.feld[3];
  for (int i = 1; i <= 4; ++i) Gleichung[i] = gelesen.Gleichung[i];
  const Befehlsart* art = Befehlsart::Zu(gelesen.Kennung);
  if (art && art->lesart == Lesart::Koordinaten) Vektor->Vektor(gelesen.x, gelesen.y, gelesen.z);
  Kennung = gelesen.Kennung;
}

void Befehlsteil::Zeile2Vektor(std::string_view text, VektorT& v, bool& ok) {
  ok = false;
  const std::size_t a = text.find('(');
  if (a == npos) return;
  std::string_view rest = text.substr(a + 1);
  std::string_view teil[3];
  const char ende[3] = {'|', '|', ')'};
  for (int i = 0; i < 3; ++i) {
    const std::size_t p = rest.find(ende[i]);
    if (p == npos || p == 0) return;
    teil[i] = rest.substr(0, p);
    rest = rest.substr(p + 1);
  }
  // Typed numbers: a coordinate text written by the point dialog may hold "2,5" or "7+1/5".
  const double x = myval(teil[0]);
  const double y = myval(teil[1]);
  const double z = myval(teil[2]);
  // A number that overflows was never written by the program: the line does not fit.
  ok = Endlich({x, y, z});
  if (ok) v.Vektor(x, y, z);
}

void Befehlsteil::Gleichung2GleichungsFeld(std::string_view text, std::array<double, 5>& G, bool& ok) {
  using plattform::Val;
  const std::size_t a = text.find('x');
  ok = a != npos && a > 0;
  if (!ok) return;
  G[1] = Val(text.substr(0, a));
  std::string_view rest = Hinter(text, '+');
  const std::size_t e = rest.find('y');
  ok = e != npos && e > 0;
  if (!ok) return;
  G[2] = Val(rest.substr(0, e));
  rest = Hinter(rest, '+');
  const std::size_t l = rest.find('z');
  ok = l != npos && l > 0;
  if (!ok) return;
  G[3] = Val(rest.substr(0, l));
  G[4] = Val(Hinter(rest, '='));
  ok = Endlich({G[1], G[2], G[3], G[4]});
}

int Befehlsteil::Satzart(std::string_view zeile) const { return LiesZeile(zeile).Kennung; }

Satzlesung Befehlsteil::LiesZeile(std::string_view zeile) const {
  // A key phrase can stand inside a name or a hint: of the kinds whose phrase
  // occurs, the highest whose reading rebuilds the very same sentence wins.
  // Only the kinds whose sentences begin like the line can rebuild it.
  Satzlesung beste;
  auto probiere = [&](std::string_view satz, bool definition) {
    for (const Befehlsart* art : Befehlsart::MitKopf(satz)) {
      if (art->Hat(Befehlsart::Definition) != definition || art->Kennung <= beste.Kennung) continue;
      if (zeile.find(BefehlsSchluessel[art->Kennung]) == npos) continue;
      const Satzlesung g = LiesSatz(zeile, art->Kennung);
      if (g.passt && IstSatz(zeile, *art, g)) beste = g;
    }
  };
  probiere(zeile, false);
  if (const std::size_t nachName = zeile.find(' '); nachName != npos) probiere(zeile.substr(nachName), true);
  if (beste.Kennung > 0) return beste;
  // No sentence of its own: the highest kind whose phrase occurs, read as it can be.
  const auto& alle = Befehlsart::Alle();
  for (auto art = alle.rbegin(); art != alle.rend(); ++art)
    if (zeile.find(BefehlsSchluessel[art->Kennung]) != npos) return LiesSatz(zeile, art->Kennung);
  return beste;
}
