// The one-line description of every figure and where it is shown.

#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "descriptions/Beschreibungsteil.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "platform/Zahltext.h"

namespace {

// The spaced coordinate form of the descriptions, unlike Vektor2String's,
// appended to the sentence: every figure entered is described.
void Koordinaten(std::string& text, const Beschreibungsteil& h, const VektorT& v) {
  text += '(';
  text += h.z2s(v.kp[1]);
  text += " | ";
  text += h.z2s(v.kp[2]);
  text += " | ";
  text += h.z2s(v.kp[3]);
  text += ')';
}

}  // namespace

std::string Beschreibungsteil::Punktausgabe(const FiguratT& g) const {
  std::string text = g.name + " ist der Punkt mit dem Koordinatentripel ";
  Koordinaten(text, *this, *g.v1);
  return text;
}

std::string Beschreibungsteil::Geradenausgabe(const FiguratT& g) const {
  std::string text = g.name + " ist die Gerade durch den Punkt mit den Koordinaten ";
  Koordinaten(text, *this, *g.v1);
  text += " und dem Richtungsvektor ";
  Koordinaten(text, *this, *g.v2);
  return text;
}

std::string Beschreibungsteil::EbenenAusgabe(const FiguratT& g) const {
  const VektorT& n = *g.v2;
  std::string text = g.name + " ist die Ebene durch den Punkt mit den Koordinaten ";
  Koordinaten(text, *this, *g.v1);
  text += " und mit dem Normalenvektor ";
  Koordinaten(text, *this, n);
  // The right side from the unrounded components, written in full.
  const double d = g.v1->SkalProd(n);
  text += CR + g.name + " hat die Gleichung " + z2s(n.kp[1]) + "x + " + z2s(n.kp[2]) + "y + " + z2s(n.kp[3]) +
          "z = " + plattform::Str(d);
  return text;
}

std::string Beschreibungsteil::Dreieckausgabe(const FiguratT& g) const {
  return g.name + " ist das Dreieck mit den Ecken " + g.Ecken[1] + ", " + g.Ecken[2] + " und " + g.Ecken[3];
}

std::string Beschreibungsteil::Tetraederausgabe(const FiguratT& g) const {
  return g.name + " ist das Tetraeder mit den Ecken " + g.Ecken[1] + ", " + g.Ecken[2] + ", " + g.Ecken[3] +
         " und " + g.Ecken[4];
}

std::string Beschreibungsteil::Zahlausgabe(const FiguratT&) const { return ""; }

void Beschreibungsteil::Eingelistet(FiguratT& g) { g.Ausgabe(); }

void FiguratT::Ausgabe() {
  Beschreibungsteil& h = Beschreibungsteil::Instanz();
  std::string text;
  switch (Typ) {
    case TypSammlung: text = name + " ist die Sammlung der Figurat " + Ecken[1]; break;
    case TypTetraeder: text = h.Tetraederausgabe(*this); break;
    case TypDreieck: text = h.Dreieckausgabe(*this); break;
    case TypStrecke: text = name + " ist die Strecke mit den Endpunkten " + Ecken[1] + " und " + Ecken[2]; break;
    case TypLeer: text = name + " ist das leere Figurat"; break;
    case TypKein: text = h.Zahlausgabe(*this); break;
    case TypPunkt: text = h.Punktausgabe(*this); break;
    case TypGerade: text = h.Geradenausgabe(*this); break;
    case TypEbene: text = h.EbenenAusgabe(*this); break;
    case TypRaum: text = name + " ist der Raum"; break;
    default: break;
  }
  if (text.empty()) return;
  h.LastInfoF().SetzeText(text);
  if (h.ProtokollAn) {
    h.InsInfofenster(text);
    h.InfoAktualisieren();
  } else if (h.doppelklick) {
    plattform::plattform().MsgBox(text);
  }
}
