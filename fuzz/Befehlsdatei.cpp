// A command-list file of any content, loaded behind a list of three commands:
// no crash, no hang, and the three commands stay as they were.
//
// One started program serves every input and is put back between inputs into
// the state a fresh start leaves. Every so often an input runs on a fresh
// program as well, and both must leave the same lists, texts, controls,
// messages, beeps and picture: so no state of one input can change the result
// of the next.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Steuerelement.h"
#include "platform/Zahltext.h"
#include "platform/headless/HeadlessPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace {

using plattform::Str;

const std::string vorher =
    "<1>    A ist der Punkt mit dem Koordinatentripel: (1|2|3) \r"
    "<2>    E ist die Ebene mit der Gleichung: 1x + 0y + 0z = 2 \r"
    "<3>    F wird definiert als Fusspunktfigurat der Lote von: A auf: E \r";

// Every this many inputs, one is checked against a fresh program.
constexpr long Pruefabstand = 256;

void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

// The program as the process entry starts it.
struct Programm {
  plattform::headless::HeadlessPlattform plattform;
  App app;
  Programm() { Starte(app); }
  static plattform::headless::AufzeichnendeZeichenflaeche& Bild() {
    return plattform::headless::Aufzeichnung(GrafikFenster::Instanz().GraphCanvas());
  }
};

// Back to what a fresh start leaves, as far as an input can tell: the list
// onto the undo stack, the figures into the pool, the restart; and the
// platform forgets the input's messages and picture and takes the pen of a new
// canvas, since the width a line sets stays in force across a restart.
void Zuruecksetzen(Programm& p) {
  HauptF::Instanz().AllesLoeschen();
  p.plattform.Skript().NimmMeldungen();
  Programm::Bild().Zuruecksetzen();
}

// Everything an input leaves that can be seen.
std::string Ergebnis(Programm& p, long beepsVorher) {
  HauptF& h = HauptF::Instanz();
  std::string e = h.Protokoll + "\n" + h.InfoFenster.Text() + "\n";
  // Of each figure the fields its type gives a meaning; the others keep
  // whatever their record held before, as records from the pool do.
  for (const FiguratT* g = h.GListe; g; g = g->Zeiger) {
    e += g->name + " " + Str(g->Typ) + (g->sichtbar() ? " sichtbar " : " ") + g->verbundenmit();
    auto vektor = [&e](const VektorT& v) { e += " " + Str(v.kp[1]) + "|" + Str(v.kp[2]) + "|" + Str(v.kp[3]); };
    if (g->Typ >= TypPunkt && g->Typ <= TypEbene) vektor(*g->v1);
    if (g->Typ == TypGerade || g->Typ == TypEbene) vektor(*g->v2);
    const int ecken = g->Typ == TypSammlung ? 1 : g->Typ < TypLeer ? -g->Typ : 0;
    for (int i = 1; i <= ecken; ++i) e += " " + g->Ecken[i];
    e += "\n";
  }
  for (const plattform::Fenster* f : p.plattform.AlleFenster()) {
    for (const auto& s : f->Elemente()) {
      e += s->Name() + (s->Visible() ? " sichtbar:" : ":");
      if (auto* feld = dynamic_cast<const plattform::EditFeld*>(s.get())) e += feld->Text();
      if (auto* text = dynamic_cast<const plattform::StatischerText*>(s.get())) e += text->Text();
      if (auto* liste = dynamic_cast<const plattform::ListBox*>(s.get())) {
        for (const std::string& zeile : liste->Zeilen()) e += zeile + "\r";
        e += std::to_string(liste->ListIndex());
      }
      if (auto* kasten = dynamic_cast<const plattform::CheckBox*>(s.get())) e += Str(kasten->Value());
      if (auto* regler = dynamic_cast<const plattform::Slider*>(s.get())) e += Str(regler->Value());
      e += "\n";
    }
  }
  for (const std::string& meldung : p.plattform.Skript().NimmMeldungen()) e += meldung + "\n";
  e += std::to_string(p.plattform.Beeps() - beepsVorher) + "\n";
  for (const auto& z : Programm::Bild().SeitLoeschen())
    e += Str(static_cast<int>(z.art)) + " " + Str(z.farbe.rot) + " " + Str(z.farbe.gruen) + " " + Str(z.farbe.blau) +
         " " + Str(z.stiftbreite) + " " + Str(z.textgroesse) + " " + Str(z.a) + " " + Str(z.b) + " " + Str(z.c) +
         " " + Str(z.d) + " " + z.text + "\n";
  return e;
}

// The file the loader reads, in memory where the system offers a folder there:
// opening a file on disk would cost more than loading it. Removed at the end.
struct Eingabedatei {
  std::string pfad = ((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                  : std::filesystem::temp_directory_path()) /
                      ("figurat_fuzz_" + std::to_string(getpid()) + ".txt"))
                         .string();
  ~Eingabedatei() { std::filesystem::remove(pfad); }
};

// The three commands, then the file; what the loader promises is checked.
void Lade(Programm& p, const std::string& pfad) {
  HauptF& h = HauptF::Instanz();
  h.Befehlslisteeinlesen(vorher);
  p.plattform.Skript().WaehleDatei(pfad);
  h.LadeFile();
  Pruefe(h.Protokoll.compare(0, vorher.size(), vorher) == 0 && !h.destruktiv);
  h.AnweisungslisteAusfuehren();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static const Eingabedatei eingabe;
  const std::string& pfad = eingabe.pfad;
  static std::unique_ptr<Programm> programm = std::make_unique<Programm>();
  static long eingaben = 0;

  // The loader reads every file that begins like one; the rest is the input.
  {
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei << "<1>";
    datei.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    Pruefe(datei.good());
  }
  const long beeps = programm->plattform.Beeps();
  Lade(*programm, pfad);
  if (++eingaben % Pruefabstand == 0) {
    const std::string wiederverwendet = Ergebnis(*programm, beeps);
    programm.reset();
    programm = std::make_unique<Programm>();
    Lade(*programm, pfad);
    Pruefe(Ergebnis(*programm, 0) == wiederverwendet);
  }
  Zuruecksetzen(*programm);
  return 0;
}
