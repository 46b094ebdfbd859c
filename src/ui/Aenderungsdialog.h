#pragma once

#include <string>

#include "platform/Plattform.h"

class BefehlT;

// What the coordinate dialog and the equation dialog share: the command they
// edit, their waiting flag, Cancel, and their keys: Return is OK, Escape and
// a close request are Cancel. Both are modeless; while one waits, the main
// window executes nothing.
class Aenderungsdialog : public plattform::Fenster {
 public:
  BefehlT* AktuellerBefehl = nullptr;  // the command being edited, the command list's
  bool Warten = false;                 // shown and waiting for OK or Cancel

  virtual void AktualisierenB_Action() = 0;
  void AbbrechB_Action();
  bool KeyDown(const std::string& taste) override;
  void Schliessversuch() override { AbbrechB_Action(); }

 protected:
  explicit Aenderungsdialog(std::string klasse) : plattform::Fenster(std::move(klasse)) {}
  // Hidden at creation, no close, minimise or maximise box, no menu bar.
  static plattform::Fensterlayout Dialoglayout(std::string titel, int breite, int hoehe);
  // Shown and waiting on the command.
  void Warte(BefehlT& befehl);
  // Whether the command is still in the list: it may have left it, and its
  // record may already hold another command.
  bool BefehlGilt() const;
  // The field that has the focus when the dialog is shown again.
  virtual plattform::EditFeld& Fokusfeld() const = 0;

 private:
  unsigned generation_ = 0;  // of the record when the dialog opened on it
};
