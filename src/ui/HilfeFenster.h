#pragma once

#include "platform/Plattform.h"

// The help window: the German user manual and a button that hides it again.
class HilfeFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "HilfeFenster";
  static HilfeFenster& Instanz() { return plattform::plattform().Instanz<HilfeFenster>(); }
  HilfeFenster() : plattform::Fenster(Klasse) {}

  void HilfeB_Action();

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
};

// The information window about the program.
class InformFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "InformFenster";
  static InformFenster& Instanz() { return plattform::plattform().Instanz<InformFenster>(); }
  InformFenster() : plattform::Fenster(Klasse) {}

  void InfoB_Action();

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
};
