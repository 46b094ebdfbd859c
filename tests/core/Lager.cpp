// The figure and command pools, the arena and the automatic numbers.

#include <vector>

#include "commands/BefehlT.h"
#include "core/Leihgaben.h"
#include "support/Figurat.h"

namespace {

class Lager : public FiguratTest {
 protected:
  // The next n records the pool hands out.
  static std::vector<FiguratT*> AusDemLager(std::size_t n) {
    std::vector<FiguratT*> g(n);
    for (FiguratT*& r : g) h().ErschaffeG(r);
    return g;
  }
};

TEST_F(Lager, FreshStartHeadIsTheOrigin) {
  FiguratT* o = h().GListe;
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->name, "O");
  EXPECT_EQ(o->Typ, TypPunkt);
  EXPECT_EQ(o->Zeiger, nullptr);
  ASSERT_TRUE(o->v1 && o->v2);
  EXPECT_NE(o->v1, o->v2);
  EXPECT_EQ(o->v1->Vektor2String(), "(0|0|0)");
  EXPECT_EQ(o->v2->Vektor2String(), "(0|0|0)");
  EXPECT_EQ(h().NListe, "O\r");

  // The records of the list go back to the pool, and the origin is one of
  // them with every old field reset; nothing is described.
  FiguratT& t = Figur("T", TypDreieck);
  t.Ecken = {"", "A", "B", "C", ""};
  t.SetzeSichtbar(true);
  t.verbundenmit() = "X,";
  t.v1->Vektor(1, 2, 3);
  const std::string beschreibung = h().Element<plattform::EditFeld>("LastInfoF").Text();
  const std::size_t arena = h().Arenagroesse();
  h().ErzeugeUrsprung();
  FiguratT* neu = h().GListe;
  EXPECT_EQ(h().Arenagroesse(), arena);
  EXPECT_EQ(neu, &t);  // the last record into the pool is the first out
  EXPECT_EQ(h().GLager, o);
  EXPECT_EQ(neu->name, "O");
  EXPECT_EQ(neu->Typ, TypPunkt);
  EXPECT_EQ(neu->Zeiger, nullptr);
  EXPECT_FALSE(neu->sichtbar());
  EXPECT_EQ(neu->verbundenmit(), "");
  EXPECT_EQ(neu->Ecken, (std::array<std::string, 5>{}));
  EXPECT_EQ(neu->v1->Vektor2String(), "(0|0|0)");
  EXPECT_EQ(neu->v2->Vektor2String(), "(0|0|0)");
  EXPECT_EQ(h().Element<plattform::EditFeld>("LastInfoF").Text(), beschreibung);
  h().ErzeugeNamenListen();
  EXPECT_EQ(h().NListe, "O\r");
}

TEST_F(Lager, FigureRecordsComeFromThePoolWithTheirVectorsAsNewOnes) {
  ASSERT_EQ(h().GLager, nullptr);
  FiguratT* g;
  h().ErschaffeG(g);
  EXPECT_EQ(g->name, "");
  EXPECT_EQ(g->verbundenmit(), "");
  EXPECT_EQ(g->Typ, TypKein);
  EXPECT_FALSE(g->sichtbar());
  ASSERT_TRUE(g->v1 && g->v2);
  EXPECT_NE(g->v1, g->v2);
  EXPECT_EQ(g->Ecken, (std::array<std::string, 5>{}));

  g->name = "D";
  g->Typ = TypDreieck;
  g->Ecken = {"", "A", "B", "C", ""};
  g->verbundenmit() = "X,";
  g->SetzeSichtbar(true);
  g->v1->Vektor(1, 2, 3);
  VektorT* v1 = g->v1;
  VektorT* v2 = g->v2;
  g->Einlagern();
  EXPECT_EQ(h().GLager, g);
  EXPECT_EQ(g->Typ, TypDreieck);  // kept in the pool

  const std::size_t arena = h().Arenagroesse();
  FiguratT* wieder;
  h().ErschaffeG(wieder);
  EXPECT_EQ(wieder, g);
  EXPECT_EQ(h().Arenagroesse(), arena);
  EXPECT_EQ(h().GLager, nullptr);
  EXPECT_EQ(wieder->Zeiger, nullptr);
  EXPECT_EQ(wieder->name, "");
  EXPECT_EQ(wieder->Typ, TypKein);
  EXPECT_EQ(wieder->verbundenmit(), "");
  EXPECT_FALSE(wieder->sichtbar());
  EXPECT_EQ(wieder->v1, v1);
  EXPECT_EQ(wieder->v2, v2);
  // Nothing of the triangle shows through.
  EXPECT_EQ(wieder->v1->Vektor2String(), "(0|0|0)");
  EXPECT_EQ(wieder->v2->Vektor2String(), "(0|0|0)");
  EXPECT_EQ(wieder->Ecken, (std::array<std::string, 5>{}));
}

TEST_F(Lager, ClearingPutsTheWholeListInThePoolInListOrder) {
  FiguratT* o = h().GListe;
  FiguratT* b = &Figur("B", TypGerade);
  FiguratT* a = &Figur("A", TypPunkt);
  const std::size_t arena = h().Arenagroesse();
  h().VerbrauchteNr[1] = true;
  h().AlleFiguratLoeschen();

  FiguratT* kopf = h().GListe;
  EXPECT_EQ(h().Arenagroesse(), arena + 1);  // the pool was empty
  EXPECT_EQ(kopf->name, "");
  EXPECT_EQ(kopf->Typ, TypKein);
  EXPECT_EQ(kopf->v1, nullptr);
  EXPECT_EQ(kopf->v2, nullptr);
  EXPECT_EQ(kopf->Zeiger, nullptr);
  EXPECT_TRUE(h().VerbrauchteNr[1]);  // numbers stay in use

  // In the reverse order of the list, which is in name order: not as they entered.
  EXPECT_EQ(AusDemLager(3), (std::vector<FiguratT*>{b, a, o}));
  EXPECT_EQ(h().GLager, nullptr);

  // The anonymous head, pooled by the next clearing, comes back with vectors.
  h().AlleFiguratLoeschen();
  FiguratT* r;
  h().ErschaffeG(r);
  EXPECT_EQ(r, kopf);
  EXPECT_TRUE(r->v1 && r->v2);
  EXPECT_NE(r->v1, r->v2);

  // With records in the pool, the head is one of them. Its vectors stay in
  // the record, out of the vector pool, and are its own again when it is
  // handed out as a figure.
  r->Einlagern();
  VektorT* v1 = r->v1;
  const VektorT* vektoren = h().VLager;
  const std::size_t warm = h().Arenagroesse();
  h().AlleFiguratLoeschen();
  EXPECT_EQ(h().Arenagroesse(), warm);
  EXPECT_EQ(h().GListe, r);
  EXPECT_EQ(r->Typ, TypKein);
  EXPECT_EQ(r->v1, nullptr);
  EXPECT_EQ(r->v2, nullptr);
  EXPECT_EQ(h().VLager, vektoren);
  h().ErzeugeUrsprung();
  EXPECT_EQ(h().GListe, r);
  EXPECT_EQ(r->v1, v1);
}

TEST_F(Lager, BorrowedRecordsGoBackWhenTheirScopeEnds) {
  FiguratT* g;
  h().ErschaffeG(g);
  g->Einlagern();
  VektorT* v[3];
  for (VektorT*& x : v) h().ErschaffeV(x);
  for (int i = 2; i >= 0; --i) v[i]->Einlagern();  // v[0] on top
  const std::size_t arena = h().Arenagroesse();
  auto leihe = [&](bool frueh) {
    Leihvektor a;
    Leihvektor b;
    EXPECT_EQ(&*a, v[0]);
    EXPECT_EQ(&*b, v[1]);
    Leihfigurat f;
    EXPECT_EQ(&*f, g);
    EXPECT_EQ(f->Typ, TypKein);  // as new from the pool
    f->name = "H";
    f->Typ = TypEbene;
    f->SetzeSichtbar(true);
    if (frueh) return;
    a->Vektor(1, 2, 3);
  };
  // However the scope is left, the pool is as it was found: the last borrowed goes back first.
  for (bool frueh : {false, true}) {
    leihe(frueh);
    EXPECT_EQ(h().VLager, v[0]);
    EXPECT_EQ(v[0]->zeiger, v[1]);
    EXPECT_EQ(v[1]->zeiger, v[2]);
    EXPECT_EQ(h().GLager, g);
    EXPECT_EQ(g->name, "");
    EXPECT_FALSE(g->sichtbar());
  }
  EXPECT_EQ(h().Arenagroesse(), arena);
  // A borrowed vector keeps what it held.
  EXPECT_EQ(v[0]->Vektor2String(), "(1|2|3)");
}

TEST_F(Lager, AutomaticNumbers) {
  EXPECT_EQ(h().FreieNr(), 1);
  EXPECT_TRUE(h().VerbrauchteNr[1]);
  EXPECT_EQ(h().FreieNr(), 2);
  Punkt("G_1", 0, 0, 1);
  Punkt("G_3", 0, 0, 3);  // a name the user typed
  h().LoescheFigurat("G_1");
  EXPECT_EQ(h().FreieNr(), 1);
  EXPECT_EQ(h().FreieNr(), 4);
  h().BefreieNr(2);
  EXPECT_EQ(h().FreieNr(), 2);

  for (int i = 1; i <= 498; ++i) h().VerbrauchteNr[i] = true;
  EXPECT_EQ(h().FreieNr(), 499);
  EXPECT_EQ(h().FreieNr(), 500);
  EXPECT_FALSE(h().VerbrauchteNr[500]);
  EXPECT_EQ(h().FreieNr(), 500);
  EXPECT_EQ(Meldungen(), (std::vector<std::string>(2, "Alle Variablennummern sind verbraucht")));
}

TEST_F(Lager, NumbersOfClearedFiguresStayInUse) {
  Punkt("G_1", 1, 0, 0);
  Punkt("G_2", 2, 0, 0);
  h().AlleFiguratLoeschen();
  EXPECT_EQ(h().FreieNr(), 3);
}

TEST_F(Lager, CommandRecordsKeepEverythingButTheirLink) {
  ASSERT_EQ(h().BLager, nullptr);
  BefehlT* b;
  BefehlT* c;
  h().ErschaffeB(b);
  h().ErschaffeB(c);
  ASSERT_NE(b->Vektor, nullptr);
  EXPECT_NE(b->Vektor, c->Vektor);
  EXPECT_EQ(b->Zeiger, nullptr);
  for (double g : b->Gleichung) EXPECT_EQ(g, 0);

  b->NeuG = "P";
  b->AltG1 = "(1|2|3)";
  b->AltG2 = "x";
  b->AltG3 = "y";
  b->Kennung = 9;
  b->Gleichung = {0, 1, 2, 3, 4};
  b->Vektor->Vektor(1, 2, 3);
  VektorT* v = b->Vektor;
  b->Zeiger = c;  // as in the command list
  b->Einlagern();
  EXPECT_EQ(b->Zeiger, nullptr);  // onto an empty pool
  c->Einlagern();
  EXPECT_EQ(c->Zeiger, b);
  EXPECT_EQ(h().BLager, c);

  BefehlT* x;
  h().ErschaffeB(x);
  EXPECT_EQ(x, c);
  h().ErschaffeB(x);
  EXPECT_EQ(x, b);
  EXPECT_EQ(x->Zeiger, nullptr);
  EXPECT_EQ(h().BLager, nullptr);
  EXPECT_EQ(x->NeuG, "P");
  EXPECT_EQ(x->AltG1, "(1|2|3)");
  EXPECT_EQ(x->AltG2, "x");
  EXPECT_EQ(x->AltG3, "y");
  EXPECT_EQ(x->Kennung, 9);
  EXPECT_EQ(x->Gleichung, (std::array<double, 5>{0, 1, 2, 3, 4}));
  EXPECT_EQ(x->Vektor, v);
  EXPECT_EQ(x->Vektor->Vektor2String(), "(1|2|3)");

  // A record that lost its vector gets one from the vector pool.
  VektorT* frei;
  h().ErschaffeV(frei);
  frei->Einlagern();
  x->Vektor = nullptr;
  x->Einlagern();
  h().ErschaffeB(x);
  EXPECT_EQ(x->Vektor, frei);
}

}  // namespace
