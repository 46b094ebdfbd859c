// Showing and hiding figures, and the two redraws.

#include "Grafik.h"

namespace {

class Sichtbarkeit : public GrafikTest {
 protected:
  // The kind and colour of each primitive, text as "T".
  static std::vector<std::string> Folge(const std::vector<Primitiv>& bild) {
    std::vector<std::string> folge;
    for (const Primitiv& p : bild) {
      std::string farbe = p.farbe == Rot ? "rot" : p.farbe == Cyan ? "cyan" : "schwarz";
      switch (p.art) {
        case Art::Loeschen: folge.push_back("leer"); break;
        case Art::Linie: folge.push_back("Linie " + farbe); break;
        case Art::Oval: folge.push_back("Kreis " + farbe); break;
        case Art::Text: folge.push_back("Text " + p.text); break;
      }
    }
    return folge;
  }
  static std::vector<std::string> Gezeichnet(const std::function<void()>& tue) {
    Vergessen();
    tue();
    return Folge(Aufzeichnung().Aufzeichnung());
  }
  using Folgen = std::vector<std::string>;
};

TEST_F(Sichtbarkeit, FullRedrawClearsDrawsTheAxesThenFiguresThenSegments) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  FiguratT& C = Punkt("C", 0, 0, 1);
  A.SetzeSichtbar(true);
  B.SetzeSichtbar(true);
  G().VerbindungEintragen(A, C);
  Achsen(true);
  E<plattform::EditFeld>("zAuge").SetzeText("");
  // The segment is drawn although C is hidden, once from each end.
  EXPECT_EQ(Gezeichnet([] { G().TotalAktualisieren(); }),
            (Folgen{"leer", "Linie schwarz", "Linie schwarz", "Linie schwarz", "Kreis schwarz", "Text A",
                    "Kreis schwarz", "Text B", "Linie schwarz", "Linie schwarz"}));
  EXPECT_EQ(E<plattform::EditFeld>("zAuge").Text(), "30");
  // Drawing over the picture erases nothing and draws no axes.
  EXPECT_EQ(Gezeichnet([] { G().Aktualisieren(); }),
            (Folgen{"Kreis schwarz", "Text A", "Kreis schwarz", "Text B", "Linie schwarz", "Linie schwarz"}));
}

TEST_F(Sichtbarkeit, AnaglyphDrawsEachFigureInBothViewsBeforeTheNext) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  A.SetzeSichtbar(true);
  B.SetzeSichtbar(true);
  G().VerbindungEintragen(A, B);
  Anaglyph(true);
  EXPECT_EQ(Gezeichnet([] { G().Aktualisieren(); }),
            (Folgen{"Kreis rot", "Text A", "Kreis cyan", "Text ", "Kreis rot", "Text B", "Kreis cyan", "Text ",
                    "Linie rot", "Linie cyan", "Linie rot", "Linie cyan"}));
}

TEST_F(Sichtbarkeit, RedrawRebuildsTheNameListsAndThePairs) {
  auto& paare = E<plattform::ListBox>("PunktpaarLB");
  Punkt("A", 1, 0, 0);
  G().Aktualisieren();
  paare.BenutzerWaehlt(0);
  Punkt("B", 0, 1, 0).SetzeSichtbar(true);
  EXPECT_EQ(h().NListe, Liste({"O", "A"}));
  EXPECT_EQ(Gezeichnet([] { G().Aktualisieren(); }), (Folgen{"Kreis schwarz", "Text B"}));
  EXPECT_EQ(h().NListe, Liste({"O", "A", "B"}));
  EXPECT_EQ(paare.Zeilen(), (std::vector<std::string>{"O:A", "O:B", "A:B"}));
  EXPECT_EQ(paare.ListIndex(), -1);
}

TEST_F(Sichtbarkeit, ShowAllLeavesPlanesAndNamesWhatCannotBeDrawn) {
  Punkt("A", 1, 0, 0);
  Gerade("g", 0, 0, 0, 1, 0, 0);
  Figur("E", TypEbene);
  Figur("S", TypSammlung);
  h().ErzeugeNamenListen();
  const std::string bitte = "Bisher werden nur Tetraeder, Dreiecke, Geraden und Punkte abgebildet";
  G().ZeichneAlles();
  EXPECT_FALSE(Figurat("E").sichtbar());
  EXPECT_TRUE(Figurat("O").sichtbar() && Figurat("A").sichtbar() && Figurat("g").sichtbar() && Figurat("S").sichtbar());
  EXPECT_EQ(Meldungen(), std::vector<std::string>{bitte});
  // At every later redraw again.
  G().TotalAktualisieren();
  EXPECT_EQ(Meldungen(), std::vector<std::string>{bitte});
  Figurat("S").SetzeSichtbar(false);
  G().TotalAktualisieren();
}

TEST_F(Sichtbarkeit, PointsShownAndHiddenLeaveTheOtherFigures) {
  Punkt("A", 1, 0, 0);
  FiguratT& g = Gerade("g", 0, 0, 0, 1, 0, 0);
  g.SetzeSichtbar(true);
  h().ErzeugeNamenListen();
  EXPECT_EQ(Gezeichnet([] { G().ZeichneAllePunkte(); }),
            (Folgen{"Kreis schwarz", "Text O", "Kreis schwarz", "Text A", "Linie schwarz"}));
  EXPECT_TRUE(Figurat("A").sichtbar() && Figurat("O").sichtbar());
  EXPECT_EQ(Gezeichnet([] { G().RadiereAllePunkte(); }), (Folgen{"leer", "Linie schwarz"}));
  EXPECT_FALSE(Figurat("A").sichtbar() || Figurat("O").sichtbar());
  EXPECT_TRUE(g.sichtbar());
}

TEST_F(Sichtbarkeit, ErasingFiguresKeepsSegmentsErasingEverythingDoesNot) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  FiguratT& g = Gerade("g", 0, 0, 0, 1, 0, 0);
  A.SetzeSichtbar(true);
  B.SetzeSichtbar(true);
  g.SetzeSichtbar(true);
  G().VerbindungEintragen(A, B);
  h().ErzeugeNamenListen();
  EXPECT_EQ(Gezeichnet([] { G().RadiereAlleFigurat(); }), (Folgen{"leer", "Linie schwarz", "Linie schwarz"}));
  EXPECT_FALSE(A.sichtbar() || B.sichtbar() || g.sichtbar());
  EXPECT_EQ(A.verbundenmit(), "B,");
  A.SetzeSichtbar(true);
  g.SetzeSichtbar(true);
  // Two full redraws: one after the segments are gone, one after that.
  EXPECT_EQ(Gezeichnet([] { G().RadiereAlles(); }), (Folgen{"leer", "leer"}));
  EXPECT_FALSE(A.sichtbar() || g.sichtbar());
  EXPECT_EQ(A.verbundenmit(), "");
  EXPECT_EQ(B.verbundenmit(), "");
}

TEST_F(Sichtbarkeit, NamesWithoutAFigureArePassedOver) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  h().ErzeugeNamenListen();
  h().LoescheFigurat("A");
  EXPECT_EQ(h().PNListe, Liste({"O", "A"}));
  G().ZeichneAllePunkte();
  EXPECT_TRUE(Figurat("O").sichtbar());
  // The record back in the pool is not touched.
  EXPECT_FALSE(A.sichtbar());
}

}  // namespace
