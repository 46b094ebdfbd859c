// What a user waits for on a long command list, on one platform and one
// list, in a process of its own so that the peak memory is that of this list
// alone:
//
//   bench_befehle qt|speicher mischung|konstruktion ANZAHL
//
// qt is the program's own Qt platform (offscreen unless QT_QPA_PLATFORM says
// otherwise), speicher the platform in memory; both answer their dialogs from
// a script. Each step is brought up to the widgets, their delayed layout and
// painting included. One line per step: its name, how often it ran and the
// fastest run in milliseconds; then the points and the peak memory.
// bench/Messtabelle.py runs every case and prints the table.

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "Befehlslisten.h"
#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "platform/headless/HeadlessPlattform.h"
#include "platform/qt/QtPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace messung {

// The widgets take what the model holds, lay out and paint, as they do
// before the user sees the next picture.
void Zeigen() {
  plattform::plattform().Abgleichen();
  if (QCoreApplication::instance()) QApplication::processEvents();
}

// One step each, as the user starts it, kept out of line so that callgrind
// counts each alone: --toggle-collect='messung::Laden*'.

[[gnu::noinline]] void Laden(plattform::headless::SkriptDialoge& dialoge, const std::string& datei) {
  dialoge.WaehleDatei(datei);
  HauptF::Instanz().LadeFile();
  Zeigen();
}

[[gnu::noinline]] void Wiederholen() {
  HauptF::Instanz().AnweisungslisteAusfuehren();
  Zeigen();
}

[[gnu::noinline]] void Neuzeichnen() {
  GrafikFenster::Instanz().TotalAktualisieren();
  Zeigen();
}

[[gnu::noinline]] void Paarliste() {
  GrafikFenster::Instanz().ZeigePunktepaare();
  Zeigen();
}

// The middle row dragged from the command list onto the delete field: the
// command goes onto the undo stack and the list is executed again.
[[gnu::noinline]] void Loeschen() {
  HauptF& h = HauptF::Instanz();
  auto& liste = h.ProtokollBox();
  const auto zeile = liste.BenutzerZiehtZeile(liste.ListCount() / 2);
  if (!zeile) {
    std::fprintf(stderr, "die mittlere Zeile laesst sich nicht ziehen\n");
    std::exit(1);
  }
  h.LoeschF().BenutzerLaesstFallen(*zeile);
  h.LoeschF().BenutzerMausVerlaesst();
  Zeigen();
}

// The menu item that takes the last deleted command back into the list.
[[gnu::noinline]] void Restore() {
  plattform::plattform().BenutzerWaehltMenue("UndoItem");
  Zeigen();
}

[[gnu::noinline]] void Speichern(plattform::headless::SkriptDialoge& dialoge, const std::string& datei) {
  dialoge.WaehleDatei(datei);
  HauptF::Instanz().SpeichereProtokoll();
  Zeigen();
}

}  // namespace messung

namespace {

double Millisekunden(std::chrono::steady_clock::time_point seit) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - seit).count();
}

// At once, so that a run stopped for taking too long still tells what it measured.
void Ausgabe(const char* name, int runden, double schnellste) {
  std::printf("%s %d %.3f\n", name, runden, schnellste);
  std::fflush(stdout);
}

// The platform in memory records every drawing call, for the tests; what
// earlier steps drew is dropped before a step, as the program keeps no such
// record and the widgets of Qt none either.
void AufzeichnungVergessen() {
  if (dynamic_cast<plattform::headless::HeadlessPlattform*>(&plattform::plattform()))
    plattform::headless::Aufzeichnung(GrafikFenster::Instanz().Element<plattform::Canvas>("GraphCanvas")).Vergessen();
}

// The fastest of so many runs: the first one warms the pools.
template <class Schritt>
void Miss(const char* name, int runden, Schritt schritt) {
  double schnellste = 1e300;
  for (int i = 0; i < runden; ++i) {
    AufzeichnungVergessen();
    const auto t = std::chrono::steady_clock::now();
    schritt();
    schnellste = std::min(schnellste, Millisekunden(t));
  }
  Ausgabe(name, runden, schnellste);
}

long Punkte() {
  long n = 0;
  for (const FiguratT* g = HauptF::Instanz().GListe; g; g = g->Zeiger) n += g->Typ == TypPunkt;
  return n;
}

long SpitzeKiB() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return r.ru_maxrss;
}

int Aufruf(const char* programm) {
  std::fprintf(stderr, "Aufruf: %s qt|speicher mischung|konstruktion ANZAHL\n", programm);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Aufruf(argv[0]);
  const bool qt = std::strcmp(argv[1], "qt") == 0;
  const bool mischung = std::strcmp(argv[2], "mischung") == 0;
  const int anzahl = std::atoi(argv[3]);
  if ((!qt && std::strcmp(argv[1], "speicher") != 0) || (!mischung && std::strcmp(argv[2], "konstruktion") != 0) ||
      anzahl < 1)
    return Aufruf(argv[0]);

  std::unique_ptr<plattform::Plattform> plattform;
  if (qt) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    plattform = std::make_unique<plattform::qt::QtPlattform>(argc, argv);
  } else {
    plattform = std::make_unique<plattform::headless::HeadlessPlattform>();
  }
  auto skript = std::make_unique<plattform::headless::SkriptDialoge>();
  plattform::headless::SkriptDialoge& dialoge = *skript;
  plattform->SetzeDialoge(std::move(skript));
  App app;
  Starte(app);
  messung::Zeigen();

  // A folder of its own, so that cases may run side by side.
  const auto ordner = std::filesystem::temp_directory_path() / ("figurat_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(ordner);
  const std::string datei = (ordner / "liste.txt").string();
  if (!plattform->Dateidienst().Schreibe(datei, (mischung ? bench::Mischung : bench::Konstruktion)(anzahl) + "\n"))
    return 1;

  // A step that takes a few milliseconds runs often: a user repeats a redraw
  // at every slider step, and the fastest of three is not yet the floor of a
  // busy machine.
  Miss("Laden", 1, [&] { messung::Laden(dialoge, datei); });
  Miss("Wiederholen", 5, messung::Wiederholen);
  Miss("Neuzeichnen", 25, messung::Neuzeichnen);
  Miss("Paarliste", 25, messung::Paarliste);
  // Each deleted command comes back at the end, so that the list keeps its length.
  constexpr int kLoeschen = 5;
  double loeschen = 1e300, restore = 1e300;
  for (int i = 0; i < kLoeschen; ++i) {
    auto t = std::chrono::steady_clock::now();
    messung::Loeschen();
    loeschen = std::min(loeschen, Millisekunden(t));
    t = std::chrono::steady_clock::now();
    messung::Restore();
    restore = std::min(restore, Millisekunden(t));
  }
  Ausgabe("Loeschen", kLoeschen, loeschen);
  Ausgabe("Restore", kLoeschen, restore);
  Miss("Speichern", 3, [&] { messung::Speichern(dialoge, (ordner / "gespeichert.txt").string()); });
  std::printf("Punkte %ld\nSpitze_KiB %ld\n", Punkte(), SpitzeKiB());

  // A step that asks must find its answer in the script; a message is shown on stderr.
  const auto meldungen = dialoge.NimmMeldungen();
  for (const auto& m : meldungen) std::fprintf(stderr, "Meldung: %s\n", m.c_str());
  std::filesystem::remove_all(ordner);
  if (dialoge.OhneAntwort()) {
    std::fprintf(stderr, "ein Dialog fand keine Antwort\n");
    return 1;
  }
  return 0;
}
