// A whole lesson on the real program: the Qt widgets driven as a teacher
// drives them, with menus, shortcuts, typing, Return, clicks, double-clicks,
// drags and drops and the coordinate dialog.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "support/Umgebung.h"
#include "ui/GlFenster.h"
#include "ui/HauptF.h"
#include "ui/HilfeFenster.h"
#include "ui/KoordFenster.h"

namespace {

using plattform::EditFeld;
using plattform::ListBox;

class Unterricht : public ProgrammTest {
 protected:
  Unterricht() : ProgrammTest(Backend::Qt) {}
  void SetUp() override {
    ProgrammTest::SetUp();
    fenster_ = qobject_cast<QMainWindow*>(Qt().Widget(h()));
    fenster_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_));
  }
  void TearDown() override {
    std::filesystem::remove(Datei());
    ProgrammTest::TearDown();
  }
  static HauptF& h() { return HauptF::Instanz(); }
  static std::string Datei() { return (std::filesystem::temp_directory_path() / "figurat_unterricht.txt").string(); }

  template <class T = QWidget>
  T* W(const char* name) {
    return qobject_cast<T*>(Qt().Widget(*h().Finde(name)));
  }
  static QAction* Aktion(const QList<QAction*>& aktionen, const QString& name) {
    for (QAction* a : aktionen) {
      if (a->objectName() == name) return a;
      if (a->menu())
        if (QAction* tiefer = Aktion(a->menu()->actions(), name)) return tiefer;
    }
    return nullptr;
  }
  // A menu item chosen with the mouse.
  void Menue(const char* punkt) {
    QAction* a = Aktion(fenster_->menuBar()->actions(), punkt);
    ASSERT_TRUE(a) << punkt;
    a->trigger();
  }
  void Kuerzel(QWidget* w, Qt::Key taste) { QTest::keyClick(w, taste, Qt::ControlModifier); }
  void Tippe(const char* feld, const char* text) {
    auto* f = W<QLineEdit>(feld);
    QTest::mouseClick(f, Qt::LeftButton);
    QTest::keyClicks(f, text);
  }
  void Klicke(const char* knopf) { QTest::mouseClick(W(knopf), Qt::LeftButton); }
  // The pointer moves over the window, away from every field.
  void Bewege() { QTest::mouseMove(fenster_, QPoint(600, 100)); }
  static std::string Text(QListView* l, int zeile) {
    return l->model()->index(zeile, 0).data().toString().toStdString();
  }
  QPoint Zeilenmitte(QListView* l, int zeile) { return l->visualRect(l->model()->index(zeile, 0)).center(); }
  int Zeile(const char* liste, const std::string& anfang) {
    auto* l = W<QListView>(liste);
    for (int i = 0; i < l->model()->rowCount(); ++i)
      if (Text(l, i).rfind(anfang, 0) == 0) return i;
    ADD_FAILURE() << liste << " hat keine Zeile " << anfang;
    return -1;
  }
  void Waehle(const char* liste, const std::string& anfang) {
    auto* l = W<QListView>(liste);
    int zeile = Zeile(liste, anfang);
    l->scrollTo(l->model()->index(zeile, 0));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, Zeilenmitte(l, zeile));
  }
  void Doppelklick(const char* liste, const std::string& anfang, Qt::KeyboardModifiers mod = {}) {
    auto* l = W<QListView>(liste);
    int zeile = Zeile(liste, anfang);
    l->scrollTo(l->model()->index(zeile, 0));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, mod, Zeilenmitte(l, zeile));
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, mod, Zeilenmitte(l, zeile));
  }
  // A row dragged onto a drop field, then the pointer leaving the field.
  void Ziehe(const char* liste, const std::string& anfang, const char* feld) {
    auto text = h().Element<ListBox>(liste).BenutzerZiehtZeile(Zeile(liste, anfang));
    ASSERT_TRUE(text);
    auto* ziel = W<QLineEdit>(feld);
    // The pointer is over the field when it lets go.
    QTest::mouseMove(ziel);
    QMimeData daten;
    daten.setText(QString::fromStdString(*text));
    const QPoint mitte = ziel->rect().center();
    QDragEnterEvent enter(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &enter);
    QDropEvent drop(QPointF(mitte), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &drop);
    Bewege();
  }
  // What the widgets show.
  std::vector<std::string> Zeilen(const char* liste) {
    std::vector<std::string> zeilen;
    auto* l = W<QListView>(liste);
    for (int i = 0; i < l->model()->rowCount(); ++i) zeilen.push_back(Text(l, i));
    return zeilen;
  }
  std::string Info() { return W<QPlainTextEdit>("InfoF")->toPlainText().toStdString(); }
  bool Beschreibung(const std::string& zeile) { return ("\n" + Info() + "\n").find("\n" + zeile + "\n") != std::string::npos; }
  static FiguratT& Figurat(const std::string& name) {
    FiguratT* g;
    bool found;
    h().HoleFigurat(name, g, found);
    if (!found) throw std::logic_error(name);
    return *g;
  }

  // A point typed into the numeric bar and executed with the button.
  void Zahlpunkt(const char* name, const char* x, const char* y, const char* z) {
    Menue("NumPunkt");
    Tippe("GnameF", name);
    Tippe("aF", x);
    Tippe("bF", y);
    Tippe("cF", z);
    Klicke("TuEsButton");
  }

  QMainWindow* fenster_ = nullptr;
};

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
  EXPECT_EQ(W<QListView>("ProtokollBox")->model()->rowCount(), 3);
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
  EXPECT_TRUE(Figurat("T").sichtbar);

  // The angle's row dropped on the delete field: the list runs again without it.
  Ziehe("ProtokollBox", "<11>", "LoeschF");
  EXPECT_EQ(W<QListView>("ProtokollBox")->model()->rowCount(), 13);
  EXPECT_FALSE(Beschreibung("Der Winkel zwischen g und E beträgt 0º"));
  // A double-click on the mirror image's row moves the last command behind it.
  Doppelklick("ProtokollBox", "<9>");
  EXPECT_EQ(Zeilen("ProtokollBox")[9], "<10>    Zeichne alles ");
  // Ctrl+Z brings the angle back at the end, without running it.
  Kuerzel(W("GnameF"), Qt::Key_Z);
  EXPECT_EQ(Zeilen("ProtokollBox").back(), "<14>    Berechne den Winkel zwischen den Figuratn: g und: E ");
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
  EXPECT_EQ(W<QListView>("ProtokollBox")->model()->rowCount(), 14);
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
  EXPECT_EQ(W<QListView>("ProtokollBox")->model()->rowCount(), 0);
  EXPECT_EQ(Zeilen("FiguratLB").size(), 1u);
  EXPECT_EQ(Info(), "");
  Skript().WaehleDatei(Datei());
  Kuerzel(W("GnameF"), Qt::Key_O);
  EXPECT_EQ(Zeilen("ProtokollBox"), ende);
  for (const char* zeile : beschreibungen) EXPECT_TRUE(Beschreibung(zeile)) << zeile;
  EXPECT_EQ(Zeilen("FiguratLB").size(), 11u);
  // Drawn by "Zeichne alles", which now comes before the triangle.
  EXPECT_TRUE(Figurat("S").sichtbar);
  EXPECT_FALSE(Figurat("T").sichtbar);

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

}  // namespace
