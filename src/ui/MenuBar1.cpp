#include "ui/MenuBar1.h"

#include <memory>

#include "commands/Befehlsarten.h"
#include "platform/Plattform.h"

namespace {

constexpr Menuezeile kZeilen[] = {
#define X(name, art, text, kuerzel, menue, unter, aktion, kennung, freigabe) \
  {#name, Punktart::art, text, kuerzel, menue, unter, Menueaktion::aktion, kennung, Freigabe::freigabe},
    FIGURAT_MENUEPUNKTE(X)
#undef X
};

}  // namespace

MenuBar1::MenuBar1() {
  for (const Menuezeile& p : kZeilen) {
    std::unique_ptr<plattform::MenuItem> punkt;
    if (p.art == Punktart::AppleBefehl)
      punkt = std::make_unique<plattform::AppleMenuItem>();
    else
      punkt = std::make_unique<plattform::MenuItem>();
    punkt->Name = p.name;
    punkt->AutoEnable = true;
    punkt->Text = p.text;
    punkt->KeyboardShortcut = p.kuerzel;
    // Parents are found by name at each attachment; the table lists every
    // parent before its first entry.
    plattform::MenuItem* eltern = this;
    if (*p.menue) eltern = Child(p.menue);
    if (*p.untermenue) eltern = eltern->Child(p.untermenue);
    eltern->Append(std::move(punkt));
  }
}

std::span<const Menuezeile> MenuBar1::Zeilen() { return kZeilen; }

class MenuBar1& MenuBar1() { return plattform::plattform().Menueleiste<class MenuBar1>(); }
