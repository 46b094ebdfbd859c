#include "ui/GlFenster.h"

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "platform/Zahltext.h"
#include "ui/HauptF.h"

using plattform::Art;
using plattform::Bind;
using plattform::EditFeld;
using plattform::StatischerText;
using plattform::Str;

plattform::Fensterlayout GlFenster::Layoutschritt() { return Dialoglayout("Änderung der Ebenengleichung", 533, 145); }

const std::vector<plattform::Steuerelementzeile>& GlFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {
      {Art::StatischerText, "GlText", 12, 7, 288, 22, {.text = "Koordinatengleichung der Ebene "}},
      {Art::EditFeld, "xF", 12, 41, 90, 35},
      {Art::EditFeld, "yF", 143, 41, 90, 35},
      {Art::EditFeld, "zF", 275, 41, 90, 35},
      {Art::BevelButton, "AktualisierenB", 12, 93, 353, 31, {.text = "Alles Aktualisieren / Fertig"},
       {Bind("Action", &GlFenster::AktualisierenB_Action)}},
      {Art::BevelButton, "AbbrechB", 420, 93, 86, 32, {.text = "Abbrechen"},
       {Bind("Action", &GlFenster::AbbrechB_Action)}},
      {Art::EditFeld, "dF", 416, 41, 90, 35},
      {Art::StatischerText, "StaticText1", 102, 46, 37, 20, {.text = "x +"}},
      {Art::StatischerText, "StaticText2", 239, 48, 37, 20, {.text = "y +"}},
      {Art::StatischerText, "StaticText3", 367, 46, 46, 20, {.text = "z ="}},
  };
  return tabelle;
}

void GlFenster::Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& ebene) {
  Warte(befehl);
  Element<StatischerText>("GlText").SetzeText("Koordinatengleichung der Ebene " + name);
  // The normal as stored and the right side d of n·x = d, with all the digits.
  Element<EditFeld>("xF").SetzeText(Str(ebene.v2->kp[1]));
  Element<EditFeld>("yF").SetzeText(Str(ebene.v2->kp[2]));
  Element<EditFeld>("zF").SetzeText(Str(ebene.v2->kp[3]));
  Element<EditFeld>("dF").SetzeText(Str(ebene.v1->SkalProd(*ebene.v2)));
  Warten = true;
  Show();
}

void GlFenster::GEintragen(bool& ok) {
  const double a = HauptF::myval(Element<EditFeld>("xF").Text());
  const double b = HauptF::myval(Element<EditFeld>("yF").Text());
  const double c = HauptF::myval(Element<EditFeld>("zF").Text());
  const double d = HauptF::myval(Element<EditFeld>("dF").Text());
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
  }
  if (!ok)
    HauptF::Instanz().Element<EditFeld>("HinweisF").SetzeText(
        endlich ? "Die Koeffizienten von x, y, z dürfen nicht alle den Wert null haben." :
                  std::string(HauptF::ZuGrosseZahl) + ".");
  Element<EditFeld>("xF").SetFocus();
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


