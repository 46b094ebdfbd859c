// What is kept beside the figure list (the index, the walks in no order, the
// name lists and the figure list box) against the list itself, and the
// command-list text against the command list, through random sessions of
// defining, deleting, restoring, moving, editing in a dialog and loading.

#include <filesystem>
#include <random>

#include "Befehlstest.h"
#include "ui/GlFenster.h"
#include "ui/KoordFenster.h"

namespace {

using plattform::ListBox;

class Listenabgleich : public BefehlTest {
 protected:
  void TearDown() override {
    std::filesystem::remove(Datei());
    BefehlTest::TearDown();
  }
  static std::string Datei() { return Testdatei("listenabgleich.txt"); }
  static void Loeschfeld(const std::string& zeile) {
    Feld("LoeschF").BenutzerLaesstFallen(zeile);
    Feld("LoeschF").BenutzerMausVerlaesst();
  }
  static void Menue(int K) {
    h().AktuelleKennung = K;
    h().FiguratAktionSingle("", "", "", "", K);
  }
  // A point or plane changed in its dialog, opened by a shift double-click
  // in the figure list, with "Alles Aktualisieren / Fertig".
  void Aendere(int zeile, const std::string& zahl) {
    ListBox& l = h().Element<ListBox>("FiguratLB");
    if (zeile >= l.ListCount()) return;
    Headless().SetzeShift(true);
    l.BenutzerDoppelklick(zeile);
    Headless().SetzeShift(false);
    auto eintragen = [&](plattform::Fenster& d) {
      for (const char* feld : {"xF", "yF", "zF", "dF"})
        if (auto* f = dynamic_cast<plattform::EditFeld*>(d.Finde(feld))) f->BenutzerSetztText(zahl);
      d.Element<plattform::BevelButton>("AktualisierenB").BenutzerKlickt();
    };
    if (KoordFenster::Instanz().Visible()) eintragen(KoordFenster::Instanz());
    if (GlFenster::Instanz().Visible()) eintragen(GlFenster::Instanz());
  }
  static std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    for (std::size_t a = 0, e; (e = text.find('\r', a)) != std::string::npos; a = e + 1)
      zeilen.push_back(text.substr(a, e - a));
    return zeilen;
  }
};

TEST_F(Listenabgleich, RandomSessionsKeepEverythingBesideTheFigureListAsARebuildMakesIt) {
  const std::vector<std::string> namen = {"A", "B", "C", "O", "g", "h", "E", "S", "T", "Ä"};
  // A file whose first command takes over the origin while it loads.
  const std::string ursprung =
      "<1>    O ist der Punkt mit dem Koordinatentripel: (1|2|3) \r"
      "<2>    A ist der Punkt mit dem Koordinatentripel: (0|1|0) \r"
      "<3>    g wird definiert als Gerade durch die Punkte: O und: A \r";
  for (unsigned saat : {1u, 5u}) {
    std::mt19937 zufall(saat);
    auto irgendeiner = [&] { return namen[zufall() % namen.size()]; };
    auto zahl = [&] { return std::to_string(static_cast<int>(zufall() % 7) - 3); };
    for (int schritt = 0; schritt < 200; ++schritt) {
      const int anzahl = static_cast<int>(Befehle().size());
      switch (zufall() % 12) {
        case 0: Zahlpunkt(zufall() % 5 ? irgendeiner() : "", zahl(), zahl(), zahl()); break;
        case 1: Zahlebene(irgendeiner(), zahl(), zahl(), "1", zahl()); break;
        case 2: Tue(KennungGeradePP, irgendeiner(), irgendeiner(), irgendeiner()); break;
        case 3: Tue(zufall() % 2 ? KennungSchnitt : KennungSpiegelbild, irgendeiner(), irgendeiner(), irgendeiner()); break;
        case 4:
          if (zufall() % 2)
            Tue(KennungDreieck, irgendeiner(), irgendeiner(), irgendeiner(), irgendeiner());
          else
            Sammlung(irgendeiner(), {"A", "g"});
          break;
        case 5: Menue(zufall() % 2 ? KennungZeichneAllePunkte : KennungRadiereAlles); break;
        case 6:
          // A figure or a command row dropped on the delete field, or the last command deleted.
          if (const unsigned wie = zufall() % 3; wie == 0 || anzahl == 0)
            Loeschfeld(irgendeiner());
          else if (wie == 1)
            Loeschfeld(h().Element<ListBox>("ProtokollBox").Zeile(static_cast<int>(zufall() % anzahl)));
          else
            h().LoescheLetztenBefehl();
          break;
        case 7:
          for (unsigned n = 1 + zufall() % 3; n > 0; --n) h().Restore();
          if (zufall() % 2) h().AnweisungslisteAusfuehren();
          break;
        case 8:
          // The last command moved behind another by a double-click on its row.
          if (anzahl > 0) h().Element<ListBox>("ProtokollBox").BenutzerDoppelklick(static_cast<int>(zufall() % anzahl));
          break;
        case 9: Aendere(static_cast<int>(zufall() % 8), zahl()); break;
        default:
          // Saved and loaded again behind the list, or a fresh list loaded.
          if (anzahl > 30 || zufall() % 3 == 0) {
            h().AllesLoeschen();
            ASSERT_TRUE(P().Dateidienst().Schreibe(Datei(), ursprung + "\n"));
          } else {
            Skript().WaehleDatei(Datei());
            ASSERT_TRUE(h().SpeichereProtokoll());
          }
          Skript().WaehleDatei(Datei());
          h().LadeFile();
          break;
      }
      Meldungen();
      PruefeGegenDieListe(namen);
      EXPECT_EQ(h().Element<ListBox>("FiguratLB").Zeilen(), Zeilen(h().ErwNListe));
      std::string protokoll;
      int n = 0;
      for (const BefehlT* b : Befehle())
        protokoll += "<" + std::to_string(++n) + ">    " +
                     Befehlsteil::BText(b->Kennung, b->NeuG, b->AltG1, b->AltG2, b->AltG3) + "\r";
      EXPECT_EQ(h().Protokoll, protokoll);
      EXPECT_EQ(h().Element<ListBox>("ProtokollBox").Zeilen(), Zeilen(protokoll));
      if (HasFailure()) FAIL() << "Saat " << saat << ", Schritt " << schritt;
    }
  }
}

}  // namespace
