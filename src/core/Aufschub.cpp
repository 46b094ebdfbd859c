#include "core/Aufschub.h"

#include <utility>

bool Aufschub::Aufschieben(std::string_view platz, int stufe, std::function<void()> tue) {
  if (!Laeuft()) return false;
  for (Wartend& w : wartend_) {
    if (w.platz != platz) continue;
    if (stufe > w.stufe) {
      w.stufe = stufe;
      w.tue = std::move(tue);
    }
    return true;
  }
  wartend_.push_back({platz, stufe, std::move(tue)});
  return true;
}

void Aufschub::Nachholen() {
  // Taken out first: no run is in progress any more, so what a refresh asks
  // for now is done at once.
  std::vector<Wartend> jetzt;
  jetzt.swap(wartend_);
  for (Wartend& w : jetzt) w.tue();
}
