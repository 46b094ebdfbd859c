#pragma once

#include "platform/Plattform.h"

// The controls of HilfeFenster, one row each (see PLATTFORM_ZEILE).
#define FIGURAT_HILFEFENSTER_ELEMENTE(X)                                                                               \
  X(EditFeld, InfoTxt, 4, 4, 498, 617,                                                                                 \
      {.text = kHilfetext, .hintergrund = Farbe{252, 255, 212}, .nurLesen = true, .mehrzeilig = true})                 \
  X(BevelButton, HilfeB, 4, 625, 494, 27, {.text = "Hilfe-Fenster schließen"},                                         \
      {Bind("Action", &HilfeFenster::HilfeB_Action)})

// The help window: the German user manual and a button that hides it again.
class HilfeFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "HilfeFenster";
  static HilfeFenster& Instanz() { return plattform::plattform().Instanz<HilfeFenster>(); }
  HilfeFenster() : plattform::Fenster(Klasse) {}
  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_HILFEFENSTER_ELEMENTE)

  void HilfeB_Action();

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
};

// The controls of InformFenster, one row each (see PLATTFORM_ZEILE).
#define FIGURAT_INFORMFENSTER_ELEMENTE(X)                                                                              \
  X(EditFeld, InfoF, 3, 0, 533, 397,                                                                                   \
      {.text = kInfotext, .hintergrund = Farbe{254, 255, 197}, .nurLesen = true, .mehrzeilig = true})                  \
  X(BevelButton, InfoB, 3, 402, 530, 28, {.text = "Info-Fenster schließen"},                                           \
      {Bind("Action", &InformFenster::InfoB_Action)})

// The information window about the program.
class InformFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "InformFenster";
  static InformFenster& Instanz() { return plattform::plattform().Instanz<InformFenster>(); }
  InformFenster() : plattform::Fenster(Klasse) {}
  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_INFORMFENSTER_ELEMENTE)

  void InfoB_Action();

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
};
