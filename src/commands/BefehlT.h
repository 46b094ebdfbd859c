#pragma once

#include <array>
#include <string>
#include <string_view>

class VektorT;

// A command-list line read as the sentence of one kind, as views into the
// line: what a record takes from it when all of it fitted.
struct Satzlesung {
  int Kennung = 0;  // the kind it was read as
  bool passt = false;  // the line fits the kind
  std::string_view name;
  std::array<std::string_view, 4> feld;  // 1 to 3: AltG1 to AltG3
  std::array<double, 5> Gleichung{};
  double x = 0, y = 0, z = 0;
};

// One command of the command list. Records go back to the command pool, which
// is also the undo stack, with every field kept.
class BefehlT {
 public:
  std::string NeuG;   // name of the figure the command defines
  std::string AltG1;  // first operand; coordinate, equation or member text
  std::string AltG2;  // second operand; angle text or hint text
  BefehlT* Zeiger = nullptr;  // the next command in the list or in the pool
  int Kennung = 0;
  std::string AltG3;
  std::array<double, 5> Gleichung{};  // a, b, c, d of a plane in 1 to 4
  VektorT* Vektor = nullptr;          // coordinates of a point command, its own
  // One more each time the pool hands the record out for a new command, so
  // that whoever keeps a record can tell a recycled one from the command it
  // took. Restoring a deleted command keeps it.
  unsigned Generation = 0;

  // Pushes this record, taken out of the command list, onto the command pool.
  void Einlagern();

  // ---- The command list: src/commands ----

  // Appends this record, which is in no list, at the end of the command list.
  void Anhaengen();
  // Inserts this record, which is in no list, right after the n-th command
  // (after the first for n of 1 or less); the list holds at least n commands.
  void Einfuegen(int n);
  // Reads a command-list line of kind K into this record. When the line does
  // not fit the kind: a beep, ok False, and the record unchanged.
  void Zeile2Befehl(std::string_view line, int K, bool& ok);
  // The same for a line already read, as Befehlsteil::LiesZeile reads it.
  void Zeile2Befehl(const Satzlesung& gelesen, bool& ok);
};
