#pragma once

#include <string>
#include <vector>

#include "platform/Steuerelement.h"
#include "support/Figurat.h"

// The started program on the headless backend, with short ways to read the
// main window's controls and to act on them as the user does.
class HauptfensterTest : public FiguratTest {
 protected:
  explicit HauptfensterTest(Backend b = Backend::Headless) : FiguratTest(b) {}

  static plattform::EditFeld& Feld(const char* name) { return h().Element<plattform::EditFeld>(name); }
  static plattform::ListBox& Liste(const char* name) { return h().Element<plattform::ListBox>(name); }
  static std::string Schild(const char* name) { return h().Element<plattform::StatischerText>(name).Text(); }
  static bool Sichtbar(const char* name) { return h().Finde(name)->Visible(); }
  static bool HatFokus(const char* name) { return h().Fokus() == h().Finde(name); }
  static std::vector<std::string> Zeilen(const char* liste) { return Liste(liste).Zeilen(); }

  // Typing into a field: each key reaches the field's KeyDown, or the window's.
  static void Tippe(const char* feld, const std::string& text) {
    plattform::EditFeld& f = Feld(feld);
    h().BenutzerFokus(&f);
    for (char c : text)
      if (!h().BenutzerTaste(std::string(1, c))) f.BenutzerSetztText(f.Text() + c);
  }
  // The Return key with the focus on the control of that name.
  static void Return(const char* element) {
    h().BenutzerFokus(h().Finde(element));
    h().BenutzerTaste("\r");
  }
  static void Klicke(const char* knopf) { h().Element<plattform::BevelButton>(knopf).BenutzerKlickt(); }
  static void Menue(const char* punkt) { plattform::plattform().BenutzerWaehltMenue(punkt); }
  // Chooses the row that shows this text.
  static void Waehle(const char* liste, const std::string& zeile) {
    plattform::ListBox& l = Liste(liste);
    for (int i = 0; i < l.ListCount(); ++i)
      if (l.Zeile(i) == zeile) return l.BenutzerWaehlt(i);
    ADD_FAILURE() << liste << " hat keine Zeile " << zeile;
  }
};
