#pragma once

#include <string>

#include "platform/Plattform.h"

class BefehlT;
class FiguratT;

// The dialog that gives a point new coordinates: it rewrites the command that
// defines the point into a point by coordinates and executes the list again.
// It is modeless; while it waits, the main window executes nothing.
class KoordFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "KoordFenster";
  static KoordFenster& Instanz() { return plattform::plattform().Instanz<KoordFenster>(); }
  KoordFenster() : plattform::Fenster(Klasse) {}

  BefehlT* AktuellerBefehl = nullptr;  // the command being edited, the command list's
  bool Warten = false;                 // shown and waiting for OK or Cancel

  // Shown, waiting, on the command that defines the figure of that name,
  // with the point's coordinates in the fields.
  void Oeffne(BefehlT& befehl, const std::string& name, const FiguratT& punkt);
  void AktualisierenB_Action();
  void AbbrechB_Action();
  bool KeyDown(const std::string& taste) override;
  // Writes the three fields into the command: its coordinates and their text.
  void KEintragen();

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;

 private:
  std::string name_;  // of the figure the command defines
};
