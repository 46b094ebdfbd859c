#include "commands/BefehlT.h"

#include "ui/HauptF.h"

void BefehlT::Einlagern() {
  HauptF& h = HauptF::Instanz();
  Zeiger = h.BLager;
  h.BLager = this;
}
