// The figure list in name order behind its head, a figure taking over
// another's geometry, the lookups by name, and the name lists rebuilt from it.

#include <iterator>

#include "core/FiguratT.h"
#include "core/Kernteil.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "platform/Plattform.h"

void FiguratT::Einlisten() {
  Kernteil& h = Kernteil::Instanz();
  // A figure of the head's name takes the head's place: deleting skips the
  // head, and a second record of that name could never be found.
  FiguratT* kopf = h.GListe;
  const bool ersetztKopf = kopf->Typ != TypKein && Kernteil::VergleicheNamen(kopf->name, name) == 0;
  if (!ersetztKopf && h.ExistiertFigurat(name)) h.LoescheFigurat(name);
  const int n = Kernteil::AutomatischeNummer(name);
  if (0 < n && n < 500) h.VerbrauchteNr[n] = true;
  // Behind the last record whose name sorts before this one; the head itself is never compared.
  FiguratT* p = kopf;
  auto danach = h.figuratIndex_.lower_bound(name);
  if (danach != h.figuratIndex_.begin()) p = std::prev(danach)->second;
  // Written before the figure is linked; it reads only the record itself.
  h.Eingelistet(*this);
  if (ersetztKopf) {
    Zeiger = kopf->Zeiger;
    h.GListe = this;
    kopf->Einlagern();
  } else {
    Zeiger = p->Zeiger;
    p->Zeiger = this;
    h.figuratIndex_.emplace_hint(danach, name, this);
  }
}

void FiguratT::uebernimmtGeometrieVon(const FiguratT& g) {
  Typ = g.Typ;
  v1->uebernimmtKomponentenVon(*g.v1);
  v2->uebernimmtKomponentenVon(*g.v2);
}

// As the walk from the head would find it: the head first, then the first
// record of the name, else the last record of the list.
FiguratT* Kernteil::FindeFigurat(const std::string& name, bool& found) const {
  found = true;
  if (VergleicheNamen(GListe->name, name) == 0) return GListe;
  if (auto it = figuratIndex_.find(name); it != figuratIndex_.end()) return it->second;
  found = false;
  return figuratIndex_.empty() ? GListe : figuratIndex_.rbegin()->second;
}

void Kernteil::HoleFigurat(const std::string& name, const FiguratT*& g, bool& found) const {
  g = FindeFigurat(name, found);
}

void Kernteil::HoleFigurat(const std::string& name, FiguratT*& g, bool& found) { g = FindeFigurat(name, found); }

bool Kernteil::HoleFigurat(const std::string& name, const FiguratT*& g) const {
  bool found;
  HoleFigurat(name, g, found);
  return found;
}

bool Kernteil::HoleFigurat(const std::string& name, FiguratT*& g) {
  bool found;
  HoleFigurat(name, g, found);
  return found;
}

int Kernteil::FiguratTypNr(const std::string& name) const {
  const FiguratT* g;
  bool found;
  HoleFigurat(name, g, found);
  return found ? g->Typ : TypKein;
}

bool Kernteil::ExistiertFigurat(const std::string& name) const { return FiguratTypNr(name) != TypKein; }

void Kernteil::HoleVektor(int selector, const std::string& name, VektorT& v) const {
  const FiguratT* g;
  bool found;
  HoleFigurat(name, g, found);
  if (!found) {
    plattform::plattform().MsgBox("Fehler beim Suchen nach " + name);
    return;
  }
  // The anonymous head has no vectors to copy.
  if (selector == 1 && g->v1) v.uebernimmtKomponentenVon(*g->v1);
  if (selector == 2 && g->v2) v.uebernimmtKomponentenVon(*g->v2);
}

void Kernteil::LoescheFigurat(const std::string& name) {
  const int n = AutomatischeNummer(name);
  if (0 < n && n < 500) VerbrauchteNr[n] = false;
  // The head is never compared, so it is never deleted.
  auto it = figuratIndex_.find(name);
  if (it == figuratIndex_.end()) {
    plattform::plattform().MsgBox("Fehler beim Loeschen");
    return;
  }
  FiguratT* p = it == figuratIndex_.begin() ? GListe : std::prev(it)->second;
  FiguratT* d = it->second;
  figuratIndex_.erase(it);
  p->Zeiger = d->Zeiger;
  d->Einlagern();
}

std::string Kernteil::Typname(int code) {
  const char* wort = nullptr;
  switch (code) {
    case TypSammlung: wort = "Sammlung"; break;
    case TypTetraeder: wort = "Tetraeder"; break;
    case TypDreieck: wort = "Dreieck"; break;
    case TypStrecke: wort = "Strecke"; break;
    case TypLeer: wort = "leeres Figurat"; break;
    case TypPunkt: wort = "Punkt"; break;
    case TypGerade: wort = "Gerade"; break;
    case TypEbene: wort = "Ebene"; break;
    case TypRaum: wort = "Raum"; break;
    default: return "";
  }
  return std::string(15, ' ') + wort;
}

namespace {

// Characters, not bytes, so that a name with umlauts keeps the column.
std::size_t Zeichenzahl(const std::string& text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// The row of the figure list box: the name, blanks up to column 14 but at
// least one, then the type word; the name alone for a code without a word.
std::string Listenzeile(const FiguratT& g) {
  const std::string wort = Kernteil::Typname(g.Typ);
  if (wort.empty()) return g.name;
  const std::size_t laenge = Zeichenzahl(g.name);
  const std::size_t luecke = laenge < 13 ? 14 - laenge : 1;
  return g.name + std::string(luecke, ' ') + wort.substr(15);
}

}  // namespace

void Kernteil::ErzeugeNamenListen() {
  for (std::string* liste : {&NListe, &ErwNListe, &PNListe, &gNListe, &gPNListe, &oPNListe, &oEckNliste,
                             &mSoEckNListe, &EckNListe, &DNListe})
    liste->clear();
  const FiguratT* r = GListe;
  if (r->Typ == TypKein) r = r->Zeiger;  // the anonymous head
  for (; r; r = r->Zeiger) {
    const std::string zeile = r->name + CR;
    NListe += zeile;
    ErwNListe += Listenzeile(*r) + CR;
    const int t = r->Typ;
    if (t == TypPunkt) PNListe += zeile;
    if (t == TypGerade) gNListe += zeile;
    if (t == TypPunkt || t == TypGerade) gPNListe += zeile;
    if (t == TypGerade || t == TypEbene) oPNListe += zeile;
    if (t == TypPunkt || t == TypGerade || t == TypEbene) oEckNliste += zeile;
    if (t == TypPunkt || t == TypGerade || t == TypEbene || t == TypSammlung) mSoEckNListe += zeile;
    if (t == TypDreieck || t == TypTetraeder) EckNListe += zeile;
    if (t == TypDreieck) DNListe += zeile;
  }
}

void Kernteil::PPP2E(const VektorT& A, const VektorT& B, const VektorT& C, VektorT& n) {
  Leihvektor t1(*this);
  Leihvektor t2(*this);
  A.Richtung(C, *t1);
  A.Richtung(B, *t2);
  t1->kreuz(*t2, n);
}
