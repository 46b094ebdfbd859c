#include "ui/KoordFenster.h"

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "platform/Zahltext.h"
#include "ui/HauptF.h"

using plattform::Bind;
using plattform::Str;

plattform::Fensterlayout KoordFenster::Layoutschritt() { return Dialoglayout("Ändern von Koordinaten", 357, 145); }

const std::vector<plattform::Steuerelementzeile>& KoordFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {FIGURAT_KOORDFENSTER_ELEMENTE(PLATTFORM_ZEILE)};
  return tabelle;
}

void KoordFenster::Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& punkt) {
  Warte(befehl);
  KoordText().SetzeText("Koordinaten des Punktes " + name);
  // All the digits, not the chosen decimals.
  xF().SetzeText(Str(punkt.v1->kp[1]));
  yF().SetzeText(Str(punkt.v1->kp[2]));
  zF().SetzeText(Str(punkt.v1->kp[3]));
  Warten = true;
  Show();
}

void KoordFenster::KEintragen(bool& ok) {
  Hide();
  HauptF& h = HauptF::Instanz();
  const std::string& x = xF().Text();
  const std::string& y = yF().Text();
  const std::string& z = zF().Text();
  ok = HauptF::Endlich({HauptF::myval(x), HauptF::myval(y), HauptF::myval(z)});
  if (ok && AktuellerBefehl) {
    BefehlT& b = *AktuellerBefehl;
    if (!b.Vektor) h.ErschaffeV(b.Vektor);
    b.Vektor->kp[1] = HauptF::myval(x);
    b.Vektor->kp[2] = HauptF::myval(y);
    b.Vektor->kp[3] = HauptF::myval(z);
    // The texts as typed, not the numbers read from them.
    b.AltG1 = "(" + x + " | " + y + " | " + z + ")";
    b.Kennung = KennungPunkt;
    h.BefehllisteGeaendert();
  }
  if (!ok) h.HinweisF().SetzeText(std::string(HauptF::ZuGrosseZahl) + ".");
  xF().SetFocus();
  AktuellerBefehl = nullptr;
  h.IgnoreReturn = false;
}

void KoordFenster::AktualisierenB_Action() {
  Warten = false;
  HauptF& h = HauptF::Instanz();
  const bool gueltig = BefehlGilt();
  if (!gueltig) AktuellerBefehl = nullptr;
  bool ok;
  KEintragen(ok);
  if (!ok || !gueltig) return;
  h.ZeigeBefehlsliste();
  h.AnweisungslisteAusfuehren();
}


