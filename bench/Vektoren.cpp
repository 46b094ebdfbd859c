// A million vector operations on warm pools: how many records they make and
// how long one takes.

#include <chrono>
#include <cstdio>

#include "core/VektorT.h"
#include "platform/headless/HeadlessPlattform.h"
#include "ui/App.h"
#include "ui/HauptF.h"

namespace {

VektorT& Neu(HauptF& h, double x, double y, double z) {
  VektorT* v;
  h.ErschaffeV(v);
  v->Vektor(x, y, z);
  return *v;
}

}  // namespace

int main() {
  plattform::headless::HeadlessPlattform p;
  App app;
  Starte(app);
  HauptF& h = HauptF::Instanz();

  VektorT& a = Neu(h, 1, 2, 3);
  VektorT& b = Neu(h, -2, 0.5, 4);
  VektorT& c = Neu(h, 0.25, -1, 2);
  VektorT& r = Neu(h, 0, 0, 0);
  double d = 0;
  bool ok = false;
  double summe = 0;  // keeps the results alive

  // Ten operations per round, among them every one that takes temporaries.
  constexpr int operationenJeRunde = 10;
  auto runde = [&](int i) {
    a.kp[1] = 1 + (i & 7);
    a.kreuz(b, r);
    a.LinKomb(0.5, b, 2, r);
    a.Richtung(c, r);
    summe += a.Det(b, c);
    summe += a.dist(c);
    summe += a.Winkel(b);
    a.Hesseform(b, c, r, d, ok);
    a.Fusspunkt(b, c, r);
    summe += a.DreiecksFlaeche(b, c);
    a.Punktdrehung(33, b, r);
    summe += r.kp[1];
  };

  runde(0);  // warms the pool
  const std::size_t vorher = h.Arenagroesse();
  constexpr int runden = 1000000 / operationenJeRunde;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runden; ++i) runde(i);
  const auto ende = std::chrono::steady_clock::now();
  const std::size_t nachher = h.Arenagroesse();

  const double ns = std::chrono::duration<double, std::nano>(ende - start).count();
  std::printf("Operationen: %d\n", runden * operationenJeRunde);
  std::printf("Arena vorher: %zu Datensätze, nachher: %zu (neu angelegt: %zu)\n", vorher, nachher, nachher - vorher);
  std::printf("Zeit je Operation: %.1f ns\n", ns / (runden * operationenJeRunde));
  std::printf("(Prüfsumme %.3f)\n", summe);
  return nachher == vorher ? 0 : 1;
}
