// The view controls: each changes one value of the drawing or projection
// state and redraws the whole picture. None of them is recorded.

#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"
#include "platform/Zahltext.h"

void GrafikFenster::GraphCanvas_Paint(plattform::Zeichenflaeche&) {
  ZeichneKOS();
  const VektorT& auge = *Grafikteil::Instanz().Augenpunkt;
  XAuge().SetzeText(plattform::Str(auge.kp[1]));
  yAuge().SetzeText(plattform::Str(auge.kp[2]));
  zAuge().SetzeText(plattform::Str(auge.kp[3]));
}

void GrafikFenster::ZeigeAchsen_Action() { TotalAktualisieren(); }

// The eye sliders move only the eye point: the display constants stay those
// of the last restart.
void GrafikFenster::x_Wert_ValueChanged() {
  Grafikteil::Instanz().Augenpunkt->kp[1] = x_Wert().Value();
  TotalAktualisieren();
}

void GrafikFenster::y_Wert_ValueChanged() {
  Grafikteil::Instanz().Augenpunkt->kp[2] = y_Wert().Value();
  TotalAktualisieren();
}

void GrafikFenster::z_Wert_ValueChanged() {
  const int z = z_Wert().Value();
  if (z != 0) Grafikteil::Instanz().Augenpunkt->kp[3] = z;
  TotalAktualisieren();
}

void GrafikFenster::faktr_ValueChanged() {
  faktor = faktr().Value();
  TotalAktualisieren();
}

void GrafikFenster::yOffsetS_ValueChanged() {
  yOffset = Offset(yOffsetS().Value(), Height());
  TotalAktualisieren();
}

void GrafikFenster::xOffsetS_ValueChanged() {
  xOffset = Offset(xOffsetS().Value(), Width());
  TotalAktualisieren();
}

void GrafikFenster::AugAbst_ValueChanged() {
  // The second view reads the slider itself, as Value / 10, before each use.
  Grafikteil::Instanz().Augenabstand = AugAbst().Value();
  TotalAktualisieren();
}

void GrafikFenster::DreiDAnzeige_Action() {
  const bool anaglyph = DreiDAnzeige().Value();
  AugAbst().SetzeVisible(anaglyph);
  AugenAbstT().SetzeVisible(anaglyph);
  TotalAktualisieren();
}

void GrafikFenster::TextSizeS_ValueChanged() {
  Textgroesse = TextSizeS().Value();
  TotalAktualisieren();
}

void GrafikFenster::Resized() {
  auto& canvas = GraphCanvas();
  canvas.SetzeGeometrie(canvas.Left(), canvas.Top(), Width() - 100, Height() - 10);
}
