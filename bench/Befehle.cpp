// Re-executing, saving and loading command lists of growing length on the Qt
// backend under offscreen, list boxes and description text included, each
// step up to the widgets' own delayed layout and painting: milliseconds per
// run and per command, a full redraw of the graphics window and a refill of
// its pair list, and the peak memory of the process so far. The lengths may
// be given as arguments.

#include <QApplication>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/Befehlsarten.h"
#include "graphics/GrafikFenster.h"
#include "platform/Zahltext.h"
#include "platform/headless/HeadlessPlattform.h"
#include "platform/qt/QtPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace {

// A realistic list with explicit names, in blocks of 20 commands that build
// on each other: points from numbers, as intersections and as mirror images,
// planes, lines, feet, rotations, a triangle, measures, descriptions, a hint
// and drawing commands. Three points in 20 commands: the graphics window's
// pair list offers every pair of them.
std::string Befehlsliste(int anzahl) {
  std::string text;
  int n = 0;
  auto zeile = [&](int K, const std::string& neu, const std::string& a1 = "", const std::string& a2 = "",
                   const std::string& a3 = "") {
    if (n == anzahl) return;
    ++n;
    text += "<" + std::to_string(n) + ">    " + HauptF::BText(K, neu, a1, a2, a3) + "\r";
  };
  auto zahl = [](double x) { return plattform::Str(x); };
  zeile(KennungPunkt, "P-2", "(3|-2|5)");
  zeile(KennungPunkt, "P-1", "(-4|1|2)");
  for (int i = 0; n < anzahl; ++i) {
    const std::string s = std::to_string(i);
    const std::string p = "P" + s, p1 = "P" + std::to_string(i - 1), p2 = "P" + std::to_string(i - 2);
    zeile(KennungPunkt, p,
          "(" + zahl(i % 17 - 8.5) + "|" + zahl((i * 7) % 11 - 5.25) + "|" + zahl((i * i) % 13 - 6.5) + ")");
    zeile(KennungEbene, "E" + s, "1x + " + std::to_string(i % 5 + 1) + "y + -2z = " + std::to_string(i % 7));
    zeile(KennungEbenePPP, "F" + s, p, p1, p2);
    zeile(KennungGeradePP, "g" + s, p, p1);
    zeile(KennungGeradePR, "h" + s, p2, "g" + s);
    zeile(KennungSchnitt, "s" + s, "E" + s, "F" + s);
    zeile(KennungLotfusspunkt, "l" + s, "g" + s, "E" + s);
    zeile(KennungSpiegelbild, "m" + s, "h" + s, "F" + s);
    zeile(KennungDrehen, "r" + s, "g" + s, "22,5", "h" + s);
    zeile(KennungSchnitt, "q" + s, "g" + s, "E" + s);
    zeile(KennungSpiegelbild, "u" + s, p2, "F" + s);
    zeile(KennungDreieck, "T" + s, p, p1, p2);
    zeile(KennungWinkel, "", "g" + s, "E" + s);
    zeile(KennungAbstand, "", p, "F" + s);
    zeile(KennungBeschreibe, "", "T" + s);
    zeile(KennungHinweis, "", "", "Block " + s + " ist fertig");
    zeile(KennungZeige, "", "s" + s);
    zeile(KennungZeichne, "", "T" + s);
    zeile(KennungVerbinde, "", p, p1);
    if (i % 10 == 9)
      zeile(KennungZeichneAllePunkte, "");
    else
      zeile(KennungZeichne, "", "g" + s);
  }
  return text;
}

double Millisekunden(std::chrono::steady_clock::time_point seit) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - seit).count();
}

// The widgets take what the model holds, lay out and paint, as they do
// before the user sees the next picture.
void Zeigen(plattform::qt::QtPlattform& qt) {
  qt.Abgleichen();
  QApplication::processEvents();
}

double SpitzeMiB() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<double>(r.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  plattform::qt::QtPlattform qt(argc, argv);
  auto skript = std::make_unique<plattform::headless::SkriptDialoge>();
  plattform::headless::SkriptDialoge& dialoge = *skript;
  qt.SetzeDialoge(std::move(skript));
  App app;
  Starte(app);
  qt.Abgleichen();
  HauptF& h = HauptF::Instanz();

  const auto ordner = std::filesystem::temp_directory_path() / "figurat_bench";
  std::filesystem::create_directories(ordner);
  const std::string datei = (ordner / "liste.txt").string();
  const std::string gespeichert = (ordner / "gespeichert.txt").string();

  std::vector<int> laengen;
  for (int i = 1; i < argc; ++i) laengen.push_back(std::atoi(argv[i]));
  if (laengen.empty()) laengen = {100, 1000, 5000, 10000, 12666};

  std::printf("%8s  %7s  %22s  %22s  %22s  %14s  %12s  %10s\n", "Befehle", "Punkte", "Wiederholen ms (je B.)",
              "Speichern ms (je B.)", "Laden ms (je B.)", "Neuzeichnen ms", "Paarliste ms", "Spitze MiB");
  for (int anzahl : laengen) {
    if (!qt.Dateidienst().Schreibe(datei, Befehlsliste(anzahl) + "\n")) return 1;
    h.AllesLoeschen();
    Zeigen(qt);

    auto t = std::chrono::steady_clock::now();
    dialoge.WaehleDatei(datei);
    h.LadeFile();
    Zeigen(qt);
    const double laden = Millisekunden(t);

    // The best of three runs, as the first one warms the pools.
    double wiederholen = 1e300;
    for (int lauf = 0; lauf < 3; ++lauf) {
      t = std::chrono::steady_clock::now();
      h.AnweisungslisteAusfuehren();
      Zeigen(qt);
      wiederholen = std::min(wiederholen, Millisekunden(t));
    }

    double neuzeichnen = 1e300, paarliste = 1e300;
    for (int lauf = 0; lauf < 3; ++lauf) {
      t = std::chrono::steady_clock::now();
      GrafikFenster::Instanz().TotalAktualisieren();
      Zeigen(qt);
      neuzeichnen = std::min(neuzeichnen, Millisekunden(t));
      t = std::chrono::steady_clock::now();
      GrafikFenster::Instanz().ZeigePunktepaare();
      Zeigen(qt);
      paarliste = std::min(paarliste, Millisekunden(t));
    }

    t = std::chrono::steady_clock::now();
    dialoge.WaehleDatei(gespeichert);
    h.SpeichereProtokoll();
    const double speichern = Millisekunden(t);

    const auto meldungen = dialoge.NimmMeldungen();
    if (!meldungen.empty()) {
      std::fprintf(stderr, "unerwartete Meldung: %s\n", meldungen.front().c_str());
      return 1;
    }
    // The graphics window's pair list holds every pair of these points.
    const auto punkte = std::count(h.PNListe.begin(), h.PNListe.end(), '\r');
    std::printf("%8d  %7ld  %10.1f (%9.4f)  %10.1f (%9.4f)  %10.1f (%9.4f)  %14.1f  %12.2f  %10.0f\n", anzahl,
                static_cast<long>(punkte), wiederholen, wiederholen / anzahl, speichern, speichern / anzahl, laden,
                laden / anzahl, neuzeichnen, paarliste, SpitzeMiB());
    std::fflush(stdout);
  }
  std::filesystem::remove_all(ordner);
  return 0;
}
