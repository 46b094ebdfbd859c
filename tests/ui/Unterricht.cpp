// A whole lesson on the real program: the Qt widgets driven as a teacher
// drives them, with menus, shortcuts, typing, Return, clicks, double-clicks,
// drags and drops and the coordinate dialog.

#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "commands/BefehlT.h"
#include "graphics/GrafikFenster.h"
#include "platform/qt/Listenansicht.h"
#include "ui/GlFenster.h"
#include "ui/HilfeFenster.h"
#include "ui/KoordFenster.h"
#include "ui/Unterricht.h"

namespace {

using plattform::EditFeld;
using plattform::ListBox;

TEST_F(Unterricht, AWholeLesson) {
  // Four points from numbers: with the button, Return in the name field and
  // Return in a number field.
  Kuerzel(W("GnameF"), Qt::Key_A);
  EXPECT_TRUE(W("aF")->isVisible());
  Tippe("GnameF", "A");
  Tippe("aF", "1");
  Tippe("bF", "0");
  Tippe("cF", "0");
  Klicke("TuEsButton");
  Tippe("aF", "0");
  Tippe("bF", "2");
  Tippe("cF", "0");
  Tippe("GnameF", "B");
  QTest::keyClick(W("GnameF"), Qt::Key_Return);
  Tippe("GnameF", "C");
  Tippe("aF", "0");
  Tippe("bF", "0");
  Tippe("cF", "3");
  QTest::keyClick(W("cF"), Qt::Key_Return);
  // The window's Return latched: neither a second one nor the button does
  // anything until the pointer moves.
  QTest::keyClick(W("cF"), Qt::Key_Return);
  Klicke("TuEsButton");
  EXPECT_EQ(L("ProtokollBox")->Anzahl(), 3);
  Bewege();
  Tippe("GnameF", "D");
  Tippe("aF", "1");
  Tippe("bF", "1");
  Tippe("cF", "1");
  QTest::keyClick(W("cF"), Qt::Key_Return);
  Bewege();

  // A line, a plane, a line through the origin and its intersection with the plane.
  Kuerzel(W("GnameF"), Qt::Key_2);
  Tippe("GnameF", "g");
  Waehle("G1ListB", "A");
  Waehle("G2ListB", "B");
  Klicke("TuEsButton");
  Kuerzel(W("GnameF"), Qt::Key_3);
  Tippe("GnameF", "E");
  Waehle("G1ListB", "A");
  Waehle("G2ListB", "B");
  Waehle("G3ListB", "C");
  Klicke("TuEsButton");
  Menue("GGeradePP");
  Tippe("GnameF", "k");
  Waehle("G1ListB", "O");
  Waehle("G2ListB", "D");
  Klicke("TuEsButton");
  // Ctrl+C is the intersection, also while an edit field has the focus.
  Kuerzel(W("GnameF"), Qt::Key_C);
  Tippe("GnameF", "S");
  Waehle("G1ListB", "k");
  Waehle("G2ListB", "E");
  Klicke("TuEsButton");
  // The mirror image of D at E.
  Kuerzel(W("GnameF"), Qt::Key_M);
  Tippe("GnameF", "M");
  Waehle("G1ListB", "D");
  Waehle("G2ListB", "E");
  Klicke("TuEsButton");

  // Descriptions: the line, the angle between it and the plane, a triangle in detail.
  Menue("AusgabeZeige");
  Waehle("G1ListB", "g");
  Klicke("TuEsButton");
  Kuerzel(W("TuEsButton"), Qt::Key_W);
  Waehle("G1ListB", "g");
  Waehle("G2ListB", "E");
  Klicke("TuEsButton");
  Menue("FiguratDreieck");
  Tippe("GnameF", "T");
  Waehle("G1ListB", "A");
  Waehle("G2ListB", "B");
  Waehle("G3ListB", "C");
  Klicke("TuEsButton");
  Menue("AusgabeBeschreibe");
  Waehle("G1ListB", "T");
  Klicke("TuEsButton");
  Menue("AllesZeichnen");

  EXPECT_EQ(Zeilen("ProtokollBox"),
            (std::vector<std::string>{
                "<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) ",
                "<2>    B ist der Punkt mit dem Koordinatentripel: (0|2|0) ",
                "<3>    C ist der Punkt mit dem Koordinatentripel: (0|0|3) ",
                "<4>    D ist der Punkt mit dem Koordinatentripel: (1|1|1) ",
                "<5>    g wird definiert als Gerade durch die Punkte: A und: B ",
                "<6>    E wird definiert als Ebene durch die Punkte: A ,: B und: C ",
                "<7>    k wird definiert als Gerade durch die Punkte: O und: D ",
                "<8>    S wird definiert als Schnitt der Figurat: k und: E ",
                "<9>    M wird definiert als Ergebnis der Spiegelung von:  D an: E ",
                "<10>    Zeige die wesentlichen Daten von: g ",
                "<11>    Berechne den Winkel zwischen den Figuratn: g und: E ",
                "<12>    T ist das Dreieck mit den Ecken: A und: B und: C ",
                "<13>    Gib eine ausfuehrliche Beschreibung von: T ",
                "<14>    Zeichne alles ",
            }));
  // The command list follows: its newest row is in view.
  EXPECT_TRUE(ImBlick("ProtokollBox", 13));
  EXPECT_FALSE(ImBlick("ProtokollBox", 0));
  // S = (6/11, 6/11, 6/11); M = D − 10/49·(6, 3, 2); the triangle has the sides √5, √13, √10 and the area 7/2.
  for (const char* zeile : {"E hat die Gleichung 6x + 3y + 2z = 6",
                            "S ist der Punkt mit dem Koordinatentripel (0.545455 | 0.545455 | 0.545455)",
                            "M ist der Punkt mit dem Koordinatentripel (-0.22449 | 0.387755 | 0.591837)",
                            "Der Winkel zwischen g und E beträgt 0º",
                            "L(A|B) = 2.236068,   L(B|C) = 3.605551,   L(C|A) = 3.162278",
                            "A:   81.869898º,      B:   60.255119º,     C:  37.874984º",
                            "Der Flächeninhalt des Dreiecks beträgt 3.5"})
    EXPECT_TRUE(Beschreibung(zeile)) << zeile;
  EXPECT_EQ(Info().rfind("\nDas Dreieck T mit den Ecken A, B und C hat folgende Eigenschaften: \n", 0), 0u);
  EXPECT_EQ(Zeilen("FiguratLB").size(), 11u);
  EXPECT_TRUE(Figurat("T").sichtbar());

  // The angle's row dropped on the delete field: the list runs again without it.
  Ziehe("ProtokollBox", "<11>", "LoeschF");
  EXPECT_EQ(L("ProtokollBox")->Anzahl(), 13);
  EXPECT_FALSE(Beschreibung("Der Winkel zwischen g und E beträgt 0º"));
  // A double-click on the mirror image's row moves the last command behind it.
  Doppelklick("ProtokollBox", "<9>");
  EXPECT_EQ(Zeilen("ProtokollBox")[9], "<10>    Zeichne alles ");
  // Ctrl+Z brings the angle back at the end, without running it.
  L("ProtokollBox")->ZeigeZeile(0);
  Kuerzel(W("GnameF"), Qt::Key_Z);
  EXPECT_EQ(Zeilen("ProtokollBox").back(), "<14>    Berechne den Winkel zwischen den Figuratn: g und: E ");
  EXPECT_TRUE(ImBlick("ProtokollBox", 13));
  EXPECT_FALSE(Beschreibung("Der Winkel zwischen g und E beträgt 0º"));

  // A gets new coordinates in its dialog; everything built on it follows.
  Doppelklick("FiguratLB", "A ", Qt::ShiftModifier);
  KoordFenster& dialog = KoordFenster::Instanz();
  ASSERT_TRUE(dialog.Warten);
  QWidget* dialogfenster = Qt().Widget(dialog);
  EXPECT_TRUE(dialogfenster->isVisible());
  EXPECT_EQ(dialogfenster->windowTitle(), "Ändern von Koordinaten");
  auto* x = qobject_cast<QLineEdit*>(Qt().Widget(dialog.Element<EditFeld>("xF")));
  EXPECT_EQ(x->text(), "1");
  QTest::mouseClick(x, Qt::LeftButton);
  x->selectAll();
  QTest::keyClicks(x, "2");
  // The main window executes nothing while the dialog waits.
  Klicke("TuEsButton");
  EXPECT_EQ(L("ProtokollBox")->Anzahl(), 14);
  Bildschirmfoto(Qt(), dialog, "unterricht-koordinaten.png");
  QTest::mouseClick(Qt().Widget(dialog.Element<plattform::BevelButton>("AktualisierenB")), Qt::LeftButton);
  EXPECT_FALSE(dialogfenster->isVisible());
  EXPECT_FALSE(dialog.Warten);

  const std::vector<std::string> ende = {
      "<1>    A ist der Punkt mit dem Koordinatentripel: (2 | 0 | 0) ",
      "<2>    B ist der Punkt mit dem Koordinatentripel: (0|2|0) ",
      "<3>    C ist der Punkt mit dem Koordinatentripel: (0|0|3) ",
      "<4>    D ist der Punkt mit dem Koordinatentripel: (1|1|1) ",
      "<5>    g wird definiert als Gerade durch die Punkte: A und: B ",
      "<6>    E wird definiert als Ebene durch die Punkte: A ,: B und: C ",
      "<7>    k wird definiert als Gerade durch die Punkte: O und: D ",
      "<8>    S wird definiert als Schnitt der Figurat: k und: E ",
      "<9>    M wird definiert als Ergebnis der Spiegelung von:  D an: E ",
      "<10>    Zeichne alles ",
      "<11>    Zeige die wesentlichen Daten von: g ",
      "<12>    T ist das Dreieck mit den Ecken: A und: B und: C ",
      "<13>    Gib eine ausfuehrliche Beschreibung von: T ",
      "<14>    Berechne den Winkel zwischen den Figuratn: g und: E ",
  };
  // E is now 3x + 3y + 2z = 6: S = (3/4, 3/4, 3/4), M = D − 2/11·(3, 3, 2), the triangle's area √88/2.
  const std::vector<const char*> beschreibungen = {
      "E hat die Gleichung 3x + 3y + 2z = 6",
      "S ist der Punkt mit dem Koordinatentripel (0.75 | 0.75 | 0.75)",
      "M ist der Punkt mit dem Koordinatentripel (0.454545 | 0.454545 | 0.636364)",
      "L(A|B) = 2.828427,   L(B|C) = 3.605551,   L(C|A) = 3.605551",
      "Der Flächeninhalt des Dreiecks beträgt 4.690416"};
  EXPECT_EQ(Zeilen("ProtokollBox"), ende);
  for (const char* zeile : beschreibungen) EXPECT_TRUE(Beschreibung(zeile)) << zeile;
  // The angle, now last in the list, writes its text on top.
  EXPECT_EQ(Info().rfind("\nDer Winkel zwischen g und E beträgt 0º\n\nDas Dreieck T", 0), 0u);

  // Saved with Ctrl+S, everything deleted with Ctrl+N, loaded back with Ctrl+O.
  Skript().WaehleDatei(Datei());
  Kuerzel(W("GnameF"), Qt::Key_S);
  std::string datei;
  ASSERT_TRUE(P().Dateidienst().Lese(Datei(), datei) == plattform::Dateien::Lesen::Gelesen);
  EXPECT_EQ(datei, h().Protokoll + "\n");
  Skript().Antworte(1);
  Kuerzel(W("GnameF"), Qt::Key_N);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Nach Drücken von 'ok' wird alles gelöscht!"});
  EXPECT_EQ(L("ProtokollBox")->Anzahl(), 0);
  EXPECT_EQ(Zeilen("FiguratLB").size(), 1u);
  EXPECT_EQ(Info(), "");
  Skript().WaehleDatei(Datei());
  Kuerzel(W("GnameF"), Qt::Key_O);
  EXPECT_EQ(Zeilen("ProtokollBox"), ende);
  for (const char* zeile : beschreibungen) EXPECT_TRUE(Beschreibung(zeile)) << zeile;
  EXPECT_EQ(Zeilen("FiguratLB").size(), 11u);
  // Drawn by "Zeichne alles", which now comes before the triangle.
  EXPECT_TRUE(Figurat("S").sichtbar());
  EXPECT_FALSE(Figurat("T").sichtbar());

  Bildschirmfoto(Qt(), h(), "unterricht-hauptfenster.png");
  // A smaller scale brings every point into the picture.
  GrafikFenster& grafik = GrafikFenster::Instanz();
  qobject_cast<QSlider*>(Qt().Widget(grafik.Element<plattform::Slider>("faktr")))->setValue(150);
  EXPECT_EQ(grafik.faktor, 150);
  Bildschirmfoto(Qt(), grafik, "unterricht-grafik.png");
}

TEST_F(Unterricht, CollectionPlaneDialogAndTheSmallerWindows) {
  Zahlpunkt("A", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  Kuerzel(W("GnameF"), Qt::Key_E);
  Tippe("GnameF", "E");
  Tippe("aF", "2");
  Tippe("bF", "4");
  Tippe("cF", "6");
  Tippe("dF", "8");
  Klicke("TuEsButton");

  // A collection gathered on the collection field, each member once.
  Menue("FiguratSammlung");
  Tippe("GnameF", "Z");
  Ziehe("FiguratLB", "A ", "SammelF");
  Ziehe("FiguratLB", "B ", "SammelF");
  Ziehe("FiguratLB", "A ", "SammelF");
  EXPECT_EQ(W<QLineEdit>("SammelF")->text(), "");
  EXPECT_EQ(W<QPlainTextEdit>("LastInfoF")->toPlainText(), "Sammelobjekte:\nA,B");
  QTest::keyClick(W("GnameF"), Qt::Key_Return);
  EXPECT_EQ(Zeilen("ProtokollBox").back(), "<4>    Z ist die Sammlung der Figurat: A,B ");

  // The plane's dialog shows the simplified normal; a zero normal is refused.
  Doppelklick("FiguratLB", "E ", Qt::ShiftModifier);
  GlFenster& dialog = GlFenster::Instanz();
  ASSERT_TRUE(dialog.Warten);
  auto feld = [&](const char* name) { return qobject_cast<QLineEdit*>(Qt().Widget(dialog.Element<EditFeld>(name))); };
  EXPECT_EQ(feld("xF")->text() + feld("yF")->text() + feld("zF")->text() + feld("dF")->text(), "1234");
  Bildschirmfoto(Qt(), dialog, "unterricht-ebenengleichung.png");
  for (const char* name : {"xF", "yF", "zF"}) {
    QTest::mouseClick(feld(name), Qt::LeftButton);
    feld(name)->selectAll();
    QTest::keyClicks(feld(name), "0");
  }
  QTest::mouseClick(Qt().Widget(dialog.Element<plattform::BevelButton>("AktualisierenB")), Qt::LeftButton);
  EXPECT_FALSE(Qt().Widget(dialog)->isVisible());
  EXPECT_EQ(W<QPlainTextEdit>("HinweisF")->toPlainText(),
            "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben.");
  EXPECT_EQ(Zeilen("ProtokollBox")[2], "<3>    E ist die Ebene mit der Gleichung: 2x + 4y + 6z = 8 ");

  // Two decimals from the popup, then the command list to the clipboard.
  auto* popup = W<QComboBox>("PopupMenu1");
  QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Down);
  EXPECT_EQ(h().Dezimalen, 2);
  Klicke("BefListe2ClipbB1");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            "\n<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) \n"
            "<2>    B ist der Punkt mit dem Koordinatentripel: (0|1|0) \n"
            "<3>    E ist die Ebene mit der Gleichung: 2x + 4y + 6z = 8 \n"
            "<4>    Z ist die Sammlung der Figurat: A,B \n");
  Klicke("SprachInfoB");
  ASSERT_EQ(Meldungen().size(), 1u);

  // Help and information by their shortcuts.
  Kuerzel(W("GnameF"), Qt::Key_H);
  EXPECT_TRUE(Qt().Widget(HilfeFenster::Instanz())->isVisible());
  Bildschirmfoto(Qt(), HilfeFenster::Instanz(), "unterricht-hilfe.png");
  Kuerzel(W("GnameF"), Qt::Key_I);
  EXPECT_TRUE(Qt().Widget(InformFenster::Instanz())->isVisible());
  Bildschirmfoto(Qt(), InformFenster::Instanz(), "unterricht-info.png");
}

// Counts how often a window is shown and hidden, and whether it was made anew.
class Abbildungen : public QObject {
 public:
  explicit Abbildungen(QWidget* w) : w_(w), id_(w->winId()) { w->installEventFilter(this); }
  int gezeigt = 0, versteckt = 0;
  bool NeuErzeugt() const { return w_->winId() != id_; }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show) ++gezeigt;
    if (e->type() == QEvent::Hide) ++versteckt;
    return false;
  }

 private:
  QWidget* w_;
  WId id_;
};

TEST_F(Unterricht, TheProgramsFocusMovesNeitherRemapsTheWindowNorLosesTheKey) {
  Abbildungen zaehler(fenster_);
  Kuerzel(W("GnameF"), Qt::Key_A);
  EXPECT_EQ(QApplication::focusWidget(), W("GnameF"));
  Kuerzel(W("GnameF"), Qt::Key_E);
  Tippe("aF", "1");
  // Ctrl+2 from another field takes the focus to the name field.
  Kuerzel(W("aF"), Qt::Key_2);
  EXPECT_EQ(QApplication::focusWidget(), W("GnameF"));
  Menue("NumPunkt");
  Tippe("GnameF", "P");
  Klicke("TuEsButton");
  EXPECT_EQ(QApplication::focusWidget(), W("GnameF"));
  // A key typed now goes where the program put the focus.
  QTest::keyClick(fenster_->windowHandle(), 'Q');
  EXPECT_EQ(W<QLineEdit>("GnameF")->text(), "Q");
  // "Zeige" hides the name field; the next kind with a name shows it and gives it the key.
  Menue("AusgabeZeige");
  EXPECT_FALSE(W("GnameF")->isVisible());
  Kuerzel(W("TuEsButton"), Qt::Key_2);
  EXPECT_EQ(QApplication::focusWidget(), W("GnameF"));
  QTest::keyClick(fenster_->windowHandle(), 'R');
  EXPECT_EQ(W<QLineEdit>("GnameF")->text(), "QR");
  EXPECT_EQ(zaehler.gezeigt, 0);
  EXPECT_EQ(zaehler.versteckt, 0);
  EXPECT_FALSE(zaehler.NeuErzeugt());
  EXPECT_TRUE(fenster_->isActiveWindow());
}

TEST_F(Unterricht, FieldsTheProgramFillsShowTheirBeginning) {
  Zahlpunkt("A", "1/3", "2/3", "1");
  Doppelklick("FiguratLB", "A ", Qt::ShiftModifier);
  KoordFenster& dialog = KoordFenster::Instanz();
  for (auto [name, anfang] : {std::pair{"xF", "0.333"}, {"yF", "0.666"}}) {
    auto* feld = qobject_cast<QLineEdit*>(Qt().Widget(dialog.Element<EditFeld>(name)));
    EXPECT_TRUE(feld->text().startsWith(anfang)) << name;
    EXPECT_EQ(feld->cursorPosition(), 0) << name;
  }
  QTest::mouseClick(Qt().Widget(dialog.Element<plattform::BevelButton>("AbbrechB")), Qt::LeftButton);
  // Several lines: the newest description stands first, and it is what shows.
  for (int i = 0; i < 12; ++i) Zahlpunkt("", "1/7", "2/7", "3/7");
  auto* info = W<QPlainTextEdit>("InfoF");
  EXPECT_GT(info->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(info->verticalScrollBar()->value(), 0);
  EXPECT_EQ(info->textCursor().position(), 0);
  // What the user drops, the cursor stands behind, ready for more.
  Ziehe("FiguratLB", "A ", "GnameF");
  auto* name = W<QLineEdit>("GnameF");
  EXPECT_FALSE(name->text().isEmpty());
  EXPECT_EQ(name->cursorPosition(), name->text().size());
}

// Every kind takes a number when its name is left empty, also one that defines
// no figure; a refused point or plane keeps the number it took.
TEST_F(Unterricht, AutomaticNumbersAreTakenForEveryNamelessCommand) {
  Zahlpunkt("A", "1", "0", "0");
  Menue("AusgabeZeige");
  Waehle("G1ListB", "A");
  Klicke("TuEsButton");
  Klicke("TuEsButton");
  Zahlpunkt("", "0", "1", "0");
  Menue("NumEbene");
  for (const char* feld : {"aF", "bF", "cF"}) Tippe(feld, "0");
  Tippe("dF", "1");
  Klicke("TuEsButton");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{"Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben"});
  Zahlpunkt("", "0", "0", "1");
  std::vector<std::string> namen;
  for (const BefehlT* b = h().BListe; b; b = b->Zeiger) namen.push_back(b->NeuG);
  EXPECT_EQ(namen, (std::vector<std::string>{"A", "G_1", "G_2", "G_3", "G_5"}));
}

TEST_F(Unterricht, MinusWithNoPairChosenSeparatesNothingAfterTheListWasRefilled) {
  Zahlpunkt("A", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  GrafikFenster& grafik = GrafikFenster::Instanz();
  QWidget* grafikfenster = Qt().Widget(grafik);
  auto* paare = dynamic_cast<plattform::qt::Listenansicht*>(Qt().Widget(grafik.Element<ListBox>("PunktpaarLB")));
  ASSERT_TRUE(paare);
  QWidget* minus = Qt().Widget(grafik.Element<plattform::BevelButton>("getrenntB"));
  auto zurueck = [&] {
    grafikfenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(grafikfenster));
  };
  zurueck();
  // "Test" runs the list again, which fills the pair list.
  QTest::mouseClick(Qt().Widget(grafik.Element<plattform::BevelButton>("BevelButton1")), Qt::LeftButton);
  int zeile = -1;
  for (int i = 0; i < paare->Anzahl(); ++i)
    if (Text(paare, i) == "A:B") zeile = i;
  ASSERT_GE(zeile, 0);
  QTest::mouseClick(paare->viewport(), Qt::LeftButton, {}, paare->Zeilenrechteck(zeile).center());
  QTest::mouseClick(minus, Qt::LeftButton);
  EXPECT_EQ(Zeilen("ProtokollBox").back(), "<3>    Trenne: A und: B ");
  EXPECT_EQ(paare->Gewaehlt(), -1);

  // To the main window's clipboard button and back: the list has the focus
  // again, and still no pair is chosen.
  fenster_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_));
  Klicke("BefListe2ClipbB1");
  zurueck();
  paare->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(paare->Gewaehlt(), -1);
  QTest::mouseClick(minus, Qt::LeftButton);
  EXPECT_EQ(Zeilen("ProtokollBox").size(), 3u);
  EXPECT_EQ(grafik.Element<ListBox>("PunktpaarLB").ListIndex(), -1);
}

TEST_F(Unterricht, ANameOfAMillionCharactersLoadsAndItsRowsAndLinesAreShownCut) {
  const std::string name(1'000'000, 'N');
  ASSERT_TRUE(P().Dateidienst().Schreibe(
      Datei(), "<1>    A ist der Punkt mit dem Koordinatentripel: (1|0|0) \r<2>    " + name +
                   " ist der Punkt mit dem Koordinatentripel: (0|1|0) \r<3>    Zeichne alle Punkte \r"));
  Skript().WaehleDatei(Datei());
  Kuerzel(W("GnameF"), Qt::Key_O);
  // The widgets show 2,000 bytes of a line; the model and the clipboard keep it whole.
  const std::string gekuerzt = name.substr(0, 2000) + "\u2026";
  EXPECT_EQ(Zeilen("ProtokollBox")[1], "<2>    " + name.substr(0, 1993) + "\u2026");
  EXPECT_EQ(h().Element<ListBox>("ProtokollBox").Zeile(1),
            "<2>    " + name + " ist der Punkt mit dem Koordinatentripel: (0|1|0) ");
  EXPECT_EQ(Zeilen("FiguratLB")[Zeile("FiguratLB", "NNN")], gekuerzt);
  EXPECT_TRUE(Beschreibung(gekuerzt));
  Klicke("Beschr2ClipbB");
  EXPECT_NE(QGuiApplication::clipboard()->text().toStdString().find(
                "\n" + name + " ist der Punkt mit dem Koordinatentripel (0 | 1 | 0)\n"),
            std::string::npos);
  GrafikFenster& grafik = GrafikFenster::Instanz();
  auto* paare = dynamic_cast<plattform::qt::Listenansicht*>(Qt().Widget(grafik.Element<ListBox>("PunktpaarLB")));
  ASSERT_EQ(paare->Anzahl(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_LE(paare->Zeilentext(i).size(), 2001) << i;
}

}  // namespace
