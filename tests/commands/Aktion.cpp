// One action on single figures, "Ausführen", and points and planes from numbers.

#include <cmath>

#include "Befehlstest.h"

namespace {

using plattform::EditFeld;
using plattform::ListBox;
using plattform::StatischerText;
using V = std::vector<std::string>;

const std::string nameBelegt = " ist nicht erlaubt oder bereits für ein anderes Figurat vergeben";

class Aktion : public BefehlTest {
 protected:
  void Grundfiguren() {
    Zahlpunkt("A", "1", "0", "0");
    Zahlpunkt("B", "0", "1", "0");
    Zahlpunkt("C", "0", "0", "1");
    Tue(KennungGeradePP, "g", "A", "B");
  }
  static int Anzahl() { return static_cast<int>(Befehle().size()); }
};

TEST_F(Aktion, ADrawingCommandUsesUpAnAutomaticNumber) {
  h().FiguratAktionSingle("", "", "", "", KennungZeichneAllePunkte);
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(h().BListe->NeuG, "G_1");
  EXPECT_EQ(h().Protokoll, "<1>    Zeichne alle Punkte \r");
  EXPECT_EQ(h().AktuelleKennung, KennungZeichneAllePunkte);
  Zahlpunkt("", "1", "2", "3");
  EXPECT_EQ(Befehle().back()->NeuG, "G_2");
}

TEST_F(Aktion, ARefusedNameShowsTwoMessagesAndChangesNothing) {
  Grundfiguren();
  const auto vorher = Figuren();
  for (const std::string name : {"g", "a b", "a:b"}) {
    h().FiguratAktionSingle(name, "A", "C", "", KennungGeradePP);
    EXPECT_EQ(Meldungen(), (V{"Der Figuratname " + name + nameBelegt, "Diese Warnung wendet sich gegen " + name}));
  }
  EXPECT_EQ(Figuren(), vorher);
  EXPECT_EQ(Anzahl(), 4);
}

TEST_F(Aktion, AFailingGuardRecordsNothing) {
  Grundfiguren();
  const auto vorher = Figuren();
  h().FiguratAktionSingle("E", "A", "B", "", KennungEbenePPP);  // third operand empty
  h().FiguratAktionSingle("h", "A", "g", "", KennungGeradePP);   // a line where a point belongs
  h().FiguratAktionSingle("", "A", "g", "", KennungVerbinde);
  EXPECT_EQ(h().AktuelleKennung, KennungVerbinde);
  // The empty name finds no figure, also behind the anonymous head of a re-execution.
  h().AnweisungslisteAusfuehren();
  h().FiguratAktionSingle("", "", "", "", KennungZeichne);
  h().FiguratAktionSingle("", "", "", "", KennungRadiere);
  h().FiguratAktionSingle("", "A", "", "", KennungTrenne);
  h().FiguratAktionSingle("X", "A", "B", "C", 0);
  EXPECT_EQ(Anzahl(), 4);
  EXPECT_EQ(Figuren(), vorher);
  EXPECT_TRUE(Feld("HinweisF").ReadOnly());
  EXPECT_EQ(Meldungen(), V{});

  // The tetrahedron reports its own failure, also when the guard failed.
  h().FiguratAktionSingle("K", "", "A", "", KennungTetraeder);
  EXPECT_EQ(Meldungen(), V{"Fehler beim Erzeugen eines Tetraeders"});
  EXPECT_EQ(Anzahl(), 4);
}

TEST_F(Aktion, ACollectionOfTheGatheredMembers) {
  Grundfiguren();
  h().Element<StatischerText>("EingabeText").SetzeText(" ist eine Sammlung");
  Sammlung("Z", {"A", "g"});
  EXPECT_EQ(Befehle().back()->AltG1, "A,g");
  EXPECT_EQ(Figuren().at("Z"), "-5 A,g");
  EXPECT_EQ(h().AktuelleSammlung, "");
  EXPECT_EQ(h().Element<StatischerText>("EingabeText").Text(), "");

  // Nothing gathered: nothing made, nothing cleared.
  h().AktuelleSammlung = ",";
  Tue(KennungSammlung, "Y");
  EXPECT_EQ(Anzahl(), 5);
  EXPECT_EQ(h().AktuelleSammlung, ",");
}

TEST_F(Aktion, Hints) {
  Hinweis("");
  Hinweis("  \r\n ");
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_TRUE(Feld("HinweisF").ReadOnly());

  Hinweis("zwei\rZeilen");
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(h().Protokoll, "<1>    Hinweis: zwei Zeilen \r");
  EXPECT_EQ(h().BListe->NeuG, "");
  EXPECT_EQ(Feld("HinweisF").Text(), "");
  EXPECT_TRUE(Feld("HinweisF").ReadOnly());
  EXPECT_EQ(Info().find("Hinweis"), std::string::npos) << "written only when the list is executed";
}

TEST_F(Aktion, AFailedRotationIsNotRecorded) {
  Grundfiguren();
  Tue(KennungOrthogonale, "W", "A", "B");  // the whole space
  ASSERT_EQ(Figuren().at("W"), "4");
  Tue(KennungDrehen, "R", "W", "90", "g");
  EXPECT_EQ(Meldungen(), V{"Fehler in der Methode Spiegele"});
  EXPECT_EQ(Anzahl(), 5);
  EXPECT_EQ(Figuren().count("R"), 0u);
  Tue(KennungDrehen, "R", "C", "90", "g");
  EXPECT_EQ(Satz(*Befehle().back()), "R wird definiert als Ergebnis der Drehung von: C um den Winkel: 90 Grad mit der Drehachse: g ");
}

TEST_F(Aktion, ATypedNameWithABarIsRefused) {
  Grundfiguren();
  Tue(KennungGeradePP, "a|b", "A", "C");
  EXPECT_EQ(Meldungen(), V{"Der Figuratname a|b" + nameBelegt});
  Zahlpunkt("P|Q", "1", "1", "1");
  EXPECT_EQ(Meldungen(), V{"Der verwendete Figuratname P|Q  ist unerlaubt oder existiert bereits"});
  Zahlebene("E|F", "1", "1", "1", "1");
  EXPECT_EQ(Meldungen(), V{"Der verwendete Figuratname E|F  ist unerlaubt  oder existiert bereits"});
  EXPECT_EQ(Anzahl(), 4);
  EXPECT_EQ(Figuren().count("a|b"), 0u);

  // A kind that defines no figure keeps the name it was typed with, hidden, and is recorded like any other.
  Tue(KennungZeige, "a|b", "A");
  ASSERT_EQ(Anzahl(), 5);
  EXPECT_EQ(Befehle().back()->NeuG, "a|b");
  EXPECT_EQ(Satz(*Befehle().back()), "Zeige die wesentlichen Daten von: A ");
}

TEST_F(Aktion, AusfuehrenRightAfterTheStart) {
  h().TuEs();
  EXPECT_EQ(Meldungen(), V{"Der Figuratname " + nameBelegt});
  EXPECT_EQ(Anzahl(), 0);
  EXPECT_EQ(h().Element<ListBox>("FiguratLB").ListCount(), 1);
}

TEST_F(Aktion, AusfuehrenKeepsTheKindAndEmptiesTheTypedInput) {
  Grundfiguren();
  Tue(KennungGeradePP, "S", "g", "C");  // a line where a point belongs: nothing
  Tue(KennungGeradePP, "h", "A", "C");
  Tue(KennungGeradePP, "k", "A", "C");
  EXPECT_EQ(Namen(), (V{"A", "B", "C", "g", "h", "k"}));
  EXPECT_EQ(h().AktuelleKennung, KennungGeradePP);
  for (const char* feld : {"GnameF", "aF", "bF", "cF", "dF"}) EXPECT_EQ(Feld(feld).Text(), "") << feld;
  EXPECT_TRUE(Feld("GnameF").HatFokus());
  EXPECT_EQ(h().Element<ListBox>("FiguratLB").Zeilen().back(), "k" + std::string(13, ' ') + "Gerade");
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").ListCount(), 6);
}

TEST_F(Aktion, NumericPoints) {
  h().Element<EditFeld>("LastInfoF").SetzeText("vorher");
  Zahlpunkt(" P, 1 ", "2,5", "7+1/5", "-0,00000001");
  ASSERT_EQ(Anzahl(), 1);
  EXPECT_EQ(h().Protokoll, "<1>    P1 ist der Punkt mit dem Koordinatentripel: (2.5|7.2|0) \r");
  EXPECT_EQ(Figuren().at("P1"), "1 (2.5|7.2|-0.00000001)");
  EXPECT_EQ(Letzte(), "");
  EXPECT_EQ(h().Element<ListBox>("FiguratLB").Zeile(1), "P1" + std::string(12, ' ') + "Punkt");

  // The command keeps the typed value; its text shows it rounded.
  h().Dezimalen = 2;
  Zahlpunkt("Q", "1/3", "0", "0");
  EXPECT_EQ(Befehle().back()->AltG1, "(0.33|0|0)");
  EXPECT_EQ(Befehle().back()->Vektor->kp[1], 1.0 / 3);

  // An existing name is refused, unless destruktiv, which is False afterwards in any case.
  h().destruktiv = true;
  Zahlpunkt("Q", "1", "1", "1");
  EXPECT_FALSE(h().destruktiv);
  Zahlpunkt("Q", "2", "2", "2");
  EXPECT_EQ(Meldungen(), V{"Der verwendete Figuratname Q  ist unerlaubt oder existiert bereits"});
  EXPECT_EQ(Anzahl(), 3);
  EXPECT_EQ(Figuren().at("Q"), "1 (1|1|1)");

  Zahlpunkt("", "0", "0", "0");
  EXPECT_EQ(Befehle().back()->NeuG, "G_1");
}

TEST_F(Aktion, NumericPlanes) {
  Zahlebene("E", "1", "-2", "1/3", "0,5");
  Zahlebene("F", "0", "0", "0", "1");
  EXPECT_EQ(Meldungen(), V{"Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben"});
  ASSERT_EQ(Anzahl(), 1);
  // Plain numbers, neither rounded nor set to 0.
  EXPECT_EQ(h().BListe->AltG1, "1x + -2y + 0.3333333333333333z = 0.5");
  EXPECT_EQ(h().BListe->Gleichung, (std::array<double, 5>{h().BListe->Gleichung[0], 1, -2, 1.0 / 3, 0.5}));
  EXPECT_EQ(HauptF::Gleichungstext(1e-9, 0, -0.25, 1e6), "0.000000001x + 0y + -0.25z = 1000000");
  EXPECT_EQ(Letzte(), "");
}

TEST_F(Aktion, NumbersBeyondTheDoubleRangeAreRefusedWhereTheyAreTyped) {
  Grundfiguren();
  const std::string neunen(400, '9');
  const std::string gross = "1" + std::string(308, '0');  // 1e308, the last power of ten
  // The digits overflow, or a sum, a quotient or a difference of huge numbers.
  for (const std::string& zahl : {neunen, gross + "+" + gross, gross + "/0,1", neunen + "+-" + neunen}) {
    SCOPED_TRACE(zahl.substr(0, 20));
    Zahlpunkt("P", "0", zahl, "0");
    Zahlebene("E", "1", "0", "0", zahl);
    Tue(KennungDrehen, "R", "C", zahl, "g");
    EXPECT_EQ(Meldungen(), V(3, "Die eingegebene Zahl ist zu groß"));
  }
  // A collection is turned member by member: refused once, before any of them.
  Sammlung("S", {"A", "C"});
  Tue(KennungDrehen, "SR", "S", neunen, "g");
  EXPECT_EQ(Meldungen(), V{"Die eingegebene Zahl ist zu groß"});
  EXPECT_EQ(Anzahl(), 5);
  for (const char* name : {"P", "E", "R", "SR", "SR|A"}) EXPECT_EQ(Figuren().count(name), 0u) << name;

  // Huge but finite numbers are kept, and written in all their digits.
  Zahlpunkt("Big", "2" + std::string(302, '0'), "1", "1");
  EXPECT_EQ(Befehle().back()->AltG1, "(2" + std::string(302, '0') + "|1|1)");
  EXPECT_NE(Info().find("Big ist der Punkt mit dem Koordinatentripel (2" + std::string(302, '0') + " | 1 | 1)"),
            std::string::npos);
  Tue(KennungDrehen, "R", "C", gross, "g");
  Tue(KennungDrehen, "R2", "C", "-" + gross, "g");
  EXPECT_EQ(Anzahl(), 8);
  // The number reader lets no spelling of infinity through: its letters are
  // dropped as in every typed number, and "inf" turns by 0.
  Tue(KennungDrehen, "R3", "C", "inf", "g");
  EXPECT_EQ(Anzahl(), 9);
  auto Fig = [](const char* name) {
    FiguratT* g = nullptr;
    EXPECT_TRUE(h().HoleFigurat(name, g)) << name;
    return g;
  };
  for (const char* name : {"R", "R2", "R3"})
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::isfinite(Fig(name)->v1->kp[i])) << name;
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(Fig("R3")->v1->kp[i], Fig("C")->v1->kp[i], 1e-12);
  EXPECT_EQ(Info().find("Inf"), std::string::npos);
  EXPECT_EQ(Info().find("NaN"), std::string::npos);
  EXPECT_EQ(Info().find("nicht definiert"), std::string::npos);
}

}  // namespace
