// A whole session typed as the user types it: the command list byte for
// byte, re-executed, saved, loaded, edited, compared after each step.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "Befehlstest.h"
#include "graphics/GrafikFenster.h"

namespace {

using plattform::ListBox;

std::string Lies(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), {}};
}

const std::string golden = std::string(FIGURAT_TESTDATEN) + "/sitzung.txt";

class Sitzung : public BefehlTest {
 protected:
  void SetUp() override {
    BefehlTest::SetUp();
    ordner_ = std::filesystem::temp_directory_path() /
              ("figurat_sitzung_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(ordner_);
  }
  void TearDown() override {
    std::filesystem::remove_all(ordner_);
    BefehlTest::TearDown();
  }
  std::string Pfad(const std::string& name) const { return (ordner_ / name).string(); }

  // The graphics window's "+" and "-" on a pair of its pair list.
  static void Knopf(const char* knopf, const std::string& paar) {
    GrafikFenster& g = GrafikFenster::Instanz();
    auto& liste = g.Element<ListBox>("PunktpaarLB");
    const auto& zeilen = liste.Zeilen();
    const auto zeile = std::find(zeilen.begin(), zeilen.end(), paar);
    ASSERT_NE(zeile, zeilen.end()) << paar;
    liste.BenutzerWaehlt(static_cast<int>(zeile - zeilen.begin()));
    g.Element<plattform::BevelButton>(knopf).BenutzerKlickt();
  }
  static void Verbinde(const std::string& paar) { Knopf("verbundenB", paar); }
  static void Trenne(const std::string& paar) { Knopf("getrenntB", paar); }
  // A drawing command of the menu, executed at once.
  static void Menue(int K) {
    h().AktuelleKennung = K;
    h().FiguratAktionSingle("", "", "", "", K);
  }
  // A row dropped on the delete field, then the pointer leaving it.
  static void Loeschfeld(const std::string& zeile) {
    Feld("LoeschF").BenutzerLaesstFallen(zeile);
    Feld("LoeschF").BenutzerMausVerlaesst();
  }
  // The row of the figure list box that shows the figure.
  static std::string Figurzeile(const std::string& name) {
    const auto& liste = h().Element<ListBox>("FiguratLB");
    for (int i = 0; i < liste.ListCount(); ++i)
      if (HauptF::Figuratname(liste.Zeile(i)) == name) return liste.Zeile(i);
    ADD_FAILURE() << "keine Zeile " << name;
    return {};
  }

  // Every kind once, in the order of the golden file.
  static void Tippen() {
    Zahlpunkt("A", "1", "0", "0");
    Zahlpunkt("B", "0", "2", "0");
    Zahlpunkt("C", "0", "0", "3");
    Zahlpunkt("D", "1", "1", "1");
    Zahlebene("E", "1", "-2", "0,5", "4");
    Tue(KennungGeradePP, "g", "A", "B");
    Tue(KennungGeradePR, "h", "C", "g");
    Tue(KennungEbenePPP, "F", "A", "B", "C");
    Tue(KennungEbenePN, "N", "D", "A");
    Tue(KennungEbenePRR, "W", "D", "A", "g");
    Tue(KennungSchnitt, "S", "g", "E");
    Tue(KennungLotfusspunkt, "L", "D", "F");
    Tue(KennungSpiegelbild, "M", "D", "F");
    Tue(KennungOrthogonale, "o", "g", "D");
    Tue(KennungVerschieben, "V", "g", "D");
    Tue(KennungDrehen, "R", "D", "22,5", "g");
    Tue(KennungDreieck, "T", "A", "B", "C");
    Tue(KennungTetraeder, "K", "T", "D");
    Tue(KennungMittelsenkrechte, "m", "A", "B");
    Tue(KennungHuelle, "H", "A", "B", "D");
    Menue(KennungZeichneAlles);  // before the collections, which the picture cannot show
    Tue(KennungKlonen, "A2", "A");
    Sammlung("Z", {"g", "h"});
    Tue(KennungSchnitt, "Y", "Z", "E");
    Tue(KennungZeige, "", "g");
    Tue(KennungWinkel, "", "g", "E");
    Tue(KennungAbstand, "", "D", "F");
    Tue(KennungBeschreibe, "", "K");
    Hinweis("Eine Aufgabe\rin zwei Zeilen");
    Tue(KennungZeichne, "", "T");
    Verbinde("A:B");
    Verbinde("B:C");
    Trenne("A:B");
    Menue(KennungZeichneAllePunkte);
    Tue(KennungRadiere, "", "T");
    for (int K : {KennungRadiereAllePunkte, KennungRadiereAlleStrecken, KennungRadiereAlleFigurat, KennungRadiereAlles})
      Menue(K);
    Loeschfeld(Figurzeile("A2"));  // the figure goes, a delete command is recorded
  }

  std::filesystem::path ordner_;
};

TEST_F(Sitzung, TypedCommandsMakeTheGoldenList) {
  Tippen();
  EXPECT_EQ(h().Protokoll + "\n", Lies(golden));
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").ListCount(), 40);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{});

  Skript().WaehleDatei(Pfad("gespeichert.txt"));
  EXPECT_TRUE(h().SpeichereProtokoll());
  EXPECT_EQ(Lies(Pfad("gespeichert.txt")), Lies(golden));
}

TEST_F(Sitzung, ReplayRebuildsWhatTheTypingBuilt) {
  Tippen();
  const auto getippt = Figuren();
  EXPECT_EQ(getippt.count("A2"), 0u);
  EXPECT_EQ(getippt.at("Y"), "-5 Y|g,Y|h");
  EXPECT_EQ(getippt.count("Y|h"), 1u);
  const std::string protokoll = h().Protokoll;

  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren(), getippt);
  EXPECT_EQ(h().Protokoll, protokoll);
  EXPECT_EQ(h().AktuellerBZeiger, Befehle().back());
  EXPECT_EQ(h().AktuelleKennung, 0);
  // The descriptions of the run, the hint among them, last on top.
  const std::string info = Info();
  EXPECT_NE(info.find("\rHinweis: Eine Aufgabe in zwei Zeilen\r"), std::string::npos);
  EXPECT_NE(info.find("Der Winkel zwischen g und E"), std::string::npos);
  EXPECT_EQ(info.find("O ist der Punkt"), std::string::npos);
  EXPECT_EQ(h().Element<plattform::EditFeld>("InfoF").Text(), info);

  // Executing the same list again changes nothing.
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren(), getippt);
  EXPECT_EQ(Info(), info);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{});
}

TEST_F(Sitzung, TheGoldenFileLoadsToTheSameListAndFigures) {
  Tippen();
  const auto getippt = Figuren();
  h().AllesLoeschen();
  EXPECT_EQ(Figurennamen(), std::vector<std::string>{"O"});

  Skript().WaehleDatei(golden);
  h().LadeFile();
  EXPECT_EQ(h().Protokoll + "\n", Lies(golden));
  EXPECT_EQ(Figuren(), getippt);
  EXPECT_FALSE(h().destruktiv);
  EXPECT_EQ(Headless().Beeps(), 0);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{});

  // Saved again, the same bytes.
  Skript().WaehleDatei(Pfad("wieder.txt"));
  EXPECT_TRUE(h().SpeichereProtokoll());
  EXPECT_EQ(Lies(Pfad("wieder.txt")), Lies(golden));
}

TEST_F(Sitzung, DeletingMovingAndRestoringCommands) {
  Zahlpunkt("A", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  Zahlpunkt("C", "0", "0", "1");
  Tue(KennungGeradePP, "g", "A", "B");
  Tue(KennungEbenePPP, "E", "A", "B", "C");
  const auto alle = Figuren();

  // The row of command 2 dropped on the delete field: B goes, and with it g and E.
  Loeschfeld(h().Element<ListBox>("ProtokollBox").Zeile(1));
  EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "C", "g", "E"}));
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").Zeile(1).substr(0, 8), "<2>    C");
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"A", "C", "O"}));

  // Restored at the end: B comes back, but not the figures whose commands stand before it.
  h().Restore();
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "C", "g", "E", "B"}));
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"A", "B", "C", "O"}));

  // Moved back in place behind the first command, as a double-click in the list moves the last one.
  BefehlT* letzter = Befehle().back();
  Befehle()[3]->Zeiger = nullptr;
  letzter->Einfuegen(1);
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Namen(), (std::vector<std::string>{"A", "B", "C", "g", "E"}));
  EXPECT_EQ(Figuren(), alle);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{});
}

// A long lesson: loads, clearings and re-executions reuse the records they
// give back, so the arena stays as it was after the first of each.
TEST_F(Sitzung, RepeatedLoadsClearingsAndReExecutionsMakeNoNewRecords) {
  struct Zyklus {
    const char* was;
    std::function<void()> tue;
  };
  const Zyklus zyklen[] = {
      {"Laden", [this] { h().AllesLoeschen(); Skript().WaehleDatei(golden); h().LadeFile(); }},
      {"Alles Löschen", [] { h().AllesLoeschen(); }},
      {"Alles Aktualisieren", [] { h().AnweisungslisteAusfuehren(); }},
  };
  for (const Zyklus& z : zyklen) {
    Skript().WaehleDatei(golden);
    h().LadeFile();
    z.tue();
    const std::size_t nachDemErsten = h().Arenagroesse();
    for (int i = 1; i < 1000; ++i) z.tue();
    EXPECT_EQ(h().Arenagroesse(), nachDemErsten) << z.was;
    h().AllesLoeschen();
  }
  EXPECT_EQ(Meldungen(), std::vector<std::string>{});
}

}  // namespace
