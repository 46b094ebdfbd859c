// One action of any kind on single figures, recorded when it succeeded: the
// meeting point of "Ausführen", the drawing commands of the menu and the
// connect and separate buttons of the graphics window.

#include "commands/BefehlT.h"
#include "commands/Befehlsarten.h"
#include "core/FiguratT.h"
#include "graphics/GrafikFenster.h"
#include "platform/Plattform.h"
#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

using plattform::EditFeld;
using plattform::ListBox;
using plattform::StatischerText;

bool HauptF::Gefunden(const std::string& name, FiguratT*& g) {
  // After a re-execution the head is anonymous, and the empty name would find it.
  return !name.empty() && HoleFigurat(name, g);
}

void HauptF::FiguratAktionSingle(std::string NeuG, std::string AltG1, std::string AltG2, std::string AltG3, int K) {
  const int t1 = FiguratTypNr(AltG1);
  const int t2 = FiguratTypNr(AltG2);
  const int t3 = FiguratTypNr(AltG3);
  // Every kind uses up an automatic number, also one that defines no figure.
  if (NeuG.empty()) NeuG = "G_" + std::to_string(FreieNr());
  FiguratT* r;
  ErschaffeG(r);
  r->name = NeuG;
  Element<EditFeld>("HinweisF").SetzeReadOnly(true);

  if (K > 10 && K < 32 && ((ExistiertFigurat(NeuG) && !destruktiv) || !ErlaubterName(NeuG))) {
    plattform::plattform().MsgBox("Der Figuratname " + NeuG +
                                  " ist nicht erlaubt oder bereits für ein anderes Figurat vergeben");
    plattform::plattform().MsgBox("Diese Warnung wendet sich gegen " + NeuG);
    r->Einlagern();
    return;
  }

  bool ok = false;
  bool rEingetragen = false;
  const Befehlsart* art = Befehlsart::Zu(K);
  if (art && art->Operation) {
    ok = !art->Waechter || art->Waechter(t1, t2, t3);
    if (K >= KennungZeichneAllePunkte) AktuelleKennung = K;
    if (ok || art->auchOhneWaechter) art->Operation(*this, {NeuG, AltG1, AltG2, AltG3}, r, ok);
    // A result that was not entered is the caller's to give back.
    rEingetragen = art->MitErgebnis() && ok;
  } else {
    FiguratT* g1;
    FiguratT* g2;
    switch (K) {
      case KennungSammlung:
        AltG1 = AktuelleSammlung.empty() ? "" : AktuelleSammlung.substr(1);
        ok = !AltG1.empty();
        if (ok) {
          ErzeugeSammlung(NeuG, AltG1, ok);
          AktuelleSammlung.clear();
          Element<StatischerText>("EingabeText").SetzeText("");
        }
        break;
      case KennungHinweis: {
        // The hint comes from its field; a line break becomes a blank.
        std::string hinweis = Element<EditFeld>("HinweisF").Text();
        Filtern(hinweis);
        ok = hinweis.find_first_not_of(' ') != std::string::npos;
        if (ok) {
          AltG2 = hinweis;
          NeuG.clear();
          AltG1.clear();
          AltG3.clear();
          Element<EditFeld>("HinweisF").SetzeText("");
        }
        break;
      }
      case KennungVerbinde:
        // Only recorded: the graphics window executes the list right after.
        ok = t1 == TypPunkt && t2 == TypPunkt;
        AktuelleKennung = K;
        break;
      case KennungTrenne:
        AktuelleKennung = K;
        ok = Gefunden(AltG1, g1) && Gefunden(AltG2, g2);
        if (ok) GrafikFenster::Instanz().VerbindungTrennen(*g1, *g2);
        break;
      case KennungZeichne:
      case KennungRadiere:
        ok = Gefunden(AltG1, g1);
        if (ok) {
          AktuelleKennung = K;
          g1->sichtbar = K == KennungZeichne;
          if (K == KennungZeichne)
            GrafikFenster::Instanz().Aktualisieren();
          else
            GrafikFenster::Instanz().TotalAktualisieren();
        }
        break;
      default:  // kinds without a case here, 1 to 10 among them, do nothing
        break;
    }
  }
  if (!rEingetragen) r->Einlagern();

  // A result of an action on a collection is recorded with the whole action.
  if (!ok || NeuG.find('|') != std::string::npos) return;
  Aufzeichnen(K, NeuG, AltG1, AltG2, AltG3);
}

void HauptF::Aufzeichnen(int K, const std::string& NeuG, const std::string& AltG1, const std::string& AltG2,
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
  Element<ListBox>("FiguratLB").SetzeInhalt(ErwNListe);
  ZeigeLetztenBefehl();
}
