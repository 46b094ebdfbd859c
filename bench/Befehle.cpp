// Re-executing, saving and loading command lists of growing length on the Qt
// backend under offscreen, list boxes and description text included:
// milliseconds per run and per command.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/Befehlsarten.h"
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

  std::printf("%8s  %7s  %22s  %22s  %22s\n", "Befehle", "Punkte", "Wiederholen ms (je B.)",
              "Speichern ms (je B.)", "Laden ms (je B.)");
  for (int anzahl : {100, 1000, 5000, 10000}) {
    if (!qt.Dateidienst().Schreibe(datei, Befehlsliste(anzahl) + "\n")) return 1;
    h.AllesLoeschen();
    qt.Abgleichen();

    auto t = std::chrono::steady_clock::now();
    dialoge.WaehleDatei(datei);
    h.LadeFile();
    qt.Abgleichen();
    const double laden = Millisekunden(t);

    // The best of three runs, as the first one warms the pools.
    double wiederholen = 1e300;
    for (int lauf = 0; lauf < 3; ++lauf) {
      t = std::chrono::steady_clock::now();
      h.AnweisungslisteAusfuehren();
      qt.Abgleichen();
      wiederholen = std::min(wiederholen, Millisekunden(t));
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
    std::printf("%8d  %7ld  %10.1f (%9.4f)  %10.1f (%9.4f)  %10.1f (%9.4f)\n", anzahl, static_cast<long>(punkte),
                wiederholen, wiederholen / anzahl, speichern, speichern / anzahl, laden, laden / anzahl);
  }
  std::filesystem::remove_all(ordner);
  return 0;
}
