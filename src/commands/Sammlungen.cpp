// Actions on collections, as a whole or member by member, on both roads; and
// the operand bar's action, on single figures or on a collection.

#include <algorithm>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "commands/Befehlsteil.h"
#include "core/FiguratT.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"


bool Befehlsteil::Elementname(const std::string& name) { return name.find('|') != std::string::npos; }

std::string Befehlsteil::AufMitglieder(const std::string& NeuG, const std::string& mitglieder, const std::string& AltG2,
                                       const std::string& AltG3, int K) {
  // Each member's result is named NeuG|member and listed, also when nothing was built for it.
  const auto n = std::count(mitglieder.begin(), mitglieder.end(), ',') + 1;
  std::string rest = mitglieder;
  std::string liste;
  for (long i = 0; i < n; ++i) {
    std::string m;
    TeileBeimKomma(rest, m, rest);
    std::string ergebnis = NeuG + "|" + m;
    liste += "," + ergebnis;
    // As typed, but never recorded: the command of the whole collection is.
    std::string a2 = AltG2;
    std::string a3 = AltG3;
    Anwenden(ergebnis, m, a2, a3, K);
  }
  return liste.substr(1);
}

void Befehlsteil::AufSammlung(const Befehlsart& art, const std::string& NeuG, const std::string& sammlung,
                              const std::string& AltG2, const std::string& AltG3) {
  FiguratT* s;
  HoleFigurat(sammlung, s);
  auto neueSammlung = [&](const std::string& mitglieder) {
    FiguratT* ergebnis;
    ErschaffeG(ergebnis);
    ergebnis->Ecken[1] = mitglieder;
    ergebnis->Typ = TypSammlung;
    ergebnis->name = NeuG;
    ergebnis->Einlisten();
  };
  switch (art.AufSammlung) {
    case Sammlungsfall::Mitglieder:
      neueSammlung(AufMitglieder(NeuG, std::string(s->Ecken[1]), AltG2, AltG3, art.Kennung));
      break;
    case Sammlungsfall::Klonen:
      neueSammlung(s->Ecken[1]);
      break;
    case Sammlungsfall::Loeschen:
      LoescheFigurat(sammlung);
      break;
    case Sammlungsfall::Zeigen:
      ZeigeFigurat(sammlung);
      break;
    case Sammlungsfall::Nichts:
    case Sammlungsfall::Keiner:
      break;
  }
}

void Befehlsteil::FiguratAktion() {
  const int K = AktuelleKennung;
  const Befehlsart* art = Befehlsart::Zu(K);
  const bool winkel = art && art->Hat(Befehlsart::Winkel);
  const std::string name = Kommafrei(GnameF().Text());
  const std::string first = G1ListB().Text();
  const std::string second = winkel ? GradF().Text() : G2ListB().Text();
  const std::string third = G3ListB().Text();

  // With no kind chosen yet the name is checked as for a definition. A typed
  // name with "|" would pass for the result of an action on a collection.
  if ((!art || art->Hat(Befehlsart::Definition)) && (NameAbgelehnt(name) || Elementname(name))) {
    plattform::plattform().MsgBox("Der Figuratname " + name +
                                  " ist nicht erlaubt oder bereits für ein anderes Figurat vergeben");
    return;
  }
  if (winkel && !Endlich({myval(second)})) {
    plattform::plattform().MsgBox(ZuGrosseZahl);
    return;
  }
  // The collection and the hint take nothing from the operand lists, whatever the hidden first list still shows.
  if (!art || art->AufSammlung == Sammlungsfall::Keiner || FiguratTypNr(first) != TypSammlung) {
    FiguratAktionSingle(name, first, second, third, K);
    return;
  }
  AufSammlung(*art, name, first, second, third);
  Aufzeichnen(K, name, first, second, third);
}
