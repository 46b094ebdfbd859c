#include "ui/MenuBar1.h"

#include <memory>

#include "platform/Plattform.h"

namespace {

enum class Punktart { Menue, Unter, Trenn, Befehl, AppleBefehl };

struct Menuepunkt {
  const char* name;
  Punktart art;
  const char* text;
  const char* kuerzel;
  const char* menue;       // the menu it is an entry of; empty for a menu
  const char* untermenue;  // the submenu within that menu, if any
};

constexpr Menuepunkt kPunkte[] = {
#define X(name, art, text, kuerzel, menue, unter) {#name, Punktart::art, text, kuerzel, menue, unter},
    FIGURAT_MENUEPUNKTE(X)
#undef X
};

}  // namespace

MenuBar1::MenuBar1() {
  for (const Menuepunkt& p : kPunkte) {
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

class MenuBar1& MenuBar1() { return plattform::plattform().Menueleiste<class MenuBar1>(); }
