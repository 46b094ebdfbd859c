#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class BefehlT;
class FiguratT;
class Befehlsteil;

// Command kinds (BefehlT::Kennung).
constexpr int KennungPunkt = 9;
constexpr int KennungEbene = 10;
constexpr int KennungGeradePP = 11;
constexpr int KennungGeradePR = 12;
constexpr int KennungEbenePPP = 13;
constexpr int KennungEbenePN = 14;
constexpr int KennungEbenePRR = 15;
constexpr int KennungSchnitt = 16;
constexpr int KennungLotfusspunkt = 17;
constexpr int KennungSpiegelbild = 18;
constexpr int KennungOrthogonale = 19;
constexpr int KennungVerschieben = 20;
constexpr int KennungDrehen = 21;
constexpr int KennungDreieck = 22;
constexpr int KennungTetraeder = 23;
constexpr int KennungMittelsenkrechte = 24;
constexpr int KennungHuelle = 25;
constexpr int KennungKlonen = 30;
constexpr int KennungSammlung = 31;
constexpr int KennungLoesche = 40;
constexpr int KennungZeige = 41;
constexpr int KennungWinkel = 42;
constexpr int KennungAbstand = 43;
constexpr int KennungBeschreibe = 44;
constexpr int KennungHinweis = 45;
constexpr int KennungVerbinde = 46;
constexpr int KennungTrenne = 47;
constexpr int KennungZeichne = 48;
constexpr int KennungRadiere = 49;
constexpr int KennungZeichneAllePunkte = 50;
constexpr int KennungRadiereAllePunkte = 51;
constexpr int KennungRadiereAlleFigurat = 52;
constexpr int KennungRadiereAlleStrecken = 53;
constexpr int KennungRadiereAlles = 54;
constexpr int KennungZeichneAlles = 55;

// The input kinds of Befehlsteil::AktuelleKennung that record the kinds 9 and 10.
constexpr int EingabeFesterPunkt = 1;
constexpr int EingabeFesteEbene = 2;

// How the reader takes the part of a sentence behind its first colon apart.
enum class Lesart {
  Namen,        // one blank-ended name per field, the fields after the first behind a colon each
  Koordinaten,  // the rest of the line is the coordinate text
  Gleichung,    // the rest of the line is the equation text
  Hinweis,      // the rest of the line is the hint
};

// One field of the sentence and the fixed piece that follows it.
struct Satzteil {
  int feld = 0;  // 1 to 3: AltG1 to AltG3; 0: no further field
  std::string_view danach = "";
};

// What a kind does when the first operand of a command is a collection.
enum class Sammlungsfall {
  Keiner,      // its first operand is no figure: it acts as on a single one
  Nichts,      // nothing is done; a typed command is recorded all the same
  Mitglieder,  // member by member: a collection of the results NeuG|member
  Klonen,      // a collection NeuG of the same members, which are shared
  Loeschen,    // the collection is deleted
  Zeigen,      // the collection's one-line description
};

// The operand types of a command: FiguratT::Typ of the figures AltG1 to AltG3
// name, 0 for a text that names none.
struct Typen {
  int t1, t2, t3;
};

// The fields of a command as an operation receives them.
struct Operanden {
  const std::string& NeuG;
  const std::string& AltG1;
  const std::string& AltG2;
  const std::string& AltG3;
};

// The fields of a typed command, which its operation may set as they are to
// be recorded (the collection takes its members, the hint its text).
struct Felder {
  std::string& NeuG;
  std::string& AltG1;
  std::string& AltG2;
  std::string& AltG3;
};

// One command kind: its sentence, its key phrase and how its sentence is read;
// what the kind is; and its operations on the two roads, the typed one (the
// input bars, the menu, the graphics window's buttons) and the replay of the
// command list. Most kinds have one operation that both roads call behind the
// same guard over the operand types; the kinds whose roads differ have one
// operation for each. Kinds outside the table do nothing.
struct Befehlsart {
  // What a kind is, the flags of its row.
  enum Merkmal : unsigned {
    // It defines the figure NeuG: its sentence begins with the name, and
    // typed, a name that is not allowed or already taken is refused.
    Definition = 1u << 0,
    // Its operation fills the result record and enters it.
    Ergebnis = 1u << 1,
    // AltG2 is a typed number, the angle: read from the angle field, and
    // refused where it is typed or read when it is no usable number.
    Winkel = 1u << 2,
    // It has no operands: the menu runs it at once, and typed it becomes the
    // chosen kind, so that "Ausführen" runs it again.
    Sofort = 1u << 3,
  };

  int Kennung;
  const char* Name;
  const char* Schluessel;
  Lesart lesart;
  std::string_view vorn;          // the piece before the first field
  std::array<Satzteil, 3> teile;  // the fields in sentence order
  unsigned merkmale = 0;
  Sammlungsfall AufSammlung = Sammlungsfall::Keiner;
  // The operation of both roads and its guard (none: always). r: the result
  // record the kinds with Ergebnis fill and enter.
  bool (*Waechter)(int t1, int t2, int t3) = nullptr;
  void (*Operation)(Befehlsteil& h, const Operanden& o, FiguratT*& r, bool& ok) = nullptr;
  // Typed, the operation runs also when the guard failed.
  bool auchOhneWaechter = false;
  // The operations of a kind whose roads differ: typed, whether it succeeded
  // and is to be recorded; replayed, nothing is ever recorded.
  bool (*Getippt)(Befehlsteil& h, Felder& f, const Typen& t) = nullptr;
  void (*Wiederholt)(Befehlsteil& h, const BefehlT& b, const Typen& t) = nullptr;

  bool Hat(Merkmal m) const { return (merkmale & m) != 0; }
  int Felderzahl() const;
  // The sentence of a command of this kind, piece by piece: stueck gets the
  // name (of a definition), the fixed pieces and the fields feld[1] to
  // feld[3] in sentence order, and the closing blank.
  template <class Stueck>
  void Satzstuecke(std::string_view NeuG, const std::array<std::string_view, 4>& feld, Stueck&& stueck) const {
    if (Hat(Definition)) stueck(NeuG);
    stueck(vorn);
    for (int i = 0, n = Felderzahl(); i < n; ++i) {
      stueck(feld[teile[i].feld]);
      stueck(teile[i].danach);
    }
    stueck(std::string_view(" "));
  }
  // The row of kind K, nothing for a kind outside the table.
  static const Befehlsart* Zu(int K);
  // The rows whose sentences begin like satz: its head is the text up to its
  // first colon, or all of it but the closing blank when it has none. The
  // head of a definition's sentence is taken behind the name.
  static const std::vector<const Befehlsart*>& MitKopf(std::string_view satz);
  // The row of the command that the input kind k records: the numeric bars
  // record points and planes, every other input kind its own kind.
  static const Befehlsart* ZurEingabe(int k);
  // Every row, in ascending kind.
  static const std::array<Befehlsart, 35>& Alle();
};
