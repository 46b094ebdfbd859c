// Executing the command list again: every figure rebuilt from the origin by
// the same operations the commands were recorded with, nothing recorded.

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "commands/Befehlsteil.h"
#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Steuerelement.h"


void Befehlsteil::AnweisungslisteAusfuehren() {
  AktuelleKennung = 0;
  MenuleisteLeeren(1);
  MenuleisteLeeren(2);
  AlleFiguratLoeschen();
  bool ok;
  ErzeugePunkt("O", 0, 0, 0, ok);
  AktuellerBZeiger = BListe;
  // After the origin, so that its description does not stay; the field keeps
  // what it shows until the next output refreshes it.
  InfoFenster.clear();
  // The closing redraw erases whatever the run draws: the picture is drawn once.
  Aufschub::Lauf lauf(Befehlslauf);
  BefehlslisteAbarbeiten();
  ZeigeBefehlsliste();
  GrafikFenster::Instanz().TotalAktualisieren();
}

void Befehlsteil::BefehlslisteAbarbeiten() {
  Aufschub::Lauf lauf(Befehlslauf);
  for (BefehlT* c = AktuellerBZeiger; c; c = c->Zeiger) {
    AktuellerBZeiger = c;
    // The names of the next command are looked up while this one runs.
    if (const BefehlT* n = c->Zeiger)
      for (const std::string* name : {&n->NeuG, &n->AltG1, &n->AltG2, &n->AltG3})
        if (!name->empty()) FiguratVorausholen(*name);
    BefehlAusfuehren(*c);
  }
  // The figure list box shows the end of the run.
  ErzeugeNamenListen();
  FiguratLB().SetzeInhalt(ErwNListe);
  GrafikFenster::Instanz().Aktualisieren();
}

void Befehlsteil::BefehlAusfuehren(BefehlT& b) {
  const Typen t{FiguratTypNr(b.AltG1), FiguratTypNr(b.AltG2), FiguratTypNr(b.AltG3)};
  if (const Befehlsart* art = Befehlsart::Zu(b.Kennung)) {
    if (t.t1 == TypSammlung && art->AufSammlung != Sammlungsfall::Keiner) {
      AufSammlung(*art, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
    } else if (art->Wiederholt) {
      art->Wiederholt(*this, b, t);
    } else if (art->Operation && (!art->Waechter || art->Waechter(t.t1, t.t2, t.t3))) {
      // A command whose operands are missing or unsuitable is passed over silently.
      FiguratT* r = nullptr;
      if (art->Hat(Befehlsart::Ergebnis)) {
        ErschaffeG(r);
        r->name = b.NeuG;
      }
      bool ok = true;
      art->Operation(*this, {b.NeuG, b.AltG1, b.AltG2, b.AltG3}, r, ok);
      if (r && !ok) r->Einlagern();
    }
  }
  destruktiv = false;
}
