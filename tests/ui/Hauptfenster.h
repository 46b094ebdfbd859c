#pragma once

#include <string>
#include <vector>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
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

  // Definitions as the user gives them: the menu item, the name, the numbers
  // or the operands picked from the lists the bar shows, then "Ausführen".
  static void Zahlpunkt(const std::string& name, const std::string& x, const std::string& y, const std::string& z) {
    Menue("NumPunkt");
    Feld("GnameF").BenutzerSetztText(name);
    Feld("aF").BenutzerSetztText(x);
    Feld("bF").BenutzerSetztText(y);
    Feld("cF").BenutzerSetztText(z);
    Klicke("TuEsButton");
  }
  static void Zahlebene(const std::string& name, const std::string& a, const std::string& b, const std::string& c,
                        const std::string& d) {
    Menue("NumEbene");
    Feld("GnameF").BenutzerSetztText(name);
    Feld("aF").BenutzerSetztText(a);
    Feld("bF").BenutzerSetztText(b);
    Feld("cF").BenutzerSetztText(c);
    Feld("dF").BenutzerSetztText(d);
    Klicke("TuEsButton");
  }
  // For a rotation the second operand is the angle, typed in its field.
  static void Tue(const char* menue, const std::string& name, const std::string& a1 = "",
                  const std::string& a2 = "", const std::string& a3 = "") {
    Menue(menue);
    Feld("GnameF").BenutzerSetztText(name);
    if (!a1.empty()) Waehle("G1ListB", a1);
    if (Sichtbar("GradF"))
      Feld("GradF").BenutzerSetztText(a2);
    else if (!a2.empty())
      Waehle("G2ListB", a2);
    if (!a3.empty()) Waehle("G3ListB", a3);
    Klicke("TuEsButton");
  }

  // The rows of the command list, without their numbers.
  static std::vector<std::string> Saetze() {
    std::vector<std::string> saetze;
    for (const std::string& z : Zeilen("ProtokollBox")) saetze.push_back(z.substr(z.find('>') + 5));
    return saetze;
  }
  static std::vector<BefehlT*> Befehle() {
    std::vector<BefehlT*> v;
    for (BefehlT* c = h().BListe; c; c = c->Zeiger) v.push_back(c);
    return v;
  }
  static std::vector<std::string> Figurennamen() {
    std::vector<std::string> namen;
    for (const std::string& z : Zeilen("FiguratLB")) namen.push_back(HauptF::Figuratname(z));
    return namen;
  }
};
