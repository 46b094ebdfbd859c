// One action of any kind on single figures by the operations of the kind
// table, recorded when it succeeded: the meeting point of "Ausführen", the
// drawing commands of the menu and the connect and separate buttons of the
// graphics window.

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "commands/Befehlsteil.h"
#include "core/FiguratT.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"


bool Befehlsteil::Gefunden(const std::string& name, FiguratT*& g) {
  // After a re-execution the head is anonymous, and the empty name would find it.
  return !name.empty() && HoleFigurat(name, g);
}

bool Befehlsteil::Anwenden(std::string& NeuG, std::string& AltG1, std::string& AltG2, std::string& AltG3, int K) {
  const Typen t{FiguratTypNr(AltG1), FiguratTypNr(AltG2), FiguratTypNr(AltG3)};
  // Every kind uses up an automatic number, also one that defines no figure.
  if (NeuG.empty()) NeuG = "G_" + std::to_string(FreieNr());
  FiguratT* r;
  ErschaffeG(r);
  r->name = NeuG;
  HinweisF().SetzeReadOnly(true);

  const Befehlsart* art = Befehlsart::Zu(K);
  if (art && art->Hat(Befehlsart::Definition) && NameAbgelehnt(NeuG)) {
    plattform::plattform().MsgBox("Der Figuratname " + NeuG +
                                  " ist nicht erlaubt oder bereits für ein anderes Figurat vergeben");
    plattform::plattform().MsgBox("Diese Warnung wendet sich gegen " + NeuG);
    r->Einlagern();
    return false;
  }

  bool ok = false;
  bool rEingetragen = false;
  if (art && art->Getippt) {
    Felder f{NeuG, AltG1, AltG2, AltG3};
    ok = art->Getippt(*this, f, t);
  } else if (art && art->Operation) {
    ok = !art->Waechter || art->Waechter(t.t1, t.t2, t.t3);
    if (art->Hat(Befehlsart::Sofort)) AktuelleKennung = K;
    if (ok || art->auchOhneWaechter) art->Operation(*this, {NeuG, AltG1, AltG2, AltG3}, r, ok);
    // A result that was not entered is the caller's to give back.
    rEingetragen = art->Hat(Befehlsart::Ergebnis) && ok;
  }
  if (!rEingetragen) r->Einlagern();
  return ok;
}

void Befehlsteil::FiguratAktionSingle(std::string NeuG, std::string AltG1, std::string AltG2, std::string AltG3,
                                      int K) {
  if (Anwenden(NeuG, AltG1, AltG2, AltG3, K)) Aufzeichnen(K, NeuG, AltG1, AltG2, AltG3);
}

void Befehlsteil::Verbinde(const std::string& A, const std::string& B) {
  FiguratAktionSingle("", A, B, "", KennungVerbinde);
  AnweisungslisteAusfuehren();
}

void Befehlsteil::Trenne(const std::string& A, const std::string& B) {
  FiguratAktionSingle("", A, B, "", KennungTrenne);
}

void Befehlsteil::Aufzeichnen(int K, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
                              const std::string& AltG3) {
  BefehlT* b;
  ErschaffeB(b);
  b->NeuG = NeuG;
  b->AltG1 = AltG1;
  b->AltG2 = AltG2;
  b->AltG3 = AltG3;
  b->Kennung = K;
  b->Anhaengen();
  ErzeugeNamenListen();
  FiguratLB().SetzeInhalt(ErwNListe);
  ZeigeLetztenBefehl();
}
