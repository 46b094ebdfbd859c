// The figure list and the command list: double-clicks, dragging rows out, and
// the buttons beside them. None of these actions is recorded.

#include "commands/BefehlT.h"
#include "core/FiguratT.h"
#include "platform/Steuerelement.h"
#include "platform/Zahltext.h"
#include "ui/GlFenster.h"
#include "ui/HauptF.h"
#include "ui/KoordFenster.h"

std::string HauptF::Figuratname(const std::string& zeile) { return zeile.substr(0, zeile.find(' ')); }

void HauptF::FiguratLB_DoubleClick() {
  const std::string name = Figuratname(FiguratLB().Text());
  if (name.empty()) return;
  doppelklick = true;
  if (!plattform::plattform().ShiftGedrueckt()) {
    ZeigeFigurat(name);
  } else if (const int t = FiguratTypNr(name); t == TypPunkt || t == TypEbene) {
    // The first command of the name; the origin and the members' results have none.
    BefehlT* befehl = nullptr;
    bool hatBefehl;
    HoleBefehl(name, befehl, hatBefehl);
    FiguratT* g;
    bool hatFigur;
    HoleFigurat(name, g, hatFigur);
    if (hatBefehl && hatFigur) {
      if (t == TypPunkt)
        KoordFenster::Instanz().Oeffne(*befehl, name, *g);
      else
        GlFenster::Instanz().Oeffne(*befehl, name, *g);
    }
  }
  doppelklick = false;
}

bool HauptF::FiguratLB_DragRow(plattform::DragItem& item, plattform::Zeilennr zeile) {
  item.Text = FiguratLB().Zeile(zeile);
  return true;
}

void HauptF::ProtokollBox_DoubleClick() {
  const std::string zeile = ProtokollBox().Text();
  const std::size_t auf = zeile.find('<');
  if (auf == std::string::npos) return;
  const std::size_t zu = zeile.find('>', auf + 1);
  if (zu == std::string::npos || zu < auf + 2) return;
  const int K = plattform::ZuGanzzahl(plattform::Val(zeile.substr(auf + 1, zu - auf - 1)));
  if (K < 1) return;
  int n = 0;
  for (const BefehlT* c = BListe; c; c = c->Zeiger) ++n;
  // The last command moves to just after command K.
  const bool verschoben = K <= n - 2;
  if (verschoben) {
    BefehlT* vorletzter = BListe;
    while (vorletzter->Zeiger->Zeiger) vorletzter = vorletzter->Zeiger;
    BefehlT* letzter = vorletzter->Zeiger;
    vorletzter->Zeiger = nullptr;
    letzter->Einfuegen(K);
  }
  AnweisungslisteAusfuehren();
  // Its row, the K+1st, in view.
  if (verschoben) ProtokollBox().ZeigeZeile(K);
}

bool HauptF::ProtokollBox_DragRow(plattform::DragItem& item, plattform::Zeilennr zeile) {
  item.Text = ProtokollBox().Zeile(zeile);
  return true;
}

void HauptF::KillLastOrder3_Action() { LoescheLetztenBefehl(); }

void HauptF::BevelButton1_Action() {
  InfoFenster.clear();
  InfoAktualisieren();
}

void HauptF::G2ListB_Change() { GradF().SetzeVisible(false); }
