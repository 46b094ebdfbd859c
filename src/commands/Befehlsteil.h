#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Grafikteil.h"
#include "platform/Steuerelement.h"

class BefehlT;
struct Befehlsart;
struct Satzlesung;

// The command-list text and the box that shows it. The box takes its rows
// from the text when it shows them, so the text changes only together with
// the rows it hands the box.
class Befehlslistentext {
 public:
  const std::string& Text() const { return zeilen_.Text(); }
  // The text made anew, laenge bytes long, by schreibe, which appends it to
  // the empty text; the box's rows are its lines.
  void Setze(std::size_t laenge, const std::function<void(std::string&)>& schreibe, plattform::ListBox& box);
  // One line more at the end, which schreibe appends, ending in CR.
  void Haenge(const std::function<void(std::string&)>& schreibe, plattform::ListBox& box);
  // The box's rows set again to the text's lines.
  void ZeigeIn(plattform::ListBox& box);
  // Line zeile goes, and the lines behind it are numbered one less.
  void Entferne(std::size_t zeile, plattform::ListBox& box);
  std::size_t Zeilen() const { return zeilen_.Zeilen(); }

 private:
  plattform::Zeilentext zeilen_;
};

// The command list's part of the main window: the list, its pool, the
// kinds' key phrases and the actions typed or replayed.
class Befehlsteil : public Grafikteil {
 public:
  static Befehlsteil& Instanz() { return static_cast<Befehlsteil&>(Kernteil::Instanz()); }

  Befehlsteil();
  ~Befehlsteil() override;

 private:
  friend class BefehlT;
  Befehlslistentext protokoll_;  // Protokoll and the rows of ProtokollBox, set by ZeigeBefehlsliste
  // The list's last command, where known: found by showing the whole list and
  // kept by appending. Null after any other change of the list.
  BefehlT* bEnde_ = nullptr;
  // Whether Protokoll shows the list up to protokollEnde_, its last line's
  // command, with nothing changed before it; then one appended command adds
  // one line, and with none appended the text is the list's.
  bool protokollStimmt_ = false;
  const BefehlT* protokollEnde_ = nullptr;

 public:
  // Properties.
  BefehlT* BListe = nullptr;  // first command of the command list
  const std::string& Protokoll = protokoll_.Text();  // the command-list text
  BefehlT* AktuellerBZeiger = nullptr;  // execution cursor
  std::array<std::string, 61> BefehlsSchluessel;  // key phrase per command kind
  BefehlT* BLager = nullptr;  // command pool and undo stack
  int AktuelleKennung = 0;  // the kind the input bars are set up for
  std::string AktuelleSammlung;

  // The command pool (BefehlT.cpp).
  void ErschaffeB(BefehlT*& b);
  // The number of records ever made.
  std::size_t Arenagroesse() const;

  // Kinds, sentences and the numbered list (Befehlsarten.cpp).
  // The sentence of a command with these fields, ending in one blank.
  static std::string BText(int Kennung, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                           const std::string& AltG3);
  void ErzeugeBefehlsSchluessel();
  // Protokoll rebuilt from the command list and shown in ProtokollBox.
  void ZeigeBefehlsliste();
  // The same, with the row of the last command in view: one just recorded or restored.
  void ZeigeLetztenBefehl();
  // Called on every change of the command list but appending at its end,
  // a command changed in place included.
  void BefehllisteGeaendert();
  // Whether Protokoll is the text of the list as it stands.
  bool ProtokollZeigtListe() const { return protokollStimmt_ && protokollEnde_ == bEnde_; }

  // The command list (BefehlT.cpp).
  // The first command in list order whose NeuG is name; b is set only when found.
  void HoleBefehl(const std::string& name, BefehlT*& b, bool& found) const;
  // Whether the record is one of the command list's: not in the pool, not on the undo stack.
  bool IstInBefehlsliste(const BefehlT& b) const;

  // Reading a sentence (Satzlesen.cpp).
  static void Zeile2Vektor(std::string_view text, VektorT& v, bool& ok);
  static void Gleichung2GleichungsFeld(std::string_view text, std::array<double, 5>& G, bool& ok);
  // The kind of a command-list line by its key phrases, 0 when no kind's phrase occurs.
  int Satzart(std::string_view zeile) const;
  // The line read as its kind: the reading by which the kind was found.
  Satzlesung LiesZeile(std::string_view zeile) const;
  // Records a command at the end of the list and shows the lists anew.
  void Aufzeichnen(int K, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                   const std::string& AltG3);

  // Applying one action (Aktion.cpp): names the figure NeuG defines, tests
  // the operand types for the kind K, calls the operation and records the
  // command when it succeeded.
  // The same without recording: whether it succeeded. The fields are those
  // to be recorded (the collection and the hint set theirs).
  bool Anwenden(std::string& NeuG, std::string& AltG1, std::string& AltG2, std::string& AltG3, int K);
  void FiguratAktionSingle(std::string NeuG, std::string AltG1, std::string AltG2, std::string AltG3, int K);
  // The point connections of the graphics window, through the command list:
  // connecting records the command and executes the list, which makes the
  // connection as every later run will; separating records it and applies it at once.
  void Verbinde(const std::string& A, const std::string& B) override;
  void Trenne(const std::string& A, const std::string& B) override;
  // The figure of a name; the empty name never counts as found.
  bool Gefunden(const std::string& name, FiguratT*& g);

  // Actions on collections (Sammlungen.cpp).
  // What the kind does with the collection as its first operand, on both roads.
  void AufSammlung(const Befehlsart& art, const std::string& NeuG, const std::string& sammlung,
                   const std::string& AltG2, const std::string& AltG3);
  // The operand bar's action, on a collection as the kind says.
  void FiguratAktion();

  // "Ausführen" (TuEs.cpp).
  void TuEs();

  // Points and planes from numbers (Zahleingabe.cpp).
  void DefinierePunkt();
  void DefiniereEbene();
  // The equation text of a plane command: a "x + " b "y + " c "z = " d, in plain numbers.
  static std::string Gleichungstext(double a, double b, double c, double d);

  // Executing the list again (Wiederholung.cpp).
  // From the origin alone, every command from the first, then the picture redrawn.
  void AnweisungslisteAusfuehren() override;
  // Every command from the cursor AktuellerBZeiger to the end of the list.
  void BefehlslisteAbarbeiten();
  // One command, by the operations of its kind; nothing recorded.
  void BefehlAusfuehren(BefehlT& b);

  // Restart and clearing everything (Neustart.cpp).
  void Neustart();
  // The whole list onto the undo stack, the figures to the pool, then Neustart.
  void AllesLoeschen();

  // Editing and undo (Bearbeiten.cpp).
  // Whether a text begins with "<", digits and ">", as every row of ProtokollBox does.
  static bool IstBefehlszeile(const std::string& text);
  // Deletes the command whose number the row gives, onto the undo stack.
  void LoescheBefehl(const std::string& zeile);
  void LoescheLetztenBefehl();
  // Appends the most recently deleted command at the end of the list.
  void Restore();

  // The command-list file (Befehlsdatei.cpp).
  // Asks for a file and writes Protokoll into it; False when nothing was written.
  bool SpeichereProtokoll();
  // Resets the figures and loads a file the user chooses.
  void LadeFile();
  void LadeProtokoll();
  // Appends the commands of a command-list text and executes the whole list.
  void Befehlslisteeinlesen(const std::string& text);

  // What the main window's input bars do: clears the numeric bar for n = 1
  // and the operand bar for n = 2.
  virtual void MenuleisteLeeren(int n) = 0;
  // The main window's controls the commands read and fill.
  virtual plattform::EditFeld& GnameF() const = 0;
  virtual plattform::EditFeld& aF() const = 0;
  virtual plattform::EditFeld& bF() const = 0;
  virtual plattform::EditFeld& cF() const = 0;
  virtual plattform::EditFeld& dF() const = 0;
  virtual plattform::ListBox& G1ListB() const = 0;
  virtual plattform::ListBox& G2ListB() const = 0;
  virtual plattform::ListBox& G3ListB() const = 0;
  virtual plattform::ListBox& FiguratLB() const = 0;
  virtual plattform::ListBox& ProtokollBox() const = 0;
  virtual plattform::EditFeld& GradF() const = 0;
  virtual plattform::StatischerText& EingabeText() const = 0;
  virtual plattform::EditFeld& HinweisF() const = 0;

 private:
  BefehlT* NeuerBefehl();
  // The command weg at line zeile (from 0), behind davor or at the front,
  // goes onto the undo stack, and the list is shown: a text that showed the
  // list before loses the line, the rest renumbered, instead of being made anew.
  void NimmAusListe(BefehlT* davor, BefehlT& weg, std::size_t zeile);
  // A command record that was made for a file line that could not be read:
  // it holds no command, so it must not become an undo entry on BLager.
  // ErschaffeB hands it out when BLager is empty.
  BefehlT* ungenutzterB_ = nullptr;
  // Every command record ever made, in blocks: the records of a loaded list
  // lie one after the other in memory, as the walks along the list go.
  std::vector<std::unique_ptr<BefehlT[]>> befehlBloecke_;
  std::size_t befehlAnzahl_ = 0;

  // A name with "|" is that of a result of an action on a collection.
  static bool Elementname(const std::string& name);
  // The action K applied to every member of a collection, each result named
  // NeuG|member; the result names, joined by commas.
  std::string AufMitglieder(const std::string& NeuG, const std::string& mitglieder, const std::string& AltG2,
                            const std::string& AltG3, int K);
  // The typed name, commas and blanks removed, or an automatic one.
  std::string EingegebenerName();
};
