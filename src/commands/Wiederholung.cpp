// Executing the command list again: every figure rebuilt from the origin by
// the same operations the commands were recorded with, nothing recorded.

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

HauptF::Lauf::~Lauf() {
  if (--h_.laufTiefe_ > 0) return;
  if (h_.infoAusstehend_) {
    h_.infoAusstehend_ = false;
    h_.InfoAktualisieren();
  }
  GrafikFenster::Instanz().NachDemLauf();
}

void HauptF::AnweisungslisteAusfuehren() {
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
  Lauf lauf(*this);
  BefehlslisteAbarbeiten();
  ZeigeBefehlsliste();
  GrafikFenster::Instanz().TotalAktualisieren();
}

void HauptF::BefehlslisteAbarbeiten() {
  Lauf lauf(*this);
  for (BefehlT* c = AktuellerBZeiger; c; c = c->Zeiger) {
    // The figure list box shows the end of the run; the drawing commands
    // without operands work from the name lists.
    if (c->Kennung >= KennungZeichneAllePunkte && c->Kennung <= KennungZeichneAlles) ErzeugeNamenListen();
    AktuellerBZeiger = c;
    BefehlAusfuehren(*c);
  }
  ErzeugeNamenListen();
  FiguratLB().SetzeInhalt(ErwNListe);
  GrafikFenster::Instanz().Aktualisieren();
}

void HauptF::BefehlAusfuehren(BefehlT& b) {
  const int t1 = FiguratTypNr(b.AltG1);
  const int t2 = FiguratTypNr(b.AltG2);
  const int t3 = FiguratTypNr(b.AltG3);
  const int K = b.Kennung;
  const Befehlsart* art = Befehlsart::Zu(K);
  FiguratT* r = nullptr;
  if (K >= 10 && K <= 39) {
    ErschaffeG(r);
    r->name = b.NeuG;
  }
  bool rEingetragen = false;
  bool ok = true;
  FiguratT* g1;
  FiguratT* g2;

  if (t1 == TypSammlung && art && art->ErsterOperandIstName()) {
    FiguratT* sammlung;
    bool found;
    HoleFigurat(b.AltG1, sammlung, found);
    if (K >= KennungSchnitt && K <= KennungDrehen) {
      r->Ecken[1] = AufMitglieder(b.NeuG, sammlung->Ecken[1], b.AltG2, b.AltG3, K);
      r->Typ = TypSammlung;
      r->Einlisten();
      rEingetragen = true;
    } else if (K == KennungKlonen) {
      r->Ecken[1] = sammlung->Ecken[1];
      r->Typ = TypSammlung;
      r->Einlisten();
      rEingetragen = true;
    } else if (K == KennungLoesche) {
      LoescheFigurat(b.AltG1);
    } else if (K == KennungZeige) {
      ZeigeFigurat(b.AltG1);
    }
  } else if (art && art->Operation) {
    // A command whose operands are missing or unsuitable is passed over silently.
    if (!art->Waechter || art->Waechter(t1, t2, t3)) {
      art->Operation(*this, {b.NeuG, b.AltG1, b.AltG2, b.AltG3}, r, ok);
      rEingetragen = art->MitErgebnis() && ok;
    }
  } else {
    switch (K) {
      case KennungPunkt:
        ErzeugePunkt(b.NeuG, b.Vektor->kp[1], b.Vektor->kp[2], b.Vektor->kp[3], ok);
        break;
      case KennungEbene:
        ErzeugeEbeneG(b.NeuG, b.Gleichung[1], b.Gleichung[2], b.Gleichung[3], b.Gleichung[4], ok);
        break;
      case KennungSammlung:
        ErzeugeSammlung(b.NeuG, b.AltG1, ok);
        break;
      case KennungLoesche:
        if (t1 != TypKein && VergleicheNamen(b.AltG1, "O") != 0) LoescheFigurat(b.AltG1);
        break;
      case KennungHinweis:
        HinweisAusgabe(b.AltG2);
        LastInfoF().SetzeText(b.AltG2);
        break;
      case KennungVerbinde:
        if (Gefunden(b.AltG1, g1) && Gefunden(b.AltG2, g2)) GrafikFenster::Instanz().VerbindungEintragen(*g1, *g2);
        break;
      case KennungTrenne:
        if (Gefunden(b.AltG1, g1) && Gefunden(b.AltG2, g2)) GrafikFenster::Instanz().VerbindungTrennen(*g1, *g2);
        break;
      case KennungZeichne:
      case KennungRadiere:
        // Only the flag; the closing redraw draws or leaves out the figure.
        if (Gefunden(b.AltG1, g1)) g1->sichtbar = K == KennungZeichne;
        break;
      default:
        break;
    }
  }
  if (r && !rEingetragen) r->Einlagern();
  destruktiv = false;
}
