// The program on the real widgets behaves as users of a desktop program
// expect, with the keyboard, the mouse and Qt's own dialogs.

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
};

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

TEST_F(Bedienung, ANameWithAnAngleBracketOnTheDeleteField) {
  Zahlpunkt("a<2>", "1", "0", "0");
  Zahlpunkt("B", "0", "1", "0");
  Ziehe("FiguratLB", "a<2> ", "LoeschF");
  EXPECT_EQ(Zeile("FiguratLB", "B "), 1);
  EXPECT_EQ(W<QListView>("FiguratLB")->model()->rowCount(), 2);
  EXPECT_EQ(Zeilen("ProtokollBox").back(), "<3>    Loesche das Figurat: a<2> ");
  // Recorded, not executed again: the point bar is still there.
  EXPECT_TRUE(W("aF")->isVisible());
}

}  // namespace
