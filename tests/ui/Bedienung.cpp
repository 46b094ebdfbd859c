// The program on the real widgets behaves as users of a desktop program
// expect, with the keyboard, the mouse and Qt's own dialogs.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>

#include "commands/Befehlsarten.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "ui/GlFenster.h"
#include "ui/HilfeFenster.h"
#include "ui/KoordFenster.h"
#include "ui/Unterricht.h"

namespace {

using plattform::EditFeld;

class Bedienung : public Unterricht {
 protected:
  // The window in front, with the keyboard focus on the widget.
  static void Fokus(QWidget* w) {
    QWidget* fenster = w->window();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    w->setFocus(Qt::OtherFocusReason);
  }
  // The controls that Tab visits from the first, by name, until it comes back.
  static std::vector<std::string> Tabkette(QWidget* erstes) {
    Fokus(erstes);
    std::vector<std::string> kette;
    for (QWidget* w = erstes; kette.size() < 30;) {
      kette.push_back(w->objectName().toStdString());
      QTest::keyClick(w, Qt::Key_Tab);
      w = QApplication::focusWidget();
      if (!w || w == erstes) break;
    }
    return kette;
  }
  QWidget* In(const plattform::Fenster& f, const char* name) { return Qt().Widget(*f.Finde(name)); }
};

TEST_F(Bedienung, TabFollowsTheVisualOrderInEveryWindow) {
  const std::vector<std::string> unten = {"PopupMenu1", "InfoF",        "FiguratLB", "HinweisF",
                                          "LastInfoF",  "ProtokollBox", "LoeschF",   "SammelF"};
  auto mit = [&](std::vector<std::string> oben) {
    oben.insert(oben.end(), unten.begin(), unten.end());
    return oben;
  };
  Menue("NumPunkt");
  EXPECT_EQ(Tabkette(W("GnameF")), mit({"GnameF", "aF", "bF", "cF", "TuEsButton"}));
  Menue("NumEbene");
  EXPECT_EQ(Tabkette(W("GnameF")), mit({"GnameF", "aF", "bF", "cF", "dF", "TuEsButton"}));
  Menue("GEbenePPP");
  EXPECT_EQ(Tabkette(W("GnameF")), mit({"GnameF", "G1ListB", "G2ListB", "G3ListB", "TuEsButton"}));
  Menue("GErzeugeDrehen");
  EXPECT_EQ(Tabkette(W("GnameF")), mit({"GnameF", "G1ListB", "GradF", "G3ListB", "TuEsButton"}));
  // Shift+Tab goes back the same way.
  Fokus(W("GradF"));
  QTest::keyClick(W("GradF"), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), W("G1ListB"));

  GrafikFenster& grafik = GrafikFenster::Instanz();
  EXPECT_EQ(Tabkette(In(grafik, "XAuge")),
            (std::vector<std::string>{"XAuge", "yAuge", "zAuge", "x_Wert", "y_Wert", "z_Wert", "PunktpaarLB", "faktr",
                                      "xOffsetS", "yOffsetS", "TextSizeS", "ZeigeAchsen", "DreiDAnzeige"}));
  KoordFenster::Instanz().Show();
  EXPECT_EQ(Tabkette(In(KoordFenster::Instanz(), "xF")), (std::vector<std::string>{"xF", "yF", "zF"}));
  GlFenster::Instanz().Show();
  EXPECT_EQ(Tabkette(In(GlFenster::Instanz(), "xF")), (std::vector<std::string>{"xF", "yF", "zF", "dF"}));
  EXPECT_EQ(Tabkette(In(HilfeFenster::Instanz(), "InfoTxt")), std::vector<std::string>{"InfoTxt"});
  EXPECT_EQ(Tabkette(In(InformFenster::Instanz(), "InfoF")), std::vector<std::string>{"InfoF"});
}

TEST_F(Bedienung, AReturnThatTheDecimalsPopupTakesExecutesNothing) {
  Menue("NumPunkt");
  Tippe("GnameF", "PopT");
  Tippe("aF", "7");
  Tippe("bF", "7");
  Tippe("cF", "7");
  auto* popup = W<QComboBox>("PopupMenu1");
  Fokus(popup);
  // Opened, moved along and chosen with the keyboard.
  QTest::keyClick(popup, Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(popup->view()->isVisible());
  QTest::keyClick(popup->view(), Qt::Key_Down);
  QTest::keyClick(popup->view(), Qt::Key_Down);
  QTest::keyClick(popup->view(), Qt::Key_Return);
  EXPECT_FALSE(popup->view()->isVisible());
  EXPECT_EQ(h().Dezimalen, 2);
  EXPECT_EQ(L("ProtokollBox")->Anzahl(), 0);
  // The input waits for its own Return.
  QTest::keyClick(W("cF"), Qt::Key_Return);
  EXPECT_EQ(Zeilen("ProtokollBox"),
            std::vector<std::string>{"<1>    PopT ist der Punkt mit dem Koordinatentripel: (7|7|7) "});
}

TEST_F(Bedienung, ASliderStepWithAnEmptyFigureShowsOneBox) {
  Zahlebene("E", "0", "0", "1", "0");
  Zahlebene("F", "0", "0", "1", "1");
  Kuerzel(W("GnameF"), Qt::Key_C);
  Tippe("GnameF", "L");
  Waehle("G1ListB", "E");
  Waehle("G2ListB", "F");
  Klicke("TuEsButton");
  ASSERT_EQ(Figurat("L").Typ, TypLeer);
  const std::string meldung = "Bisher werden nur Tetraeder, Dreiecke, Geraden und Punkte abgebildet";
  Menue("AllesZeichnen");
  EXPECT_EQ(Meldungen(), std::vector<std::string>{meldung});

  // A click on the groove beside the handle: one page step. The box took the
  // release; the slider must not go on stepping while the user reads it.
  GrafikFenster& grafik = GrafikFenster::Instanz();
  auto* z = qobject_cast<QSlider*>(In(grafik, "z_Wert"));
  Fokus(z);
  QTest::mousePress(z, Qt::LeftButton, {}, QPoint(z->width() - 5, z->height() / 2));
  QTest::qWait(1000);
  EXPECT_EQ(z->value(), 35);
  EXPECT_EQ(h().Augenpunkt->kp[3], 35);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{meldung});
  // The next click is the next step.
  QTest::mouseClick(z, Qt::LeftButton, {}, QPoint(z->width() - 5, z->height() / 2));
  QTest::qWait(700);
  EXPECT_EQ(z->value(), 45);
  EXPECT_EQ(Meldungen(), std::vector<std::string>{meldung});
}

TEST_F(Bedienung, QtsOwnDialogsSpeakGerman) {
  // The boxes as the Qt dialog service builds them, and its file dialog.
  QMessageBox frage(QMessageBox::NoIcon, QString(), "Vor dem Beenden Speichern?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(frage.button(QMessageBox::Yes)->text(), "&Ja");
  EXPECT_EQ(frage.button(QMessageBox::No)->text(), "&Nein");
  EXPECT_EQ(frage.button(QMessageBox::Cancel)->text(), "Abbrechen");
  QMessageBox meldung(QMessageBox::NoIcon, QString(), "Die Datei konnte nicht gespeichert werden", QMessageBox::Ok);
  EXPECT_EQ(meldung.button(QMessageBox::Ok)->text(), "OK");
  QFileDialog speichern;
  speichern.setOption(QFileDialog::DontUseNativeDialog);
  speichern.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(speichern.windowTitle(), "Speichern unter");
  auto* knoepfe = speichern.findChild<QDialogButtonBox*>();
  ASSERT_TRUE(knoepfe);
  EXPECT_EQ(knoepfe->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}

TEST_F(Bedienung, ReturnEscapeAndCloseInBothEditDialogs) {
  Zahlpunkt("A", "1", "0", "0");
  Zahlebene("E", "1", "1", "0", "3");
  struct Fall {
    const char* zeile;  // of the figure in the figure list
    const char* feld;   // that the key goes to
    Qt::Key taste;      // Key_unknown: the close button
    bool ok;
  };
  for (const Fall& fall : {Fall{"A ", "zF", Qt::Key_Return, true}, Fall{"E ", "yF", Qt::Key_Enter, true},
                           Fall{"A ", "yF", Qt::Key_Escape, false}, Fall{"E ", "dF", Qt::Key_Escape, false},
                           Fall{"A ", "xF", Qt::Key_unknown, false}, Fall{"E ", "xF", Qt::Key_unknown, false}}) {
    SCOPED_TRACE(std::string(fall.zeile) + fall.feld);
    const std::vector<std::string> vorher = Zeilen("ProtokollBox");
    Bewege();
    Doppelklick("FiguratLB", fall.zeile, Qt::ShiftModifier);
    Aenderungsdialog& d = fall.zeile == std::string("A ") ? static_cast<Aenderungsdialog&>(KoordFenster::Instanz())
                                                          : GlFenster::Instanz();
    ASSERT_TRUE(d.Warten);
    QWidget* fenster = Qt().Widget(d);
    auto* x = qobject_cast<QLineEdit*>(In(d, "xF"));
    Fokus(x);
    x->selectAll();
    QTest::keyClicks(x, "5");
    if (fall.taste == Qt::Key_unknown)
      fenster->close();
    else
      QTest::keyClick(In(d, fall.feld), fall.taste);
    EXPECT_FALSE(d.Warten);
    EXPECT_FALSE(fenster->isVisible());
    // Only OK writes the command.
    EXPECT_EQ(Zeilen("ProtokollBox") != vorher, fall.ok);
  }
  EXPECT_EQ(Zeilen("ProtokollBox"),
            (std::vector<std::string>{"<1>    A ist der Punkt mit dem Koordinatentripel: (5 | 0 | 0) ",
                                      "<2>    E ist die Ebene mit der Gleichung: 5x + 1y + 0z = 3 "}));
  // The main window executes again.
  Menue("NumPunkt");
  Klicke("TuEsButton");
  EXPECT_EQ(L("ProtokollBox")->Anzahl(), 3);
}

TEST_F(Bedienung, ANameWithAnAngleBracketOnTheDeleteField) {
  Zahlpunkt("a<2>", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  Ziehe("FiguratLB", "a<2> ", "LoeschF");
  EXPECT_EQ(Zeile("FiguratLB", "B "), 1);
  EXPECT_EQ(L("FiguratLB")->Anzahl(), 2);
  EXPECT_EQ(Zeilen("ProtokollBox").back(), "<3>    Loesche das Figurat: a<2> ");
  // Recorded, not executed again: the point bar is still there.
  EXPECT_TRUE(W("aF")->isVisible());
}

// Every text inside its control at the platform's font, and a static text
// clear of the controls around it.
TEST_F(Bedienung, EveryTextFitsInsideItsControl) {
  KoordFenster::Instanz().Show();
  GlFenster::Instanz().Show();
  HilfeFenster::Instanz();
  InformFenster::Instanz();
  auto pruefe = [&](const plattform::Fenster& f) {
    for (const auto& s : f.Elemente()) {
      QWidget* w = Qt().Widget(*s);
      if (!w || !w->isVisible()) continue;
      const std::string wo = f.Klassenname() + "." + s->Name();
      if (auto* l = qobject_cast<QLabel*>(w)) {
        // Line breaks at the end take their place in the text but show nothing.
        QString text = l->text();
        while (text.endsWith('\n')) text.chop(1);
        if (text.isEmpty()) continue;
        const QRect platz = l->contentsRect();
        const QRect ganz = l->fontMetrics().boundingRect(platz, int(l->alignment()), l->text());
        const QRect schrift(ganz.topLeft(), l->fontMetrics().boundingRect(platz, int(l->alignment()), text).size());
        EXPECT_TRUE(platz.contains(schrift)) << wo << " " << text.toStdString();
        const QRect imFenster = schrift.translated(l->pos()).adjusted(-2, 0, 2, 0);
        for (const auto& anderes : f.Elemente()) {
          QWidget* a = Qt().Widget(*anderes);
          if (a != w && a->isVisible() && !qobject_cast<QLabel*>(a)) {
            EXPECT_FALSE(imFenster.intersects(a->geometry())) << wo << " " << text.toStdString() << " touches " << anderes->Name();
          }
        }
      } else if (auto* b = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        const QRect platz = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b);
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), platz.width()) << wo;
        EXPECT_LE(b->fontMetrics().height(), platz.height()) << wo;
      } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
        EXPECT_LE(c->sizeHint().width(), c->width()) << wo;
        EXPECT_LE(c->fontMetrics().height(), c->height()) << wo;
      }
    }
  };
  for (plattform::Fenster* f : P().AlleFenster()) pruefe(*f);
  // The bars' labels of every input kind.
  for (int kennung : {EingabeFesterPunkt, EingabeFesteEbene, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                      25, 30, 31, 41, 42, 43, 44, 45, 48, 49}) {
    SCOPED_TRACE(kennung);
    h().SetzeKennungAuf(kennung);
    P().Abgleichen();
    pruefe(h());
  }
}

}  // namespace
