#pragma once

#include <string>
#include <string_view>

namespace plattform {

// The plain conversions between numbers and texts, the same everywhere and
// independent of the locale: a point as decimal separator, no exponent, no
// thousands separators, the shortest digits that read back to the same value.
// A value that is not finite is written "nicht definiert".
std::string Str(double x);
std::string Str(int n);

// Skips leading blanks and reads an optional sign, digits and an optional
// point with further digits; stops at the first character that cannot
// continue the number. A text without digits gives 0.
double Val(std::string_view text);

// Double to Integer: truncation towards zero, NaN gives 0 and values beyond
// the Integer range are clamped to it.
int ZuGanzzahl(double x);

}  // namespace plattform
