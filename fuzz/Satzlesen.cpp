// One line of a command-list file: its kind by the key phrases, the same as
// trying every kind, and the reading that found it the same as reading the
// line again as that kind; its reading into a command by every kind. A sentence
// the program writes for a command it read reads back to the same command.
//
// One started program serves every input. Reading changes nothing but the two
// command records it reads into, and these are made blank before each input,
// so no input can change the result of the next.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/VektorT.h"
#include "platform/headless/HeadlessPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace {

HauptF& Programm() {
  static plattform::headless::HeadlessPlattform plattform;
  static App app;
  static bool gestartet = (Starte(app), true);
  (void)gestartet;
  return HauptF::Instanz();
}

bool OhneDoppelpunkt(const std::string& s) { return s.find(':') == std::string::npos; }

void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

// As a record made new: empty texts, kind 0, the equation and the vector 0.
void Leeren(BefehlT& b) {
  b.NeuG.clear();
  b.AltG1.clear();
  b.AltG2.clear();
  b.AltG3.clear();
  b.Kennung = 0;
  b.Gleichung = {};
  b.Vektor->Vektor(0, 0, 0);
}

// The kind found the plain way: every kind whose key phrase occurs is read,
// from the highest down, and the first whose sentence rebuilds the line wins;
// without one, the highest kind whose phrase occurs.
int SatzartDurchProbieren(const HauptF& h, const std::string& zeile, BefehlT& b) {
  int hoechste = 0;
  const auto& alle = Befehlsart::Alle();
  for (auto art = alle.rbegin(); art != alle.rend(); ++art) {
    if (zeile.find(h.BefehlsSchluessel[art->Kennung]) == std::string::npos) continue;
    if (hoechste == 0) hoechste = art->Kennung;
    Leeren(b);
    bool ok;
    b.Zeile2Befehl(zeile, art->Kennung, ok);
    if (ok && HauptF::BText(art->Kennung, b.NeuG, b.AltG1, b.AltG2, b.AltG3) == zeile) return art->Kennung;
  }
  return hoechste;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  HauptF& h = Programm();
  const std::string zeile(reinterpret_cast<const char*>(daten), groesse);
  BefehlT* b;
  BefehlT* wieder;
  h.ErschaffeB(b);
  h.ErschaffeB(wieder);
  Leeren(*b);
  Leeren(*wieder);

  const Satzlesung gelesen = h.LiesZeile(zeile);
  const int erkannt = gelesen.Kennung;
  Pruefe(erkannt == 0 || Befehlsart::Zu(erkannt) != nullptr);
  Pruefe(erkannt == SatzartDurchProbieren(h, zeile, *b));
  // The reading that found the kind makes the record that reading the line as that kind makes.
  if (erkannt != 0) {
    Leeren(*b);
    Leeren(*wieder);
    bool ok, okWieder;
    b->Zeile2Befehl(gelesen, ok);
    wieder->Zeile2Befehl(zeile, erkannt, okWieder);
    Pruefe(ok == okWieder && b->Kennung == wieder->Kennung && b->NeuG == wieder->NeuG && b->AltG1 == wieder->AltG1 &&
           b->AltG2 == wieder->AltG2 && b->AltG3 == wieder->AltG3 && b->Gleichung == wieder->Gleichung &&
           b->Vektor->kp == wieder->Vektor->kp);
    Leeren(*wieder);
  }
  Leeren(*b);
  for (const Befehlsart& art : Befehlsart::Alle()) {
    bool ok;
    b->Zeile2Befehl(zeile, art.Kennung, ok);
    if (!ok) continue;
    Pruefe(b->Kennung == art.Kennung);
    // Names the program makes hold no colon; with one, the fields after it shift.
    if (!OhneDoppelpunkt(b->NeuG)) continue;
    if (art.lesart == Lesart::Namen && !(OhneDoppelpunkt(b->AltG1) && OhneDoppelpunkt(b->AltG2) &&
                                         OhneDoppelpunkt(b->AltG3)))
      continue;
    const std::string satz = HauptF::BText(b->Kennung, b->NeuG, b->AltG1, b->AltG2, b->AltG3);
    wieder->Zeile2Befehl(satz, art.Kennung, ok);
    Pruefe(ok && wieder->NeuG == b->NeuG && wieder->AltG1 == b->AltG1 && wieder->AltG2 == b->AltG2 &&
           wieder->AltG3 == b->AltG3 && wieder->Gleichung == b->Gleichung);
    Pruefe(HauptF::BText(wieder->Kennung, wieder->NeuG, wieder->AltG1, wieder->AltG2, wieder->AltG3) == satz);
  }
  wieder->Einlagern();
  b->Einlagern();
  return 0;
}
