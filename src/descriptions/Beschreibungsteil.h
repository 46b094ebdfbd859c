#pragma once

#include <string>

#include "core/Aufschub.h"
#include "core/Kernteil.h"
#include "descriptions/Beschreibungstext.h"
#include "platform/Steuerelement.h"

// The descriptions' part of the main window: the description buffer and the
// one-line descriptions.
class Beschreibungsteil : public Kernteil {
 public:
  static Beschreibungsteil& Instanz() { return static_cast<Beschreibungsteil&>(Kernteil::Instanz()); }

  // Properties.
  Beschreibungstext InfoFenster;  // the description text, newest first
  bool ProtokollAn = false;       // description mode
  bool doppelklick = false;       // a double click asks for the description in a box
  // Whether the command list runs; the descriptions and the picture wait for
  // the end of the run with their refreshes.
  Aufschub Befehlslauf;

  // The detailed description of a triangle or tetrahedron into the description buffer.
  void BeschreibeEck(const std::string& name, bool& ok);

  // One-line descriptions (Einzeiler.cpp).
  std::string Punktausgabe(const FiguratT& g) const;
  std::string Geradenausgabe(const FiguratT& g) const;
  std::string EbenenAusgabe(const FiguratT& g) const;
  std::string Dreieckausgabe(const FiguratT& g) const;
  std::string Tetraederausgabe(const FiguratT& g) const;
  std::string Zahlausgabe(const FiguratT& g) const;

  // The description buffer (Beschreibungspuffer.cpp).
  void InsInfofenster(const std::string& text);
  void InfoAktualisieren();

  // The output commands (Ausgabe.cpp).
  // The one-line description of an existing figure.
  void ZeigeFigurat(const std::string& name);
  // The one-line description of every figure, in list order.
  void AlleFiguratZeigen();
  void HinweisAusgabe(const std::string& text);

  // The main window's fields the descriptions are shown in.
  virtual plattform::EditFeld& InfoF() const = 0;
  virtual plattform::EditFeld& LastInfoF() const = 0;

 protected:
  void Eingelistet(FiguratT& g) override;
};
