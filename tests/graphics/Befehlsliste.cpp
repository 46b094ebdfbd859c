// The graphics window and the command list: the buttons that record and
// execute commands, and the picture while the list runs.

#include <algorithm>
#include <filesystem>

#include "Grafik.h"
#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"

namespace {

using plattform::BevelButton;
using plattform::ListBox;

const std::string zweiPunkte =
    "<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) \r"
    "<2>    B ist der Punkt mit dem Koordinatentripel: (0|1|0) \r";

class Befehlsliste : public GrafikTest {
 protected:
  static void Waehle(const std::string& paar) {
    auto& liste = E<ListBox>("PunktpaarLB");
    const auto& zeilen = liste.Zeilen();
    const auto zeile = std::find(zeilen.begin(), zeilen.end(), paar);
    ASSERT_NE(zeile, zeilen.end()) << paar;
    liste.BenutzerWaehlt(static_cast<int>(zeile - zeilen.begin()));
  }
  static void Klicke(const char* knopf) { E<BevelButton>(knopf).BenutzerKlickt(); }
  // Loading a file, which resets the figures and executes the whole list.
  void Laden(const std::string& inhalt) {
    const std::string pfad = Testdatei("laden.txt");
    ASSERT_TRUE(P().Dateidienst().Schreibe(pfad, inhalt));
    Skript().WaehleDatei(pfad);
    h().LadeFile();
    std::filesystem::remove(pfad);
  }
  static std::string Letzter() {
    const BefehlT* b = h().BListe;
    while (b && b->Zeiger) b = b->Zeiger;
    return b ? HauptF::BText(b->Kennung, b->NeuG, b->AltG1, b->AltG2, b->AltG3) : "";
  }
  static long Anzahl(Art art) {
    const auto& a = Aufzeichnung().Aufzeichnung();
    return std::count_if(a.begin(), a.end(), [art](const Primitiv& p) { return p.art == art; });
  }
  // The picture a full redraw of the present state draws.
  static std::vector<Primitiv> Neugezeichnet() {
    G().TotalAktualisieren();
    return Bild();
  }
  static bool Gleich(const std::vector<Primitiv>& a, const std::vector<Primitiv>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const Primitiv& x, const Primitiv& y) {
             return x.art == y.art && x.farbe == y.farbe && x.a == y.a && x.b == y.b && x.c == y.c && x.d == y.d &&
                    x.text == y.text;
           });
  }
};

TEST_F(Befehlsliste, PlusRecordsAConnectionAndExecutesTheList) {
  h().Befehlslisteeinlesen(zweiPunkte);
  Punkt("P", 5, 5, 5);  // made by hand: gone once the list runs
  h().ErzeugeNamenListen();
  G().ZeigePunktepaare();
  Waehle("A:B");
  Vergessen();
  Klicke("verbundenB");
  EXPECT_EQ(Letzter(), "Verbinde: A und: B ");
  EXPECT_EQ(Figurat("A").verbundenmit(), "B,");
  EXPECT_EQ(Figurat("B").verbundenmit(), "A,");
  EXPECT_FALSE(h().ExistiertFigurat("P"));
  EXPECT_EQ(Anzahl(Art::Loeschen), 1);
  EXPECT_EQ(E<ListBox>("PunktpaarLB").ListIndex(), -1);

  // No pair chosen: only the pair list is filled again.
  Klicke("verbundenB");
  EXPECT_EQ(Letzter(), "Verbinde: A und: B ");
  EXPECT_EQ(h().BListe->Zeiger->Zeiger->Zeiger, nullptr);
}

TEST_F(Befehlsliste, MinusSeparatesAtOnce) {
  h().Befehlslisteeinlesen(zweiPunkte + "<3>    Verbinde: A und: B \r");
  Punkt("P", 5, 5, 5);
  h().ErzeugeNamenListen();
  G().ZeigePunktepaare();
  Waehle("A:B");
  Klicke("getrenntB");
  EXPECT_EQ(Letzter(), "Trenne: A und: B ");
  EXPECT_EQ(Figurat("A").verbundenmit(), "");
  EXPECT_TRUE(h().ExistiertFigurat("P")) << "nothing is executed again";
  EXPECT_EQ(h().AktuelleKennung, KennungTrenne);

  // No pair chosen: nothing recorded.
  Klicke("getrenntB");
  EXPECT_EQ(Letzter(), "Trenne: A und: B ");
  EXPECT_EQ(h().BListe->Zeiger->Zeiger->Zeiger->Zeiger, nullptr);
}

TEST_F(Befehlsliste, TestExecutesTheWholeList) {
  h().Befehlslisteeinlesen(zweiPunkte + "<3>    Zeichne alle Punkte \r");
  Punkt("P", 5, 5, 5);
  Vergessen();
  Klicke("BevelButton1");
  EXPECT_FALSE(h().ExistiertFigurat("P"));
  EXPECT_TRUE(Figurat("B").sichtbar());
  EXPECT_EQ(Anzahl(Art::Loeschen), 1);
}

TEST_F(Befehlsliste, AReExecutionDrawsThePictureOnce) {
  h().Befehlslisteeinlesen(zweiPunkte +
                           "<3>    Zeichne alle Punkte \r<4>    Verbinde: A und: B \r<5>    Radiere alle Punkte aus \r"
                           "<6>    Zeichne: A \r<7>    Zeichne alles \r");
  Vergessen();
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Anzahl(Art::Loeschen), 1);
  const auto bild = Bild();
  EXPECT_FALSE(bild.empty());
  EXPECT_TRUE(Gleich(bild, Neugezeichnet()));
}

TEST_F(Befehlsliste, ALoadDrawsOverThePictureUnlessItsCommandsEraseIt) {
  Vergessen();
  h().Befehlslisteeinlesen(zweiPunkte + "<3>    Zeichne alle Punkte \r");
  EXPECT_EQ(Anzahl(Art::Loeschen), 0);
  EXPECT_FALSE(Aufzeichnung().Aufzeichnung().empty());

  Vergessen();
  Laden("<1>    Radiere alle Punkte aus \r<2>    Zeichne: A \r");
  EXPECT_EQ(Anzahl(Art::Loeschen), 1);
  EXPECT_TRUE(Gleich(Bild(), Neugezeichnet()));
}

TEST_F(Befehlsliste, DrawingCommandsSeeTheFiguresMadeBeforeThem) {
  h().Befehlslisteeinlesen(
      "<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) \r<2>    Zeichne alle Punkte \r"
      "<3>    B ist der Punkt mit dem Koordinatentripel: (0|1|0) \r<4>    g wird definiert als Gerade durch die "
      "Punkte: A und: B \r<5>    Zeichne alles \r<6>    C ist der Punkt mit dem Koordinatentripel: (0|0|1) \r");
  h().AnweisungslisteAusfuehren();
  EXPECT_TRUE(Figurat("A").sichtbar());
  EXPECT_TRUE(Figurat("B").sichtbar());
  EXPECT_TRUE(Figurat("g").sichtbar());
  EXPECT_FALSE(Figurat("C").sichtbar());
}

}  // namespace
