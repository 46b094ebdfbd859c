// The fresh start: no commands, the origin alone, empty texts, the view reset.

#include "commands/BefehlT.h"
#include "commands/Befehlsteil.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Steuerelement.h"

void Befehlsteil::Neustart() {
  BefehllisteGeaendert();
  BListe = nullptr;
  AktuellerBZeiger = BListe;
  ErzeugeUrsprung();
  InfoFenster.clear();
  ProtokollAn = true;  // the caption of the mode stays as it is
  ErzeugeNamenListen();
  FiguratLB().SetzeInhalt(ErwNListe);
  ZeigeBefehlsliste();
  InfoAktualisieren();
  MenuleisteLeeren(1);
  MenuleisteLeeren(2);
  // The previous eye vectors are nobody's any more.
  if (Augenpunkt) Augenpunkt->Einlagern();
  if (SchnittrichtungV) SchnittrichtungV->Einlagern();
  ErschaffeV(Augenpunkt);
  ErschaffeV(SchnittrichtungV);
  Augenpunkt->Vektor(1, 1, 30);
  CalcDarstellungskonstanten(*Augenpunkt, *SchnittrichtungV, alphaW, betaW);
  GrafikFenster& grafik = GrafikFenster::Instanz();
  grafik.faktor = 300;
  grafik.Show();
  grafik.InitGrafik();
}

void Befehlsteil::AllesLoeschen() {
  // The whole list on top of the undo stack, its first command on top.
  if (BListe) {
    BefehlT* letzter = BListe;
    while (letzter->Zeiger) letzter = letzter->Zeiger;
    letzter->Zeiger = BLager;
    BLager = BListe;
  }
  AlleFiguratLoeschen();
  Neustart();
}
