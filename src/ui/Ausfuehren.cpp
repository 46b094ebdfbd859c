// "Ausführen", the Return key in the name field and in the window: all three
// execute the input bars, guarded by the Return latch, the hint flag and the
// edit dialogs. One Return keystroke executes at most once: it reaches
// either the name field or the window, never both.

#include "platform/Steuerelement.h"
#include "ui/GlFenster.h"
#include "ui/HauptF.h"
#include "ui/KoordFenster.h"

bool HauptF::AusfuehrenBlockiert() {
  // In this order, stopping at the first; the dialogs are made, hidden, by the first look.
  return IgnoreReturn || GlFenster::Instanz().Warten || KoordFenster::Instanz().Warten;
}

void HauptF::TuEsButton_Action() {
  if (!AusfuehrenBlockiert()) TuEs();
}

bool HauptF::GnameF_KeyDown(const std::string& taste) {
  if (taste != CR)
    IgnoreReturn = false;
  else if (!AusfuehrenBlockiert())
    TuEs();
  return false;
}

bool HauptF::KeyDown(const std::string& taste) {
  if (AufHinweisWarten) return false;
  if (AusfuehrenBlockiert() || taste != CR) return false;
  IgnoreReturn = true;
  TuEs();
  return false;
}

void HauptF::MouseMove(int, int) { IgnoreReturn = false; }
