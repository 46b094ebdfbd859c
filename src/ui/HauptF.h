#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Aufschub.h"
#include "descriptions/Beschreibungstext.h"
#include "platform/Fenster.h"
#include "platform/Plattform.h"
#include "ui/HauptFElemente.h"
#include "ui/MenuBar1.h"

class FiguratT;
class BefehlT;
struct Befehlsart;
class VektorT;

// The main window and the program-wide context at once: it holds the figure
// list, the command list, the pools, the name lists, the texts, the settings
// and the projection state. Its operations are defined in the folders of the
// subsystems that own them.
class HauptF : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "HauptF";
  static HauptF& Instanz() { return plattform::plattform().Instanz<HauptF>(); }

  HauptF();
  ~HauptF() override;

  // Properties, in declared order; the owner of each in the comment.
  FiguratT* GListe = nullptr;            // core: head of the figure list
  BefehlT* BListe = nullptr;             // commands: first command of the command list
  std::string NListe;                    // core
  std::string Protokoll;                 // commands: the command-list text
  std::string PNListe;                   // core
  std::string ErwNListe;                 // core: rows of the figure list box
  std::string oPNListe;                  // core
  Beschreibungstext InfoFenster;         // descriptions: the description text, newest first
  BefehlT* AktuellerBZeiger = nullptr;   // commands: execution cursor
  std::array<std::string, 61> BefehlsSchluessel;  // commands: key phrase per command kind
  bool destruktiv = false;               // commands
  std::string gNListe;                   // core
  std::array<bool, 501> VerbrauchteNr{};  // core: automatic numbers in use
  std::string DNListe;                   // core
  std::string EckNListe;                 // core
  std::string oEckNliste;                // core
  std::string CR;                        // shell: the line separator, character 13
  int Dezimalen = 0;                     // core: decimals of number output, 1 to 6
  BefehlT* BLager = nullptr;             // core, commands: command pool and undo stack
  FiguratT* GLager = nullptr;            // core: figure pool
  VektorT* VLager = nullptr;             // core: vector pool
  int AktuelleKennung = 0;               // shell: the kind the input bars are set up for
  bool ProtokollAn = false;              // descriptions: description mode
  bool doppelklick = false;              // shell
  std::string gPNListe;                  // core
  bool AufHinweisWarten = false;         // shell
  std::string AktuelleSammlung;          // shell
  std::string mSoEckNListe;              // core
  bool IgnoreReturn = false;             // shell: the Return latch
  VektorT* Augenpunkt = nullptr;         // graphics: eye point
  VektorT* SchnittrichtungV = nullptr;   // graphics
  double alphaW = 0;                     // graphics
  double betaW = 0;                      // graphics
  double Augenabstand = 0;               // graphics
  // commands: whether the command list runs; the descriptions and the picture
  // wait for the end of the run with their refreshes.
  Aufschub Befehlslauf;

  // Window events.
  void Open() override;

  // ---- Geometric core: src/core ----

  // Numbers, tolerance and names (Zahlen.cpp).
  // The one tolerance of the program: |x| < 1e-7.
  static bool IstNull(double x);
  static int ggT(int a, int b);
  // x rounded to Dezimalen decimals, 0 for a value that passes IstNull.
  std::string z2s(double x) const;
  // A typed number: decimal comma or point, fractions 5/7, mixed numbers 7+1/5.
  static double myval(std::string_view text);
  // Whether typed numbers can be used. One that is not finite, an overflow
  // such as 400 nines, has no plain decimal to be written back as: it is
  // refused where it is typed, with this message.
  static bool Endlich(std::initializer_list<double> zahlen);
  static constexpr const char* ZuGrosseZahl = "Die eingegebene Zahl ist zu groß";
  static bool ErlaubterName(const std::string& name);
  // The one comparison of names, for order, equality and the "G_" prefix alike.
  static int VergleicheNamen(std::string_view a, std::string_view b);
  static std::string Kommafrei(const std::string& text);
  static void TeileBeimKomma(const std::string& text, std::string& first, std::string& rest);
  static void Filtern(std::string& text);
  static std::string Ausschnitt(const std::string& text, int a, int b);

  // Pools, arena and automatic numbers (Lager.cpp).
  void ErschaffeV(VektorT*& v);
  void ErschaffeG(FiguratT*& g);
  void ErschaffeB(BefehlT*& b);
  void AlleFiguratLoeschen();
  // GListe := the origin "O" at (0, 0, 0), not entered and not described;
  // the records of the list before go back to the pool.
  void ErzeugeUrsprung();
  int FreieNr();
  void BefreieNr(int n);
  // n for an automatic name "G_" + n, 0 for every other name.
  static int AutomatischeNummer(const std::string& name);
  // The number of records ever made.
  std::size_t Arenagroesse() const;

  // Figure list and name lists (Figuratliste.cpp).
  // g := the figure of the name; found := there is one. A const context only
  // reads the figure; one that changes it looks it up without const.
  void HoleFigurat(const std::string& name, const FiguratT*& g, bool& found) const;
  void HoleFigurat(const std::string& name, FiguratT*& g, bool& found);
  // The same, with found as the result.
  bool HoleFigurat(const std::string& name, const FiguratT*& g) const;
  bool HoleFigurat(const std::string& name, FiguratT*& g);
  int FiguratTypNr(const std::string& name) const;
  bool ExistiertFigurat(const std::string& name) const;
  void HoleVektor(int selector, const std::string& name, VektorT& v) const;
  void LoescheFigurat(const std::string& name);
  // A listed record becomes one of the type typ, in its place in the list.
  void AendereTyp(FiguratT& g, int typ);
  // The first record the name lists hold: the head, or the one behind an anonymous head.
  FiguratT* ErstesFigurat() const;
  // Every record the name lists hold, in no particular order: for what
  // touches each figure alone, and much faster than along the list.
  void JedesFiguratUngeordnet(const std::function<void(FiguratT&)>& tue);
  // The points among them.
  void JederPunktUngeordnet(const std::function<void(FiguratT&)>& tue);
  // The name lists as the figure list stands; rebuilt only when it changed
  // since they were last built, so that every caller may ask for them.
  void ErzeugeNamenListen();
  static std::string Typname(int code);
  void PPP2E(const VektorT& A, const VektorT& B, const VektorT& C, VektorT& n);

  // ---- Constructions and measurements: src/constructions ----

  // What the command list calls. Operands are figure names; r is the result
  // record from the figure pool, named by the caller; ok is the success flag.
  void ErzeugePunkt(const std::string& name, double x, double y, double z, bool& ok);
  void ErzeugeEbeneG(const std::string& name, double a, double b, double c, double d, bool& ok);
  void ErzeugeSammlung(const std::string& name, const std::string& members, bool& ok);
  void KloneFigurat(const std::string& newname, const std::string& source, bool& ok);
  void ErzeugeGeradePP(const std::string& P, const std::string& Q, FiguratT*& r, bool& ok);
  void ErzeugeGeradePR(const std::string& P, const std::string& R, FiguratT*& r, bool& ok);
  void ErzeugeEbenePPP(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r, bool& ok);
  void ErzeugeEbenePN(const std::string& P, const std::string& N, FiguratT*& r, bool& ok);
  void ErzeugeEbenePRR(const std::string& P, const std::string& R1, const std::string& R2, FiguratT*& r, bool& ok);
  void ErzeugeSchnitt(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeLotfussfpunktG(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeSpiegelbild(const std::string& A, const std::string& S, FiguratT*& r, bool& ok);
  void ErzeugeOrthogonale(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeVerschieben(const std::string& A, const std::string& P, FiguratT*& r, bool& ok);
  // A failed rotation reports ok False, so that it is never recorded.
  void ErzeugeDrehung(const std::string& A, double winkel, const std::string& achse, FiguratT*& r, bool& ok);
  void ErzeugeDreieck(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r, bool& ok);
  void ErzeugeTetraeder(const std::string& basis, const std::string& spitze, FiguratT*& r, bool& ok);
  void ErzeugeMittelsenkrechte(const std::string& A, const std::string& B, FiguratT*& r, bool& ok);
  void ErzeugeHuelle(const std::string& A, const std::string& B, const std::string& C, FiguratT*& r, bool& ok);
  // The angle and distance sentences go into the description buffer.
  void Winkelausgabe(const std::string& A, const std::string& B, bool& ok);
  void Abstandausgabe(const std::string& A, const std::string& B, bool& ok);

  // Internal operations of the constructions; none enters a figure.
  // The name test of the point, the plane from numbers and the collection: a
  // name that is not allowed, or that is used while no loaded file is being
  // executed (destruktiv).
  bool NameAbgelehnt(const std::string& name) const;
  // A point of the plane a·x + b·y + c·z = d, which must have a normal.
  void EbenenPunkt(double a, double b, double c, double d, VektorT& p);
  // r := p − q, the direction of the line through p and q.
  void PP2G(const VektorT& p, const VektorT& q, VektorT& r);
  // R := the intersection of A and B. ok becomes False for a pair that has
  // none (a triangle, tetrahedron, segment or collection among them).
  void Schnitt(const FiguratT& A, const FiguratT& B, FiguratT& R, bool& ok);
  // r := a point common to the two planes E and F, which must not be parallel.
  void GemeinsamerEbenenpunkt(const FiguratT& E, const FiguratT& F, VektorT& r);
  // The angle of two lines or planes in degrees; ok becomes False for any
  // other pair and for a null direction.
  double BerechneWinkel(const std::string& A, const std::string& B, bool& ok);
  // The distance of two points, lines or planes; 0 for any other pair.
  double Abstand(const std::string& A, const std::string& B);
  double AbstandG(const FiguratT& A, const FiguratT& B);
  // R := A mirrored at S. Acts only while ok; ok becomes False unless both
  // are points, lines or planes.
  void Spiegele(const FiguratT& A, const FiguratT& S, FiguratT& R, bool& ok);
  // R := the affine hull of A, B and C, each empty, a point, a line, a plane or the whole space.
  void Huelle(const FiguratT& A, const FiguratT& B, const FiguratT& C, FiguratT& R);
  // R := the hull of two, by the pair of their types.
  void Huelle2(const FiguratT& A, const FiguratT& B, FiguratT& R);

  // ---- Command list: src/commands ----

  // Kinds, sentences and the numbered list (Befehlsarten.cpp).
  // The sentence of a command with these fields, ending in one blank.
  static std::string BText(int Kennung, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                           const std::string& AltG3);
  void ErzeugeBefehlsSchluessel();
  // Protokoll rebuilt from the command list and shown in ProtokollBox.
  void ZeigeBefehlsliste();
  // The same, with the row of the last command in view: one just recorded or restored.
  void ZeigeLetztenBefehl();

  // The command list (BefehlT.cpp).
  // The first command in list order whose NeuG is name; b is set only when found.
  void HoleBefehl(const std::string& name, BefehlT*& b, bool& found) const;
  // Whether the record is one of the command list's: not in the pool, not on the undo stack.
  bool IstInBefehlsliste(const BefehlT& b) const;

  // Reading a sentence (Satzlesen.cpp).
  static void Zeile2Vektor(std::string_view text, VektorT& v, bool& ok);
  static void Gleichung2GleichungsFeld(std::string_view text, std::array<double, 5>& G, bool& ok);
  // The kind of a command-list line by its key phrases, 0 when no kind's phrase occurs.
  int Satzart(const std::string& zeile) const;
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
  void Verbinde(const std::string& A, const std::string& B);
  void Trenne(const std::string& A, const std::string& B);
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
  void AnweisungslisteAusfuehren();
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

  // ---- Descriptions and measures: src/descriptions ----

  // The detailed description of a triangle or tetrahedron into the description buffer.
  void BeschreibeEck(const std::string& name, bool& ok);

  // One-line descriptions (Einzeiler.cpp).
  std::string Punktausgabe(const FiguratT& g) const;
  std::string Geradenausgabe(const FiguratT& g) const;
  std::string EbenenAusgabe(const FiguratT& g) const;
  std::string Dreieckausgabe(const FiguratT& g) const;
  std::string Tetraederausgabe(const FiguratT& g) const;
  std::string Zahlausgabe(const FiguratT& g) const;

  // The description buffer (Beschreibungspuffer.cpp).
  void InsInfofenster(const std::string& text);
  void InfoAktualisieren();

  // The output commands (Ausgabe.cpp).
  // The one-line description of an existing figure.
  void ZeigeFigurat(const std::string& name);
  // The one-line description of every figure, in list order.
  void AlleFiguratZeigen();
  void HinweisAusgabe(const std::string& text);

  // ---- Graphics window's share of the context: src/graphics ----

  // The picture direction S and the display angles from the eye point.
  void CalcDarstellungskonstanten(const VektorT& eye, VektorT& S, double& alpha, double& beta);

  // ---- Main window and shell: src/ui ----

  // The input bars (Eingabeleisten.cpp).
  // Clears the numeric bar for n = 1 and the operand bar for n = 2.
  void MenuleisteLeeren(int n);
  // Makes k the input kind and arranges the bars for it: the prompt, the
  // labels, the operand lists filled from the name lists.
  void SetzeKennungAuf(int k);
  void PunktEingabeSchablone();
  void EbenenEingabeSchablone();

  // Executing and the Return key (Ausfuehren.cpp).
  void TuEsButton_Action();
  bool GnameF_KeyDown(const std::string& taste);
  bool KeyDown(const std::string& taste) override;
  void MouseMove(int x, int y) override;

  // Menu commands (Menuebefehle.cpp).
  void EnableMenuItems() override;
  // The question with OK (1) and Cancel (2).
  int YesNoAbfrage(const std::string& frage);
  // The handlers of the items that do more than choose a kind, _<item>_Action.
#define FIGURAT_HANDLER_Eigen(punkt) bool _##punkt##_Action();
#define FIGURAT_HANDLER_Wahl(punkt)
#define FIGURAT_HANDLER_Keine(punkt)
#define X(name, art, text, kuerzel, menue, unter, aktion, kennung, freigabe) FIGURAT_HANDLER_##aktion(name)
  FIGURAT_MENUEPUNKTE(X)
#undef X
#undef FIGURAT_HANDLER_Eigen
#undef FIGURAT_HANDLER_Wahl
#undef FIGURAT_HANDLER_Keine

  // Figure list and command list (Listen.cpp).
  void FiguratLB_DoubleClick();
  bool FiguratLB_DragRow(plattform::DragItem& item, plattform::Zeilennr zeile);
  void ProtokollBox_DoubleClick();
  bool ProtokollBox_DragRow(plattform::DragItem& item, plattform::Zeilennr zeile);
  void KillLastOrder3_Action();
  void BevelButton1_Action();
  void G2ListB_Change();
  // The name in a row of the figure list: its text before the first blank.
  static std::string Figuratname(const std::string& zeile);

  // Drop fields, clipboard buttons, decimals and about (Ablagefelder.cpp).
  void LoeschF_MouseExit();
  bool LoeschF_KeyDown(const std::string& taste);
  void SammelF_MouseExit();
  bool SammelF_KeyDown(const std::string& taste);
  void Beschr2ClipbB_Action();
  void BefListe2ClipbB1_Action();
  void PopupMenu1_Change();
  void SprachInfoB_Action();

  // One accessor per control, named like the control.
  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_HAUPTF_ELEMENTE)

  // One accessor per menu item, named like the item.
#define FIGURAT_TYP_Menue plattform::MenuItem
#define FIGURAT_TYP_Unter plattform::MenuItem
#define FIGURAT_TYP_Trenn plattform::MenuItem
#define FIGURAT_TYP_Befehl plattform::MenuItem
#define FIGURAT_TYP_AppleBefehl plattform::AppleMenuItem
#define X(name, art, text, kuerzel, menue, unter, aktion, kennung, freigabe) \
  FIGURAT_TYP_##art& name() const { return static_cast<FIGURAT_TYP_##art&>(Menuepunkt(#name)); }
  FIGURAT_MENUEPUNKTE(X)
#undef X

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
  void MenueHandlerSchritt() override;

 private:
  plattform::MenuItem& Menuepunkt(const char* name) const;

  // ---- Private state of the subsystems ----

  // core
  VektorT* NeuerVektor();
  FiguratT* NeuesFigurat();
  BefehlT* NeuerBefehl();
  // Every record of the figure list into the pool, the list then empty.
  void FiguratlisteEinlagern();
  // A command record that was made for a file line that could not be read:
  // it holds no command, so it must not become an undo entry on BLager.
  // ErschaffeB hands it out when BLager is empty.
  BefehlT* ungenutzterB_ = nullptr;
  // Every record ever made; lists and pools only point into these.
  std::vector<std::unique_ptr<VektorT>> vektorArena_;
  std::vector<std::unique_ptr<FiguratT>> figuratArena_;
  std::vector<std::unique_ptr<BefehlT>> befehlArena_;
  // The records behind the list head, without walking the list. Kept by
  // Einlisten, LoescheFigurat and the operations that start a new list.
  // By name in name order, for the place of a new figure;
  using Figurreihe = std::map<std::string, FiguratT*, std::less<>>;
  Figurreihe figurReihe_;
  // hashed by that name, for the lookups, with the place on its side;
  struct Indexeintrag {
    Figurreihe::iterator reihe;
    std::size_t platz;
  };
  std::unordered_map<std::string_view, Indexeintrag> figuratIndex_;
  // and side by side in no order, for the walks that touch each figure alone:
  // the records of a list are spread over memory, and one after the other
  // each waits for the one before. The points stand apart, as the drawing
  // commands walk them most: a listed record changes its type only through
  // AendereTyp.
  std::vector<FiguratT*> punkte_;
  std::vector<FiguratT*> anderefiguren_;
  // The side of a record: the points or the others.
  std::vector<FiguratT*>& Seite(const FiguratT& g);
  // The record of the entry onto the end of its side, and off it again.
  void Einreihen(Indexeintrag& e);
  void Ausreihen(const Indexeintrag& e);
  // Whether the name lists show the figure list as it stands; cleared by
  // whatever enters or removes a record or changes its type.
  bool namenlistenAktuell_ = false;
  // The lookup behind both HoleFigurat.
  FiguratT* FindeFigurat(const std::string& name, bool& found) const;
  friend class FiguratT;

  // commands
  // A name with "|" is that of a result of an action on a collection.
  static bool Elementname(const std::string& name);
  // The action K applied to every member of a collection, each result named
  // NeuG|member; the result names, joined by commas.
  std::string AufMitglieder(const std::string& NeuG, const std::string& mitglieder, const std::string& AltG2,
                            const std::string& AltG3, int K);
  // The typed name, commas and blanks removed, or an automatic one.
  std::string EingegebenerName();

  // ui
  // While the Return latch is set or an edit dialog waits, nothing executes.
  bool AusfuehrenBlockiert();
  // What a menu item that chooses the input kind k does: the bars are
  // arranged for it, and a kind without operands runs at once.
  void Menuewahl(int k);
};
