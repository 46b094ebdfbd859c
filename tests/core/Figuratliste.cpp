// The figure list, the lookups by name and the name lists.

#include "support/Figurat.h"

namespace {

// A lookup through a const main window lends the figure for reading only.
template <class Haupt, class Figur>
concept HoltFigurat = requires(Haupt& h, Figur*& g, bool& found) {
  h.HoleFigurat(std::string(), g, found);
  h.HoleFigurat(std::string(), g);
};
static_assert(HoltFigurat<HauptF, FiguratT> && HoltFigurat<HauptF, const FiguratT>);
static_assert(HoltFigurat<const HauptF, const FiguratT> && !HoltFigurat<const HauptF, FiguratT>);

class Figuratliste : public FiguratTest {
 protected:
  std::vector<std::string> Reihenfolge() {
    std::vector<std::string> namen;
    for (FiguratT* r = h().GListe; r; r = r->Zeiger) namen.push_back(r->name);
    return namen;
  }
  using Namen = std::vector<std::string>;
};

TEST_F(Figuratliste, FiguresStandInNameOrderBehindTheOrigin) {
  Punkt("B", 0, 0, 0);
  Punkt("A", 0, 0, 0);
  Punkt("C", 0, 0, 0);
  Punkt("AA", 0, 0, 0);
  Punkt("B2", 0, 0, 0);
  EXPECT_EQ(Reihenfolge(), (Namen{"O", "A", "AA", "B", "B2", "C"}));
  h().ErzeugeNamenListen();
  EXPECT_EQ(h().NListe, Liste({"O", "A", "AA", "B", "B2", "C"}));
}

TEST_F(Figuratliste, BehindAnAnonymousHeadTheOriginIsSortedLikeAnyOther) {
  h().AlleFiguratLoeschen();
  Punkt("O", 0, 0, 0);
  Punkt("B", 0, 0, 0);
  Punkt("A", 0, 0, 0);
  EXPECT_EQ(Reihenfolge(), (Namen{"", "A", "B", "O"}));
  h().ErzeugeNamenListen();
  EXPECT_EQ(h().NListe, Liste({"A", "B", "O"}));
  EXPECT_EQ(h().FiguratTypNr(""), TypKein);
  EXPECT_FALSE(h().ExistiertFigurat(""));
}

TEST_F(Figuratliste, EnteringAnExistingNameReplacesTheFigure) {
  Punkt("A", 1, 0, 0);
  FiguratT* alt = &Punkt("B", 2, 0, 0);
  Punkt("C", 3, 0, 0);
  FiguratT* neu = &Figur("B", TypGerade);
  EXPECT_EQ(Reihenfolge(), (Namen{"O", "A", "B", "C"}));
  EXPECT_EQ(h().FiguratTypNr("B"), TypGerade);
  EXPECT_EQ(h().GLager, alt);
  EXPECT_EQ(alt->name, "");
  FiguratT* g;
  bool found;
  h().HoleFigurat("B", g, found);
  EXPECT_EQ(g, neu);
}

TEST_F(Figuratliste, AutomaticNamesMarkAndFreeTheirNumbers) {
  Punkt("G_7", 0, 0, 0);
  EXPECT_TRUE(h().VerbrauchteNr[7]);
  h().LoescheFigurat("G_7");
  EXPECT_FALSE(h().VerbrauchteNr[7]);

  for (const char* name : {"G_0", "G_500", "G_x", "G_7x", "G_07"}) Punkt(name, 0, 0, 0);
  EXPECT_EQ(h().VerbrauchteNr, (std::array<bool, 501>{}));

  // A typed name that looks automatic frees nothing another figure holds.
  Punkt("G_7", 0, 0, 0);
  h().LoescheFigurat("G_7x");
  h().LoescheFigurat("G_700");  // no such figure
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler beim Loeschen"}));
  EXPECT_TRUE(h().VerbrauchteNr[7]);
  EXPECT_EQ(h().FreieNr(), 1);
  EXPECT_EQ(h().FreieNr(), 2);
}

TEST_F(Figuratliste, LookupsExamineTheHeadAndStopAtTheEnd) {
  EXPECT_EQ(h().FiguratTypNr("O"), TypPunkt);
  EXPECT_TRUE(h().ExistiertFigurat("O"));
  FiguratT* g = nullptr;
  bool found = true;
  h().HoleFigurat("X", g, found);
  EXPECT_FALSE(found);
  EXPECT_EQ(g, h().GListe);  // the head is the last record

  Punkt("A", 0, 0, 0);
  FiguratT* letzte = &Figur("Z", TypEbene);
  h().HoleFigurat("X", g, found);
  EXPECT_FALSE(found);
  EXPECT_EQ(g, letzte);
  EXPECT_EQ(h().FiguratTypNr("X"), TypKein);
  EXPECT_EQ(h().FiguratTypNr("Z"), TypEbene);
  EXPECT_FALSE(h().ExistiertFigurat("a"));
}

TEST_F(Figuratliste, HoleVektorCopiesComponents) {
  FiguratT& g = Neu("g", TypGerade);
  g.v1->Vektor(1, 2, 3);
  g.v2->Vektor(4, 5, 6);
  g.Einlisten();
  VektorT* v;
  h().ErschaffeV(v);
  h().HoleVektor(1, "g", *v);
  EXPECT_EQ(v->Vektor2String(), "(1|2|3)");
  EXPECT_NE(v, g.v1);
  h().HoleVektor(2, "g", *v);
  EXPECT_EQ(v->Vektor2String(), "(4|5|6)");
  h().HoleVektor(3, "g", *v);
  EXPECT_EQ(v->Vektor2String(), "(4|5|6)");
  h().HoleVektor(1, "fehlt", *v);
  EXPECT_EQ(v->Vektor2String(), "(4|5|6)");
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler beim Suchen nach fehlt"}));

  // The anonymous head is found by its empty name but has nothing to copy.
  h().AlleFiguratLoeschen();
  h().HoleVektor(1, "", *v);
  EXPECT_EQ(v->Vektor2String(), "(4|5|6)");
}

TEST_F(Figuratliste, DeletingNeverRemovesTheHead) {
  Punkt("A", 0, 0, 0);
  FiguratT* b = &Punkt("B", 0, 0, 0);
  h().LoescheFigurat("B");
  EXPECT_EQ(Reihenfolge(), (Namen{"O", "A"}));
  EXPECT_EQ(h().GLager, b);
  EXPECT_EQ(b->name, "");

  h().LoescheFigurat("O");
  h().LoescheFigurat("B");
  EXPECT_EQ(Meldungen(), (std::vector<std::string>(2, "Fehler beim Loeschen")));
  EXPECT_EQ(Reihenfolge(), (Namen{"O", "A"}));
  EXPECT_EQ(h().GLager, b);
}

TEST_F(Figuratliste, AFigureNamedLikeTheHeadReplacesIt) {
  FiguratT* o = h().GListe;
  Punkt("A", 0, 0, 0);
  FiguratT& e = Neu("O", TypEbene);
  e.v1->Vektor(0, 0, 0);
  e.v2->Vektor(0, 0, 1);
  e.Einlisten();
  EXPECT_EQ(h().GListe, &e);
  EXPECT_EQ(Reihenfolge(), (Namen{"O", "A"}));
  EXPECT_EQ(h().FiguratTypNr("O"), TypEbene);
  EXPECT_EQ(h().GLager, o);
  EXPECT_EQ(o->name, "");
  h().ErzeugeNamenListen();
  EXPECT_EQ(h().NListe, Liste({"O", "A"}));
  // Still the head: deleting it is refused as before.
  h().LoescheFigurat("O");
  EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Fehler beim Loeschen"}));
}

TEST_F(Figuratliste, RowsOfTheFigureListBox) {
  struct Fall { std::string name; int typ; std::string zeile; };
  const std::string name14 = "ABCDEFGHIJKLMN";
  const std::string name20 = "ABCDEFGHIJKLMNOPQRST";
  const std::string name13 = "ABCDEFGHIJKLM";
  const Fall faelle[] = {
      {"A", TypPunkt, "A" + std::string(13, ' ') + "Punkt"},
      {name13, TypGerade, name13 + " Gerade"},
      {name14, TypPunkt, name14 + " Punkt"},
      {name20, TypPunkt, name20 + " Punkt"},
      {"E", TypLeer, "E" + std::string(13, ' ') + "leeres Figurat"},
      {"\xC3\x84", TypEbene, "\xC3\x84" + std::string(13, ' ') + "Ebene"},  // Ä is one character
      {"S", TypSammlung, "S" + std::string(13, ' ') + "Sammlung"},
      {"T", TypTetraeder, "T" + std::string(13, ' ') + "Tetraeder"},
      {"D", TypDreieck, "D" + std::string(13, ' ') + "Dreieck"},
      {"s", TypStrecke, "s" + std::string(13, ' ') + "Strecke"},
      {"R", TypRaum, "R" + std::string(13, ' ') + "Raum"},
      {"X", 7, "X"},
  };
  for (const Fall& f : faelle) {
    h().AlleFiguratLoeschen();
    Figur(f.name, f.typ);
    h().ErzeugeNamenListen();
    EXPECT_EQ(h().ErwNListe, f.zeile + "\r") << f.name;
  }
}

TEST_F(Figuratliste, TypeWords) {
  struct Fall { int code; const char* wort; };
  for (Fall f : {Fall{-5, "Sammlung"}, {-4, "Tetraeder"}, {-3, "Dreieck"}, {-2, "Strecke"}, {-1, "leeres Figurat"},
                 {1, "Punkt"}, {2, "Gerade"}, {3, "Ebene"}, {4, "Raum"}})
    EXPECT_EQ(HauptF::Typname(f.code), std::string(15, ' ') + f.wort) << f.code;
  for (int code : {0, -6, 5, 99}) EXPECT_EQ(HauptF::Typname(code), "") << code;
}

TEST_F(Figuratliste, TypedNameLists) {
  Figur("P", TypPunkt);
  Figur("g", TypGerade);
  Figur("e", TypEbene);
  Figur("S", TypSammlung);
  Figur("T", TypTetraeder);
  Figur("D", TypDreieck);
  Figur("L", TypLeer);
  Figur("R", TypRaum);
  Figur("s", TypStrecke);
  h().ErzeugeNamenListen();
  // Upper case sorts before lower case.
  EXPECT_EQ(h().NListe, Liste({"O", "D", "L", "P", "R", "S", "T", "e", "g", "s"}));
  EXPECT_EQ(h().PNListe, Liste({"O", "P"}));
  EXPECT_EQ(h().gNListe, Liste({"g"}));
  EXPECT_EQ(h().gPNListe, Liste({"O", "P", "g"}));
  EXPECT_EQ(h().oPNListe, Liste({"e", "g"}));
  EXPECT_EQ(h().oEckNliste, Liste({"O", "P", "e", "g"}));
  EXPECT_EQ(h().mSoEckNListe, Liste({"O", "P", "S", "e", "g"}));
  EXPECT_EQ(h().EckNListe, Liste({"D", "T"}));
  EXPECT_EQ(h().DNListe, Liste({"D"}));
  EXPECT_EQ(h().ErwNListe.substr(0, 20), "O" + std::string(13, ' ') + "Punkt" + "\r");

  // Each rebuild starts afresh.
  h().AlleFiguratLoeschen();
  h().ErzeugeNamenListen();
  for (const std::string* liste : {&h().NListe, &h().ErwNListe, &h().PNListe, &h().gNListe, &h().gPNListe,
                                   &h().oPNListe, &h().oEckNliste, &h().mSoEckNListe, &h().EckNListe, &h().DNListe})
    EXPECT_EQ(*liste, "");
}

TEST_F(Figuratliste, NormalOfThreePoints) {
  VektorT* n;
  h().ErschaffeV(n);
  FiguratT& a = Punkt("A", 1, 0, 0);
  FiguratT& b = Punkt("B", 0, 2, 0);
  FiguratT& c = Punkt("C", 0, 0, 3);
  h().PPP2E(*a.v1, *b.v1, *c.v1, *n);
  // (A − C) × (A − B) = (1, 0, −3) × (1, −2, 0)
  EXPECT_EQ(n->Vektor2String(), "(-6|-3|-2)");
  h().PPP2E(*a.v1, *b.v1, *c.v1, *c.v1);
  EXPECT_EQ(c.v1->Vektor2String(), "(-6|-3|-2)");
}

}  // namespace
