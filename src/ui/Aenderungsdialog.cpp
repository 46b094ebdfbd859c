#include "ui/Aenderungsdialog.h"

#include "commands/BefehlT.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

namespace {
// The text of the Escape key.
constexpr const char* Escape = "\x1b";
}  // namespace

plattform::Fensterlayout Aenderungsdialog::Dialoglayout(std::string titel, int breite, int hoehe) {
  return {.titel = std::move(titel), .breite = breite, .hoehe = hoehe, .menueleisteSichtbar = false, .sichtbar = false};
}

void Aenderungsdialog::Warte(BefehlT& befehl) {
  AktuellerBefehl = &befehl;
  generation_ = befehl.Generation;
}

bool Aenderungsdialog::BefehlGilt() const {
  return AktuellerBefehl && AktuellerBefehl->Generation == generation_ &&
         HauptF::Instanz().IstInBefehlsliste(*AktuellerBefehl);
}

void Aenderungsdialog::AbbrechB_Action() {
  Fokusfeld().SetFocus();
  AktuellerBefehl = nullptr;
  Hide();
  Warten = false;
}

bool Aenderungsdialog::KeyDown(const std::string& taste) {
  // From whichever field has the focus.
  if (taste == HauptF::Instanz().CR)
    AktualisierenB_Action();
  else if (taste == Escape)
    AbbrechB_Action();
  return false;
}
