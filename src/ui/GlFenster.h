#pragma once

#include <string>

#include "ui/Aenderungsdialog.h"

class BefehlT;
class FiguratT;

// The dialog that gives a plane a new coordinate equation: it rewrites the
// command that defines the plane into a plane by its equation and executes
// the list again.
class GlFenster : public Aenderungsdialog {
 public:
  static constexpr const char* Klasse = "GlFenster";
  static GlFenster& Instanz() { return plattform::plattform().Instanz<GlFenster>(); }
  GlFenster() : Aenderungsdialog(Klasse) {}

  // Shown, waiting, on the command that defines the figure of that name,
  // with the plane's normal and right side in the fields.
  void Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& ebene);
  void AktualisierenB_Action() override;
  // Writes the four fields into the command as its equation; ok := they are
  // numbers that can be used and the coefficients of x, y and z describe a
  // plane, otherwise the main window's hint says why and the command stays.
  void GEintragen(bool& ok);

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
};
