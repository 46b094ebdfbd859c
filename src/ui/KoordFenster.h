#pragma once

#include <string>

#include "ui/Aenderungsdialog.h"

class BefehlT;
class FiguratT;

// The controls of KoordFenster, one row each (see PLATTFORM_ZEILE).
#define FIGURAT_KOORDFENSTER_ELEMENTE(X)                                                                               \
  X(StatischerText, KoordText, 31, 21, 288, 22, {.text = "Koordinaten des Punktes "})                                  \
  X(EditFeld, xF, 31, 55, 90, 35)                                                                                      \
  X(EditFeld, yF, 130, 55, 90, 35)                                                                                     \
  X(EditFeld, zF, 229, 55, 90, 35)                                                                                     \
  X(BevelButton, AktualisierenB, 31, 108, 189, 22, {.text = "Alles Aktualisieren / Fertig"},                           \
      {Bind("Action", &KoordFenster::AktualisierenB_Action)})                                                          \
  X(BevelButton, AbbrechB, 233, 107, 86, 22, {.text = "Abbrechen"},                                                    \
      {Bind("Action", &KoordFenster::AbbrechB_Action)})

// The dialog that gives a point new coordinates: it rewrites the command that
// defines the point into a point by coordinates and executes the list again.
class KoordFenster : public Aenderungsdialog {
 public:
  static constexpr const char* Klasse = "KoordFenster";
  static KoordFenster& Instanz() { return plattform::plattform().Instanz<KoordFenster>(); }
  KoordFenster() : Aenderungsdialog(Klasse) {}
  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_KOORDFENSTER_ELEMENTE)

  // Shown, waiting, on the command that defines the figure of that name,
  // with the point's coordinates in the fields.
  void Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& punkt);
  void AktualisierenB_Action() override;
  // Writes the three fields into the command: its coordinates and their
  // text; ok := they are numbers that can be used, otherwise the main
  // window's hint says why and the command stays as it was.
  void KEintragen(bool& ok);

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
  plattform::EditFeld& Fokusfeld() const override { return xF(); }
};
