// "Ausführen": what the input bars hold, for the chosen kind.

#include "commands/Befehlsarten.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

using plattform::EditFeld;
using plattform::ListBox;

void HauptF::TuEs() {
  EditFeld& name = Element<EditFeld>("GnameF");
  if (AktuelleKennung == EingabeFesterPunkt) {
    DefinierePunkt();
    Element<EditFeld>("LastInfoF").SetzeText("");
  } else if (AktuelleKennung == EingabeFesteEbene) {
    DefiniereEbene();
    Element<EditFeld>("LastInfoF").SetzeText("");
  } else {
    FiguratAktion();
    name.SetFocus();
  }
  // Also after a failure: the typed input is gone, the kind stays chosen.
  name.SetzeText("");
  for (const char* feld : {"aF", "bF", "cF", "dF"}) Element<EditFeld>(feld).SetzeText("");
  ErzeugeNamenListen();
  Element<ListBox>("FiguratLB").SetzeInhalt(ErwNListe);
  ZeigeBefehlsliste();
  name.SetFocus();
}
