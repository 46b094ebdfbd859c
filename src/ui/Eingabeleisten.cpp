// The input bars: the numeric bar and the operand bar.

#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

using plattform::EditFeld;
using plattform::ListBox;
using plattform::StatischerText;

void HauptF::MenuleisteLeeren(int n) {
  if (n == 1) {
    // The numbers typed in the fields stay.
    Element<StatischerText>("aT").SetzeVisible(false);
    for (const char* feld : {"aF", "bF", "cF", "dF"}) Element<EditFeld>(feld).SetzeVisible(false);
    for (const char* text : {"bT", "cT", "dT"}) Element<StatischerText>(text).SetzeText("");
  } else if (n == 2) {
    // The angle field is not part of the clearing.
    for (const char* text : {"EingabeText", "durch2T", "undT"}) Element<StatischerText>(text).SetzeText("");
    for (const char* liste : {"G1ListB", "G2ListB", "G3ListB"}) Element<ListBox>(liste).SetzeVisible(false);
  }
}
