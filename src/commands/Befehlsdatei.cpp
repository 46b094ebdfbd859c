// The command-list file: the numbered text of the list, one line per command.
// Loading appends the file's commands and executes the whole list.

#include <algorithm>

#include "commands/BefehlT.h"
#include "commands/Befehlsteil.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"

bool Befehlsteil::SpeichereProtokoll() {
  plattform::Plattform& p = plattform::plattform();
  const auto pfad = p.Dialogdienst().DateiSpeichern("FiguratDaten", "text");
  if (!pfad) return false;
  // One line: the text, then the line end of the write; made in one piece,
  // as the text of a long list is megabytes.
  std::string inhalt;
  inhalt.reserve(Protokoll.size() + 1);
  inhalt += Protokoll;
  inhalt += '\n';
  if (!p.Dateidienst().Schreibe(*pfad, inhalt)) {
    p.MsgBox("Die Datei konnte nicht gespeichert werden");
    return false;
  }
  MenuleisteLeeren(1);
  MenuleisteLeeren(2);
  return true;
}

void Befehlsteil::LadeFile() {
  MenuleisteLeeren(1);
  MenuleisteLeeren(2);
  AlleFiguratLoeschen();
  ErzeugeUrsprung();
  InfoFenster.clear();
  destruktiv = true;
  LadeProtokoll();
  destruktiv = false;
}

void Befehlsteil::LadeProtokoll() {
  using Lesen = plattform::Dateien::Lesen;
  plattform::Plattform& p = plattform::plattform();
  if (const auto pfad = p.Dialogdienst().DateiOeffnen()) {
    std::string text;
    switch (p.Dateidienst().Lese(*pfad, text)) {
      case Lesen::Gelesen:
        if (text.compare(0, 3, "<1>") == 0) {
          Befehlslisteeinlesen(text);
          return;
        }
        p.MsgBox("Das ist keine Figurat-Datei");
        break;
      case Lesen::Unlesbar:
        p.MsgBox("Die Datei konnte nicht gelesen werden");
        break;
      case Lesen::ZuGross:
        p.MsgBox("Die Datei ist zu groß: mehr als " + std::to_string(p.Dateidienst().Hoechstgroesse() >> 20) +
                 " MB werden nicht geladen");
        break;
    }
  }
  // Nothing read: the figures the load reset come back from the unchanged list.
  destruktiv = false;
  Befehlslisteeinlesen("");
}

void Befehlsteil::Befehlslisteeinlesen(const std::string& text) {
  // Lines end at CR, at LF or at both; reading stops where no ">" follows.
  // The next CR and LF are each searched for again only once they lie behind.
  std::size_t pos = 0;
  std::size_t naechstesGroesser = text.find('>');
  std::size_t cr = text.find('\r');
  std::size_t lf = text.find('\n');
  while (naechstesGroesser != std::string::npos) {
    if (cr < pos) cr = text.find('\r', pos);
    if (lf < pos) lf = text.find('\n', pos);
    const std::size_t ende = std::min(cr, lf);
    std::string_view line =
        std::string_view(text).substr(pos, ende == std::string::npos ? std::string::npos : ende - pos);
    pos = ende == std::string::npos ? text.size() : ende + 1;
    if (ende != std::string::npos && text[ende] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    if (naechstesGroesser < pos) naechstesGroesser = text.find('>', pos);

    // The number prefix and the blanks after it; the numbers themselves are never read.
    const std::size_t g = line.find('>');
    if (g != std::string::npos && g > 0) {
      const std::size_t a = line.find_first_not_of(' ', g + 1);
      line = a == std::string::npos ? std::string_view() : line.substr(a);
    }
    const Satzlesung gelesen = LiesZeile(line);
    if (gelesen.Kennung == 0) {  // no kind's key phrase: the line is left out
      plattform::plattform().Beep();
      continue;
    }
    const bool geloeschterBefehl = BLager != nullptr;
    BefehlT* b;
    ErschaffeB(b);
    bool ok;
    b->Zeile2Befehl(gelesen, ok);
    if (!ok) {
      // Unchanged by the failed reading: a deleted command goes back onto the
      // undo stack it came from, the same command of the same generation; a
      // record that holds none is kept aside.
      if (geloeschterBefehl) {
        --b->Generation;
        b->Einlagern();
      } else {
        ungenutzterB_ = b;
      }
      continue;
    }
    b->Anhaengen();
  }

  // The run ends with the name lists and the figure list box.
  AktuellerBZeiger = BListe;
  BefehlslisteAbarbeiten();
  ZeigeBefehlsliste();
}
