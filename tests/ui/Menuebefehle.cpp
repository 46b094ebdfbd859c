// The menu commands: which input kind each chooses, the drawing commands run
// at once, the two questions, the description mode, help and information.

#include <filesystem>
#include <functional>

#include "ui/HilfeFenster.h"
#include "ui/Hauptfenster.h"
#include "ui/MenuBar1.h"

namespace {

using plattform::MenuItem;

class Menuebefehle : public HauptfensterTest {
 protected:
  void Beispiel() {
    Zahlpunkt("A", "1", "0", "0");
    Zahlpunkt("B", "0", "1", "0");
    Tue("GGeradePP", "g", "A", "B");
  }
};

TEST_F(Menuebefehle, EveryCommandAndTheHelpTitleHaveAHandler) {
  int handler = 0;
  std::function<void(const MenuItem&)> pruefe = [&](const MenuItem& m) {
    for (const auto& k : m.Kinder()) {
      const bool befehl = k->Count() == 0 && !k->IstSeparator();
      EXPECT_EQ(h().HatMenueHandler(k->Name), befehl || k->Name == "HilfeM") << k->Name;
      handler += h().HatMenueHandler(k->Name);
      pruefe(*k);
    }
  };
  pruefe(MenuBar1());
  EXPECT_EQ(handler, 44);
}

TEST_F(Menuebefehle, ItemsThatChooseAnInputKind) {
  struct Fall {
    const char* punkt;
    int kennung;
  };
  for (Fall f : std::initializer_list<Fall>{{"NumPunkt", 1},
                                            {"NumEbene", 2},
                                            {"GGeradePP", 11},
                                            {"GGeradePR", 12},
                                            {"GEbenePPP", 13},
                                            {"GEbenePN", 14},
                                            {"GEbenePRR", 15},
                                            {"GErzeugeSchnitt", 16},
                                            {"GErzeugeLotfusspunktG", 17},
                                            {"GErzeugeSpiegelbild", 18},
                                            {"GErzeugeOrthogonale", 19},
                                            {"GErzeugeVerschieben", 20},
                                            {"GErzeugeDrehen", 21},
                                            {"FiguratDreieck", 22},
                                            {"FiguratTetraeder", 23},
                                            {"GErzeugeMittelsenkrechte", 24},
                                            {"FiguratHuelle", 25},
                                            {"GErzeugeKlonen", 30},
                                            {"FiguratSammlung", 31},
                                            {"AusgabeZeige", 41},
                                            {"BerechneWinkel", 42},
                                            {"BerechneAbstand", 43},
                                            {"AusgabeBeschreibe", 44},
                                            {"FileHInweis", 45},
                                            {"grafischeDarstellungZeichne", 48},
                                            {"RadiereItem", 49}}) {
    Menue(f.punkt);
    EXPECT_EQ(h().AktuelleKennung, f.kennung) << f.punkt;
  }
  // Choosing records nothing, also for drawing and erasing one figure.
  EXPECT_TRUE(Befehle().empty());
}

TEST_F(Menuebefehle, DrawingItemsRunAtOnce) {
  struct Fall {
    const char* punkt;
    int kennung;
    const char* satz;
  };
  Beispiel();
  Menue("GEbenePPP");
  for (Fall f : std::initializer_list<Fall>{{"AllePunkteZeichnen", 50, "Zeichne alle Punkte "},
                                            {"AllePunkteRadieren", 51, "Radiere alle Punkte aus "},
                                            {"AlleFiguratRadieren", 52, "Radiere alle Figurat aus "},
                                            {"AlleStreckenRadieren", 53, "Radiere alle Strecken aus "},
                                            {"AllesRadieren", 54, "Radiere alles aus "},
                                            {"AllesZeichnen", 55, "Zeichne alles "}}) {
    Menue(f.punkt);
    EXPECT_EQ(h().AktuelleKennung, f.kennung) << f.punkt;
    EXPECT_EQ(Saetze().back(), f.satz);
  }
  EXPECT_EQ(Befehle().size(), 9u);
  // The bar of the kind chosen before stays.
  EXPECT_EQ(Schild("EingabeText"), "wird definiert \xEF\xBB\xBF" "als Ebene durch");
  EXPECT_TRUE(Sichtbar("G3ListB"));
}

TEST_F(Menuebefehle, DeletingEverythingAsksFirst) {
  Beispiel();
  const auto vorher = Saetze();
  Skript().Antworte(2);
  Menue("NeuItem");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Nach Drücken von 'ok' wird alles gelöscht!"});
  EXPECT_EQ(Saetze(), vorher);
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"O", "A", "B", "g"}));

  Skript().Antworte(1);
  Menue("NeuItem");
  Meldungen();
  EXPECT_TRUE(Befehle().empty());
  EXPECT_EQ(Figurennamen(), std::vector<std::string>{"O"});
  EXPECT_EQ(Feld("InfoF").Text(), "");
  Menue("UndoItem");
  EXPECT_EQ(Saetze(), std::vector<std::string>{vorher.front()});
}

TEST_F(Menuebefehle, RestoreAndDeleteLastOnNothingDoNothing) {
  Menue("UndoItem");
  Menue("LetztLoeschItem");
  EXPECT_TRUE(Befehle().empty());
  Beispiel();
  Menue("LetztLoeschItem");
  EXPECT_EQ(Befehle().size(), 2u);
  // Nothing is executed: the line stays until the next run.
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"O", "A", "B", "g"}));
  Menue("UndoItem");
  EXPECT_EQ(Saetze().back(), "g wird definiert als Gerade durch die Punkte: A und: B ");
}

class Beenden : public Menuebefehle {
 protected:
  void SetUp() override {
    Menuebefehle::SetUp();
    Beispiel();
  }
  void TearDown() override {
    std::filesystem::remove(Pfad());
    Menuebefehle::TearDown();
  }
  static std::string Pfad() { return Testdatei("beenden.txt"); }
  bool Beendet() { return Headless().Beendet(); }
  void Frage(int antwort) {
    Skript().Antworte(antwort);
    Menue("FileQuit");
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Vor dem Beenden Speichern?"});
  }
};

TEST_F(Beenden, CancelStays) {
  Frage(2);
  EXPECT_FALSE(Beendet());
  EXPECT_EQ(Befehle().size(), 3u);
}

TEST_F(Beenden, NoEndsWithoutSaving) {
  Frage(7);
  EXPECT_TRUE(Beendet());
}

TEST_F(Beenden, YesEndsOnceTheFileIsWritten) {
  Skript().WaehleDatei(Pfad());
  Frage(6);
  EXPECT_TRUE(Beendet());
  std::string text;
  ASSERT_TRUE(P().Dateidienst().Lese(Pfad(), text) == plattform::Dateien::Lesen::Gelesen);
  EXPECT_EQ(text.rfind("<1>    A ist der Punkt", 0), 0u);
}

TEST_F(Beenden, YesStaysWhenTheSaveIsCancelledOrFails) {
  Skript().WaehleDatei(std::nullopt);
  Frage(6);
  EXPECT_FALSE(Beendet());
  Skript().Antworte(6);
  Skript().WaehleDatei("/nonexistent-dir/figurat.txt");
  Menue("FileQuit");
  EXPECT_EQ(Meldungen(),
            (std::vector<std::string>{"Vor dem Beenden Speichern?", "Die Datei konnte nicht gespeichert werden"}));
  EXPECT_FALSE(Beendet());
  EXPECT_EQ(Befehle().size(), 3u);
}

TEST_F(Menuebefehle, SwitchingTheDescriptionMode) {
  Menue("AusgabeProtokoll");
  EXPECT_FALSE(h().ProtokollAn);
  EXPECT_EQ(Schild("ProtoInfoT"), "Beschreibungsenfenster inaktiv");
  Zahlpunkt("A", "1", "2", "3");
  EXPECT_EQ(Feld("InfoF").Text(), "");
  Menue("AusgabeProtokoll");
  EXPECT_TRUE(h().ProtokollAn);
  EXPECT_EQ(Schild("ProtoInfoT"), "Beschreibungsfenster aktiv");
  // The field is not renewed at the switch, and nothing is recorded.
  EXPECT_EQ(Feld("InfoF").Text(), "");
  EXPECT_EQ(Befehle().size(), 1u);
}

TEST_F(Menuebefehle, ShowAllDescribesEveryFigureWithoutRecording) {
  Beispiel();
  h().BevelButton1_Action();
  Menue("AusgabeAllesZeigen");
  EXPECT_EQ(Befehle().size(), 3u);
  // In list order, so that the last figure's text ends up on top.
  const std::string info = Feld("InfoF").Text();
  EXPECT_EQ(info.rfind("\rg ist die Gerade", 0), 0u) << info;
  EXPECT_LT(info.find("B ist der Punkt"), info.find("A ist der Punkt"));
  EXPECT_LT(info.find("A ist der Punkt"), info.find("O ist der Punkt"));
}

TEST_F(Menuebefehle, HelpAndInformationWindows) {
  Menue("InfoHilfe");
  HilfeFenster& hilfe = HilfeFenster::Instanz();
  Menue("InfoHilfe");
  EXPECT_EQ(&HilfeFenster::Instanz(), &hilfe);
  EXPECT_TRUE(hilfe.Visible());
  hilfe.Element<plattform::BevelButton>("HilfeB").BenutzerKlickt();
  EXPECT_FALSE(hilfe.Visible());
  Menue("HilfeM");
  EXPECT_TRUE(hilfe.Visible());
  Menue("InfoFigurat");
  EXPECT_TRUE(InformFenster::Instanz().Visible());
}

TEST_F(Menuebefehle, EnablingLeavesEveryItemUsable) {
  std::function<void(MenuItem&)> alle = [&](MenuItem& m) {
    for (const auto& k : m.Kinder()) {
      k->Enabled = false;
      alle(*k);
    }
  };
  alle(MenuBar1());
  P().VorMenue();
  EXPECT_TRUE(h().FileQuit().Enabled);
  EXPECT_TRUE(h().InfoFigurat().Enabled);
  EXPECT_TRUE(h().AllesZeichnen().Enabled);
  EXPECT_TRUE(h().FiguratErzeuge().Enabled);
  // The erase items are left to their auto-enable flag.
  EXPECT_FALSE(h().AllesRadieren().Enabled);
  EXPECT_TRUE(h().AllesRadieren().AutoEnable);
}

}  // namespace
