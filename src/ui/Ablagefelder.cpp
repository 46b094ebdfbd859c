// The delete and collection fields, which act on what was dropped or typed
// into them when the pointer leaves them; the two clipboard buttons, the
// decimals and the about message.

#include <algorithm>
#include <string_view>

#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

using plattform::EditFeld;

namespace {

// Whether the name is one of the collection text's names, each behind a comma.
bool Gesammelt(std::string_view sammlung, std::string_view name) {
  while (!sammlung.empty()) {
    sammlung.remove_prefix(1);
    const std::size_t komma = std::min(sammlung.find(','), sammlung.size());
    if (HauptF::VergleicheNamen(sammlung.substr(0, komma), name) == 0) return true;
    sammlung.remove_prefix(komma);
  }
  return false;
}

}  // namespace

void HauptF::LoeschF_MouseExit() {
  EditFeld& feld = LoeschF();
  const std::string text = feld.Text();
  if (IstBefehlszeile(text)) {
    // A command row: out of the list onto the undo stack, and the figures rebuilt.
    // A figure's name may hold "<" too; only a row begins with "<", digits and ">".
    LoescheBefehl(text);
    AnweisungslisteAusfuehren();
    feld.SetzeText("");
    return;
  }
  if (text.empty()) return;
  feld.SetzeText("");
  const std::string name = Figuratname(text);
  if (VergleicheNamen(name, "O") == 0) {
    plattform::plattform().MsgBox("Der Ursprung O - er lebet ewiglich...");
    return;
  }
  if (FiguratTypNr(name) == TypKein) return;
  // The figure goes at once; the recorded command deletes it at every later run.
  LoescheFigurat(name);
  Aufzeichnen(KennungLoesche, "", name, "", "");
}

bool HauptF::LoeschF_KeyDown(const std::string&) {
  // The key typed next is all the field holds.
  LoeschF().SetzeText("");
  return false;
}

void HauptF::SammelF_MouseExit() {
  EditFeld& feld = SammelF();
  const std::string text = feld.Text();
  feld.SetzeText("");
  if (AktuelleKennung != KennungSammlung || text.empty()) return;
  const std::string name = Figuratname(text);
  // Points, lines, planes and the whole space, each name once.
  if (name.empty() || FiguratTypNr(name) <= TypKein) return;
  if (Gesammelt(AktuelleSammlung, name)) return;
  AktuelleSammlung += "," + name;
  LastInfoF().SetzeText("Sammelobjekte:" + CR + AktuelleSammlung.substr(1));
}

bool HauptF::SammelF_KeyDown(const std::string&) {
  SammelF().SetzeText("");
  return false;
}

void HauptF::Beschr2ClipbB_Action() {
  plattform::plattform().SetzeZwischenablage(CR + InfoF().Text());
}

void HauptF::BefListe2ClipbB1_Action() { plattform::plattform().SetzeZwischenablage(CR + Protokoll); }

void HauptF::PopupMenu1_Change() {
  // Index 0 is the popup's title; texts already written keep their digits.
  const int index = PopupMenu1().ListIndex();
  if (index >= 1 && index <= 6) Dezimalen = index;
}

void HauptF::SprachInfoB_Action() {
  plattform::plattform().MsgBox("Figurat3D - EntwicklungsVersion 0.1" + CR + CR +
                                "Fehlermeldungen und Anregungen bitte schicken an" + CR +
                                "das Entwicklerteam von Figurat3D.");
}
