#pragma once

#include <string>

#include "platform/Plattform.h"

class BefehlT;
class FiguratT;

// The dialog that gives a plane a new coordinate equation: it rewrites the
// command that defines the plane into a plane by its equation and executes
// the list again. It is modeless; while it waits, the main window executes
// nothing.
class GlFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "GlFenster";
  static GlFenster& Instanz() { return plattform::plattform().Instanz<GlFenster>(); }
  GlFenster() : plattform::Fenster(Klasse) {}

  BefehlT* AktuellerBefehl = nullptr;  // the command being edited, the command list's
  bool Warten = false;                 // shown and waiting for OK or Cancel

  // Shown, waiting, on the command that defines the figure of that name,
  // with the plane's normal and right side in the fields.
  void Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& ebene);
  void AktualisierenB_Action();
  void AbbrechB_Action();
  bool KeyDown(const std::string& taste) override;
  // Writes the four fields into the command as its equation; ok := the
  // coefficients of x, y and z describe a plane.
  void GEintragen(bool& ok);

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;

 private:
  std::string name_;  // of the figure the command defines
};
