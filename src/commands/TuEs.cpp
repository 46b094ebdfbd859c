// "Ausführen": what the input bars hold, for the chosen kind.

#include "commands/Befehlsarten.h"
#include "commands/Befehlsteil.h"
#include "platform/Steuerelement.h"

using plattform::EditFeld;

void Befehlsteil::TuEs() {
  EditFeld& name = GnameF();
  if (AktuelleKennung == EingabeFesterPunkt) {
    DefinierePunkt();
    LastInfoF().SetzeText("");
  } else if (AktuelleKennung == EingabeFesteEbene) {
    DefiniereEbene();
    LastInfoF().SetzeText("");
  } else {
    FiguratAktion();
    name.SetFocus();
  }
  // Also after a failure: the typed input is gone, the kind stays chosen.
  name.SetzeText("");
  for (EditFeld* feld : {&aF(), &bF(), &cF(), &dF()}) feld->SetzeText("");
  ErzeugeNamenListen();
  FiguratLB().SetzeInhalt(ErwNListe);
  ZeigeBefehlsliste();
  name.SetFocus();
}
