// Numbers, the tolerance and the rules for names.

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "platform/Zahltext.h"
#include "support/Umgebung.h"
#include "ui/HauptF.h"

namespace {

class Zahlen : public ProgrammTest {
 protected:
  HauptF& h() { return HauptF::Instanz(); }
};

TEST_F(Zahlen, IstNullIsStrictBelowTheTolerance) {
  struct Fall { double x; bool null; };
  for (Fall f : {Fall{0, true}, {9.99e-8, true}, {-9.99e-8, true}, {1e-7, false}, {-1e-7, false}, {1, false},
                 {std::numeric_limits<double>::quiet_NaN(), false}})
    EXPECT_EQ(HauptF::IstNull(f.x), f.null) << f.x;
}

TEST_F(Zahlen, GgTOfAbsoluteValues) {
  struct Fall { int a, b, ggt; };
  for (Fall f : {Fall{12, 18, 6}, {-12, 18, 6}, {18, 12, 6}, {7, 0, 7}, {0, 7, 7}, {0, 0, 0}, {-4, -6, 2}, {13, 7, 1},
                 {std::numeric_limits<int>::min() + 1, 3, 1}})
    EXPECT_EQ(HauptF::ggT(f.a, f.b), f.ggt) << f.a << ", " << f.b;
}

TEST_F(Zahlen, Z2sRoundsToTheChosenDecimals) {
  struct Fall { int dezimalen; double x; const char* text; };
  for (Fall f : {Fall{6, 5e-8, "0"}, {6, -5e-8, "0"}, {2, 1.0 / 3, "0.33"}, {2, 2, "2"}, {6, 1.0 / 3, "0.333333"},
                 {6, 3e-7, "0"}, {6, -3e-7, "0"}, {2, -0.001, "0"}, {1, 2.25, "2.3"}, {3, -2.5, "-2.5"},
                 {6, 1e20, "100000000000000000000"}, {6, 123456.7890123, "123456.789012"}, {4, -7, "-7"}}) {
    h().Dezimalen = f.dezimalen;
    EXPECT_EQ(h().z2s(f.x), f.text) << f.x << " mit " << f.dezimalen;
  }
}

TEST_F(Zahlen, Z2sWritesEveryFiniteValueAsAPlainDecimalThatReadsBack) {
  std::vector<double> werte = {2e302, -2e302, 1.8e302, std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max(), 1e20 + 0.5, 4503599627.370497, 9007199254.740993,
                               123456789012.34567, 0.1 + 0.2, -5.55555550001};
  std::mt19937 zufall(11);
  std::uniform_real_distribution<double> mantisse(1, 10);
  std::uniform_int_distribution<int> exponent(-6, 308);
  for (int i = 0; i < 2000; ++i) werte.push_back((i % 2 ? -1 : 1) * mantisse(zufall) * std::pow(10.0, exponent(zufall)));
  for (int d = 1; d <= 6; ++d) {
    h().Dezimalen = d;
    const double k = std::pow(10.0, d);
    for (double x : werte) {
      if (!std::isfinite(x)) continue;  // 9.99 · 10^308
      const std::string text = h().z2s(x);
      ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
      const double y = plattform::Val(text);
      // Within the last decimal, exactly the value where the Doubles are
      // coarser than the decimals; written again, the same text.
      EXPECT_LE(std::fabs(y - x), 1 / k) << x << " mit " << d;
      if (std::fabs(x) * k >= 9007199254740992.0) {
        EXPECT_EQ(y, x) << x << " mit " << d;
      }
      EXPECT_EQ(h().z2s(y), text) << x << " mit " << d;
    }
  }
  h().Dezimalen = 6;
  EXPECT_EQ(h().z2s(2e302), plattform::Str(2e302));
  EXPECT_EQ(h().z2s(2e302).size(), 303u);
}

TEST_F(Zahlen, Z2sWritesTheShortestDigitsOfTheRoundedValue) {
  // Below 10^15 the digits come from the rounded whole number n = x · 10^d,
  // above it from the Double n / 10^d: both give what Str gives for it.
  std::mt19937_64 zufall(5);
  std::uniform_real_distribution<double> mantisse(1, 10);
  std::uniform_int_distribution<int> exponent(-8, 16);
  for (int d = 1; d <= 6; ++d) {
    h().Dezimalen = d;
    const double k = std::pow(10.0, d);
    std::vector<double> werte = {1e15 / k, -1e15 / k, std::nextafter(1e15 / k, 0.0), 0.5 / k, -0.5 / k, 1.5 / k};
    for (int i = 0; i < 20000; ++i)
      werte.push_back((i % 2 ? -1 : 1) * mantisse(zufall) * std::pow(10.0, exponent(zufall)));
    for (double x : werte) {
      if (HauptF::IstNull(x) || std::fabs(x) * k >= 9007199254740992.0) continue;
      ASSERT_EQ(h().z2s(x), plattform::Str(std::round(x * k) / k)) << x << " mit " << d;
    }
  }
  h().Dezimalen = 6;
}

TEST_F(Zahlen, MyvalReadsTypedNumbers) {
  struct Fall { const char* text; double wert; };
  for (Fall f : {Fall{"2,5", 2.5}, {"2.5", 2.5}, {"5/7", 5.0 / 7}, {"7+1/5", 7.2}, {"-3/4", -0.75}, {"1,5/2", 0.75},
                 {"1/0", 1}, {"4/0", 4}, {"12 345", 12345}, {"x = 3", 3}, {"1e5", 15}, {"+5", 5}, {"5+", 5},
                 {"1+2+3", 6}, {"-7+1/5", -6.8}, {"3 1/2", 15.5}, {"abc", 0}, {"", 0}, {"+", 0}, {"+1/2", 0.5},
                 {"1++2", 3}}) {
    EXPECT_DOUBLE_EQ(HauptF::myval(f.text), f.wert) << '"' << f.text << '"';
  }
  // The parts are added from the right, exactly as the nested sums give them.
  EXPECT_EQ(HauptF::myval("0.1+0.2+0.3"), 0.1 + (0.2 + 0.3));
}

TEST_F(Zahlen, MyvalLetsNoInfinityThrough) {
  // Words are letters, dropped like every other letter.
  for (const char* text : {"inf", "-inf", "INF", "Infinity", "nan", "-NaN", "NaN(0)"}) {
    EXPECT_EQ(HauptF::myval(text), 0) << text;
    EXPECT_TRUE(HauptF::Endlich({HauptF::myval(text)})) << text;
  }
  // Only a value beyond the Double range is not finite: too many digits, or a
  // sum, a quotient or a difference of huge values.
  const std::string neunen(400, '9');
  const std::string gross = "1" + std::string(308, '0');
  for (const std::string& text : {neunen, "-" + neunen, gross + "+" + gross, gross + "/0,1", neunen + "+-" + neunen})
    EXPECT_FALSE(HauptF::Endlich({HauptF::myval(text)})) << text.substr(0, 20);
  EXPECT_TRUE(HauptF::Endlich({HauptF::myval(gross), HauptF::myval("1/" + neunen), 0}));
}

TEST_F(Zahlen, MyvalNeverFailsOnOddTexts) {
  for (const char* text : {"-", ".", "/", "3-2", "1.5.2", "--3", "1/-", "//", ",,", "9999999999999999999999999999"})
    EXPECT_FALSE(std::isnan(HauptF::myval(text))) << text;
  EXPECT_EQ(HauptF::myval(std::string(200000, '+') + "1"), 1);
}

TEST_F(Zahlen, NameRules) {
  struct Fall { const char* name; bool erlaubt; };
  for (Fall f : {Fall{"", false}, {"A B", false}, {"A:B", false}, {" ", false}, {"G7|A", true}, {"a,b", true},
                 {"G_1", true}, {"Ä", true}})
    EXPECT_EQ(HauptF::ErlaubterName(f.name), f.erlaubt) << '"' << f.name << '"';
  EXPECT_LT(HauptF::VergleicheNamen("A", "B"), 0);
  EXPECT_EQ(HauptF::VergleicheNamen("O", "O"), 0);
  EXPECT_NE(HauptF::VergleicheNamen("a", "A"), 0);
}

TEST_F(Zahlen, TextOperations) {
  EXPECT_EQ(HauptF::Kommafrei(" A, B "), "AB");

  std::string first, rest = "alt";
  HauptF::TeileBeimKomma("A,B,C", first, rest);
  EXPECT_EQ(first, "A");
  EXPECT_EQ(rest, "B,C");
  HauptF::TeileBeimKomma(rest, first, rest);  // walking a member list
  EXPECT_EQ(first, "B");
  EXPECT_EQ(rest, "C");
  HauptF::TeileBeimKomma(rest, first, rest);
  EXPECT_EQ(first, "C");
  EXPECT_EQ(rest, "C");  // no comma: rest keeps its value
  HauptF::TeileBeimKomma(",B", first, rest);
  EXPECT_EQ(first, "");
  EXPECT_EQ(rest, "B");

  std::string hinweis = "Zeile 1\r\nZeile\t2 \xC3\xBC";
  HauptF::Filtern(hinweis);
  EXPECT_EQ(hinweis, "Zeile 1  Zeile 2 \xC3\xBC");

  struct Fall { int a, b; const char* text; };
  for (Fall f : {Fall{2, 4, "bcd"}, {1, 1, "a"}, {4, 9, "de"}, {0, 2, "ab"}, {3, 2, ""}, {7, 9, ""}})
    EXPECT_EQ(HauptF::Ausschnitt("abcde", f.a, f.b), f.text) << f.a << ".." << f.b;
}

TEST_F(Zahlen, AutomaticNumbersOnlyFromTheirOwnNames) {
  struct Fall { const char* name; int n; };
  for (Fall f : {Fall{"G_1", 1}, {"G_27", 27}, {"G_499", 499}, {"G_500", 500}, {"G_700", 700}, {"G_0", 0},
                 {"G_x", 0}, {"G_7x", 0}, {"G_07", 0}, {"G_-3", 0}, {"G_", 0}, {"g_7", 0}, {"A_7", 0},
                 {"G_99999999999999", 0}, {"G_7|P", 0}})
    EXPECT_EQ(HauptF::AutomatischeNummer(f.name), f.n) << f.name;
}

}  // namespace
