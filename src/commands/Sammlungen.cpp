// The operand bar's action: on single figures, or on a collection as a whole
// or member by member.

#include <algorithm>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

std::string HauptF::AufMitglieder(const std::string& NeuG, const std::string& mitglieder, const std::string& AltG2,
                                  const std::string& AltG3, int K) {
  // Each member's result is named NeuG|member and listed, also when nothing was built for it.
  const auto n = std::count(mitglieder.begin(), mitglieder.end(), ',') + 1;
  std::string rest = mitglieder;
  std::string liste;
  for (long i = 0; i < n; ++i) {
    std::string m;
    TeileBeimKomma(rest, m, rest);
    const std::string ergebnis = NeuG + "|" + m;
    liste += "," + ergebnis;
    FiguratAktionSingle(ergebnis, m, AltG2, AltG3, K);
  }
  return liste.substr(1);
}

void HauptF::FiguratAktion() {
  const int K = AktuelleKennung;
  const std::string name = Kommafrei(GnameF().Text());
  const std::string first = G1ListB().Text();
  const std::string second = K == KennungDrehen ? GradF().Text() : G2ListB().Text();
  const std::string third = G3ListB().Text();

  // A typed name with "|" would pass for the result of an action on a
  // collection, which is never recorded by itself.
  if (K <= 39 && ((ExistiertFigurat(name) && !destruktiv) || !ErlaubterName(name) ||
                  name.find('|') != std::string::npos)) {
    plattform::plattform().MsgBox("Der Figuratname " + name +
                                  " ist nicht erlaubt oder bereits für ein anderes Figurat vergeben");
    return;
  }
  if (K == KennungDrehen && !Endlich({myval(second)})) {
    plattform::plattform().MsgBox(ZuGrosseZahl);
    return;
  }
  // The collection and the hint take nothing from the operand lists, whatever the hidden first list still shows.
  if (FiguratTypNr(first) != TypSammlung || K == KennungSammlung || K == KennungHinweis) {
    FiguratAktionSingle(name, first, second, third, K);
    return;
  }

  FiguratT* sammlung;
  bool found;
  HoleFigurat(first, sammlung, found);
  if (K >= KennungSchnitt && K <= KennungDrehen) {
    const std::string liste = AufMitglieder(name, sammlung->Ecken[1], second, third, K);
    FiguratT* ergebnis;
    ErschaffeG(ergebnis);
    ergebnis->Ecken[1] = liste;
    ergebnis->Typ = TypSammlung;
    ergebnis->name = name;
    ergebnis->Einlisten();
  } else if (K == KennungKlonen) {
    // The members are shared, not cloned.
    FiguratT* klon;
    ErschaffeG(klon);
    klon->Ecken[1] = sammlung->Ecken[1];
    klon->Typ = TypSammlung;
    klon->name = name;
    klon->Einlisten();
  } else if (K == KennungZeige) {
    ZeigeFigurat(first);
  }

  Aufzeichnen(K, name, first, second, third);
}
