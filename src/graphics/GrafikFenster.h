#pragma once

#include <string>
#include <vector>

#include "platform/Plattform.h"

class FiguratT;
class VektorT;

// The graphics window: the picture of the visible figures and point
// connections in central perspective, and the view controls.
class GrafikFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "GrafikFenster";
  static GrafikFenster& Instanz() { return plattform::plattform().Instanz<GrafikFenster>(); }

  GrafikFenster();
  ~GrafikFenster() override;

  // Drawing state, in declared order.
  int faktor = 0;

  // What the command list calls.
  void InitGrafik();
  void Aktualisieren();
  void TotalAktualisieren();
  void VerbindungEintragen(FiguratT& G1, FiguratT& G2);
  void VerbindungTrennen(FiguratT& G1, FiguratT& G2);
  void ZeichneAllePunkte();
  void ZeichneAlles();
  void RadiereAllePunkte();
  void RadiereAlleFigurat();
  void RadiereAlleStrecken();
  void RadiereAlles();

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
};
