#pragma once

#include <span>
#include <string>

#include "ui/HauptF.h"

// The operand bar of an input kind: its prompt, the lists that offer the
// operands, and the words between them. The kind table says the rest: a kind
// with a numeric or a hint field has no row here, a kind without operands
// leaves the bar as it was, and the angle field takes the second list's
// place for a kind whose AltG2 is an angle.
struct Operandenleiste {
  // A list: hidden (nullptr), or shown with one of the name lists.
  using Namensliste = const std::string HauptF::*;
  // A label: hidden (nullptr), emptied and left as it was (""), or shown with its text.
  using Beschriftung = const char*;

  int kennung;
  const char* eingabe;  // the prompt EingabeText
  Namensliste g1;
  Beschriftung durch2;
  Namensliste g2;
  Beschriftung und;
  Namensliste g3;
  // The members come from the collection field: the bar begins a new collection.
  bool sammeln = false;

  // The row of input kind k, nothing for a kind without one.
  static const Operandenleiste* Zu(int k);
  static std::span<const Operandenleiste> Alle();
};
