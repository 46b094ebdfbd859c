// "Ausführen", Return in the name field and Return in the window: the latch,
// the hint flag and the waiting edit dialogs.

#include "ui/GlFenster.h"
#include "ui/Hauptfenster.h"
#include "ui/KoordFenster.h"

namespace {

class Ausfuehren : public HauptfensterTest {
 protected:
  // Point input chosen: every execution records one point, with an automatic name.
  void SetUp() override {
    HauptfensterTest::SetUp();
    Menue("NumPunkt");
  }
  static std::size_t Ausgefuehrt() { return Befehle().size(); }
};

TEST_F(Ausfuehren, RightAfterStartNothingBlocks) {
  Klicke("TuEsButton");
  EXPECT_EQ(Ausgefuehrt(), 1u);
  Return("GnameF");
  EXPECT_EQ(Ausgefuehrt(), 2u);
  Return("aF");
  EXPECT_EQ(Ausgefuehrt(), 3u);
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"O", "G_1", "G_2", "G_3"}));
  // TuEs gives the name field the focus back.
  EXPECT_TRUE(HatFokus("GnameF"));
}

TEST_F(Ausfuehren, WindowReturnLatchesUntilThePointerMoves) {
  Return("aF");
  EXPECT_TRUE(h().IgnoreReturn);
  Return("aF");
  Klicke("TuEsButton");
  Return("GnameF");
  EXPECT_EQ(Ausgefuehrt(), 1u);
  h().BenutzerBewegtMaus(500, 300);
  EXPECT_FALSE(h().IgnoreReturn);
  Klicke("TuEsButton");
  EXPECT_EQ(Ausgefuehrt(), 2u);
}

TEST_F(Ausfuehren, ALetterInTheNameFieldFreesTheLatch) {
  Return("aF");
  Tippe("GnameF", "P");
  EXPECT_FALSE(h().IgnoreReturn);
  EXPECT_EQ(Feld("GnameF").Text(), "P");
  Return("GnameF");
  EXPECT_EQ(Ausgefuehrt(), 2u);
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"O", "G_1", "P"}));
  // Return in the name field never latches.
  EXPECT_FALSE(h().IgnoreReturn);
  Return("GnameF");
  EXPECT_EQ(Ausgefuehrt(), 3u);
}

TEST_F(Ausfuehren, OtherKeysInTheWindowDoNothing) {
  Tippe("aF", "7");
  EXPECT_EQ(Ausgefuehrt(), 0u);
  EXPECT_FALSE(h().IgnoreReturn);
  Return("aF");
  Tippe("aF", "8");
  EXPECT_TRUE(h().IgnoreReturn);
  EXPECT_EQ(Ausgefuehrt(), 1u);
}

TEST_F(Ausfuehren, TheFirstWindowKeyMakesBothDialogsHidden) {
  EXPECT_EQ(P().FindeFenster("KoordFenster"), nullptr);
  Tippe("aF", "1");
  ASSERT_NE(P().FindeFenster("KoordFenster"), nullptr);
  ASSERT_NE(P().FindeFenster("GlFenster"), nullptr);
  EXPECT_FALSE(KoordFenster::Instanz().Visible());
  EXPECT_FALSE(GlFenster::Instanz().Visible());
}

TEST_F(Ausfuehren, AWaitingDialogBlocksAllThree) {
  for (bool* warten : {&KoordFenster::Instanz().Warten, &GlFenster::Instanz().Warten}) {
    *warten = true;
    Klicke("TuEsButton");
    Return("GnameF");
    Return("aF");
    EXPECT_EQ(Ausgefuehrt(), 0u);
    EXPECT_FALSE(h().IgnoreReturn);
    *warten = false;
  }
  Return("GnameF");
  EXPECT_EQ(Ausgefuehrt(), 1u);
}

TEST_F(Ausfuehren, TheHintBarTakesTheWindowsReturnUntilAnotherKind) {
  Menue("FileHInweis");
  Tippe("HinweisF", "Merke");
  Return("HinweisF");
  EXPECT_EQ(Ausgefuehrt(), 0u);
  EXPECT_FALSE(h().IgnoreReturn);
  Klicke("TuEsButton");
  ASSERT_EQ(Ausgefuehrt(), 1u);
  EXPECT_EQ(Saetze().back(), "Hinweis: Merke ");
  Return("HinweisF");
  EXPECT_EQ(Ausgefuehrt(), 1u);

  Menue("NumPunkt");
  Return("aF");
  EXPECT_EQ(Ausgefuehrt(), 2u);
}

}  // namespace
