// Numbers, the tolerance and the rules for names.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/Kernteil.h"
#include "platform/Zahltext.h"

using plattform::Str;
using plattform::Val;

bool Kernteil::IstNull(double x) { return std::fabs(x) < 1e-7; }

int Kernteil::ggT(int a, int b) {
  // Wide enough for the absolute value of the smallest Integer.
  std::int64_t x = std::abs(static_cast<std::int64_t>(a));
  std::int64_t y = std::abs(static_cast<std::int64_t>(b));
  if (y < x) std::swap(x, y);
  while (x > 0) {
    const std::int64_t r = y % x;
    y = x;
    x = r;
  }
  return static_cast<int>(y);
}

namespace {

// n / 10^stellen written out, without zeros behind the point.
std::string Dezimaltext(std::int64_t n, int stellen) {
  if (n == 0) return "0";
  char puffer[24];
  const auto ende = std::to_chars(puffer, puffer + sizeof puffer, n < 0 ? -n : n).ptr;
  std::string_view ziffern(puffer, static_cast<std::size_t>(ende - puffer));
  std::size_t nachkomma = static_cast<std::size_t>(stellen);
  while (nachkomma > 0 && ziffern.back() == '0') {
    ziffern.remove_suffix(1);
    --nachkomma;
  }
  std::string text = n < 0 ? "-" : "";
  if (ziffern.size() <= nachkomma) {
    text += "0.";
    text.append(nachkomma - ziffern.size(), '0');
    text += ziffern;
  } else {
    text += ziffern.substr(0, ziffern.size() - nachkomma);
    if (nachkomma > 0) {
      text += '.';
      text += ziffern.substr(ziffern.size() - nachkomma);
    }
  }
  return text;
}

}  // namespace

std::string Kernteil::z2s(double x) const {
  if (IstNull(x)) return Str(0.0);
  const int stellen = std::max(Dezimalen, 0);
  double k = 1;
  for (int i = 0; i < stellen; ++i) k *= 10;
  // From 2^53 / k on the spacing of the Doubles exceeds 1 / k: x is itself
  // the Double nearest to its rounded value, and x · k would overflow near
  // the end of the range.
  if (std::fabs(x) >= 9007199254740992.0 / k) return Str(x);
  const double n = std::round(x * k);
  // Up to 15 digits a decimal and its nearest Double name each other: the
  // shortest digits of n / k are those of n with the point Dezimalen places
  // from the right, less the zeros at the end. Every number described is
  // written so, without a search for its digits (10^stellen is exact up to 10^22).
  if (stellen <= 22 && std::fabs(n) < 1e15) return Dezimaltext(static_cast<std::int64_t>(n), stellen);
  return Str(n / k);
}

namespace {

// A typed number without "+": a comma counts as a point, every character
// but digits, "-", "/" and "." is dropped, and a "/" makes a fraction.
double Bruchwert(std::string_view text) {
  std::string t;
  for (char c : text) {
    if (c == ',') c = '.';
    if ((c >= '0' && c <= '9') || c == '-' || c == '/' || c == '.') t += c;
  }
  const std::size_t q = t.find('/');
  if (q == std::string::npos) return Val(t);
  const double nenner = Val(std::string_view(t).substr(q + 1));
  const double zaehler = Val(std::string_view(t).substr(0, q));
  return nenner != 0 ? zaehler / nenner : zaehler;
}

}  // namespace

double Kernteil::myval(std::string_view text) {
  // Every "+" that is not the last character splits the text, and the parts
  // are added from the right: 1+2+3 is 1 + (2 + 3). A last "+" is dropped
  // with the other characters, which leaves the same value as adding 0.
  // Folded in a loop, so that no text can nest the calls too deep.
  std::size_t ende = text.size();
  std::size_t p = text.rfind('+');
  double summe = Bruchwert(text.substr(p == std::string::npos ? 0 : p + 1));
  while (p != std::string::npos) {
    ende = p;
    p = ende == 0 ? std::string::npos : text.rfind('+', ende - 1);
    const std::size_t anfang = p == std::string::npos ? 0 : p + 1;
    summe = Bruchwert(text.substr(anfang, ende - anfang)) + summe;
  }
  return summe;
}

bool Kernteil::Endlich(std::initializer_list<double> zahlen) {
  return std::all_of(zahlen.begin(), zahlen.end(), [](double x) { return std::isfinite(x); });
}

bool Kernteil::ErlaubterName(const std::string& name) {
  return !name.empty() && name.find(' ') == std::string::npos && name.find(':') == std::string::npos;
}

int Kernteil::VergleicheNamen(std::string_view a, std::string_view b) { return a.compare(b); }

std::string Kernteil::Kommafrei(const std::string& text) {
  std::string ohne;
  for (char c : text)
    if (c != ',' && c != ' ') ohne += c;
  return ohne;
}

void Kernteil::TeileBeimKomma(const std::string& text, std::string& first, std::string& rest) {
  const std::size_t c = text.find(',');
  if (c == std::string::npos) {
    first = text;
    return;
  }
  // Copies first: text may be rest itself.
  std::string vorne = text.substr(0, c);
  rest = text.substr(c + 1);
  first = std::move(vorne);
}

void Kernteil::Filtern(std::string& text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
}

std::string Kernteil::Ausschnitt(const std::string& text, int a, int b) {
  // Positions outside the text give what lies inside it.
  const int von = std::max(a, 1);
  const int bis = std::min(b, static_cast<int>(text.size()));
  if (bis < von) return "";
  return text.substr(von - 1, bis - von + 1);
}
