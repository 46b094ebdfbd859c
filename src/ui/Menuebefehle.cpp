// What the menu items do. Most only choose an input kind, which their row of
// the menu table names, and "Ausführen" executes it later; the six drawing
// items without operands run at once. The others have handlers of their own.

#include "commands/Befehlsarten.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"
#include "ui/HilfeFenster.h"

void HauptF::MenueHandlerSchritt() {
#define FIGURAT_HANDLER_Eigen(punkt, k) RegistriereMenueHandler(#punkt, [this] { return _##punkt##_Action(); });
#define FIGURAT_HANDLER_Wahl(punkt, k) RegistriereMenueHandler(#punkt, [this] { Menuewahl(k); return false; });
#define FIGURAT_HANDLER_Keine(punkt, k)
#define X(name, art, text, kuerzel, menue, unter, aktion, kennung, freigabe) FIGURAT_HANDLER_##aktion(name, kennung)
  FIGURAT_MENUEPUNKTE(X)
#undef X
#undef FIGURAT_HANDLER_Eigen
#undef FIGURAT_HANDLER_Wahl
#undef FIGURAT_HANDLER_Keine
}

void HauptF::EnableMenuItems() {
  // Every item is usable in every state; those the table leaves to their flag are enabled by it.
  for (const Menuezeile& z : MenuBar1::Zeilen())
    if (z.freigabe == Freigabe::Frei) Menuepunkt(z.name).Enabled = true;
}

int HauptF::YesNoAbfrage(const std::string& frage) { return plattform::plattform().Dialogdienst().FrageOkAbbrechen(frage); }

void HauptF::Menuewahl(int k) {
  SetzeKennungAuf(k);
  const Befehlsart* art = Befehlsart::Zu(k);
  if (art && art->Hat(Befehlsart::Sofort)) FiguratAktionSingle("", "", "", "", k);
}

bool HauptF::_FileLaden_Action() { LadeFile(); return false; }
bool HauptF::_FileSpeichern_Action() { SpeichereProtokoll(); return false; }
bool HauptF::_HilfeM_Action() { HilfeFenster::Instanz().Show(); return false; }
bool HauptF::_InfoHilfe_Action() { HilfeFenster::Instanz().Show(); return false; }
bool HauptF::_InfoFigurat_Action() { InformFenster::Instanz().Show(); return false; }

bool HauptF::_NeuItem_Action() {
  if (YesNoAbfrage("Nach Drücken von 'ok' wird alles gelöscht!") == 1) AllesLoeschen();
  return false;
}

bool HauptF::_AusgabeAllesZeigen_Action() { AlleFiguratZeigen(); return false; }
bool HauptF::_FileAktualisieren_Action() { AnweisungslisteAusfuehren(); return false; }

bool HauptF::_AusgabeProtokoll_Action() {
  // Only the mode and its caption; the descriptions field stays as it is.
  ProtokollAn = !ProtokollAn;
  ProtoInfoT().SetzeText(ProtokollAn ? "Beschreibungsfenster aktiv" : "Beschreibungsenfenster inaktiv");
  return false;
}

bool HauptF::_UndoItem_Action() { Restore(); return false; }
bool HauptF::_LetztLoeschItem_Action() { LoescheLetztenBefehl(); return false; }

bool HauptF::_FileQuit_Action() {
  plattform::Plattform& p = plattform::plattform();
  const int antwort = p.Dialogdienst().FrageJaNeinAbbrechen("Vor dem Beenden Speichern?");
  // Yes ends only once the list is saved: a cancelled or failed save keeps the program and its list.
  if (antwort == 6) {
    if (SpeichereProtokoll()) p.Beenden();
  } else if (antwort != 2) {
    p.Beenden();
  }
  return false;
}

