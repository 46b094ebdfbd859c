#include "ui/GlFenster.h"

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "platform/Zahltext.h"
#include "ui/HauptF.h"

using plattform::Bind;
using plattform::Str;

plattform::Fensterlayout GlFenster::Layoutschritt() { return Dialoglayout("Änderung der Ebenengleichung", 533, 145); }

const std::vector<plattform::Steuerelementzeile>& GlFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {FIGURAT_GLFENSTER_ELEMENTE(PLATTFORM_ZEILE)};
  return tabelle;
}

void GlFenster::Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& ebene) {
  Warte(befehl);
  GlText().SetzeText("Koordinatengleichung der Ebene " + name);
  // The normal as stored and the right side d of n·x = d, with all the digits.
  xF().SetzeText(Str(ebene.v2->kp[1]));
  yF().SetzeText(Str(ebene.v2->kp[2]));
  zF().SetzeText(Str(ebene.v2->kp[3]));
  dF().SetzeText(Str(ebene.v1->SkalProd(*ebene.v2)));
  Warten = true;
  Show();
}

void GlFenster::GEintragen(bool& ok) {
  const double a = HauptF::myval(xF().Text());
  const double b = HauptF::myval(yF().Text());
  const double c = HauptF::myval(zF().Text());
  const double d = HauptF::myval(dF().Text());
  Hide();
  // The plane construction's own test: a plane written here must be one
  // that the next run of the list can make.
  const bool endlich = HauptF::Endlich({a, b, c, d});
  ok = endlich && !HauptF::IstNull(a * a + b * b + c * c);
  if (ok && AktuellerBefehl) {
    BefehlT& e = *AktuellerBefehl;
    e.Gleichung[1] = a;
    e.Gleichung[2] = b;
    e.Gleichung[3] = c;
    e.Gleichung[4] = d;
    e.AltG1 = HauptF::Gleichungstext(a, b, c, d);
    e.Kennung = KennungEbene;
    HauptF::Instanz().BefehllisteGeaendert();
  }
  if (!ok)
    HauptF::Instanz().HinweisF().SetzeText(
        endlich ? "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben." :
                  std::string(HauptF::ZuGrosseZahl) + ".");
  xF().SetFocus();
  AktuellerBefehl = nullptr;
  HauptF::Instanz().IgnoreReturn = false;
}

void GlFenster::AktualisierenB_Action() {
  Warten = false;
  HauptF& h = HauptF::Instanz();
  const bool gueltig = BefehlGilt();
  if (!gueltig) AktuellerBefehl = nullptr;
  bool ok;
  GEintragen(ok);
  if (!ok || !gueltig) return;
  h.ZeigeBefehlsliste();
  h.AnweisungslisteAusfuehren();
}


