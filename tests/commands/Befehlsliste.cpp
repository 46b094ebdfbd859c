// The command list, the pool that is the undo stack, deleting and restoring.

#include <functional>
#include <utility>

#include "Befehlstest.h"
#include "core/VektorT.h"
#include "platform/Steuerelement.h"

namespace {

using plattform::EditFeld;
using plattform::ListBox;
using V = std::vector<std::string>;

class Befehlsliste : public BefehlTest {
 protected:
  void DreiBefehle() {
    Befehl(KennungPunkt, "A");
    Befehl(KennungPunkt, "B");
    Befehl(KennungPunkt, "C");
  }
  static BefehlT& Frei(const std::string& NeuG) {
    BefehlT* b;
    h().ErschaffeB(b);
    b->NeuG = NeuG;
    return *b;
  }
};

TEST_F(Befehlsliste, AppendingAndInserting) {
  EXPECT_EQ(h().BListe, nullptr);
  BefehlT& a = Befehl(KennungPunkt, "A");
  EXPECT_EQ(h().BListe, &a);
  EXPECT_EQ(a.Zeiger, nullptr);
  BefehlT& b = Befehl(KennungPunkt, "B");
  EXPECT_EQ(a.Zeiger, &b);
  EXPECT_EQ(b.Zeiger, nullptr);
  Befehl(KennungPunkt, "C");

  // After the n-th; n of 1 or less puts it after the first.
  Frei("X").Einfuegen(1);
  EXPECT_EQ(Namen(), (V{"A", "X", "B", "C"}));
  Frei("Y").Einfuegen(0);
  EXPECT_EQ(Namen(), (V{"A", "Y", "X", "B", "C"}));
  Frei("Z").Einfuegen(5);
  EXPECT_EQ(Namen(), (V{"A", "Y", "X", "B", "C", "Z"}));
  EXPECT_EQ(Befehle().back()->Zeiger, nullptr);
  // Appended behind the one inserted last, which is no longer C.
  Befehl(KennungPunkt, "W");
  EXPECT_EQ(Namen(), (V{"A", "Y", "X", "B", "C", "Z", "W"}));
}

TEST_F(Befehlsliste, PoolKeepsEveryFieldAndHandsOutTheNewestFirst) {
  BefehlT& b = Frei("P");
  b.Kennung = KennungEbene;
  b.AltG1 = "1x + 2y + 3z = 4";
  b.AltG2 = "zwei";
  b.AltG3 = "drei";
  b.Gleichung = {0, 1, 2, 3, 4};
  b.Vektor->Vektor(7, 8, 9);
  b.Einlagern();
  EXPECT_EQ(h().BLager, &b);
  EXPECT_EQ(b.Zeiger, nullptr);
  BefehlT& c = Frei("Q");
  EXPECT_EQ(&c, &b);  // taken back
  EXPECT_EQ(c.AltG1, "1x + 2y + 3z = 4");
  EXPECT_EQ(c.Gleichung[4], 4);
  EXPECT_EQ(c.Vektor->kp[3], 9);
  BefehlT& d = Frei("R");
  c.Einlagern();
  d.Einlagern();
  EXPECT_EQ(d.Zeiger, &c);
  EXPECT_EQ(Lager(), (std::vector<BefehlT*>{&d, &c}));
}

TEST_F(Befehlsliste, HoleBefehlFindsTheFirstCommandOfTheName) {
  BefehlT* b = nullptr;
  bool found = true;
  h().HoleBefehl("P", b, found);
  EXPECT_FALSE(found);

  BefehlT& erster = Befehl(KennungPunkt, "P");
  Befehl(KennungSchnitt, "S", "g", "E");
  Befehl(KennungGeradePP, "P", "A", "B");  // defines P again
  h().HoleBefehl("P", b, found);
  EXPECT_TRUE(found);
  EXPECT_EQ(b, &erster);
  h().HoleBefehl("S", b, found);
  EXPECT_EQ(b->Kennung, KennungSchnitt);

  BefehlT* vorher = b;
  h().HoleBefehl("p", b, found);  // names tell case apart
  EXPECT_FALSE(found);
  EXPECT_EQ(b, vorher);
}

TEST_F(Befehlsliste, DeletingARowPushesItsCommandAndRenumbers) {
  for (const char* n : {"A", "B", "C", "D", "E"}) Befehl(KennungPunkt, n);
  BefehlT* dritter = Befehle()[2];
  h().ZeigeBefehlsliste();
  h().LoescheBefehl(h().Element<ListBox>("ProtokollBox").Zeile(2));
  EXPECT_EQ(Namen(), (V{"A", "B", "D", "E"}));
  EXPECT_EQ(h().BLager, dritter);
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").Zeile(2).substr(0, 8), "<3>    D");

  h().LoescheBefehl("<1>");
  EXPECT_EQ(Namen(), (V{"B", "D", "E"}));
  EXPECT_EQ(Lager()[1], dritter);
}

TEST_F(Befehlsliste, DeletingKeepsTheTextAsARebuildMakesIt) {
  // Rows whose numbers lose a digit, at the front, the middle and the end; a
  // list appended to without being shown is written anew.
  auto neuaufgebaut = [] {
    std::string text;
    int n = 0;
    for (const BefehlT* b : Befehle()) text += "<" + std::to_string(++n) + ">    " + Satz(*b) + "\r";
    return text;
  };
  for (int i = 1; i <= 120; ++i) Befehl(i % 2 ? KennungPunkt : KennungZeichneAlles, "P" + std::to_string(i));
  h().ZeigeBefehlsliste();
  const std::vector<std::pair<const char*, std::function<void()>>> schritte = {
      {"<100>", [] { h().LoescheBefehl("<100>"); }},
      {"<10>", [] { h().LoescheBefehl("<10>"); }},
      {"<1>", [] { h().LoescheBefehl("<1>"); }},
      {"<117>, the last", [] { h().LoescheBefehl("<117>"); }},
      {"the last", [] { h().LoescheLetztenBefehl(); }},
      {"restored", [] { h().Restore(); }},
      {"appended unshown", [] { Befehl(KennungPunkt, "Q"); }},
      {"<50> after that", [] { h().LoescheBefehl("<50>"); }},
      {"<116>", [] { h().LoescheBefehl("<116>"); }},
  };
  for (const auto& [name, schritt] : schritte) {
    schritt();
    if (std::string(name) == "appended unshown") continue;
    EXPECT_EQ(h().Protokoll, neuaufgebaut()) << name;
    V zeilen;
    for (std::size_t a = 0, e; (e = h().Protokoll.find('\r', a)) != std::string::npos; a = e + 1)
      zeilen.push_back(h().Protokoll.substr(a, e - a));
    EXPECT_EQ(h().Element<ListBox>("ProtokollBox").Zeilen(), zeilen) << name;
  }
  EXPECT_EQ(Befehle().size(), 115u);
}

TEST_F(Befehlsliste, RowsThatDeleteNothing) {
  DreiBefehle();
  for (const char* zeile : {"", "<>", "<0>", "<4>", "<-1>", "< 2>", "<2", "2>", "x<2>", "<2x>", "<99999999999999999999>"})
    h().LoescheBefehl(zeile);
  EXPECT_EQ(Namen(), (V{"A", "B", "C"}));
  EXPECT_EQ(h().BLager, nullptr);
  EXPECT_TRUE(HauptF::IstBefehlszeile("<12>    Zeichne alles "));
  EXPECT_FALSE(HauptF::IstBefehlszeile("a<2>"));
}

TEST_F(Befehlsliste, DeletingTheLastAndRestoringInOrder) {
  h().LoescheLetztenBefehl();  // empty list: nothing at all
  h().Restore();               // empty pool: nothing
  EXPECT_EQ(h().BListe, nullptr);

  DreiBefehle();
  h().Element<EditFeld>("LastInfoF").SetzeText("C ist der Punkt");
  h().LoescheLetztenBefehl();
  EXPECT_EQ(h().Element<EditFeld>("LastInfoF").Text(), "");
  h().LoescheLetztenBefehl();
  EXPECT_EQ(Namen(), (V{"A"}));
  h().Restore();
  h().Restore();
  EXPECT_EQ(Namen(), (V{"A", "B", "C"}));
  EXPECT_EQ(h().Protokoll.substr(h().Protokoll.find("<3>"), 8), "<3>    C");

  // One command alone, then the list is empty.
  h().LoescheLetztenBefehl();
  h().LoescheLetztenBefehl();
  h().LoescheLetztenBefehl();
  EXPECT_EQ(h().BListe, nullptr);
  EXPECT_EQ(h().Protokoll, "");
}

TEST_F(Befehlsliste, ARestoredCommandGoesToTheEnd) {
  for (const char* n : {"A", "B", "C", "D", "E"}) Befehl(KennungPunkt, n);
  h().LoescheBefehl("<2>");
  h().Restore();
  EXPECT_EQ(Namen(), (V{"A", "C", "D", "E", "B"}));
}

TEST_F(Befehlsliste, ANewCommandUsesUpTheMostRecentlyDeleted) {
  DreiBefehle();
  h().LoescheBefehl("<1>");  // A
  h().LoescheBefehl("<1>");  // B
  BefehlT& neu = Befehl(KennungPunkt, "N");
  EXPECT_EQ(neu.Kennung, KennungPunkt);
  h().Restore();
  EXPECT_EQ(Namen(), (V{"C", "N", "A"}));
  h().Restore();
  EXPECT_EQ(Namen(), (V{"C", "N", "A"}));
}

TEST_F(Befehlsliste, TheBoxShowsTheLinesOfTheTextAfterEveryChange) {
  // Ten commands, so that deleting the first moves every later row's start.
  std::string datei = "<1>    A ist der Punkt mit dem Koordinatentripel: (1|2|3) \r";
  for (int n = 2; n <= 10; ++n) datei += "<" + std::to_string(n) + ">    Zeichne alles \r";
  const std::vector<std::pair<const char*, std::function<void()>>> schritte = {
      {"geladen", [&] { h().Befehlslisteeinlesen(datei); }},
      {"erste geloescht", [] { h().LoescheBefehl("<1>"); }},
      {"wiederhergestellt", [] { h().Restore(); }},
      {"letzte geloescht", [] { h().LoescheLetztenBefehl(); }},
      {"aufgezeichnet", [] { h().Aufzeichnen(KennungZeige, "", "A", "", ""); }},
      {"alles geloescht", [] { h().AllesLoeschen(); }},
  };
  for (const auto& [name, schritt] : schritte) {
    schritt();
    V zeilen;
    const std::string& text = h().Protokoll;
    for (std::size_t a = 0; a < text.size();) {
      const std::size_t cr = std::min(text.find('\r', a), text.size());
      zeilen.push_back(text.substr(a, cr - a));
      a = cr + 1;
    }
    EXPECT_EQ(zeilen.size(), Befehle().size()) << name;
    EXPECT_EQ(h().Element<ListBox>("ProtokollBox").Zeilen(), zeilen) << name;
  }
}

}  // namespace
