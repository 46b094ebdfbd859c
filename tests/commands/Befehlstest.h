#pragma once

#include <map>
#include <string>
#include <vector>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"
#include "platform/Steuerelement.h"
#include "platform/Zahltext.h"
#include "support/Figurat.h"

// The started program with helpers to put commands into the list and read it.
class BefehlTest : public FiguratTest {
 protected:
  explicit BefehlTest(Backend b = Backend::Headless) : FiguratTest(b) {}

  // A command from the pool with these fields, appended to the list.
  static BefehlT& Befehl(int K, const std::string& NeuG, const std::string& a1 = "", const std::string& a2 = "",
                         const std::string& a3 = "") {
    BefehlT* b;
    h().ErschaffeB(b);
    b->Kennung = K;
    b->NeuG = NeuG;
    b->AltG1 = a1;
    b->AltG2 = a2;
    b->AltG3 = a3;
    b->Anhaengen();
    return *b;
  }
  // The commands of the list, first to last.
  static std::vector<BefehlT*> Befehle() {
    std::vector<BefehlT*> v;
    for (BefehlT* c = h().BListe; c; c = c->Zeiger) v.push_back(c);
    return v;
  }
  static std::vector<BefehlT*> Lager() {
    std::vector<BefehlT*> v;
    for (BefehlT* c = h().BLager; c; c = c->Zeiger) v.push_back(c);
    return v;
  }
  // The NeuG of every command, first to last.
  static std::vector<std::string> Namen() {
    std::vector<std::string> v;
    for (BefehlT* c : Befehle()) v.push_back(c->NeuG);
    return v;
  }
  static std::string Satz(const BefehlT& b) { return HauptF::BText(b.Kennung, b.NeuG, b.AltG1, b.AltG2, b.AltG3); }

  // What the user does in the main window: the input bar of a kind filled, then "Ausführen".
  static plattform::EditFeld& Feld(const char* name) { return h().Element<plattform::EditFeld>(name); }
  static void Waehle(const char* liste, const std::string& name) {
    auto& l = h().Element<plattform::ListBox>(liste);
    l.SetzeInhalt(h().NListe);
    int zeile = -1;
    for (int i = 0; i < l.ListCount(); ++i)
      if (l.Zeile(i) == name) zeile = i;
    l.SetzeListIndex(zeile);
  }
  // Kind K with the name and up to three operands picked from the lists; the
  // second is typed in the angle field for a rotation.
  static void Tue(int K, const std::string& name, const std::string& a1 = "", const std::string& a2 = "",
                  const std::string& a3 = "") {
    h().AktuelleKennung = K;
    Feld("GnameF").SetzeText(name);
    Waehle("G1ListB", a1);
    if (K == KennungDrehen)
      Feld("GradF").SetzeText(a2);
    else
      Waehle("G2ListB", a2);
    Waehle("G3ListB", a3);
    h().TuEs();
  }
  static void Zahlpunkt(const std::string& name, const std::string& x, const std::string& y, const std::string& z) {
    h().AktuelleKennung = EingabeFesterPunkt;
    Feld("GnameF").SetzeText(name);
    Feld("aF").SetzeText(x);
    Feld("bF").SetzeText(y);
    Feld("cF").SetzeText(z);
    h().TuEs();
  }
  static void Zahlebene(const std::string& name, const std::string& a, const std::string& b, const std::string& c,
                        const std::string& d) {
    h().AktuelleKennung = EingabeFesteEbene;
    Feld("GnameF").SetzeText(name);
    Feld("aF").SetzeText(a);
    Feld("bF").SetzeText(b);
    Feld("cF").SetzeText(c);
    Feld("dF").SetzeText(d);
    h().TuEs();
  }
  static void Hinweis(const std::string& text) {
    h().AktuelleKennung = KennungHinweis;
    Feld("HinweisF").SetzeReadOnly(false);
    Feld("HinweisF").SetzeText(text);
    h().TuEs();
  }
  // The members as the collection field gathers them, each behind a comma.
  static void Sammlung(const std::string& name, std::initializer_list<const char*> mitglieder) {
    h().AktuelleSammlung.clear();
    for (const char* m : mitglieder) h().AktuelleSammlung += std::string(",") + m;
    Tue(KennungSammlung, name);
  }

  // Every figure by name, with everything a command can set; the order of the
  // list is left out, since a replay enters the origin behind an anonymous head.
  static std::map<std::string, std::string> Figuren() {
    std::map<std::string, std::string> alle;
    using plattform::Str;
    for (const FiguratT* g = h().GListe; g; g = g->Zeiger) {
      if (g->Typ == TypKein) continue;
      // Only points, lines and planes carry vectors; the others keep what their record last held.
      std::string t = Str(g->Typ);
      auto vektor = [](const VektorT& v) { return " (" + Str(v.kp[1]) + "|" + Str(v.kp[2]) + "|" + Str(v.kp[3]) + ")"; };
      if (g->Typ >= TypPunkt && g->Typ <= TypEbene) t += vektor(*g->v1);
      if (g->Typ == TypGerade || g->Typ == TypEbene) t += vektor(*g->v2);
      // The corner names a type uses; a record from the pool keeps the others.
      if (g->Typ == TypSammlung) t += " " + g->Ecken[1];
      if (g->Typ == TypDreieck || g->Typ == TypTetraeder) t += " " + g->Ecken[1] + "," + g->Ecken[2] + "," + g->Ecken[3];
      if (g->Typ == TypTetraeder) t += "," + g->Ecken[4];
      t += g->sichtbar() ? " sichtbar" : "";
      t += g->verbundenmit().empty() ? "" : " mit " + g->verbundenmit();
      alle[g->name] = t;
    }
    return alle;
  }
  static std::vector<std::string> Figurennamen() {
    std::vector<std::string> namen;
    for (const auto& [name, _] : Figuren()) namen.push_back(name);
    return namen;
  }
  static std::string Info() { return h().InfoFenster.Text(); }
  static std::string Letzte() { return Feld("LastInfoF").Text(); }
};
