#pragma once

#include <string>
#include <vector>

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
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
};
