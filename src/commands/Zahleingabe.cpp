// Points and planes typed as numbers, recorded with their coordinate and
// equation texts.

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "commands/Befehlsteil.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "platform/Zahltext.h"

using plattform::Str;

std::string Befehlsteil::EingegebenerName() {
  std::string name = Kommafrei(GnameF().Text());
  if (name.empty()) name = "G_" + std::to_string(FreieNr());
  return name;
}

std::string Befehlsteil::Gleichungstext(double a, double b, double c, double d) {
  // Plain numbers, neither rounded nor set to 0: "+ " stands before a negative coefficient too.
  return Str(a) + "x + " + Str(b) + "y + " + Str(c) + "z = " + Str(d);
}

void Befehlsteil::DefinierePunkt() {
  const std::string name = EingegebenerName();
  const double x = myval(aF().Text());
  const double y = myval(bF().Text());
  const double z = myval(cF().Text());
  bool ok = false;
  if (Elementname(name))
    plattform::plattform().MsgBox("Der verwendete Figuratname " + name + "  ist unerlaubt oder existiert bereits");
  else if (!Endlich({x, y, z}))
    plattform::plattform().MsgBox(ZuGrosseZahl);
  else
    ErzeugePunkt(name, x, y, z, ok);
  if (ok) {
    BefehlT* b;
    ErschaffeB(b);
    b->Kennung = KennungPunkt;
    b->Vektor->Vektor(x, y, z);
    b->NeuG = name;
    b->AltG1 = b->Vektor->Vektor2String();
    b->Anhaengen();
    ZeigeLetztenBefehl();
  }
  destruktiv = false;
}

void Befehlsteil::DefiniereEbene() {
  const double a = myval(aF().Text());
  const double b = myval(bF().Text());
  const double c = myval(cF().Text());
  const double d = myval(dF().Text());
  const std::string name = EingegebenerName();
  bool ok = false;
  if (Elementname(name))
    plattform::plattform().MsgBox("Der verwendete Figuratname " + name + "  ist unerlaubt  oder existiert bereits");
  else if (!Endlich({a, b, c, d}))
    plattform::plattform().MsgBox(ZuGrosseZahl);
  else
    ErzeugeEbeneG(name, a, b, c, d, ok);
  if (ok) {
    BefehlT* e;
    ErschaffeB(e);
    e->Kennung = KennungEbene;
    e->NeuG = name;
    e->Gleichung[1] = a;
    e->Gleichung[2] = b;
    e->Gleichung[3] = c;
    e->Gleichung[4] = d;
    e->AltG1 = Gleichungstext(a, b, c, d);
    e->Anhaengen();
    ZeigeLetztenBefehl();
  }
  destruktiv = false;
}
