#pragma once

#include <string>
#include <vector>

#include "commands/Befehlsteil.h"
#include "platform/Fenster.h"
#include "platform/Plattform.h"
#include "ui/HauptFElemente.h"
#include "ui/MenuBar1.h"

// The main window and the program-wide context at once. The context is made
// of one part per subsystem, each declared in its subsystem's folder and
// derived from the one below it; this last part is the shell's.
class HauptF final : public Befehlsteil {
 public:
  // The one place that makes the main window.
  static HauptF& Instanz() { return plattform::plattform().Instanz<HauptF>(); }

  HauptF();
  ~HauptF() override;

  // Properties.
  bool AufHinweisWarten = false;
  bool IgnoreReturn = false;  // the Return latch

  // Window events.
  void Open() override;

  // The input bars (Eingabeleisten.cpp).
  // Clears the numeric bar for n = 1 and the operand bar for n = 2.
  void MenuleisteLeeren(int n) override;
  // Makes k the input kind and arranges the bars for it: the prompt, the
  // labels, the operand lists filled from the name lists.
  void SetzeKennungAuf(int k);
  void PunktEingabeSchablone();
  void EbenenEingabeSchablone();

  // Executing and the Return key (Ausfuehren.cpp).
  void TuEsButton_Action();
  bool GnameF_KeyDown(const std::string& taste);
  bool KeyDown(const std::string& taste) override;
  void MouseMove(int x, int y) override;

  // Menu commands (Menuebefehle.cpp).
  void EnableMenuItems() override;
  // The question with OK (1) and Cancel (2).
  int YesNoAbfrage(const std::string& frage);
  // The handlers of the items that do more than choose a kind, _<item>_Action.
#define FIGURAT_HANDLER_Eigen(punkt) bool _##punkt##_Action();
#define FIGURAT_HANDLER_Wahl(punkt)
#define FIGURAT_HANDLER_Keine(punkt)
#define X(name, art, text, kuerzel, menue, unter, aktion, kennung, freigabe) FIGURAT_HANDLER_##aktion(name)
  FIGURAT_MENUEPUNKTE(X)
#undef X
#undef FIGURAT_HANDLER_Eigen
#undef FIGURAT_HANDLER_Wahl
#undef FIGURAT_HANDLER_Keine

  // Figure list and command list (Listen.cpp).
  void FiguratLB_DoubleClick();
  bool FiguratLB_DragRow(plattform::DragItem& item, plattform::Zeilennr zeile);
  void ProtokollBox_DoubleClick();
  bool ProtokollBox_DragRow(plattform::DragItem& item, plattform::Zeilennr zeile);
  void KillLastOrder3_Action();
  void BevelButton1_Action();
  void G2ListB_Change();
  // The name in a row of the figure list: its text before the first blank.
  static std::string Figuratname(const std::string& zeile);

  // Drop fields, clipboard buttons, decimals and about (Ablagefelder.cpp).
  void LoeschF_MouseExit();
  bool LoeschF_KeyDown(const std::string& taste);
  void SammelF_MouseExit();
  bool SammelF_KeyDown(const std::string& taste);
  void Beschr2ClipbB_Action();
  void BefListe2ClipbB1_Action();
  void PopupMenu1_Change();
  void SprachInfoB_Action();

  // One accessor per control, named like the control. Those the parts below
  // read and fill override their declarations there.
#ifdef __clang__
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Winconsistent-missing-override"
#endif
  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_HAUPTF_ELEMENTE)
#ifdef __clang__
#pragma clang diagnostic pop
#endif

  // One accessor per menu item, named like the item.
#define FIGURAT_TYP_Menue plattform::MenuItem
#define FIGURAT_TYP_Unter plattform::MenuItem
#define FIGURAT_TYP_Trenn plattform::MenuItem
#define FIGURAT_TYP_Befehl plattform::MenuItem
#define FIGURAT_TYP_AppleBefehl plattform::AppleMenuItem
#define X(name, art, text, kuerzel, menue, unter, aktion, kennung, freigabe) \
  FIGURAT_TYP_##art& name() const { return static_cast<FIGURAT_TYP_##art&>(Menuepunkt(#name)); }
  FIGURAT_MENUEPUNKTE(X)
#undef X

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
  void MenueHandlerSchritt() override;

 private:
  plattform::MenuItem& Menuepunkt(const char* name) const;

  // While the Return latch is set or an edit dialog waits, nothing executes.
  bool AusfuehrenBlockiert();
  // What a menu item that chooses the input kind k does: the bars are
  // arranged for it, and a kind without operands runs at once.
  void Menuewahl(int k);
};
