#pragma once

#include <functional>
#include <string>
#include <vector>

#include "graphics/Grafikteil.h"
#include "platform/Plattform.h"
#include "platform/Zeichenflaeche.h"

class FiguratT;
class VektorT;

// The view number of every drawing: it chooses the pen colour.
constexpr int AnsichtNormal = 0;  // the single view, black
constexpr int AnsichtRot = 1;     // the anaglyph's view from the eye point
constexpr int AnsichtGruen = 2;   // the anaglyph's view from the shifted eye, cyan

// The controls of GrafikFenster, one row each (see PLATTFORM_ZEILE).
#define FIGURAT_GRAFIKFENSTER_ELEMENTE(X)                                                                              \
  X(Canvas, GraphCanvas, 15, 14, 798, 837, {}, {Bind("Paint", &GrafikFenster::GraphCanvas_Paint)})                     \
  X(CheckBox, ZeigeAchsen, 822, 619, 179, 20, {.text = "Zeige Koordinatenachsen"},                                     \
      {Bind("Action", &GrafikFenster::ZeigeAchsen_Action)})                                                            \
  X(Slider, x_Wert, 835, 73, 159, 16, {.minimum = -50, .maximum = 50, .wert = 1, .lineStep = 0, .pageStep = 10},       \
      {Bind("ValueChanged", &GrafikFenster::x_Wert_ValueChanged)})                                                     \
  X(StatischerText, StaticText1, 822, 94, 172, 20, {.text = "x\r"})                                                    \
  X(Slider, y_Wert, 835, 101, 162, 16, {.minimum = -50, .maximum = 50, .wert = 1, .lineStep = 0, .pageStep = 10},      \
      {Bind("ValueChanged", &GrafikFenster::y_Wert_ValueChanged)})                                                     \
  X(StatischerText, StaticText2, 995, 101, 22, 20, {.text = "y"})                                                      \
  X(Slider, z_Wert, 835, 133, 163, 16, {.minimum = 1, .maximum = 100, .wert = 25, .lineStep = 0, .pageStep = 10},      \
      {Bind("ValueChanged", &GrafikFenster::z_Wert_ValueChanged)})                                                     \
  X(StatischerText, StaticText3, 998, 133, 19, 20, {.text = "z"})                                                      \
  X(Slider, faktr, 827, 409, 173, 16,                                                                                  \
      {.minimum = 10, .maximum = 600, .wert = 300, .lineStep = 10, .pageStep = 20},                                    \
      {Bind("ValueChanged", &GrafikFenster::faktr_ValueChanged)})                                                      \
  X(StatischerText, StaticText4, 823, 385, 175, 20, {.text = "Maßstab"})                                               \
  X(Slider, yOffsetS, 823, 514, 173, 16,                                                                               \
      {.minimum = 0, .maximum = 100, .wert = 50, .lineStep = 1, .pageStep = 10},                                       \
      {Bind("ValueChanged", &GrafikFenster::yOffsetS_ValueChanged)})                                                   \
  X(StatischerText, yOffsetT, 826, 490, 175, 20, {.text = "Offset vertikal"})                                          \
  X(Slider, xOffsetS, 825, 462, 173, 16,                                                                               \
      {.minimum = 0, .maximum = 100, .wert = 50, .lineStep = 1, .pageStep = 10},                                       \
      {Bind("ValueChanged", &GrafikFenster::xOffsetS_ValueChanged)})                                                   \
  X(StatischerText, xOffsetT, 823, 437, 175, 20, {.text = "Offset horizontal\r\r"})                                    \
  X(Slider, AugAbst, 823, 701, 174, 16,                                                                                \
      {.versteckt = true, .minimum = 1, .maximum = 50, .wert = 10, .lineStep = 1, .pageStep = 10},                     \
      {Bind("ValueChanged", &GrafikFenster::AugAbst_ValueChanged)})                                                    \
  X(StatischerText, AugenAbstT, 827, 675, 170, 20, {.text = "Augenabstand", .versteckt = true})                        \
  X(CheckBox, DreiDAnzeige, 822, 643, 178, 20, {.text = "RotGrün-Darstellung"},                                        \
      {Bind("Action", &GrafikFenster::DreiDAnzeige_Action)})                                                           \
  X(EditFeld, XAuge, 819, 21, 61, 22, {.text = " ", .hintergrund = Farbe{251, 255, 198}, .nurLesen = true})            \
  X(EditFeld, yAuge, 879, 21, 59, 22,                                                                                  \
      {.text = std::string(17, ' '), .hintergrund = Farbe{252, 255, 219}, .nurLesen = true})                           \
  X(EditFeld, zAuge, 935, 21, 62, 22,                                                                                  \
      {.text = std::string(23, ' '), .hintergrund = Farbe{255, 252, 209}, .nurLesen = true})                           \
  X(StatischerText, StaticText8, 822, 46, 173, 20, {.text = "Augenpunkt"})                                             \
  X(Slider, TextSizeS, 822, 576, 174, 16,                                                                              \
      {.minimum = 5, .maximum = 50, .wert = 10, .lineStep = 1, .pageStep = 10},                                        \
      {Bind("ValueChanged", &GrafikFenster::TextSizeS_ValueChanged)})                                                  \
  X(StatischerText, yOffsetT1, 825, 552, 176, 20, {.text = "Textgröße"})                                               \
  X(StatischerText, StaticText9, 822, 166, 175, 21, {.text = "Punktverbindung"})                                       \
  X(ListBox, PunktpaarLB, 835, 191, 71, 182)                                                                           \
  X(BevelButton, verbundenB, 912, 191, 71, 91, {.text = "+"}, {Bind("Action", &GrafikFenster::verbundenB_Action)})     \
  X(BevelButton, getrenntB, 912, 282, 71, 91, {.text = "-"}, {Bind("Action", &GrafikFenster::getrenntB_Action)})       \
  X(BevelButton, BevelButton1, 827, 742, 156, 22, {.text = "Test"},                                                    \
      {Bind("Action", &GrafikFenster::BevelButton1_Action)})                                                           \
  X(StatischerText, StaticText0, 995, 73, 19, 20, {.text = "x"})

// The graphics window: the picture of the visible figures and point
// connections in central perspective, and the view controls.
class GrafikFenster : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "GrafikFenster";
  static GrafikFenster& Instanz() { return plattform::plattform().Instanz<GrafikFenster>(); }

  GrafikFenster();
  ~GrafikFenster() override;

  // Drawing state, in declared order.
  int faktor = 0;  // pixels per model unit
  // The model points the axes are drawn through, and the origin.
  VektorT* Ex = nullptr;
  VektorT* Ey = nullptr;
  VektorT* Ez = nullptr;
  VektorT* O = nullptr;
  int xOffset = 0;  // pixel column of the picture's origin
  int yOffset = 0;  // pixel row of the picture's origin
  int Textgroesse = 0;  // of the point labels; none is drawn up to 5

  PLATTFORM_ELEMENTZUGRIFFE(FIGURAT_GRAFIKFENSTER_ELEMENTE)

 protected:
  plattform::Fensterlayout Layoutschritt() override;
  const std::vector<plattform::Steuerelementzeile>& Steuerelementtabelle() const override;
  // Also a window rebuilt after the user closed it starts with a complete
  // drawing state.
  void Open() override;

 public:
  // View controls.
  void GraphCanvas_Paint(plattform::Zeichenflaeche& g);
  void ZeigeAchsen_Action();
  void x_Wert_ValueChanged();
  void y_Wert_ValueChanged();
  void z_Wert_ValueChanged();
  void faktr_ValueChanged();
  void yOffsetS_ValueChanged();
  void xOffsetS_ValueChanged();
  void AugAbst_ValueChanged();
  void DreiDAnzeige_Action();
  void TextSizeS_ValueChanged();
  void Resized() override;
  // The buttons that go through the command list: connect and separate the
  // chosen pair, and execute the whole list again.
  void verbundenB_Action();
  void getrenntB_Action();
  void BevelButton1_Action();

  // Drawing primitives; the points are picture points, which they only read.
  void ZeichneKOS();
  void ZeichnePunkt(int Ansicht, const VektorT& P, const std::string& name);
  // A, B, C the base, D the apex.
  void ZeichneTetraeder(int Ansicht, const VektorT& A, const VektorT& B, const VektorT& C, const VektorT& D);
  void ZeichneDreieck(int Ansicht, const VektorT& A, const VektorT& B, const VektorT& C);
  // The line through A and B, across the picture strip −4 ≤ x ≤ 4.
  void ZeichneGerade(int Ansicht, const VektorT& A, const VektorT& B);
  void InitGrafik();
  void ZeichneStrecke(int Ansicht, const VektorT& A, const VektorT& B);

  // Point connections and the pair list.
  void ZeigePunktepaare();
  void VerbindePunkte(FiguratT& G1, FiguratT& G2);
  void ZeichneAlleStrecken();
  void ZeichneAlles();
  void VerbindungEintragen(FiguratT& G1, FiguratT& G2);
  // The segments from the point g to the points named in its connections.
  void ZeichneAlleStreckenVon(FiguratT& g, std::size_t stelle);
  void ZeichneAllePunkte();
  void VerbindungTrennen(FiguratT& G1, FiguratT& G2);
  // Splits "A:B" at its first colon; without a colon A and B stay as they were.
  static void StreckeTeilen(const std::string& paar, std::string& A, std::string& B);
  // Record a connect command and execute the list, or record and apply a separate command.
  void StreckeBilden(const std::string& paar);
  void StreckeLoeschen(const std::string& paar);

  // Redraw: over the picture, or after clearing it. While the command list
  // runs, both wait for the end of the run.
  void Aktualisieren();
  void RadiereAllePunkte();
  void RadiereAlles();
  void RadiereAlleFigurat();
  void RadiereAlleStrecken();
  void TotalAktualisieren();

 private:
  // Every figure the name lists hold, in the order of the figure list, for
  // where the order shows: the figures and segments drawn.
  static void JedesFigurat(const std::function<void(FiguratT&)>& tue);
  plattform::Zeichenflaeche& Grafik();
  void Ansichtsfarbe(int Ansicht);
  double PixelX(const VektorT& p) const;
  double PixelY(const VektorT& p) const;
  // The edge between two picture points.
  void Kante(const VektorT& A, const VektorT& B);
  // A line between pixel positions given as Doubles.
  void Linie(double x1, double y1, double x2, double y2);
  // The offset of a slider's percentage of the window's width or height.
  static int Offset(int prozent, int groesse);
};
