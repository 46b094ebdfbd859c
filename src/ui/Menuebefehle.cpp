// What the menu items do. Most only choose an input kind, and "Ausführen"
// executes it later; the six drawing items without operands run at once.

#include "commands/Befehlsarten.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"
#include "ui/HilfeFenster.h"

void HauptF::MenueHandlerSchritt() {
#define X(punkt) RegistriereMenueHandler(#punkt, [this] { return _##punkt##_Action(); });
  FIGURAT_MENUEHANDLER(X)
#undef X
}

void HauptF::EnableMenuItems() {
  // Every item is usable in every state; those not named here are enabled by their flag.
  for (plattform::MenuItem* punkt : std::initializer_list<plattform::MenuItem*>{
           &FileLaden(), &FileSpeichern(), &NumMenu(), &FiguratMenu(), &NumPunkt(), &NumEbene(), &FiguratGerade(),
           &FiguratEbene(), &FiguratHuelle(), &FiguratDreieck(), &FiguratTetraeder(), &FiguratSammlung(),
           &FiguratErzeuge(), &GErzeugeSchnitt(), &GErzeugeOrthogonale(), &GErzeugeDrehen(), &GErzeugeLotfusspunktG(),
           &GErzeugeMittelsenkrechte(), &GErzeugeSpiegelbild(), &GErzeugeVerschieben(), &BerechneMenu(),
           &BerechneAbstand(), &BerechneWinkel(), &GGeradePP(), &GGeradePR(), &GEbenePPP(), &GEbenePRR(), &GEbenePN(),
           &GErzeugeKlonen(), &HilfeM(), &InfoHilfe(), &InfoFigurat(), &AusgabeZeige(), &AusgabeBeschreibe(),
           &NeuItem(), &AusgabeAllesZeigen(), &FileAktualisieren(), &AusgabeProtokoll(), &UndoItem(),
           &LetztLoeschItem(), &FileHInweis(), &FileQuit(), &grafischeDarstellungZeichne(), &AllePunkteZeichnen(),
           &RadiereItem(), &AllesZeichnen()})
    punkt->Enabled = true;
}

int HauptF::YesNoAbfrage(const std::string& frage) { return plattform::plattform().Dialogdienst().FrageOkAbbrechen(frage); }

void HauptF::AufEinmal(int k) {
  SetzeKennungAuf(k);
  FiguratAktionSingle("", "", "", "", k);
}

bool HauptF::_FileLaden_Action() { LadeFile(); return false; }
bool HauptF::_FileSpeichern_Action() { SpeichereProtokoll(); return false; }
bool HauptF::_NumPunkt_Action() { SetzeKennungAuf(EingabeFesterPunkt); return false; }
bool HauptF::_NumEbene_Action() { SetzeKennungAuf(EingabeFesteEbene); return false; }
bool HauptF::_BerechneAbstand_Action() { SetzeKennungAuf(KennungAbstand); return false; }
bool HauptF::_BerechneWinkel_Action() { SetzeKennungAuf(KennungWinkel); return false; }
bool HauptF::_GEbenePN_Action() { SetzeKennungAuf(KennungEbenePN); return false; }
bool HauptF::_GEbenePPP_Action() { SetzeKennungAuf(KennungEbenePPP); return false; }
bool HauptF::_GEbenePRR_Action() { SetzeKennungAuf(KennungEbenePRR); return false; }
bool HauptF::_FiguratDreieck_Action() { SetzeKennungAuf(KennungDreieck); return false; }
bool HauptF::_FiguratTetraeder_Action() { SetzeKennungAuf(KennungTetraeder); return false; }
bool HauptF::_GErzeugeDrehen_Action() { SetzeKennungAuf(KennungDrehen); return false; }
bool HauptF::_GErzeugeLotfusspunktG_Action() { SetzeKennungAuf(KennungLotfusspunkt); return false; }
bool HauptF::_GErzeugeMittelsenkrechte_Action() { SetzeKennungAuf(KennungMittelsenkrechte); return false; }
bool HauptF::_GErzeugeOrthogonale_Action() { SetzeKennungAuf(KennungOrthogonale); return false; }
bool HauptF::_GErzeugeSchnitt_Action() { SetzeKennungAuf(KennungSchnitt); return false; }
bool HauptF::_GErzeugeSpiegelbild_Action() { SetzeKennungAuf(KennungSpiegelbild); return false; }
bool HauptF::_GErzeugeVerschieben_Action() { SetzeKennungAuf(KennungVerschieben); return false; }
bool HauptF::_GGeradePP_Action() { SetzeKennungAuf(KennungGeradePP); return false; }
bool HauptF::_GGeradePR_Action() { SetzeKennungAuf(KennungGeradePR); return false; }
bool HauptF::_GErzeugeKlonen_Action() { SetzeKennungAuf(KennungKlonen); return false; }
bool HauptF::_HilfeM_Action() { HilfeFenster::Instanz().Show(); return false; }
bool HauptF::_InfoHilfe_Action() { HilfeFenster::Instanz().Show(); return false; }
bool HauptF::_AusgabeBeschreibe_Action() { SetzeKennungAuf(KennungBeschreibe); return false; }
bool HauptF::_AusgabeZeige_Action() { SetzeKennungAuf(KennungZeige); return false; }
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
bool HauptF::_FiguratHuelle_Action() { SetzeKennungAuf(KennungHuelle); return false; }
bool HauptF::_FileHInweis_Action() { SetzeKennungAuf(KennungHinweis); return false; }
bool HauptF::_FiguratSammlung_Action() { SetzeKennungAuf(KennungSammlung); return false; }

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

bool HauptF::_grafischeDarstellungZeichne_Action() { SetzeKennungAuf(KennungZeichne); return false; }
bool HauptF::_AllePunkteZeichnen_Action() { AufEinmal(KennungZeichneAllePunkte); return false; }
bool HauptF::_RadiereItem_Action() { SetzeKennungAuf(KennungRadiere); return false; }
bool HauptF::_AllesZeichnen_Action() { AufEinmal(KennungZeichneAlles); return false; }
bool HauptF::_AlleFiguratRadieren_Action() { AufEinmal(KennungRadiereAlleFigurat); return false; }
bool HauptF::_AllePunkteRadieren_Action() { AufEinmal(KennungRadiereAllePunkte); return false; }
bool HauptF::_AllesRadieren_Action() { AufEinmal(KennungRadiereAlles); return false; }
bool HauptF::_AlleStreckenRadieren_Action() { AufEinmal(KennungRadiereAlleStrecken); return false; }
