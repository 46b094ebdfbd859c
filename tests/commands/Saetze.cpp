// The sentence of every kind, the key phrases, the numbered list and reading
// every sentence back.

#include "Befehlstest.h"
#include "core/VektorT.h"
#include "platform/Steuerelement.h"

namespace {

using plattform::ListBox;

struct Fall {
  int K;
  std::string satz;  // with NeuG "N" and the operands "A", "B", "C"
};

// Written out in full, blanks included, so that the table of kinds is checked
// against the program's texts and not against itself.
const Fall faelle[] = {
    {9, "N ist der Punkt mit dem Koordinatentripel: (1|2|3) "},
    {10, "N ist die Ebene mit der Gleichung: 1x + -2y + 0.5z = 4 "},
    {11, "N wird definiert als Gerade durch die Punkte: A und: B "},
    {12, "N wird definiert als Gerade durch den Punkt: A mit der Richtung: B "},
    {13, "N wird definiert als Ebene durch die Punkte: A ,: B und: C "},
    {14, "N wird definiert als Ebene durch den Punkt: A mit dem Normalenvektor: B "},
    {15, "N wird definiert als Ebene durch den Punkt: A mit den Richtungen: B und: C "},
    {16, "N wird definiert als Schnitt der Figurat: A und: B "},
    {17, "N wird definiert als Fusspunktfigurat der Lote von: A auf: B "},
    {18, "N wird definiert als Ergebnis der Spiegelung von:  A an: B "},
    {19, "N wird definiert als orthogonales Figurat zu: A und durch: B "},
    {20, "N wird definiert als Ergebnis der Verschiebung von: A auf den Punkt: B "},
    {21, "N wird definiert als Ergebnis der Drehung von: A um den Winkel: 22,5 Grad mit der Drehachse: C "},
    {22, "N ist das Dreieck mit den Ecken: A und: B und: C "},
    {23, "N ist das Tetraeder mit der Grundflaeche: A und der Spitze: B "},
    {24, "N ist die Mittelsenkrechte der Punkte: A und: B "},
    {25, "N ist die Huelle von: A ,: B und: C "},
    {30, "N ist definiert als als Klon von: A "},
    {31, "N ist die Sammlung der Figurat: A,B,C "},
    {40, "Loesche das Figurat: A "},
    {41, "Zeige die wesentlichen Daten von: A "},
    {42, "Berechne den Winkel zwischen den Figuratn: A und: B "},
    {43, "Bestimme den Abstand, den: A von: B hat "},
    {44, "Gib eine ausfuehrliche Beschreibung von: A "},
    {45, "Hinweis: Ein Hinweis, mit Komma "},
    {46, "Verbinde: A und: B "},
    {47, "Trenne: A und: B "},
    {48, "Zeichne: A "},
    {49, "Radiere: A aus "},
    {50, "Zeichne alle Punkte "},
    {51, "Radiere alle Punkte aus "},
    {52, "Radiere alle Figurat aus "},
    {53, "Radiere alle Strecken aus "},
    {54, "Radiere alles aus "},
    {55, "Zeichne alles "},
};

// The fields each kind carries; the others stay empty.
BefehlT& Fuelle(BefehlT& b, int K) {
  b.Kennung = K;
  b.NeuG = K < 40 ? "N" : "";
  b.AltG1 = b.AltG2 = b.AltG3 = "";
  b.Gleichung = {};
  const int n = Befehlsart::Zu(K)->Felderzahl();
  if (K == KennungPunkt) {
    b.AltG1 = "(1|2|3)";
    b.Vektor->Vektor(1, 2, 3);
  } else if (K == KennungEbene) {
    b.AltG1 = "1x + -2y + 0.5z = 4";
    b.Gleichung = {0, 1, -2, 0.5, 4};
  } else if (K == KennungSammlung) {
    b.AltG1 = "A,B,C";
  } else if (K == KennungHinweis) {
    b.AltG2 = "Ein Hinweis, mit Komma";
  } else {
    if (n >= 1) b.AltG1 = "A";
    if (n >= 2) b.AltG2 = K == KennungDrehen ? "22,5" : "B";
    if (n >= 3) b.AltG3 = "C";
  }
  return b;
}

class Saetze : public BefehlTest {
 protected:
  static BefehlT& Leer() {
    BefehlT* b;
    h().ErschaffeB(b);
    return *b;
  }
};

TEST_F(Saetze, EveryKindHasItsSentence) {
  ASSERT_EQ(std::size(faelle), Befehlsart::Alle().size());
  for (const Fall& f : faelle) EXPECT_EQ(Satz(Fuelle(Leer(), f.K)), f.satz) << f.K;
  // Fields a kind does not show make no difference; a kind outside the table is one blank.
  EXPECT_EQ(HauptF::BText(50, "G_1", "x", "y", "z"), "Zeichne alle Punkte ");
  EXPECT_EQ(HauptF::BText(45, "G_2", "x", "Text", "z"), "Hinweis: Text ");
  EXPECT_EQ(HauptF::BText(41, "G_3", "P", "", ""), "Zeige die wesentlichen Daten von: P ");
  for (int K : {0, 1, 2, 8, 26, 32, 39, 56, 60, 61, -1}) EXPECT_EQ(HauptF::BText(K, "N", "A", "B", "C"), " ") << K;
}

TEST_F(Saetze, KeyPhraseTable) {
  const auto& s = h().BefehlsSchluessel;
  EXPECT_EQ(s[0], "");
  for (int i : {1, 8, 26, 29, 32, 39, 56, 60}) EXPECT_EQ(s[i], "nicht verwendet") << i;
  EXPECT_EQ(s[9], "der Punkt mit");
  EXPECT_EQ(s[31], "Sammlung");
  EXPECT_EQ(s[45], "Hinweis:");
  EXPECT_EQ(s[55], "ne alles");
  // Each sentence holds its own phrase and no phrase of another kind.
  for (const Fall& f : faelle)
    for (const Befehlsart& a : Befehlsart::Alle())
      EXPECT_EQ(f.satz.find(s[a.Kennung]) != std::string::npos, a.Kennung == f.K) << f.K << " " << a.Kennung;
}

TEST_F(Saetze, NumberedTextOfTheList) {
  h().ZeigeBefehlsliste();
  EXPECT_EQ(h().Protokoll, "");
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").ListCount(), 0);

  Fuelle(Leer(), KennungPunkt).Anhaengen();
  for (int i = 0; i < 8; ++i) Fuelle(Leer(), KennungZeichneAlles).Anhaengen();
  Fuelle(Leer(), KennungAbstand).Anhaengen();
  Befehl(0, "X", "A");
  h().ZeigeBefehlsliste();
  const std::string& p = h().Protokoll;
  const std::string erste = "<1>    N ist der Punkt mit dem Koordinatentripel: (1|2|3) \r";
  EXPECT_EQ(p.substr(0, erste.size()), erste);
  EXPECT_NE(p.find("\r<10>    Bestimme den Abstand, den: A von: B hat \r<11>     \r"), std::string::npos);
  EXPECT_EQ(p.back(), '\r');
  const ListBox& box = h().Element<ListBox>("ProtokollBox");
  EXPECT_EQ(box.ListCount(), 11);
  EXPECT_EQ(box.Zeile(1), "<2>    Zeichne alles ");
}

TEST_F(Saetze, EverySentenceReadsBackToTheSameCommand) {
  for (const Fall& f : faelle) {
    const int K = h().Satzart(f.satz);
    EXPECT_EQ(K, f.K) << f.satz;
    BefehlT& b = Leer();
    b.Vektor->Vektor(9, 9, 9);
    bool ok = false;
    b.Zeile2Befehl(f.satz, K, ok);
    ASSERT_TRUE(ok) << f.satz;
    BefehlT& soll = Fuelle(Leer(), f.K);
    EXPECT_EQ(b.Kennung, soll.Kennung);
    EXPECT_EQ(b.NeuG, soll.NeuG) << f.K;
    EXPECT_EQ(b.AltG1, soll.AltG1) << f.K;
    EXPECT_EQ(b.AltG2, soll.AltG2) << f.K;
    EXPECT_EQ(b.AltG3, soll.AltG3) << f.K;
    EXPECT_EQ(b.Gleichung, soll.Gleichung) << f.K;
    if (f.K == KennungPunkt)
      EXPECT_EQ((std::array{b.Vektor->kp[1], b.Vektor->kp[2], b.Vektor->kp[3]}), (std::array{1.0, 2.0, 3.0}));
    else
      EXPECT_EQ(b.Vektor->kp[1], 9) << "only a point command writes its vector";
    EXPECT_EQ(Satz(b), f.satz);
  }
  EXPECT_EQ(Headless().Beeps(), 0);
}

}  // namespace
