// Point connections: the lists in both points, the pair list, the drawn segments.

#include <array>
#include <random>

#include "Grafik.h"

namespace {

class Punktverbindungen : public GrafikTest {
 protected:
  static std::vector<std::string> Paare() {
    G().ZeigePunktepaare();
    return E<plattform::ListBox>("PunktpaarLB").Zeilen();
  }
  static std::vector<Primitiv> Strecken() {
    Vergessen();
    G().ZeichneAlleStrecken();
    return Aufzeichnung().Aufzeichnung();
  }
  using Zeilen = std::vector<std::string>;
};

TEST_F(Punktverbindungen, PairListHasEveryPairInListOrder) {
  EXPECT_EQ(Paare(), Zeilen{});
  Punkt("B", 0, 0, 0);
  Punkt("A", 0, 0, 0);
  Gerade("g", 0, 0, 0, 1, 0, 0);
  h().ErzeugeNamenListen();
  E<plattform::ListBox>("PunktpaarLB").SetzeVisible(false);
  EXPECT_EQ(Paare(), (Zeilen{"O:A", "O:B", "A:B"}));
  EXPECT_TRUE(E<plattform::ListBox>("PunktpaarLB").Visible());
}

TEST_F(Punktverbindungen, PairListHasNoLimitOnThePoints) {
  for (int i = 1; i < 60; ++i) Punkt("P" + std::to_string(100 + i), i, 0, 0);
  h().ErzeugeNamenListen();
  Zeilen paare = Paare();
  ASSERT_EQ(paare.size(), 60u * 59 / 2);
  EXPECT_EQ(paare.front(), "O:P101");
  EXPECT_EQ(paare[59], "P101:P102");
  EXPECT_EQ(paare.back(), "P158:P159");
}

TEST_F(Punktverbindungen, ConnectingEntersEachNameOnceInBothLists) {
  FiguratT& A = Punkt("A", 0, 0, 0);
  FiguratT& B = Punkt("B", 0, 0, 0);
  FiguratT& C = Punkt("C", 0, 0, 0);
  G().VerbindungEintragen(A, B);
  EXPECT_EQ(A.verbundenmit(), "B,");
  EXPECT_EQ(B.verbundenmit(), "A,");
  G().VerbindungEintragen(A, C);
  G().VerbindungEintragen(B, A);
  EXPECT_EQ(A.verbundenmit(), "B,C,");
  EXPECT_EQ(B.verbundenmit(), "A,");
  EXPECT_EQ(C.verbundenmit(), "A,");
  // A whole entry only: "AB," does not hold B.
  FiguratT& AB = Punkt("AB", 0, 0, 0);
  FiguratT& X = Punkt("X", 0, 0, 0);
  X.verbundenmit() = "AB,";
  G().VerbindungEintragen(X, B);
  EXPECT_EQ(X.verbundenmit(), "AB,B,");
  // Connected to itself: its own name once.
  G().VerbindungEintragen(AB, AB);
  EXPECT_EQ(AB.verbundenmit(), "AB,");
}

TEST_F(Punktverbindungen, SeparatingCutsOutTheOneEntry) {
  FiguratT& A = Punkt("A", 0, 0, 0);
  FiguratT& B = Punkt("B", 0, 0, 0);
  FiguratT& D = Punkt("D", 0, 0, 0);
  A.verbundenmit() = "C,B,D,";
  B.verbundenmit() = "A,";
  G().VerbindungTrennen(A, B);
  EXPECT_EQ(A.verbundenmit(), "C,D,");
  EXPECT_EQ(B.verbundenmit(), "");
  // Not connected: nothing changes.
  G().VerbindungTrennen(B, D);
  EXPECT_EQ(B.verbundenmit(), "");
  EXPECT_EQ(D.verbundenmit(), "");
  G().VerbindungTrennen(A, A);
  EXPECT_EQ(A.verbundenmit(), "C,D,");
  // A name with a comma is one entry.
  FiguratT& K = Punkt("K,1", 0, 0, 0);
  G().VerbindungEintragen(A, K);
  EXPECT_EQ(A.verbundenmit(), "C,D,K,1,");
  G().VerbindungTrennen(K, A);
  EXPECT_EQ(A.verbundenmit(), "C,D,");
  EXPECT_EQ(K.verbundenmit(), "");
}

TEST_F(Punktverbindungen, SegmentsAreDrawnFromBothEndsAndRepairTheLists) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  h().ErzeugeNamenListen();
  A.verbundenmit() = "B,";  // the mirror entry is missing
  auto bild = Strecken();
  ASSERT_EQ(bild.size(), 2u);
  EXPECT_EQ(B.verbundenmit(), "A,");
  // Once from each end, with the same pixels.
  EXPECT_EQ((std::array{bild[0].a, bild[0].b, bild[0].c, bild[0].d}), (std::array{bild[1].c, bild[1].d, bild[1].a, bild[1].b}));
  EXPECT_EQ((std::array{bild[0].a, bild[0].b}), (std::array{723, 647}));
  EXPECT_EQ(bild[0].farbe, Schwarz);
  Anaglyph(true);
  bild = Strecken();
  ASSERT_EQ(bild.size(), 4u);
  EXPECT_EQ(bild[0].farbe, Rot);
  EXPECT_EQ(bild[1].farbe, Cyan);
}

TEST_F(Punktverbindungen, PartnersWithoutAFigureArePassedOver) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  h().ErzeugeNamenListen();
  G().VerbindungEintragen(A, B);
  h().LoescheFigurat("B");
  EXPECT_EQ(Strecken().size(), 0u);
  EXPECT_EQ(A.verbundenmit(), "B,");
  // A point of that name is joined again, and gets its mirror entry.
  FiguratT& neu = Punkt("B", 0, 0, 1);
  EXPECT_EQ(Strecken().size(), 2u);
  EXPECT_EQ(neu.verbundenmit(), "A,");
}

// A partner found for one redraw is not the partner of the next once its
// record went to the pool and came back as another figure in its place.
TEST_F(Punktverbindungen, APartnerDeletedIsNotFoundInTheRecordOfTheFigureAfterIt) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  G().VerbindungEintragen(A, B);
  ASSERT_EQ(Strecken().size(), 2u);
  h().LoescheFigurat("B");
  FiguratT& X = Punkt("X", 0, 0, 1);
  ASSERT_EQ(&X, &B);  // the same record, in the same place of the list
  EXPECT_EQ(Strecken().size(), 0u);
  EXPECT_EQ(A.verbundenmit(), "B,");
}

// Between redraws the records stay, and a point moves or its connections change.
TEST_F(Punktverbindungen, EachRedrawDrawsTheConnectionsAndPositionsAsTheyAreNow) {
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& B = Punkt("B", 0, 1, 0);
  FiguratT& C = Punkt("C", 0, 0, 1);
  h().ErzeugeNamenListen();
  auto enden = [](const std::vector<Primitiv>& bild) {
    std::vector<std::array<int, 4>> e;
    for (const Primitiv& k : bild) e.push_back({k.a, k.b, k.c, k.d});
    return e;
  };
  G().VerbindungEintragen(A, B);
  const auto vorher = enden(Strecken());
  ASSERT_EQ(vorher.size(), 2u);
  B.v1->Vektor(0, -1, 0);
  const auto bewegt = enden(Strecken());
  ASSERT_EQ(bewegt.size(), 2u);
  EXPECT_EQ((std::array{bewegt[0][0], bewegt[0][1]}), (std::array{vorher[0][0], vorher[0][1]}));
  EXPECT_NE((std::array{bewegt[0][2], bewegt[0][3]}), (std::array{vorher[0][2], vorher[0][3]}));
  G().VerbindungTrennen(A, B);
  EXPECT_EQ(Strecken().size(), 0u);
  G().VerbindungEintragen(C, A);
  const auto neu = enden(Strecken());
  ASSERT_EQ(neu.size(), 2u);
  EXPECT_EQ((std::array{neu[0][0], neu[0][1]}), (std::array{vorher[0][0], vorher[0][1]}));
  EXPECT_NE((std::array{neu[0][2], neu[0][3]}), (std::array{bewegt[0][2], bewegt[0][3]}));
  // Both views as one segment drawn alone, from positions projected afresh.
  Anaglyph(true);
  const auto beide = enden(Strecken());
  Vergessen();
  G().VerbindePunkte(A, C);
  ASSERT_EQ(beide.size(), 4u);
  EXPECT_EQ(decltype(beide)(beide.begin(), beide.begin() + 2), enden(Aufzeichnung().Aufzeichnung()));
}

// The partners kept between redraws follow every connection made and cut,
// however often the lists grow and shrink while no figure comes or goes.
TEST_F(Punktverbindungen, KeptPartnersFollowEveryConnectionMadeAndCut) {
  std::vector<FiguratT*> punkte;
  for (int i = 0; i < 6; ++i) punkte.push_back(&Punkt(std::string(1, char('A' + i)), i, i * i % 5, 1 - i));
  h().ErzeugeNamenListen();
  auto enden = [](const std::vector<Primitiv>& bild) {
    std::vector<std::array<int, 4>> e;
    for (const Primitiv& k : bild) e.push_back({k.a, k.b, k.c, k.d});
    return e;
  };
  std::mt19937 zufall(7);
  for (int schritt = 0; schritt < 400; ++schritt) {
    FiguratT& a = *punkte[zufall() % punkte.size()];
    FiguratT& b = *punkte[zufall() % punkte.size()];
    if (zufall() % 3)
      G().VerbindungEintragen(a, b);
    else
      G().VerbindungTrennen(a, b);
    const auto bild = enden(Strecken());
    // Each segment drawn alone, in the order of the points and their lists.
    Vergessen();
    for (FiguratT* g : punkte)
      for (std::size_t anfang = 0, komma; (komma = g->verbundenmit().find(',', anfang)) != std::string::npos;
           anfang = komma + 1) {
        FiguratT* partner;
        ASSERT_TRUE(h().HoleFigurat(g->verbundenmit().substr(anfang, komma - anfang), partner));
        G().VerbindePunkte(*g, *partner);
      }
    ASSERT_EQ(bild, enden(Aufzeichnung().Aufzeichnung())) << "Schritt " << schritt;
  }
}

TEST_F(Punktverbindungen, ACommaInANameReadsAsTwoNamesWhenDrawn) {
  // The list head as a re-execution leaves it: no name, no position.
  h().AlleFiguratLoeschen();
  FiguratT& A = Punkt("A", 1, 0, 0);
  FiguratT& K = Punkt("K", 0, 1, 0);
  h().ErzeugeNamenListen();
  // "K,1" reads as K and 1; ",X" leaves an empty piece, which names nothing,
  // not even the head.
  A.verbundenmit() = "K,1,,X,";
  EXPECT_EQ(Strecken().size(), 2u);
  EXPECT_EQ(K.verbundenmit(), "A,");
}

TEST_F(Punktverbindungen, PairTextSplitsAtItsFirstColon) {
  std::string a = "alt", b = "alt";
  GrafikFenster::StreckeTeilen("A:B", a, b);
  EXPECT_EQ(a, "A");
  EXPECT_EQ(b, "B");
  GrafikFenster::StreckeTeilen("G_1:P,2:x", a, b);
  EXPECT_EQ(a, "G_1");
  EXPECT_EQ(b, "P,2:x");
  // No colon, as the empty text of no selection: both stay, as the caller had them.
  a = b = "";
  GrafikFenster::StreckeTeilen("", a, b);
  GrafikFenster::StreckeTeilen("AB", a, b);
  EXPECT_EQ(a, "");
  EXPECT_EQ(b, "");
}

}  // namespace
