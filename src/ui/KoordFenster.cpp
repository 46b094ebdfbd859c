#include "ui/KoordFenster.h"

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

plattform::Fensterlayout KoordFenster::Layoutschritt() { return Dialoglayout("Ändern von Koordinaten", 357, 145); }

const std::vector<plattform::Steuerelementzeile>& KoordFenster::Steuerelementtabelle() const {
  static const std::vector<plattform::Steuerelementzeile> tabelle = {
      {Art::StatischerText, "KoordText", 31, 21, 288, 22, {.text = "Koordinaten des Punktes "}},
      {Art::EditFeld, "xF", 31, 55, 90, 35},
      {Art::EditFeld, "yF", 130, 55, 90, 35},
      {Art::EditFeld, "zF", 229, 55, 90, 35},
      {Art::BevelButton, "AktualisierenB", 31, 108, 189, 22, {.text = "Alles Aktualisieren / Fertig"},
       {Bind("Action", &KoordFenster::AktualisierenB_Action)}},
      {Art::BevelButton, "AbbrechB", 233, 107, 86, 22, {.text = "Abbrechen"},
       {Bind("Action", &KoordFenster::AbbrechB_Action)}},
  };
  return tabelle;
}

void KoordFenster::Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& punkt) {
  Warte(befehl);
  Element<StatischerText>("KoordText").SetzeText("Koordinaten des Punktes " + name);
  // All the digits, not the chosen decimals.
  Element<EditFeld>("xF").SetzeText(Str(punkt.v1->kp[1]));
  Element<EditFeld>("yF").SetzeText(Str(punkt.v1->kp[2]));
  Element<EditFeld>("zF").SetzeText(Str(punkt.v1->kp[3]));
  Warten = true;
  Show();
}

void KoordFenster::KEintragen(bool& ok) {
  Hide();
  HauptF& h = HauptF::Instanz();
  const std::string& x = Element<EditFeld>("xF").Text();
  const std::string& y = Element<EditFeld>("yF").Text();
  const std::string& z = Element<EditFeld>("zF").Text();
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
  }
  if (!ok) h.Element<EditFeld>("HinweisF").SetzeText(std::string(HauptF::ZuGrosseZahl) + ".");
  Element<EditFeld>("xF").SetFocus();
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


