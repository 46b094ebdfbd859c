#pragma once

#include "platform/Menue.h"

// The program's one menu bar, built once from its item table. Every item is
// one row: name, kind, caption, shortcut and parent (the menu, and for an
// entry of a submenu the submenu within that menu).
//   Menue: a menu of the bar; Unter: a submenu; Trenn: a separator;
//   Befehl: a command; AppleBefehl: a command of the application-menu kind.
#define FIGURAT_MENUEPUNKTE(X)                                                                         \
  X(FileMenu, Menue, "&File", "", "", "")                                                             \
  X(FileLaden, Befehl, "Laden", "Cmd+O", "FileMenu", "")                                              \
  X(FileSpeichern, Befehl, "Speichern", "Cmd+S", "FileMenu", "")                                      \
  X(UntitledSeparator3, Trenn, "-", "", "FileMenu", "")                                               \
  X(FileAktualisieren, Befehl, "Alles Aktualisieren", "Cmd+K", "FileMenu", "")                        \
  X(UntitledSeparator, Trenn, "-", "", "FileMenu", "")                                                \
  X(FileHInweis, Befehl, "HInweis einfügen", "Cmd+B", "FileMenu", "")                                 \
  X(UntitledSeparator6, Trenn, "-", "", "FileMenu", "")                                               \
  X(FileQuit, Befehl, "&Quit", "Cmd+Q", "FileMenu", "")                                               \
  X(NumMenu, Menue, "Num --> Figurat", "", "", "")                                                    \
  X(NumPunkt, Befehl, "Punkteingabe", "Cmd+A", "NumMenu", "")                                         \
  X(NumEbene, Befehl, "Ebeneneingabe", "Cmd+E", "NumMenu", "")                                        \
  X(FiguratMenu, Menue, "Figurat  --> Figurat", "", "", "")                                           \
  X(FiguratGerade, Unter, "Definiere Gerade", "", "FiguratMenu", "")                                  \
  X(GGeradePP, Befehl, "durch zwei Punkte", "Cmd+2", "FiguratMenu", "FiguratGerade")                  \
  X(GGeradePR, Befehl, "über Punkt und Richtung", "", "FiguratMenu", "FiguratGerade")                 \
  X(FiguratEbene, Unter, "Definiere Ebene", "", "FiguratMenu", "")                                    \
  X(GEbenePPP, Befehl, "durch 3 Punkte", "Cmd+3", "FiguratMenu", "FiguratEbene")                      \
  X(GEbenePRR, Befehl, "über Punkt und zwei Richtungen", "", "FiguratMenu", "FiguratEbene")           \
  X(GEbenePN, Befehl, "über Punkt und Normalenvektor", "", "FiguratMenu", "FiguratEbene")             \
  X(FiguratHuelle, Befehl, "Definiere Hülle", "", "FiguratMenu", "")                                  \
  X(UntitledSeparator5, Trenn, "-", "", "FiguratMenu", "")                                            \
  X(FiguratDreieck, Befehl, "Definiere Dreieck", "", "FiguratMenu", "")                               \
  X(FiguratTetraeder, Befehl, "Definiere Tetraeder", "", "FiguratMenu", "")                           \
  X(FiguratSammlung, Befehl, "Definiere Sammlung", "", "FiguratMenu", "")                             \
  X(UntitledSeparator0, Trenn, "-", "", "FiguratMenu", "")                                            \
  X(FiguratErzeuge, Unter, "Erzeuge Figurat", "", "FiguratMenu", "")                                  \
  X(GErzeugeSchnitt, Befehl, "als Schnitt", "Cmd+C", "FiguratMenu", "FiguratErzeuge")                 \
  X(GErzeugeMittelsenkrechte, Befehl, "als Mittelsenkrechte", "", "FiguratMenu", "FiguratErzeuge")    \
  X(GErzeugeLotfusspunktG, Befehl, "als Lotfußpunktfigurat", "Cmd+F", "FiguratMenu", "FiguratErzeuge") \
  X(GErzeugeSpiegelbild, Befehl, "als Spiegelbild", "Cmd+M", "FiguratMenu", "FiguratErzeuge")         \
  X(GErzeugeOrthogonale, Befehl, "als Orthogonale", "", "FiguratMenu", "FiguratErzeuge")              \
  X(UntitledSeparator7, Trenn, "-", "", "FiguratMenu", "FiguratErzeuge")                              \
  X(GErzeugeVerschieben, Befehl, "durch Verschieben", "Cmd+V", "FiguratMenu", "FiguratErzeuge")       \
  X(GErzeugeDrehen, Befehl, "durch Drehen", "Cmd+R", "FiguratMenu", "FiguratErzeuge")                 \
  X(GErzeugeKlonen, Befehl, "durch Klonen", "", "FiguratMenu", "FiguratErzeuge")                      \
  X(BerechneMenu, Menue, "Berechne", "", "", "")                                                      \
  X(BerechneWinkel, Befehl, "Winkel zwischen", "Cmd+W", "BerechneMenu", "")                           \
  X(BerechneAbstand, Befehl, "Abstand von", "Cmd+D", "BerechneMenu", "")                              \
  X(AusgabeMenu, Menue, "Ausgabe", "", "", "")                                                        \
  X(AusgabeZeige, Befehl, "Zeige", "", "AusgabeMenu", "")                                             \
  X(AusgabeBeschreibe, Befehl, "Beschreibe ausführlich", "", "AusgabeMenu", "")                       \
  X(UntitledSeparator2, Trenn, "-", "", "AusgabeMenu", "")                                            \
  X(AusgabeAllesZeigen, Befehl, "Zeige alle Figurat", "Cmd+L", "AusgabeMenu", "")                     \
  X(UntitledSeparator4, Trenn, "-", "", "AusgabeMenu", "")                                            \
  X(AusgabeProtokoll, Befehl, "Switch Beschreibungsmodus", "Cmd+U", "AusgabeMenu", "")                \
  X(UntitledSeparator8, Trenn, "-", "", "AusgabeMenu", "")                                            \
  X(Darstellung, Menue, "zeichnerische  Darstellung", "", "", "")                                     \
  X(grafischeDarstellungZeichne, Befehl, "Zeichne", "Cmd+G", "Darstellung", "")                       \
  X(AllePunkteZeichnen, Befehl, "Zeichne alle Punkte", "", "Darstellung", "")                         \
  X(AllesZeichnen, Befehl, "Zeichne alles", "", "Darstellung", "")                                    \
  X(UntitledSeparator9, Trenn, "-", "", "Darstellung", "")                                            \
  X(RadiereItem, Befehl, "Radiere", "", "Darstellung", "")                                            \
  X(AllePunkteRadieren, Befehl, "Radiere alle Punkte", "", "Darstellung", "")                         \
  X(AlleFiguratRadieren, Befehl, "Radiere alle Figurat", "", "Darstellung", "")                       \
  X(AlleStreckenRadieren, Befehl, "Radiere alle Strecken", "", "Darstellung", "")                     \
  X(AllesRadieren, Befehl, "Radiere alles", "", "Darstellung", "")                                    \
  X(LoeschMenu, Menue, "Löschen", "", "", "")                                                         \
  X(NeuItem, Befehl, "Alles Löschen", "Cmd+N", "LoeschMenu", "")                                      \
  X(LetztLoeschItem, Befehl, "Letzte Anweisung löschen", "Cmd+X", "LoeschMenu", "")                   \
  X(UntitledSeparator1, Trenn, "-", "", "LoeschMenu", "")                                             \
  X(UndoItem, Befehl, "Restore", "Cmd+Z", "LoeschMenu", "")                                           \
  X(HilfeM, Menue, "Hilfe", "", "", "")                                                               \
  X(InfoFigurat, AppleBefehl, "Info zu Figurat3D", "Cmd+I", "HilfeM", "")                             \
  X(InfoHilfe, Befehl, "Hilfe zu Figurat3D", "Cmd+H", "HilfeM", "")

class MenuBar1 : public plattform::MenuBar {
 public:
  MenuBar1();
};

// The one instance, built on the first call.
class MenuBar1& MenuBar1();
