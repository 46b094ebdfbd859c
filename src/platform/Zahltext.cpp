#include "platform/Zahltext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace plattform {

std::string Str(double x) {
  if (x == 0.0) return "0";  // negative zero too
  // Typed numbers are finite; a result beyond the Double range has no digits to show.
  if (!std::isfinite(x)) return "nicht definiert";
  // The shortest digits that read back to x, from the exponent form, written
  // out in full: the fixed format would write a huge whole number with all
  // the digits of its binary value.
  char puffer[32];
  const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific);
  if (fehler != std::errc()) return "0";
  const std::string_view form(puffer, static_cast<std::size_t>(ende - puffer));  // -d.ddde±xx
  const std::size_t e = form.find('e');
  // At most 17 digits; numbers are written for every figure described, so
  // the text is made in one piece.
  char ziffern[24];
  std::size_t anzahl = 0;
  for (char c : form.substr(0, e))
    if (c >= '0' && c <= '9') ziffern[anzahl++] = c;
  int exponent = 0;
  const std::string_view hoch = form.substr(e + (form[e + 1] == '+' ? 2 : 1));
  std::from_chars(hoch.data(), hoch.data() + hoch.size(), exponent);
  // The point stands behind this many digits.
  const long punkt = exponent + 1L;
  std::string text;
  if (x < 0) text += '-';
  if (punkt <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-punkt), '0');
    text.append(ziffern, anzahl);
  } else if (punkt >= static_cast<long>(anzahl)) {
    text.append(ziffern, anzahl);
    text.append(static_cast<std::size_t>(punkt) - anzahl, '0');
  } else {
    text.append(ziffern, static_cast<std::size_t>(punkt));
    text += '.';
    text.append(ziffern + punkt, anzahl - static_cast<std::size_t>(punkt));
  }
  return text;
}

std::string Str(int n) { return std::to_string(n); }

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negativ = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negativ = text[i] == '-';
    ++i;
  }
  const std::size_t zahlAnfang = i;
  bool ganzteilNichtNull = false;
  bool ziffern = false;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    ganzteilNichtNull |= text[i] != '0';
    ziffern = true;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ziffern = true; ++i; }
  }
  if (!ziffern) return 0.0;
  double wert = 0.0;
  auto ergebnis = std::from_chars(text.data() + zahlAnfang, text.data() + i, wert, std::chars_format::fixed);
  if (ergebnis.ec == std::errc::result_out_of_range) {
    // Beyond the Double range: too many digits before the point, or a value
    // too close to zero.
    wert = ganzteilNichtNull ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ergebnis.ec != std::errc()) {
    return 0.0;
  }
  return negativ ? -wert : wert;
}

int ZuGanzzahl(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (x <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(x);
}

}  // namespace plattform
