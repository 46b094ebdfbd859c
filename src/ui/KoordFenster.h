#pragma once

#include <string>

#include "ui/Aenderungsdialog.h"

class BefehlT;
class FiguratT;

// The dialog that gives a point new coordinates: it rewrites the command that
// defines the point into a point by coordinates and executes the list again.
class KoordFenster : public Aenderungsdialog {
 public:
  static constexpr const char* Klasse = "KoordFenster";
  static KoordFenster& Instanz() { return plattform::plattform().Instanz<KoordFenster>(); }
  KoordFenster() : Aenderungsdialog(Klasse) {}

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
};
