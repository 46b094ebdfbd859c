// Deleting commands onto the undo stack and restoring them. None of these
// executes the list again; the figures stay as they are until it is.

#include <cctype>

#include "commands/BefehlT.h"
#include "commands/Befehlsteil.h"
#include "platform/Steuerelement.h"

namespace {

// n of a text that begins with "<", digits and ">"; False for every other
// text. A number too long to be a command's yields one beyond any list.
bool Befehlsnummer(const std::string& text, long& n) {
  if (text.empty() || text[0] != '<') return false;
  std::size_t i = 1;
  n = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    if (n < 1000000000) n = n * 10 + (text[i] - '0');
    ++i;
  }
  return i > 1 && i < text.size() && text[i] == '>';
}

}  // namespace

bool Befehlsteil::IstBefehlszeile(const std::string& text) {
  long n;
  return Befehlsnummer(text, n);
}

void Befehlsteil::LoescheBefehl(const std::string& zeile) {
  long n;
  if (!Befehlsnummer(zeile, n) || n < 1 || !BListe) return;
  BefehllisteGeaendert();
  BefehlT* weg;
  if (n == 1) {
    weg = BListe;
    BListe = weg->Zeiger;
  } else {
    BefehlT* davor = BListe;
    for (long i = 2; i < n && davor; ++i) davor = davor->Zeiger;
    if (!davor || !davor->Zeiger) return;  // beyond the last command
    weg = davor->Zeiger;
    davor->Zeiger = weg->Zeiger;
  }
  weg->Einlagern();
  ZeigeBefehlsliste();
}

void Befehlsteil::LoescheLetztenBefehl() {
  if (!BListe) return;
  BefehllisteGeaendert();
  if (!BListe->Zeiger) {
    BListe->Einlagern();
    BListe = nullptr;
  } else {
    BefehlT* vorletzter = BListe;
    while (vorletzter->Zeiger->Zeiger) vorletzter = vorletzter->Zeiger;
    vorletzter->Zeiger->Einlagern();
    vorletzter->Zeiger = nullptr;
  }
  ZeigeBefehlsliste();
  LastInfoF().SetzeText("");
}

void Befehlsteil::Restore() {
  if (!BLager) return;
  BefehlT* b = BLager;
  BLager = b->Zeiger;
  b->Anhaengen();
  ZeigeLetztenBefehl();
}
