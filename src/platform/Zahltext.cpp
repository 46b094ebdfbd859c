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
  // The fixed format of the largest Double has 309 digits before the point and
  // the smallest subnormal about 750 after it.
  char puffer[1100];
  auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed);
  if (fehler != std::errc()) return "0";
  return std::string(puffer, ende);
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
