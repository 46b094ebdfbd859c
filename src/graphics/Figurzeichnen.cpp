// One figure drawn by its type: its defining points projected and handed to
// the type's primitive, once in the single view or twice for the anaglyph.

#include <array>
#include <optional>

#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"

void FiguratT::Abbilden() {
  int n = 0;
  switch (Typ) {
    case TypPunkt: n = 1; break;
    case TypGerade: n = 2; break;
    case TypDreieck: n = 3; break;
    case TypTetraeder: n = 4; break;
    default:
      plattform::plattform().MsgBox("Bisher werden nur Tetraeder, Dreiecke, Geraden und Punkte abgebildet");
      return;
  }
  Grafikteil& h = Grafikteil::Instanz();
  GrafikFenster& grafik = GrafikFenster::Instanz();

  // Corners are held by name and drawn where their figures are now.
  std::array<const VektorT*, 5> quelle{};
  if (Typ == TypDreieck || Typ == TypTetraeder) {
    for (int i = 1; i <= n; ++i) {
      const FiguratT* ecke = h.Eckfigurat(*this, i);
      // The anonymous list head has a name but no position.
      if (!ecke || !ecke->v1) return;
      quelle[i] = ecke->v1;
    }
  } else {
    quelle[1] = v1;
    quelle[2] = v2;
  }

  // Each corner's model point P and picture point B, borrowed for the drawing.
  struct Geliehen {
    explicit Geliehen(Grafikteil& h) : P(h), B(h) {}
    Leihvektor P;
    Leihvektor B;
  };
  std::array<std::optional<Geliehen>, 5> geliehen;
  std::array<VektorT*, 5> P{};
  std::array<VektorT*, 5> B{};
  for (int i = 1; i <= n; ++i) {
    geliehen[i].emplace(h);
    P[i] = &*geliehen[i]->P;
    B[i] = &*geliehen[i]->B;
    P[i]->uebernimmtKomponentenVon(*quelle[i]);
  }
  // A line is drawn through its support point and one direction further on.
  if (Typ == TypGerade) P[2]->plus(*P[1], *P[2]);

  auto zeichne = [&](int Ansicht, const std::string& beschriftung) {
    switch (Typ) {
      case TypPunkt: grafik.ZeichnePunkt(Ansicht, *B[1], beschriftung); break;
      case TypGerade: grafik.ZeichneGerade(Ansicht, *B[1], *B[2]); break;
      case TypDreieck: grafik.ZeichneDreieck(Ansicht, *B[1], *B[2], *B[3]); break;
      default: grafik.ZeichneTetraeder(Ansicht, *B[1], *B[2], *B[3], *B[4]); break;
    }
  };
  for (int i = 1; i <= n; ++i) P[i]->Abbilden(*B[i]);
  if (!grafik.DreiDAnzeige().Value()) {
    zeichne(AnsichtNormal, name);
  } else {
    zeichne(AnsichtRot, name);
    for (int i = 1; i <= n; ++i) P[i]->aAbbilden(*B[i]);
    zeichne(AnsichtGruen, "");
  }
}
