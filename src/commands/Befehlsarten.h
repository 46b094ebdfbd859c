#pragma once

#include <array>
#include <string>

class FiguratT;
class HauptF;

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

// The input kinds of HauptF::AktuelleKennung that record the kinds 9 and 10.
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
  const char* danach = "";
};

// The fields of a command as an operation receives them.
struct Operanden {
  const std::string& NeuG;
  const std::string& AltG1;
  const std::string& AltG2;
  const std::string& AltG3;
};

// One command kind: its sentence, its key phrase, how its sentence is read,
// and, for the kinds both roads execute alike, the guard over the operand
// types and the operation. Kinds below 40 begin their sentence with NeuG.
struct Befehlsart {
  int Kennung;
  const char* Name;
  const char* Schluessel;
  Lesart lesart;
  const char* vorn;               // the piece before the first field
  std::array<Satzteil, 3> teile;  // the fields in sentence order
  bool (*Waechter)(int t1, int t2, int t3) = nullptr;  // none: always
  // r: the result record the kinds 11 to 25 fill and enter.
  void (*Operation)(HauptF& h, const Operanden& o, FiguratT*& r, bool& ok) = nullptr;
  // Typed in the main window, the operation runs also when the guard failed.
  bool auchOhneWaechter = false;

  bool ZeigtNeuG() const { return Kennung < 40; }
  // The kinds whose operation fills the result record.
  bool MitErgebnis() const { return Kennung > 10 && Kennung < 26; }
  // AltG1 names a figure, not a coordinate, equation or member text.
  bool ErsterOperandIstName() const { return lesart == Lesart::Namen && Kennung != KennungSammlung; }
  int Felderzahl() const;
  // The row of kind K, nothing for a kind outside the table.
  static const Befehlsart* Zu(int K);
  // Every row, in ascending kind.
  static const std::array<Befehlsart, 35>& Alle();
};
