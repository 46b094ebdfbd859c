// The fresh start and "Alles Löschen".

#include "Befehlstest.h"
#include "graphics/GrafikFenster.h"

namespace {

using plattform::EditFeld;
using plattform::ListBox;
using V = std::vector<std::string>;

class Neustart : public BefehlTest {
 protected:
  static void DreiPunkte() {
    Zahlpunkt("A", "1", "0", "0");
    Zahlpunkt("B", "0", "1", "0");
    Zahlpunkt("C", "0", "0", "1");
  }
};

TEST_F(Neustart, TheStartingState) {
  EXPECT_EQ(h().BListe, nullptr);
  EXPECT_EQ(h().AktuellerBZeiger, nullptr);
  EXPECT_EQ(h().BLager, nullptr);
  EXPECT_EQ(h().Protokoll, "");
  EXPECT_EQ(Info(), "");
  EXPECT_TRUE(h().ProtokollAn);
  EXPECT_EQ(h().GListe->name, "O");
  EXPECT_EQ(h().GListe->Zeiger, nullptr);
  EXPECT_EQ(Figuren().at("O"), "1 (0|0|0)");
  EXPECT_EQ(h().Element<ListBox>("FiguratLB").Zeilen(), V{"O" + std::string(13, ' ') + "Punkt"});
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").ListCount(), 0);
  EXPECT_EQ(Feld("InfoF").Text(), "");
  EXPECT_EQ(Letzte(), "\r") << "the field as the window made it";
  for (const char* versteckt : {"aT", "aF", "G1ListB", "G2ListB", "G3ListB"}) EXPECT_FALSE(h().Finde(versteckt)->Visible());
  EXPECT_EQ((std::array{h().Augenpunkt->kp[1], h().Augenpunkt->kp[2], h().Augenpunkt->kp[3]}),
            (std::array{1.0, 1.0, 30.0}));
  EXPECT_EQ(GrafikFenster::Instanz().faktor, 300);
  EXPECT_TRUE(GrafikFenster::Instanz().Visible());
  EXPECT_EQ(h().BefehlsSchluessel[9], "der Punkt mit");
}

TEST_F(Neustart, AllesLoeschenPutsTheListOnTopOfTheUndoStack) {
  DreiPunkte();
  Zahlpunkt("D", "1", "1", "1");
  Zahlpunkt("", "2", "2", "2");  // G_1
  h().LoescheLetztenBefehl();
  h().LoescheLetztenBefehl();  // D on top of G_1
  Feld("LastInfoF").SetzeText("zuletzt");
  h().ProtokollAn = false;
  h().Element<plattform::StatischerText>("ProtoInfoT").SetzeText("Beschreibungsenfenster inaktiv");
  h().AllesLoeschen();
  EXPECT_EQ(h().Element<plattform::StatischerText>("ProtoInfoT").Text(), "Beschreibungsenfenster inaktiv");

  EXPECT_EQ(h().BListe, nullptr);
  EXPECT_EQ(Figurennamen(), V{"O"});
  EXPECT_EQ(h().Protokoll, "");
  EXPECT_TRUE(h().ProtokollAn);
  EXPECT_EQ(Letzte(), "zuletzt");

  // The former list in its order, then what was deleted before, the most recent first.
  for (int i = 0; i < 6; ++i) h().Restore();
  EXPECT_EQ(Namen(), (V{"A", "B", "C", "D", "G_1"}));
  EXPECT_EQ(Figurennamen(), V{"O"}) << "figures come back only with the next execution";
  h().AnweisungslisteAusfuehren();
  EXPECT_EQ(Figurennamen(), (V{"A", "B", "C", "D", "G_1", "O"}));
}

TEST_F(Neustart, TheAutomaticNumbersOfClearedFiguresStayUsed) {
  Zahlpunkt("", "1", "1", "1");
  h().AllesLoeschen();
  Zahlpunkt("", "2", "2", "2");
  EXPECT_EQ(Namen(), V{"G_2"});
}

TEST_F(Neustart, AllesLoeschenOfAnEmptyListLeavesTheUndoStack) {
  DreiPunkte();
  h().LoescheLetztenBefehl();
  h().LoescheLetztenBefehl();
  h().LoescheLetztenBefehl();
  BefehlT* oben = h().BLager;
  h().AllesLoeschen();
  EXPECT_EQ(h().BLager, oben);
  EXPECT_EQ(Figurennamen(), V{"O"});
}

TEST_F(Neustart, TheViewIsResetWhateverTheSlidersShow) {
  h().Augenpunkt->Vektor(5, 5, 5);
  GrafikFenster::Instanz().faktor = 40;
  GrafikFenster::Instanz().Hide();
  h().AllesLoeschen();
  EXPECT_EQ(h().Augenpunkt->kp[3], 30);
  EXPECT_EQ(GrafikFenster::Instanz().faktor, 300);
  EXPECT_TRUE(GrafikFenster::Instanz().Visible());
}

}  // namespace
