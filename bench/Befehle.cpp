// Re-executing, saving and loading command lists of growing length on the Qt
// backend under offscreen, list boxes and description text included:
// milliseconds per run and per command.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/Befehlsarten.h"
#include "platform/headless/HeadlessPlattform.h"
#include "platform/qt/QtPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace {

// A realistic list with explicit names: points, lines, planes, intersections,
// feet, mirror images, rotations, triangles, descriptions, hints and drawing
// commands, in blocks of 20 commands that build on each other.
std::string Befehlsliste(int anzahl) {
  std::string text;
  int n = 0;
  auto zeile = [&](int K, const std::string& neu, const std::string& a1 = "", const std::string& a2 = "",
                   const std::string& a3 = "") {
    if (n == anzahl) return;
    ++n;
    text += "<" + std::to_string(n) + ">    " + HauptF::BText(K, neu, a1, a2, a3) + "\r";
  };
  for (int i = 0; n < anzahl; ++i) {
    const std::string s = std::to_string(i);
    const std::string x = std::to_string(i % 17), y = std::to_string(i % 5 + 1), z = std::to_string(i % 7 - 3);
    zeile(KennungPunkt, "P" + s, "(" + x + "|" + y + "|" + z + ")");
    zeile(KennungPunkt, "Q" + s, "(" + y + "|" + z + "|" + x + ".5)");
    zeile(KennungPunkt, "R" + s, "(" + z + "|-" + x + "|" + y + ")");
    zeile(KennungGeradePP, "g" + s, "P" + s, "Q" + s);
    zeile(KennungEbenePPP, "E" + s, "P" + s, "Q" + s, "R" + s);
    zeile(KennungEbene, "F" + s, "1x + " + y + "y + -" + x + "z = " + z);
    zeile(KennungSchnitt, "S" + s, "g" + s, "F" + s);
    zeile(KennungLotfusspunkt, "L" + s, "R" + s, "g" + s);
    zeile(KennungSpiegelbild, "M" + s, "P" + s, "F" + s);
    zeile(KennungDrehen, "D" + s, "R" + s, "22,5", "g" + s);
    zeile(KennungDreieck, "T" + s, "P" + s, "Q" + s, "R" + s);
    zeile(KennungWinkel, "", "E" + s, "F" + s);
    zeile(KennungAbstand, "", "R" + s, "g" + s);
    zeile(KennungBeschreibe, "", "T" + s);
    zeile(KennungHinweis, "", "", "Block " + s + " ist fertig");
    zeile(KennungZeige, "", "M" + s);
    zeile(KennungZeichne, "", "T" + s);
    zeile(KennungZeichne, "", "L" + s);
    zeile(KennungVerbinde, "", "P" + s, "Q" + s);
    zeile(i % 10 == 9 ? KennungZeichneAllePunkte : KennungRadiere, "", "L" + s);
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

  std::printf("%8s  %22s  %22s  %22s\n", "Befehle", "Wiederholen ms (je B.)", "Speichern ms (je B.)",
              "Laden ms (je B.)");
  for (int anzahl : {100, 1000, 5000, 10000}) {
    if (!plattform::Plattform::SchreibeDatei(datei, Befehlsliste(anzahl) + "\n")) return 1;
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
    std::printf("%8d  %10.1f (%9.4f)  %10.1f (%9.4f)  %10.1f (%9.4f)\n", anzahl, wiederholen, wiederholen / anzahl,
                speichern, speichern / anzahl, laden, laden / anzahl);
  }
  std::filesystem::remove_all(ordner);
  return 0;
}
