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
  BefehlT* davor = nullptr;
  BefehlT* weg = BListe;
  for (long i = 1; i < n && weg; ++i) {
    davor = weg;
    weg = weg->Zeiger;
  }
  if (!weg) return;  // beyond the last command
  NimmAusListe(davor, *weg, static_cast<std::size_t>(n - 1));
}

void Befehlsteil::LoescheLetztenBefehl() {
  if (!BListe) return;
  BefehlT* davor = nullptr;
  BefehlT* letzter = BListe;
  std::size_t zeile = 0;
  for (; letzter->Zeiger; ++zeile) {
    davor = letzter;
    letzter = letzter->Zeiger;
  }
  NimmAusListe(davor, *letzter, zeile);
  LastInfoF().SetzeText("");
}

void Befehlsteil::NimmAusListe(BefehlT* davor, BefehlT& weg, std::size_t zeile) {
  const bool zeigteListe = ProtokollZeigtListe();
  (davor ? davor->Zeiger : BListe) = weg.Zeiger;
  if (!weg.Zeiger) bEnde_ = davor;
  weg.Einlagern();
  if (zeigteListe) {
    // The text stays the list's, one line shorter.
    protokoll_.Entferne(zeile, ProtokollBox());
    protokollEnde_ = bEnde_;
  } else {
    BefehllisteGeaendert();
    ZeigeBefehlsliste();
  }
}

void Befehlsteil::Restore() {
  if (!BLager) return;
  BefehlT* b = BLager;
  BLager = b->Zeiger;
  b->Anhaengen();
  ZeigeLetztenBefehl();
}
