// A command-list file of any content, loaded behind a list of three commands:
// no crash, no hang, and the three commands stay as they were.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/headless/HeadlessPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace {

const std::string vorher =
    "<1>    A ist der Punkt mit dem Koordinatentripel: (1|2|3) \r"
    "<2>    E ist die Ebene mit der Gleichung: 1x + 0y + 0z = 2 \r"
    "<3>    F wird definiert als Fusspunktfigurat der Lote von: A auf: E \r";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static const std::string pfad = "/tmp/figurat_fuzz_" + std::to_string(getpid()) + ".txt";
  // A fresh program for every input, as every start of the program is one.
  auto p = std::make_unique<plattform::headless::HeadlessPlattform>();
  // The loader reads every file that begins like one; the rest is the input.
  if (!p->Dateidienst().Schreibe(pfad, "<1>" + std::string(reinterpret_cast<const char*>(daten), groesse)))
    std::abort();

  App app;
  Starte(app);
  HauptF& h = HauptF::Instanz();
  h.Befehlslisteeinlesen(vorher);
  p->Skript().WaehleDatei(pfad);
  h.LadeFile();
  if (h.Protokoll.compare(0, vorher.size(), vorher) != 0 || h.destruktiv) std::abort();
  h.AnweisungslisteAusfuehren();
  return 0;
}
