#pragma once

#include <string>

#include "ui/Aenderungsdialog.h"

class BefehlT;
class FiguratT;

// The controls of GlFenster, one row each (see PLATTFORM_ZEILE).
#define FIGURAT_GLFENSTER_ELEMENTE(X)                                                                                  \
  X(StatischerText, GlText, 12, 7, 288, 22, {.text = "Koordinatengleichung der Ebene "})                               \
  X(EditFeld, xF, 12, 41, 90, 35)                                                                                      \
  X(EditFeld, yF, 143, 41, 90, 35)                                                                                     \
  X(EditFeld, zF, 275, 41, 90, 35)                                                                                     \
  X(BevelButton, AktualisierenB, 12, 93, 353, 31, {.text = "Alles Aktualisieren / Fertig"},                            \
      {Bind("Action", &GlFenster::AktualisierenB_Action)})                                                             \
  X(BevelButton, AbbrechB, 420, 93, 86, 32, {.text = "Abbrechen"}, {Bind("Action", &GlFenster::AbbrechB_Action)})      \
  X(EditFeld, dF, 416, 41, 90, 35)                                                                                     \
  X(StatischerText, StaticText1, 102, 46, 37, 20, {.text = "x +"})                                                     \
  X(StatischerText, StaticText2, 239, 48, 37, 20, {.text = "y +"})                                                     \
  X(StatischerText, StaticText3, 367, 46, 46, 20, {.text = "z ="})

// The dialog that gives a plane a new coordinate equation: it rewrites the
// command that defines the plane into a plane by its equation and executes
// the list again.
class GlFenster : public Aenderungsdialog {
 public:
  static constexpr const char* Klasse = "GlFenster";
  static GlFenster& Instanz() { return plattform::plattform().Instanz<GlFenster>(); }
  GlFenster() : Aenderungsdialog(Klasse) {}
  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_GLFENSTER_ELEMENTE)

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
  plattform::EditFeld& Fokusfeld() const override { return xF(); }
};
