// The coordinate and equation dialogs: what they write into the command,
// when they execute the list again, and their waiting flags.

#include <filesystem>

#include "core/VektorT.h"
#include "ui/GlFenster.h"
#include "ui/Hauptfenster.h"
#include "ui/KoordFenster.h"

namespace {

using plattform::EditFeld;

class Aenderungsdialoge : public HauptfensterTest {
 protected:
  void SetUp() override {
    HauptfensterTest::SetUp();
    Zahlpunkt("A", "1", "0", "0");
    Zahlpunkt("B", "0", "1", "0");
    Tue("GGeradePP", "g", "A", "B");
    Zahlebene("E", "1", "-1", "0", "3");
    Tue("GErzeugeSchnitt", "S", "g", "E");
    Tue("GErzeugeVerschieben", "T", "S", "A");
  }
  static void Oeffne(const std::string& name) {
    plattform::ListBox& l = Liste("FiguratLB");
    for (int i = 0; i < l.ListCount(); ++i)
      if (HauptF::Figuratname(l.Zeile(i)) == name) {
        Headless().SetzeShift(true);
        l.BenutzerDoppelklick(i);
        Headless().SetzeShift(false);
        return;
      }
    ADD_FAILURE() << "keine Zeile " << name;
  }
  static plattform::headless::HeadlessPlattform& Headless() {
    return static_cast<plattform::headless::HeadlessPlattform&>(plattform::plattform());
  }
  static KoordFenster& K() { return KoordFenster::Instanz(); }
  static GlFenster& G() { return GlFenster::Instanz(); }
  template <class D>
  static void Felder(D& d, std::initializer_list<const char*> texte) {
    const char* namen[] = {"xF", "yF", "zF", "dF"};
    int i = 0;
    for (const char* t : texte) d.template Element<EditFeld>(namen[i++]).BenutzerSetztText(t);
  }
  static BefehlT& Befehl(const std::string& name) {
    for (BefehlT* b : Befehle())
      if (b->NeuG == name) return *b;
    throw std::logic_error(name);
  }
  // A command-list file loaded through the menu.
  void Lade(const std::string& text) {
    const std::string pfad = Testdatei("geladen.txt");
    ASSERT_TRUE(P().Dateidienst().Schreibe(pfad, text));
    Skript().WaehleDatei(pfad);
    Menue("FileLaden");
    std::filesystem::remove(pfad);
  }
  // The list was executed again: it leaves no input kind chosen.
  static void KindWaehlen() { h().AktuelleKennung = KennungSchnitt; }
  static bool NeuAusgefuehrt() { return h().AktuelleKennung == 0; }
};

TEST_F(Aenderungsdialoge, Layouts) {
  EXPECT_EQ(K().Title(), "Ändern von Koordinaten");
  EXPECT_EQ(K().Width(), 357);
  EXPECT_EQ(K().Height(), 145);
  EXPECT_EQ(G().Title(), "Änderung der Ebenengleichung");
  EXPECT_EQ(G().Width(), 533);
  EXPECT_EQ(G().Elemente().size(), 10u);
  for (const plattform::Fenster* d : {static_cast<plattform::Fenster*>(&K()), static_cast<plattform::Fenster*>(&G())}) {
    EXPECT_FALSE(d->Visible());
    EXPECT_FALSE(d->Layout().schliessfeld);
    EXPECT_FALSE(d->Layout().menueleisteSichtbar);
    EXPECT_FALSE(d->Layout().groesseVeraenderbar);
  }
  EXPECT_EQ(G().Element<plattform::StatischerText>("StaticText3").Text(), "z =");
}

TEST_F(Aenderungsdialoge, CancelLeavesEverything) {
  const auto saetze = Saetze();
  Oeffne("S");
  h().IgnoreReturn = true;
  KindWaehlen();
  K().Element<plattform::BevelButton>("AbbrechB").BenutzerKlickt();
  EXPECT_FALSE(K().Visible());
  EXPECT_FALSE(K().Warten);
  EXPECT_EQ(K().AktuellerBefehl, nullptr);
  EXPECT_EQ(Saetze(), saetze);
  EXPECT_EQ(Befehl("S").Kennung, KennungSchnitt);
  EXPECT_FALSE(NeuAusgefuehrt());
  EXPECT_TRUE(h().IgnoreReturn);
}

TEST_F(Aenderungsdialoge, OkRewritesAConstructedPointAndRunsTheList) {
  Oeffne("S");
  EXPECT_EQ(K().Element<EditFeld>("xF").Text(), "2");
  KindWaehlen();
  h().IgnoreReturn = true;
  K().Element<plattform::BevelButton>("AktualisierenB").BenutzerKlickt();
  BefehlT& s = Befehl("S");
  EXPECT_EQ(s.Kennung, KennungPunkt);
  EXPECT_EQ(s.AltG1, "(2 | -1 | 0)");
  EXPECT_EQ(s.Vektor->kp, (std::array<double, 4>{0, 2, -1, 0}));
  EXPECT_EQ(Saetze()[4], "S ist der Punkt mit dem Koordinatentripel: (2 | -1 | 0) ");
  EXPECT_TRUE(NeuAusgefuehrt());
  EXPECT_FALSE(K().Visible());
  EXPECT_FALSE(K().Warten);
  EXPECT_FALSE(h().IgnoreReturn);
}

TEST_F(Aenderungsdialoge, TypedTextsGoIntoTheTriple) {
  Oeffne("A");
  Felder(K(), {"2,5", "7+1/5", "1/3"});
  K().AktualisierenB_Action();
  BefehlT& a = Befehl("A");
  EXPECT_EQ(a.AltG1, "(2,5 | 7+1/5 | 1/3)");
  EXPECT_DOUBLE_EQ(a.Vektor->kp[1], 2.5);
  EXPECT_DOUBLE_EQ(a.Vektor->kp[2], 7.2);
  EXPECT_DOUBLE_EQ(a.Vektor->kp[3], 1.0 / 3.0);
  // Everything built from A follows it.
  EXPECT_EQ(Figurennamen(), (std::vector<std::string>{"A", "B", "E", "O", "S", "T", "g"}));

  Oeffne("B");
  Felder(K(), {"", "2", "3"});
  K().AktualisierenB_Action();
  EXPECT_EQ(Befehl("B").AltG1, "( | 2 | 3)");
  EXPECT_EQ(Befehl("B").Vektor->kp[1], 0);
}

TEST_F(Aenderungsdialoge, AReopenedDialogWritesOnlyTheSecondPoint) {
  Oeffne("A");
  Oeffne("B");
  EXPECT_EQ(K().Element<plattform::StatischerText>("KoordText").Text(), "Koordinaten des Punktes B");
  Felder(K(), {"5", "5", "5"});
  K().AktualisierenB_Action();
  EXPECT_EQ(Befehl("A").AltG1, "(1|0|0)");
  EXPECT_EQ(Befehl("B").AltG1, "(5 | 5 | 5)");
}

TEST_F(Aenderungsdialoge, PlaneEquationFromTheConvertedNumbers) {
  Oeffne("E");
  Felder(G(), {"1/2", "-1", "0", "2"});
  G().AktualisierenB_Action();
  BefehlT& e = Befehl("E");
  EXPECT_EQ(e.Kennung, KennungEbene);
  EXPECT_EQ(e.Gleichung[1], 0.5);
  EXPECT_EQ(e.AltG1, "0.5x + -1y + 0z = 2");
  EXPECT_TRUE(NeuAusgefuehrt());
  EXPECT_FALSE(G().Warten);
}

TEST_F(Aenderungsdialoge, ANormalThatIsZeroIsRefused) {
  const auto saetze = Saetze();
  for (const char* a : {"0", "1/10000"}) {
    Oeffne("E");
    Felder(G(), {a, "0", "0", "5"});
    KindWaehlen();
    G().AktualisierenB_Action();
    EXPECT_EQ(Feld("HinweisF").Text(), "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben.");
    EXPECT_EQ(Saetze(), saetze) << a;
    EXPECT_FALSE(NeuAusgefuehrt());
    EXPECT_FALSE(G().Warten);
    EXPECT_FALSE(G().Visible());
  }
  // Just above the tolerance a plane is written.
  Oeffne("E");
  Felder(G(), {"1/1000", "0", "0", "5"});
  G().AktualisierenB_Action();
  EXPECT_EQ(Befehl("E").AltG1, "0.001x + 0y + 0z = 5");
}

TEST_F(Aenderungsdialoge, ANumberBeyondTheDoubleRangeIsRefused) {
  const auto saetze = Saetze();
  const std::string neunen(400, '9');
  Oeffne("A");
  Felder(K(), {"1", neunen.c_str(), "0"});
  KindWaehlen();
  K().AktualisierenB_Action();
  EXPECT_EQ(Feld("HinweisF").Text(), "Die eingegebene Zahl ist zu groß.");
  EXPECT_EQ(Befehl("A").Kennung, KennungPunkt);
  EXPECT_EQ(Befehl("A").AltG1, "(1|0|0)");
  EXPECT_EQ(Befehl("A").Vektor->kp[2], 0);
  Oeffne("E");
  Felder(G(), {"1", "-1", "0", (neunen + "+-" + neunen).c_str()});
  G().AktualisierenB_Action();
  EXPECT_EQ(Feld("HinweisF").Text(), "Die eingegebene Zahl ist zu groß.");
  EXPECT_EQ(Saetze(), saetze);
  EXPECT_FALSE(NeuAusgefuehrt());
  EXPECT_FALSE(K().Warten || G().Warten || K().Visible() || G().Visible());
}

TEST_F(Aenderungsdialoge, ACommandThatLeftTheListIsNotWritten) {
  Oeffne("T");
  BefehlT* t = K().AktuellerBefehl;
  Menue("LetztLoeschItem");
  // The delete command of a dropped figure takes the deleted record from the pool.
  Feld("LoeschF").BenutzerLaesstFallen("B");
  Feld("LoeschF").BenutzerMausVerlaesst();
  ASSERT_EQ(Befehle().back(), t);
  KindWaehlen();
  K().AktualisierenB_Action();
  EXPECT_EQ(t->Kennung, KennungLoesche);
  EXPECT_EQ(t->AltG1, "B");
  EXPECT_FALSE(NeuAusgefuehrt());
  EXPECT_FALSE(K().Warten);
  EXPECT_FALSE(K().Visible());
}

TEST_F(Aenderungsdialoge, ARecycledRecordIsNotWrittenEvenUnderTheSameName) {
  Oeffne("T");
  BefehlT* t = K().AktuellerBefehl;
  Menue("LetztLoeschItem");
  // A loaded line takes the deleted record, and it defines a T again.
  Lade("<1>    T ist der Punkt mit dem Koordinatentripel: (7|7|7) \r");
  ASSERT_EQ(&Befehl("T"), t);
  KindWaehlen();
  K().AktualisierenB_Action();
  EXPECT_EQ(t->AltG1, "(7|7|7)");
  EXPECT_FALSE(NeuAusgefuehrt());
  EXPECT_FALSE(K().Warten);
  EXPECT_FALSE(K().Visible());
}

TEST_F(Aenderungsdialoge, ARestoredCommandIsStillTheOne) {
  Oeffne("T");
  Menue("LetztLoeschItem");
  Menue("UndoItem");
  K().AktualisierenB_Action();
  EXPECT_EQ(Befehl("T").Kennung, KennungPunkt);
  EXPECT_TRUE(NeuAusgefuehrt());

  // A file line that does not fit its kind takes the deleted record and
  // gives it back unused: restored, it is still the command the dialog opened on.
  Oeffne("T");
  Menue("LetztLoeschItem");
  Lade("<1>    Q ist der Punkt mit dem Koordinatentripel: (1|2 \r");
  Menue("UndoItem");
  Felder(K(), {"4", "5", "6"});
  KindWaehlen();
  K().AktualisierenB_Action();
  EXPECT_EQ(Befehl("T").AltG1, "(4 | 5 | 6)");
  EXPECT_TRUE(NeuAusgefuehrt());
}

TEST_F(Aenderungsdialoge, AfterDeletingEverythingOkChangesNothing) {
  Oeffne("E");
  Skript().Antworte(1);
  Menue("NeuItem");
  Meldungen();
  KindWaehlen();
  G().AktualisierenB_Action();
  EXPECT_TRUE(Befehle().empty());
  EXPECT_FALSE(NeuAusgefuehrt());
  EXPECT_FALSE(G().Warten);
}

TEST_F(Aenderungsdialoge, WhileEitherWaitsTheMainWindowExecutesNothing) {
  Oeffne("A");
  Oeffne("E");
  const std::size_t n = Befehle().size();
  Menue("NumPunkt");
  Klicke("TuEsButton");
  K().AbbrechB_Action();
  Klicke("TuEsButton");
  EXPECT_EQ(Befehle().size(), n);
  EXPECT_TRUE(G().Warten);
  G().AbbrechB_Action();
  Klicke("TuEsButton");
  EXPECT_EQ(Befehle().size(), n + 1);
}

TEST_F(Aenderungsdialoge, ReturnIsOkEscapeAndACloseRequestAreCancel) {
  // From any field; the main window's latch plays no part.
  struct Fall {
    const char* figur;
    const char* feld;
    const char* taste;  // empty: the window is asked to close
    bool ok;
  };
  for (const Fall& fall : {Fall{"A", "zF", "\r", true}, Fall{"E", "dF", "\r", true}, Fall{"A", "yF", "\x1b", false},
                           Fall{"E", "xF", "\x1b", false}, Fall{"A", "xF", "", false}, Fall{"E", "zF", "", false}}) {
    SCOPED_TRACE(std::string(fall.figur) + " " + fall.feld + " " + fall.taste);
    Oeffne(fall.figur);
    Aenderungsdialog& d = fall.figur == std::string("A") ? static_cast<Aenderungsdialog&>(K()) : G();
    KindWaehlen();
    if (*fall.taste) {
      d.BenutzerFokus(&d.Element<EditFeld>(fall.feld));
      d.BenutzerTaste(fall.taste);
    } else {
      P().BenutzerSchliesst(d);
      EXPECT_EQ(P().FindeFenster(d.Klassenname()), &d);
    }
    EXPECT_FALSE(d.Warten);
    EXPECT_FALSE(d.Visible());
    // Only OK writes and executes the list again.
    EXPECT_EQ(NeuAusgefuehrt(), fall.ok);
  }
  EXPECT_EQ(Befehl("A").AltG1, "(1 | 0 | 0)");
  // Other keys do nothing.
  Oeffne("A");
  K().BenutzerFokus(&K().Element<EditFeld>("xF"));
  K().BenutzerTaste("7");
  EXPECT_TRUE(K().Warten);
}

}  // namespace
