// Saving and loading command-list files, well-formed and not.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "Befehlstest.h"

namespace {

using V = std::vector<std::string>;

std::string Lies(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), {}};
}

const std::string drei =
    "<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) \r"
    "<2>    B ist der Punkt mit dem Koordinatentripel: (0|1|0) \r"
    "<3>    g wird definiert als Gerade durch die Punkte: A und: B \r";

class Befehlsdatei : public BefehlTest {
 protected:
  void SetUp() override {
    BefehlTest::SetUp();
    ordner_ = std::filesystem::temp_directory_path() /
              ("figurat_datei_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(ordner_);
  }
  void TearDown() override {
    std::filesystem::remove_all(ordner_);
    BefehlTest::TearDown();
  }
  std::string Datei(const std::string& inhalt, const std::string& name = "liste.txt") {
    const std::string pfad = (ordner_ / name).string();
    EXPECT_TRUE(P().Dateidienst().Schreibe(pfad, inhalt));
    return pfad;
  }
  void Laden(const std::string& inhalt) {
    Skript().WaehleDatei(Datei(inhalt));
    h().LadeFile();
  }
  long Beeps() { return Headless().Beeps(); }

  std::filesystem::path ordner_;
};

TEST_F(Befehlsdatei, SavedAndLoadedAfterARestart) {
  Laden(drei + "\n");
  const auto f = Figuren();
  Skript().WaehleDatei((ordner_ / "neu.txt").string());
  h().Element<plattform::ListBox>("G1ListB").SetzeVisible(true);
  EXPECT_TRUE(h().SpeichereProtokoll());
  EXPECT_EQ(Lies((ordner_ / "neu.txt").string()), drei + "\n");
  EXPECT_FALSE(h().Finde("G1ListB")->Visible()) << "saving clears the input bars";
  const auto gezeigt = Skript().Gezeigt();
  ASSERT_FALSE(gezeigt.empty());
  EXPECT_EQ(gezeigt.back().text, "FiguratDaten");

  h().AllesLoeschen();
  Skript().WaehleDatei((ordner_ / "neu.txt").string());
  h().LadeFile();
  EXPECT_EQ(h().Protokoll, drei);
  EXPECT_EQ(Figuren(), f);
}

TEST_F(Befehlsdatei, ALoadedPointLiesAtItsRoundedCoordinates) {
  h().Dezimalen = 2;
  Zahlpunkt("P", "1/3", "0", "0");
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figuren().at("P"), "1 (" + plattform::Str(1.0 / 3) + "|0|0)");
  Skript().WaehleDatei((ordner_ / "p.txt").string());
  ASSERT_TRUE(h().SpeichereProtokoll());
  h().AllesLoeschen();
  Skript().WaehleDatei((ordner_ / "p.txt").string());
  h().LadeFile();
  EXPECT_EQ(Figuren().at("P"), "1 (0.33|0|0)");
}

TEST_F(Befehlsdatei, LoadingAppendsAndExecutesTheWholeList) {
  Zahlpunkt("P", "5", "5", "5");
  Laden(drei);
  EXPECT_EQ(Namen(), (V{"P", "A", "B", "g"}));
  EXPECT_EQ(Figurennamen(), (V{"A", "B", "O", "P", "g"}));
  EXPECT_FALSE(h().destruktiv);
  EXPECT_EQ(h().AktuellerBZeiger, Befehle().back());
  // The same file again: the points are refused by name, the line is built anew.
  Laden(drei);
  EXPECT_EQ(Meldungen(), (V{"Der verwendete Figuratname A  ist unerlaubt oder existiert bereits",
                            "Der verwendete Figuratname B  ist unerlaubt oder existiert bereits"}));
  EXPECT_EQ(Befehle().size(), 7u);
}

TEST_F(Befehlsdatei, TheFirstCommandMayRedefineTheOrigin) {
  Laden("<1>    O ist der Punkt mit dem Koordinatentripel: (1|1|1) \r<2>    O ist der Punkt mit dem Koordinatentripel: (2|2|2) \r");
  EXPECT_EQ(Meldungen(), V{"Der verwendete Figuratname O  ist unerlaubt oder existiert bereits"});
  EXPECT_EQ(Figuren().at("O"), "1 (1|1|1)");
}

TEST_F(Befehlsdatei, LineEnds) {
  std::string crlf = drei, lf = drei;
  for (std::size_t p = crlf.find('\r'); p != std::string::npos; p = crlf.find('\r', p + 2)) crlf.insert(p + 1, "\n");
  for (char& c : lf)
    if (c == '\r') c = '\n';
  for (const std::string& datei : {crlf + "\r\n", lf, drei.substr(0, drei.size() - 1)}) {
    h().AllesLoeschen();
    Laden(datei);
    EXPECT_EQ(h().Protokoll, drei) << datei;
  }
  EXPECT_EQ(Beeps(), 0);
}

TEST_F(Befehlsdatei, NumberPrefixes) {
  Laden("<1>    Zeichne alles \r"
        "Radiere alles aus \r"              // no prefix: read whole
        "x>  Radiere alle Punkte aus \r"     // up to the first ">" taken for the prefix
        ">Zeichne alle Punkte \r"           // a first ">" stays
        "<99>Hinweis: Die Nummern zaehlen nicht \r"
        "Hinweis: bis > hier Prefix\r");    // leaves "Prefix", which fits no kind
  EXPECT_EQ(h().Protokoll,
            "<1>    Zeichne alles \r<2>    Radiere alles aus \r<3>    Radiere alle Punkte aus \r"
            "<4>    Zeichne alle Punkte \r<5>    Hinweis: Die Nummern zaehlen nicht \r");
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(Befehlsdatei, KeyPhrasesInNamesAndHintsLoadAsWhatTheyWere) {
  Zahlpunkt("Schnittpunkt", "1", "2", "3");
  Zahlpunkt("Datenpunkt", "3", "2", "1");
  Hinweis("Verbinde: A und B");
  Tue(KennungZeichne, "", "Schnittpunkt");
  const std::string protokoll = h().Protokoll;
  Skript().WaehleDatei((ordner_ / "namen.txt").string());
  ASSERT_TRUE(h().SpeichereProtokoll());
  h().AllesLoeschen();
  Skript().WaehleDatei((ordner_ / "namen.txt").string());
  h().LadeFile();
  EXPECT_EQ(h().Protokoll, protokoll);
  EXPECT_EQ(Befehle()[1]->Kennung, KennungPunkt);
  EXPECT_EQ(Befehle()[2]->Kennung, KennungHinweis);
  EXPECT_EQ(Figuren().at("Schnittpunkt"), "1 (1|2|3) sichtbar");
  EXPECT_EQ(Figuren().at("Datenpunkt"), "1 (3|2|1)");
}

TEST_F(Befehlsdatei, UnreadableLinesAreLeftOutWithABeep) {
  Zahlpunkt("X", "0", "0", "0");
  h().LoescheLetztenBefehl();  // X waits on the undo stack
  Laden("<1>    Zeichne alles \r"
        "\r"                                                                  // empty
        "<3>    g wird definiert als Gerade durch die Punkte: A und: \r"       // an operand missing
        "<4>    irgendetwas: ohne Schluessel \r"                              // no kind's phrase
        "<5>    nicht verwendet: A \r"
        "<6>    Radiere alles aus \r");
  EXPECT_EQ(h().Protokoll, "<1>    Zeichne alles \r<2>    Radiere alles aus \r");
  EXPECT_EQ(Beeps(), 4);
  // The first line used up X's record; no record is lost to the lines that failed.
  h().Restore();
  EXPECT_EQ(Befehle().size(), 2u);
  Zahlpunkt("Y", "0", "0", "0");
  h().LoescheLetztenBefehl();
  Laden("<1>    g wird definiert als Gerade durch die Punkte: A und: \r");
  h().Restore();
  EXPECT_EQ(Namen().back(), "Y");
}

TEST_F(Befehlsdatei, ANumberBeyondTheDoubleRangeMakesItsLineUnreadable) {
  const std::string neunen(400, '9');
  Laden("<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) \r"
        "<2>    P ist der Punkt mit dem Koordinatentripel: (1|" + neunen + "|0) \r"
        "<3>    E ist die Ebene mit der Gleichung: 1x + 0y + 0z = " + neunen + " \r"
        "<4>    F ist die Ebene mit der Gleichung: 1x + -" + neunen + "y + 0z = 1 \r"
        "<5>    B ist der Punkt mit dem Koordinatentripel: (0|1|0) \r"
        "<6>    g wird definiert als Gerade durch die Punkte: A und: B \r"
        "<7>    R wird definiert als Ergebnis der Drehung von: A um den Winkel: " + neunen +
        " Grad mit der Drehachse: g \r"
        "<8>    S wird definiert als Ergebnis der Drehung von: A um den Winkel: 90 Grad mit der Drehachse: g \r");
  EXPECT_EQ(Beeps(), 4);
  EXPECT_EQ(Namen(), (V{"A", "B", "g", "S"}));
  EXPECT_EQ(Figurennamen(), (V{"A", "B", "O", "S", "g"}));
}

TEST_F(Befehlsdatei, HugeNumbersAreSavedAndLoadedAtTheirValues) {
  const std::string zahl = "2" + std::string(302, '0');
  Zahlpunkt("Big", zahl, "1", "-" + zahl);
  Zahlebene("Eb", zahl, "0", "0", "1");
  const auto f = Figuren();
  EXPECT_EQ(f.at("Big"), "1 (" + zahl + "|1|-" + zahl + ")");
  Skript().WaehleDatei((ordner_ / "gross.txt").string());
  ASSERT_TRUE(h().SpeichereProtokoll());
  const std::string protokoll = h().Protokoll;
  h().AllesLoeschen();
  Skript().WaehleDatei((ordner_ / "gross.txt").string());
  h().LadeFile();
  EXPECT_EQ(Beeps(), 0);
  EXPECT_EQ(h().Protokoll, protokoll);
  EXPECT_EQ(Figuren(), f);
}

TEST_F(Befehlsdatei, AnUnreadableLineLeavesNothingToRestore) {
  ASSERT_EQ(h().BLager, nullptr);
  Laden("<1>    Zeichne alles \r<2>    g wird definiert als Gerade durch die Punkte: A und: \r");
  EXPECT_EQ(Beeps(), 1);
  h().Restore();
  EXPECT_EQ(h().Protokoll, "<1>    Zeichne alles \r");
  EXPECT_EQ(Lager().size(), 0u);
  // The record the line took serves the next one, whether it reads or not.
  const std::size_t arena = h().Arenagroesse();
  std::string viele;
  for (int i = 0; i < 100; ++i) viele += "<1>    g wird definiert als Gerade durch die Punkte: A und: \r";
  Laden(viele + "<101>    Radiere alles aus \r");
  EXPECT_EQ(h().Arenagroesse(), arena);
  EXPECT_EQ(h().Protokoll, "<1>    Zeichne alles \r<2>    Radiere alles aus \r");
  h().Restore();
  EXPECT_EQ(Befehle().size(), 2u);
}

TEST_F(Befehlsdatei, ARejectedOrCancelledLoadBringsTheFiguresBack) {
  Laden(drei);
  const auto f = Figuren();
  const std::string protokoll = h().Protokoll;
  // A file saved from an empty list, any other text, a cancel, a file that cannot be read.
  for (const std::string& inhalt : {std::string("\n"), std::string("<2>    Zeichne alles \r"), std::string()}) {
    Laden(inhalt);
    EXPECT_EQ(Meldungen(), V{"Das ist keine Figurat-Datei"});
    EXPECT_EQ(Figuren(), f);
  }
  Skript().WaehleDatei(std::nullopt);
  h().LadeFile();
  EXPECT_EQ(Figuren(), f);
  Skript().WaehleDatei((ordner_ / "fehlt.txt").string());
  h().LadeFile();
  EXPECT_EQ(Meldungen(), V{"Die Datei konnte nicht gelesen werden"});
  EXPECT_EQ(Figuren(), f);
  EXPECT_EQ(h().Protokoll, protokoll);
  EXPECT_FALSE(h().destruktiv);
}

TEST_F(Befehlsdatei, AFileThatCannotBeWritten) {
  Laden(drei);
  Skript().WaehleDatei(ordner_.string());  // a folder
  EXPECT_FALSE(h().SpeichereProtokoll());
  EXPECT_EQ(Meldungen(), V{"Die Datei konnte nicht gespeichert werden"});
  Skript().WaehleDatei(std::nullopt);
  EXPECT_FALSE(h().SpeichereProtokoll());
  EXPECT_EQ(h().Protokoll, drei);
}

TEST_F(Befehlsdatei, ASaveThatFailsKeepsTheFileSavedBefore) {
  Laden(drei);
  const std::string pfad = (ordner_ / "gespeichert.txt").string();
  Skript().WaehleDatei(pfad);
  ASSERT_TRUE(h().SpeichereProtokoll());
  for (int i = 0; i < 40; ++i) Zahlpunkt("P" + std::to_string(i), "1", "2", "3");
  P().SetzeDateien(std::make_unique<VolleDateien>(1000));
  Skript().WaehleDatei(pfad);
  EXPECT_FALSE(h().SpeichereProtokoll());
  EXPECT_EQ(Meldungen(), V{"Die Datei konnte nicht gespeichert werden"});
  EXPECT_EQ(Lies(pfad), drei + "\n");
  EXPECT_EQ(Befehle().size(), 43u);
}

TEST_F(Befehlsdatei, AFileBeyondTheLimitIsRefused) {
  Laden(drei);
  const auto f = Figuren();
  P().SetzeDateien(std::make_unique<plattform::Dateien>(1 << 20));
  std::string gross = drei;
  while (gross.size() <= (1 << 20)) gross += drei;
  for (const std::string& pfad : {Datei(gross), std::string("/dev/zero")}) {
    Skript().WaehleDatei(pfad);
    h().LadeFile();
    EXPECT_EQ(Meldungen(), V{"Die Datei ist zu groß: mehr als 1 MB werden nicht geladen"});
    EXPECT_EQ(h().Protokoll, drei);
    EXPECT_EQ(Figuren(), f);
    EXPECT_FALSE(h().destruktiv);
  }
  // The limit of the program.
  P().SetzeDateien(std::make_unique<plattform::Dateien>());
  const std::string riesig = Datei("<1>    Zeichne alles \r", "riesig.txt");
  std::filesystem::resize_file(riesig, (std::size_t{256} << 20) + 1);
  for (const std::string& pfad : {riesig, std::string("/dev/zero")}) {
    Skript().WaehleDatei(pfad);
    h().LadeFile();
    EXPECT_EQ(Meldungen(), V{"Die Datei ist zu groß: mehr als 256 MB werden nicht geladen"});
    EXPECT_EQ(h().Protokoll, drei);
  }
}

// Files of any content load without crash or hang: unreadable lines are
// beeped and left out, readable ones kept, and the list before stays.
class Fehleingaben : public Befehlsdatei {
 protected:
  void SetUp() override {
    Befehlsdatei::SetUp();
    Laden(drei);
  }
  void Pruefe(const std::string& inhalt, const std::string& angehaengt = "") {
    Laden("<1>" + inhalt);
    EXPECT_EQ(h().Protokoll.substr(0, drei.size()), drei);
    if (!angehaengt.empty()) {
      EXPECT_NE(h().Protokoll.find(angehaengt), std::string::npos);
    }
    Meldungen();
  }
};

TEST_F(Fehleingaben, RandomBytes) {
  std::mt19937 zufall(2024);
  std::string bytes(200000, '\0');
  for (char& c : bytes) c = static_cast<char>(zufall());
  Pruefe(bytes + "\r<1>    Zeichne alles \r", "Zeichne alles \r");
  EXPECT_GT(Beeps(), 0);
}

TEST_F(Fehleingaben, NulBytesAndInvalidUtf8) {
  Pruefe(std::string(5000, '\0'));
  Pruefe("\r<2>    Hinweis: \xff\xfe\xc3\x28 kaputt \r<3>    P\xc3 ist der Punkt mit dem Koordinatentripel: (1|2|3) \r",
         "Hinweis: \xff\xfe\xc3\x28 kaputt \r");
  EXPECT_EQ(Figuren().at("P\xc3"), "1 (1|2|3)");
}

TEST_F(Fehleingaben, TenMegabytes) {
  std::string viel;
  while (viel.size() < 10'000'000) viel += "\r<2>    Hinweis: " + std::string(90, 'x') + " ";
  std::string viele(10'000'000, '\r');
  Pruefe(viele);
  Pruefe(std::string(10'000'000, '>'));
  Pruefe(viel, "Hinweis: xxx");
  EXPECT_GT(Befehle().size(), 90000u);
}

TEST_F(Fehleingaben, LongLines) {
  const std::string lang(100000, 'a');
  Pruefe(lang + "\r" + "<2>    " + lang + " ist der Punkt mit dem Koordinatentripel: (1|1|1) \r" +
             "<3>    Hinweis: " + lang + " \r" + "<4>    Zeichne: " + lang + " \r",
         "Hinweis: " + lang);
  EXPECT_EQ(Figuren().count(lang), 1u);
  EXPECT_EQ(Befehle().size(), 6u);
  EXPECT_EQ(Beeps(), 1);
}

}  // namespace
