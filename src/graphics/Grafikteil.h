#pragma once

#include <string>

#include "constructions/Konstruktionsteil.h"

// The graphics window's share of the main window: the eye point and the
// display angles.
class Grafikteil : public Konstruktionsteil {
 public:
  static Grafikteil& Instanz() { return static_cast<Grafikteil&>(Kernteil::Instanz()); }

  // Properties.
  VektorT* Augenpunkt = nullptr;  // eye point
  VektorT* SchnittrichtungV = nullptr;
  double alphaW = 0;
  double betaW = 0;
  double Augenabstand = 0;

  // The picture direction S and the display angles from the eye point.
  void CalcDarstellungskonstanten(const VektorT& eye, VektorT& S, double& alpha, double& beta);

  // The graphics window's buttons go through the command list.
  virtual void Verbinde(const std::string& A, const std::string& B) = 0;
  virtual void Trenne(const std::string& A, const std::string& B) = 0;
  virtual void AnweisungslisteAusfuehren() = 0;
};
