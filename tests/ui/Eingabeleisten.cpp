// Clearing the input bars.

#include "platform/Steuerelement.h"
#include "support/Umgebung.h"
#include "ui/HauptF.h"

namespace {

using namespace plattform;

class Eingabeleisten : public ProgrammTest {
 protected:
  static HauptF& h() { return HauptF::Instanz(); }
  // Both bars shown and filled, as an input kind leaves them.
  static void Fuellen() {
    for (const auto& e : h().Elemente()) e->SetzeVisible(true);
    for (const char* t : {"aT", "bT", "cT", "dT", "EingabeText", "durch2T", "undT"}) h().Element<StatischerText>(t).SetzeText(t);
    for (const char* f : {"aF", "bF", "cF", "dF", "GradF"}) h().Element<EditFeld>(f).SetzeText("7");
  }
  static std::string Text(const char* name) { return h().Element<StatischerText>(name).Text(); }
  static bool Sichtbar(const char* name) { return h().Finde(name)->Visible(); }
};

TEST_F(Eingabeleisten, TheNumericBar) {
  Fuellen();
  h().MenuleisteLeeren(1);
  for (const char* weg : {"aT", "aF", "bF", "cF", "dF"}) EXPECT_FALSE(Sichtbar(weg)) << weg;
  for (const char* t : {"bT", "cT", "dT"}) {
    EXPECT_EQ(Text(t), "") << t;
    EXPECT_TRUE(Sichtbar(t)) << t;
  }
  EXPECT_EQ(Text("aT"), "aT");
  EXPECT_EQ(h().Element<EditFeld>("aF").Text(), "7");  // the typed numbers stay
  // The operand bar is untouched.
  EXPECT_TRUE(Sichtbar("G1ListB"));
  EXPECT_EQ(Text("EingabeText"), "EingabeText");
}

TEST_F(Eingabeleisten, TheOperandBar) {
  Fuellen();
  h().MenuleisteLeeren(2);
  for (const char* weg : {"G1ListB", "G2ListB", "G3ListB"}) EXPECT_FALSE(Sichtbar(weg)) << weg;
  for (const char* t : {"EingabeText", "durch2T", "undT"}) {
    EXPECT_EQ(Text(t), "") << t;
    EXPECT_TRUE(Sichtbar(t)) << t;
  }
  EXPECT_TRUE(Sichtbar("GradF"));
  EXPECT_EQ(h().Element<EditFeld>("GradF").Text(), "7");
  EXPECT_TRUE(Sichtbar("aF"));
  EXPECT_EQ(Text("bT"), "bT");
}

TEST_F(Eingabeleisten, OtherNumbersChangeNothing) {
  Fuellen();
  for (int n : {0, 3, -1}) h().MenuleisteLeeren(n);
  for (const Steuerelement* e : std::vector<const Steuerelement*>{h().Finde("aF"), h().Finde("G1ListB"), h().Finde("aT")})
    EXPECT_TRUE(e->Visible()) << e->Name();
  EXPECT_EQ(Text("durch2T"), "durch2T");
  EXPECT_EQ(Text("cT"), "cT");
}

}  // namespace
