// The vector and figure pools, the arena that owns their records, and the
// automatic numbers of unnamed figures.

#include <charconv>

#include "core/FiguratT.h"
#include "core/Kernteil.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

Kernteil::Kernteil() : plattform::Fenster(Klasse) {}

Kernteil::~Kernteil() {
  if (gefunden_ == this) gefunden_ = nullptr;
}

VektorT* Kernteil::NeuerVektor() {
  vektorArena_.push_back(std::make_unique<VektorT>());
  return vektorArena_.back().get();
}

FiguratT* Kernteil::NeuesFigurat() {
  constexpr std::size_t kBlock = 256;
  if (figuratAnzahl_ % kBlock == 0) figuratBloecke_.push_back(std::make_unique<FiguratT[]>(kBlock));
  return &figuratBloecke_.back()[figuratAnzahl_++ % kBlock];
}

void Kernteil::ErschaffeV(VektorT*& v) {
  if (!VLager) {
    v = NeuerVektor();
    return;
  }
  // The vector keeps its old components and its link; the caller sets what it reads.
  v = VLager;
  VLager = v->zeiger;
}

void Kernteil::ErschaffeG(FiguratT*& g) {
  if (GLager) {
    g = GLager;
    GLager = g->Zeiger;
    g->Zeiger = nullptr;
    // The pool of a long list lies spread over memory, and a record taken
    // is written. The next record was fetched when this one was taken: now
    // the one after it is.
    if (const FiguratT* naechster = GLager)
      if (const FiguratT* danach = naechster->Zeiger) danach->Vorausholen();
  } else {
    g = NeuesFigurat();
  }
  // Every field as in a new record. A figure read where its type gives a
  // field no meaning (the v1 of a corner that names no point) must not show
  // what the record held before: the same command list would draw and
  // describe differently from one run to the next.
  g->name.clear();
  g->verbundenmit_.clear();
  g->Typ = TypKein;
  g->v1 = &g->eigene_[0];
  g->v2 = &g->eigene_[1];
  g->v1->Vektor(0, 0, 0);
  g->v2->Vektor(0, 0, 0);
  // The corner names, which lie apart from the record, were emptied as it
  // went into the pool.
}

void FiguratT::Einlagern() {
  Kernteil& h = Kernteil::Instanz();
  name.clear();
  verbundenmit_.clear();
  Ecken.Leeren();
  sichtbar_ = false;
  gereiht_ = false;
  Zeiger = h.GLager;
  h.GLager = this;
}

void Kernteil::FiguratlisteEinlagern() {
  // In the order of the list, each record then empty of its name.
  if (namenlistenAktuell_ && GListe) {
    if (GListe->Typ == TypKein) GListe->Einlagern();
    JedesInFolge([this](FiguratT& g, std::size_t i) {
      // The corner names lie apart from the record.
      if (i + 4 < folge_.size()) folge_[i + 4]->Ecken.Vorausholen();
      g.Einlagern();
    });
  } else {
    for (FiguratT* r = GListe; r;) {
      FiguratT* weiter = r->Zeiger;
      r->Einlagern();
      r = weiter;
    }
  }
  GListe = nullptr;
  namenlistenAktuell_ = false;
  figuratIndex_.Leeren();
  namensfolge_.Leeren();
  verkettet_ = 0;
}

void Kernteil::AlleFiguratLoeschen() {
  // The head is a pooled record too, so that clearing again and again makes
  // none. It is taken before the list goes in: the pool gives the list's
  // records back in the reverse order of the list.
  FiguratT* kopf;
  if (GLager) {
    kopf = GLager;
    GLager = kopf->Zeiger;
  } else {
    kopf = NeuesFigurat();
  }
  FiguratlisteEinlagern();
  // The anonymous head: no name, Typ 0, no vectors.
  kopf->v1 = nullptr;
  kopf->v2 = nullptr;
  kopf->Typ = TypKein;
  kopf->Zeiger = nullptr;
  HalteFest(*kopf);
  GListe = kopf;
}

void Kernteil::ErzeugeUrsprung() {
  // The records the list held (after AlleFiguratLoeschen only its head) go
  // back to the pool, and the origin comes from it.
  FiguratlisteEinlagern();
  FiguratT* o;
  ErschaffeG(o);
  o->name = std::string("O");  // the plain assignment trips a false -Wrestrict in GCC 12
  o->Typ = TypPunkt;  // at (0, 0, 0), as every record from the pool
  HalteFest(*o);
  GListe = o;
}

int Kernteil::FreieNr() {
  int i = 1;
  while (i < 500 && VerbrauchteNr[i]) ++i;
  if (i == 500) {
    plattform::plattform().MsgBox("Alle Variablennummern sind verbraucht");
    return 500;
  }
  VerbrauchteNr[i] = true;
  return i;
}

void Kernteil::BefreieNr(int n) { VerbrauchteNr[n] = false; }

int Kernteil::AutomatischeNummer(const std::string& name) {
  // Only the names FreieNr gives count, "G_" and the number's digits without
  // a leading zero: G_7x or G_07 must neither mark nor free the number 7.
  if (name.size() < 3 || VergleicheNamen(std::string_view(name).substr(0, 2), "G_") != 0 || name[2] == '0') return 0;
  int n = 0;
  auto [stopp, fehler] = std::from_chars(name.data() + 2, name.data() + name.size(), n);
  if (fehler != std::errc() || stopp != name.data() + name.size() || name[2] == '-') return 0;
  return n;
}
