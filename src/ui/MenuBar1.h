#pragma once

#include <span>

#include "platform/Menue.h"

// The program's one menu bar, built once from its item table. Every item is
// one row: name, kind, caption, shortcut, parent (the menu, and for an entry
// of a submenu the submenu within that menu), what the main window does with
// it, the input kind it chooses (a constant of the kind table, expanded only
// where the table is read), and how it is enabled.
//   Kind: Menue a menu of the bar; Unter a submenu; Trenn a separator;
//     Befehl a command; AppleBefehl a command of the application-menu kind.
//   What the main window does: Wahl chooses the input kind, and runs a kind
//     without operands at once; Eigen calls the item's own handler
//     _<item>_Action; Keine nothing.
//   Enabling: Frei by the main window's enabling step; Auto left to the
//     item's auto-enable flag.
#define FIGURAT_MENUEPUNKTE(X)                                                                                        \
  X(FileMenu, Menue, "&File", "", "", "", Keine, 0, Auto)                                                             \
  X(FileLaden, Befehl, "Laden", "Cmd+O", "FileMenu", "", Eigen, 0, Frei)                                              \
  X(FileSpeichern, Befehl, "Speichern", "Cmd+S", "FileMenu", "", Eigen, 0, Frei)                                      \
  X(UntitledSeparator3, Trenn, "-", "", "FileMenu", "", Keine, 0, Auto)                                               \
  X(FileAktualisieren, Befehl, "Alles Aktualisieren", "Cmd+K", "FileMenu", "", Eigen, 0, Frei)                        \
  X(UntitledSeparator, Trenn, "-", "", "FileMenu", "", Keine, 0, Auto)                                                \
  X(FileHInweis, Befehl, "HInweis einfügen", "Cmd+B", "FileMenu", "", Wahl, KennungHinweis, Frei)                     \
  X(UntitledSeparator6, Trenn, "-", "", "FileMenu", "", Keine, 0, Auto)                                               \
  X(FileQuit, Befehl, "&Quit", "Cmd+Q", "FileMenu", "", Eigen, 0, Frei)                                               \
  X(NumMenu, Menue, "Num --> Figurat", "", "", "", Keine, 0, Frei)                                                    \
  X(NumPunkt, Befehl, "Punkteingabe", "Cmd+A", "NumMenu", "", Wahl, EingabeFesterPunkt, Frei)                         \
  X(NumEbene, Befehl, "Ebeneneingabe", "Cmd+E", "NumMenu", "", Wahl, EingabeFesteEbene, Frei)                         \
  X(FiguratMenu, Menue, "Figurat  --> Figurat", "", "", "", Keine, 0, Frei)                                           \
  X(FiguratGerade, Unter, "Definiere Gerade", "", "FiguratMenu", "", Keine, 0, Frei)                                  \
  X(GGeradePP, Befehl, "durch zwei Punkte", "Cmd+2", "FiguratMenu", "FiguratGerade", Wahl, KennungGeradePP, Frei)     \
  X(GGeradePR, Befehl, "über Punkt und Richtung", "", "FiguratMenu", "FiguratGerade", Wahl, KennungGeradePR, Frei)    \
  X(FiguratEbene, Unter, "Definiere Ebene", "", "FiguratMenu", "", Keine, 0, Frei)                                    \
  X(GEbenePPP, Befehl, "durch 3 Punkte", "Cmd+3", "FiguratMenu", "FiguratEbene", Wahl, KennungEbenePPP, Frei)         \
  X(GEbenePRR, Befehl, "über Punkt und zwei Richtungen", "", "FiguratMenu", "FiguratEbene",                           \
    Wahl, KennungEbenePRR, Frei)                                                                                      \
  X(GEbenePN, Befehl, "über Punkt und Normalenvektor", "", "FiguratMenu", "FiguratEbene",                             \
    Wahl, KennungEbenePN, Frei)                                                                                       \
  X(FiguratHuelle, Befehl, "Definiere Hülle", "", "FiguratMenu", "", Wahl, KennungHuelle, Frei)                       \
  X(UntitledSeparator5, Trenn, "-", "", "FiguratMenu", "", Keine, 0, Auto)                                            \
  X(FiguratDreieck, Befehl, "Definiere Dreieck", "", "FiguratMenu", "", Wahl, KennungDreieck, Frei)                   \
  X(FiguratTetraeder, Befehl, "Definiere Tetraeder", "", "FiguratMenu", "", Wahl, KennungTetraeder, Frei)             \
  X(FiguratSammlung, Befehl, "Definiere Sammlung", "", "FiguratMenu", "", Wahl, KennungSammlung, Frei)                \
  X(UntitledSeparator0, Trenn, "-", "", "FiguratMenu", "", Keine, 0, Auto)                                            \
  X(FiguratErzeuge, Unter, "Erzeuge Figurat", "", "FiguratMenu", "", Keine, 0, Frei)                                  \
  X(GErzeugeSchnitt, Befehl, "als Schnitt", "Cmd+C", "FiguratMenu", "FiguratErzeuge", Wahl, KennungSchnitt, Frei)     \
  X(GErzeugeMittelsenkrechte, Befehl, "als Mittelsenkrechte", "", "FiguratMenu", "FiguratErzeuge",                    \
    Wahl, KennungMittelsenkrechte, Frei)                                                                              \
  X(GErzeugeLotfusspunktG, Befehl, "als Lotfußpunktfigurat", "Cmd+F", "FiguratMenu", "FiguratErzeuge",                \
    Wahl, KennungLotfusspunkt, Frei)                                                                                  \
  X(GErzeugeSpiegelbild, Befehl, "als Spiegelbild", "Cmd+M", "FiguratMenu", "FiguratErzeuge",                         \
    Wahl, KennungSpiegelbild, Frei)                                                                                   \
  X(GErzeugeOrthogonale, Befehl, "als Orthogonale", "", "FiguratMenu", "FiguratErzeuge",                              \
    Wahl, KennungOrthogonale, Frei)                                                                                   \
  X(UntitledSeparator7, Trenn, "-", "", "FiguratMenu", "FiguratErzeuge", Keine, 0, Auto)                              \
  X(GErzeugeVerschieben, Befehl, "durch Verschieben", "Cmd+V", "FiguratMenu", "FiguratErzeuge",                       \
    Wahl, KennungVerschieben, Frei)                                                                                   \
  X(GErzeugeDrehen, Befehl, "durch Drehen", "Cmd+R", "FiguratMenu", "FiguratErzeuge", Wahl, KennungDrehen, Frei)      \
  X(GErzeugeKlonen, Befehl, "durch Klonen", "", "FiguratMenu", "FiguratErzeuge", Wahl, KennungKlonen, Frei)           \
  X(BerechneMenu, Menue, "Berechne", "", "", "", Keine, 0, Frei)                                                      \
  X(BerechneWinkel, Befehl, "Winkel zwischen", "Cmd+W", "BerechneMenu", "", Wahl, KennungWinkel, Frei)                \
  X(BerechneAbstand, Befehl, "Abstand von", "Cmd+D", "BerechneMenu", "", Wahl, KennungAbstand, Frei)                  \
  X(AusgabeMenu, Menue, "Ausgabe", "", "", "", Keine, 0, Auto)                                                        \
  X(AusgabeZeige, Befehl, "Zeige", "", "AusgabeMenu", "", Wahl, KennungZeige, Frei)                                   \
  X(AusgabeBeschreibe, Befehl, "Beschreibe ausführlich", "", "AusgabeMenu", "", Wahl, KennungBeschreibe, Frei)        \
  X(UntitledSeparator2, Trenn, "-", "", "AusgabeMenu", "", Keine, 0, Auto)                                            \
  X(AusgabeAllesZeigen, Befehl, "Zeige alle Figurat", "Cmd+L", "AusgabeMenu", "", Eigen, 0, Frei)                     \
  X(UntitledSeparator4, Trenn, "-", "", "AusgabeMenu", "", Keine, 0, Auto)                                            \
  X(AusgabeProtokoll, Befehl, "Switch Beschreibungsmodus", "Cmd+U", "AusgabeMenu", "", Eigen, 0, Frei)                \
  X(UntitledSeparator8, Trenn, "-", "", "AusgabeMenu", "", Keine, 0, Auto)                                            \
  X(Darstellung, Menue, "zeichnerische  Darstellung", "", "", "", Keine, 0, Auto)                                     \
  X(grafischeDarstellungZeichne, Befehl, "Zeichne", "Cmd+G", "Darstellung", "", Wahl, KennungZeichne, Frei)           \
  X(AllePunkteZeichnen, Befehl, "Zeichne alle Punkte", "", "Darstellung", "", Wahl, KennungZeichneAllePunkte, Frei)   \
  X(AllesZeichnen, Befehl, "Zeichne alles", "", "Darstellung", "", Wahl, KennungZeichneAlles, Frei)                   \
  X(UntitledSeparator9, Trenn, "-", "", "Darstellung", "", Keine, 0, Auto)                                            \
  X(RadiereItem, Befehl, "Radiere", "", "Darstellung", "", Wahl, KennungRadiere, Frei)                                \
  X(AllePunkteRadieren, Befehl, "Radiere alle Punkte", "", "Darstellung", "", Wahl, KennungRadiereAllePunkte, Auto)   \
  X(AlleFiguratRadieren, Befehl, "Radiere alle Figurat", "", "Darstellung", "",                                       \
    Wahl, KennungRadiereAlleFigurat, Auto)                                                                            \
  X(AlleStreckenRadieren, Befehl, "Radiere alle Strecken", "", "Darstellung", "",                                     \
    Wahl, KennungRadiereAlleStrecken, Auto)                                                                           \
  X(AllesRadieren, Befehl, "Radiere alles", "", "Darstellung", "", Wahl, KennungRadiereAlles, Auto)                   \
  X(LoeschMenu, Menue, "Löschen", "", "", "", Keine, 0, Auto)                                                         \
  X(NeuItem, Befehl, "Alles Löschen", "Cmd+N", "LoeschMenu", "", Eigen, 0, Frei)                                      \
  X(LetztLoeschItem, Befehl, "Letzte Anweisung löschen", "Cmd+X", "LoeschMenu", "", Eigen, 0, Frei)                   \
  X(UntitledSeparator1, Trenn, "-", "", "LoeschMenu", "", Keine, 0, Auto)                                             \
  X(UndoItem, Befehl, "Restore", "Cmd+Z", "LoeschMenu", "", Eigen, 0, Frei)                                           \
  X(HilfeM, Menue, "Hilfe", "", "", "", Eigen, 0, Frei)                                                               \
  X(InfoFigurat, AppleBefehl, "Info zu Figurat3D", "Cmd+I", "HilfeM", "", Eigen, 0, Frei)                             \
  X(InfoHilfe, Befehl, "Hilfe zu Figurat3D", "Cmd+H", "HilfeM", "", Eigen, 0, Frei)

enum class Punktart { Menue, Unter, Trenn, Befehl, AppleBefehl };
enum class Menueaktion { Keine, Eigen, Wahl };
enum class Freigabe { Auto, Frei };

// One row of the item table.
struct Menuezeile {
  const char* name;
  Punktart art;
  const char* text;
  const char* kuerzel;
  const char* menue;       // the menu it is an entry of; empty for a menu
  const char* untermenue;  // the submenu within that menu, if any
  Menueaktion aktion;
  int kennung;  // the input kind a Wahl item chooses
  Freigabe freigabe;
};

class MenuBar1 : public plattform::MenuBar {
 public:
  MenuBar1();
  // The item table, in build order.
  static std::span<const Menuezeile> Zeilen();
};

// The one instance, built on the first call.
class MenuBar1& MenuBar1();
