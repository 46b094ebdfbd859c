// The delete and collection fields, the clipboard buttons, the decimals and
// the about message.

#include "ui/Hauptfenster.h"

namespace {

class Ablagefelder : public HauptfensterTest {
 protected:
  // A row dropped on a field, then the pointer leaving it.
  static void Ablegen(const char* feld, const std::string& text) {
    Feld(feld).BenutzerLaesstFallen(text);
    Feld(feld).BenutzerMausVerlaesst();
  }
  static std::string Zeile(const char* liste, const std::string& anfang) {
    for (const std::string& z : Zeilen(liste))
      if (z.rfind(anfang, 0) == 0) return z;
    ADD_FAILURE() << liste << " hat keine Zeile " << anfang;
    return {};
  }
  void Fuenf() {
    Zahlpunkt("A", "1", "0", "0");
    Zahlpunkt("B", "0", "1", "0");
    Zahlpunkt("C", "0", "0", "1");
    Tue("GGeradePP", "g", "A", "B");
    Tue("GEbenePPP", "E", "A", "B", "C");
  }
};

TEST_F(Ablagefelder, ACommandRowIsDeletedAndTheListRunsAgain) {
  Fuenf();
  h().AktuelleKennung = KennungSchnitt;
  Ablegen("LoeschF", Zeile("ProtokollBox", "<3>"));
  EXPECT_EQ(Saetze().size(), 4u);
  EXPECT_EQ(Zeilen("ProtokollBox")[2].rfind("<3>    g wird", 0), 0u);
  EXPECT_EQ(Feld("LoeschF").Text(), "");
  EXPECT_EQ(h().AktuelleKennung, 0);
  // The plane needs the point C that is gone.
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"A", "B", "O", "g"}));
  Menue("UndoItem");
  EXPECT_EQ(Saetze().back(), "C ist der Punkt mit dem Koordinatentripel: (0|0|1) ");
}

TEST_F(Ablagefelder, AFigureRowDeletesTheFigureAndRecordsIt) {
  Fuenf();
  h().AktuelleKennung = KennungSchnitt;
  Ablegen("LoeschF", Zeile("FiguratLB", "g "));
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"O", "A", "B", "C", "E"}));
  EXPECT_EQ(Saetze().back(), "Loesche das Figurat: g ");
  EXPECT_EQ(Befehle().back()->NeuG, "");
  // Not executed again.
  EXPECT_EQ(h().AktuelleKennung, KennungSchnitt);
}

TEST_F(Ablagefelder, TheOriginLivesForEver) {
  Ablegen("LoeschF", Zeile("FiguratLB", "O "));
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Der Ursprung O - er lebet ewiglich..."});
  EXPECT_EQ(Figurennamen(), std::vector<std::string>{"O"});
  EXPECT_TRUE(Befehle().empty());
}

TEST_F(Ablagefelder, ATypedNameActsLikeADroppedRow) {
  Fuenf();
  Tippe("LoeschF", "xyC");
  EXPECT_EQ(Feld("LoeschF").Text(), "C");
  Feld("LoeschF").BenutzerMausVerlaesst();
  EXPECT_EQ(Saetze().back(), "Loesche das Figurat: C ");
  EXPECT_EQ(Feld("LoeschF").Text(), "");
}

TEST_F(Ablagefelder, NothingForAnEmptyFieldOrAnUnknownName) {
  Fuenf();
  Feld("LoeschF").BenutzerMausVerlaesst();
  Ablegen("LoeschF", "Q              Punkt");
  EXPECT_EQ(Saetze().size(), 5u);
  EXPECT_EQ(Feld("LoeschF").Text(), "");
}

TEST_F(Ablagefelder, ACollectionTakesEachFigureOnce) {
  Fuenf();
  Zahlpunkt("D", "1", "1", "1");
  Tue("FiguratDreieck", "T", "A", "B", "C");
  Menue("FiguratSammlung");
  for (const char* name : {"A ", "g ", "g ", "E ", "T ", "O "}) {
    Ablegen("SammelF", Zeile("FiguratLB", name));
    EXPECT_EQ(Feld("SammelF").Text(), "");
  }
  EXPECT_EQ(h().AktuelleSammlung, ",A,g,E,O");
  EXPECT_EQ(Feld("LastInfoF").Text(), "Sammelobjekte:\rA,g,E,O");
  Feld("GnameF").BenutzerSetztText("Z");
  Klicke("TuEsButton");
  EXPECT_EQ(Saetze().back(), "Z ist die Sammlung der Figurat: A,g,E,O ");
  EXPECT_EQ(h().AktuelleSammlung, "");
}

TEST_F(Ablagefelder, ACollectionNeedsItsInputBar) {
  Fuenf();
  Menue("GGeradePP");
  Ablegen("SammelF", Zeile("FiguratLB", "A "));
  EXPECT_EQ(Feld("SammelF").Text(), "");
  EXPECT_EQ(h().AktuelleSammlung, "");
}

TEST_F(Ablagefelder, ClipboardButtons) {
  Fuenf();
  Klicke("BefListe2ClipbB1");
  const std::string liste = P().Zwischenablage();
  EXPECT_EQ(liste, "\r" + h().Protokoll);
  EXPECT_EQ(liste.rfind("\r<1>    A ist", 0), 0u);
  EXPECT_EQ(liste.back(), '\r');
  Klicke("Beschr2ClipbB");
  EXPECT_EQ(P().Zwischenablage(), "\r" + Feld("InfoF").Text());
}

TEST_F(Ablagefelder, DecimalsApplyToTextsWrittenAfterwards) {
  Zahlpunkt("A", "1/3", "0", "0");
  const std::string vorher = Saetze().front();
  h().Element<plattform::PopupMenu>("PopupMenu1").BenutzerWaehlt(3);
  EXPECT_EQ(h().Dezimalen, 3);
  Zahlpunkt("B", "2/3", "0", "0");
  EXPECT_EQ(Feld("LastInfoF").Text(), "");
  EXPECT_EQ(Saetze().front(), vorher);
  EXPECT_EQ(Saetze().back(), "B ist der Punkt mit dem Koordinatentripel: (0.667|0|0) ");
  h().Element<plattform::PopupMenu>("PopupMenu1").BenutzerWaehlt(0);
  EXPECT_EQ(h().Dezimalen, 3);
}

TEST_F(Ablagefelder, AboutMessage) {
  Klicke("SprachInfoB");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Figurat3D - EntwicklungsVersion 0.1\r\rFehlermeldungen und "
                                                  "Anregungen bitte schicken an\rdas Entwicklerteam von Figurat3D."});
}

}  // namespace
