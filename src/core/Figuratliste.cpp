// The figure list in name order behind its head, a figure taking over
// another's geometry, the lookups by name, and the name lists rebuilt from it.

#include <string_view>
#include <vector>

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
  const Namensfolge::Stelle stelle = h.namensfolge_.Untergrenze(name);
  FiguratT* p = h.namensfolge_.Davor(stelle);
  if (!p) p = kopf;
  // Written before the figure is linked; it reads only the record itself.
  h.Eingelistet(*this);
  h.namenlistenAktuell_ = false;
  if (ersetztKopf) {
    Zeiger = kopf->Zeiger;
    h.HalteFest(*this);
    h.GListe = this;
    kopf->Einlagern();
  } else {
    Zeiger = p->Zeiger;
    p->Zeiger = this;
    ++h.verkettet_;
    if (h.figuratIndex_.Fuege(this)) {
      h.namensfolge_.Fuege(stelle, *this);
      h.HalteFest(*this);
      gereiht_ = true;
    }
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
  if (FiguratT* const* g = figuratIndex_.Finde(name)) return *g;
  found = false;
  FiguratT* letztes = namensfolge_.Letztes();
  return letztes ? letztes : GListe;
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
  FiguratT* const* eintrag = figuratIndex_.Finde(name);
  if (!eintrag) {
    plattform::plattform().MsgBox("Fehler beim Loeschen");
    return;
  }
  FiguratT* d = *eintrag;
  const Namensfolge::Stelle stelle = namensfolge_.Untergrenze(name);
  FiguratT* p = namensfolge_.Davor(stelle);
  if (!p) p = GListe;
  namenlistenAktuell_ = false;
  figuratIndex_.Entferne(name);
  namensfolge_.Entferne(stelle);
  --verkettet_;
  p->Zeiger = d->Zeiger;
  d->Einlagern();
}

namespace {

// The type word of a code, the empty text for a code without one.
std::string_view Typwort(int code) {
  switch (code) {
    case TypSammlung: return "Sammlung";
    case TypTetraeder: return "Tetraeder";
    case TypDreieck: return "Dreieck";
    case TypStrecke: return "Strecke";
    case TypLeer: return "leeres Figurat";
    case TypPunkt: return "Punkt";
    case TypGerade: return "Gerade";
    case TypEbene: return "Ebene";
    case TypRaum: return "Raum";
    default: return {};
  }
}

// Characters, not bytes, so that a name with umlauts keeps the column.
std::size_t Zeichenzahl(const std::string& text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// The row of the figure list box, appended to text: the name, blanks up to
// column 14 but at least one, then the type word; the name alone for a code
// without a word.
void HaengeListenzeileAn(std::string& text, const FiguratT& g) {
  text += g.name;
  const std::string_view wort = Typwort(g.Typ);
  if (wort.empty()) return;
  const std::size_t laenge = Zeichenzahl(g.name);
  text.append(laenge < 13 ? 14 - laenge : 1, ' ');
  text += wort;
}

}  // namespace

std::string Kernteil::Typname(int code) {
  const std::string_view wort = Typwort(code);
  return wort.empty() ? std::string() : std::string(15, ' ').append(wort);
}

FiguratT* Kernteil::ErstesFigurat() const { return GListe->Typ == TypKein ? GListe->Zeiger : GListe; }

void Kernteil::AendereTyp(FiguratT& g, int typ) {
  namenlistenAktuell_ = false;
  HalteFest(g);
  g.Typ = typ;
}

bool FiguratT::sichtbar() const { return Kernteil::Instanz().SichtbarkeitVon(*this); }

void FiguratT::SetzeSichtbar(bool ja) {
  sichtbar_ = ja;
  sichtbarStand_ = ++Kernteil::Instanz().uhr_;
}

void Kernteil::SetzeSichtbarkeit(Figurenkreis kreis, bool ja) {
  sammelsicht_[static_cast<std::size_t>(kreis)] = {++uhr_, ja};
}

// As the walks over every record, or every point, that the name lists hold
// would reach it: the sides whatever their type, the head unless anonymous.
bool Kernteil::ImKreis(const FiguratT& g, Figurenkreis kreis) const {
  if (!g.gereiht_ && g.Typ == TypKein) return false;
  switch (kreis) {
    case Figurenkreis::Alle: return true;
    case Figurenkreis::Punkte: return g.Typ == TypPunkt;
    case Figurenkreis::OhneEbenen: return g.Typ != TypEbene;
  }
  return false;
}

bool Kernteil::Gelistet(const FiguratT& g) const { return g.gereiht_ || &g == GListe; }

std::size_t Kernteil::Punktnummer(const FiguratT& g) const {
  return namenlistenAktuell_ && g.Typ == TypPunkt && Gelistet(g) ? g.punktNr_ : KeinPunkt;
}

bool Kernteil::SichtbarkeitVon(const FiguratT& g) const {
  bool ja = g.sichtbar_;
  if (!Gelistet(g)) return ja;
  std::uint64_t stand = g.sichtbarStand_;
  for (Figurenkreis kreis : {Figurenkreis::Alle, Figurenkreis::Punkte, Figurenkreis::OhneEbenen}) {
    const Sammelsicht& s = sammelsicht_[static_cast<std::size_t>(kreis)];
    if (s.stand > stand && ImKreis(g, kreis)) {
      stand = s.stand;
      ja = s.ja;
    }
  }
  return ja;
}

std::string& FiguratT::verbundenmit() {
  Kernteil::Instanz().FrischeVerbindungen(*this);
  return verbundenmit_;
}

const std::string& FiguratT::verbundenmit() const {
  Kernteil::Instanz().FrischeVerbindungen(*this);
  return verbundenmit_;
}

void Kernteil::TrenneAllePunkte() { getrennt_ = ++uhr_; }

void Kernteil::FrischeVerbindungen(const FiguratT& g) {
  if (getrennt_ <= g.verbundenStand_) return;
  if (Gelistet(g) && ImKreis(g, Figurenkreis::Punkte)) g.verbundenmit_.clear();
  g.verbundenStand_ = ++uhr_;
}

void Kernteil::HalteFest(FiguratT& g) {
  FrischeVerbindungen(g);
  g.sichtbar_ = SichtbarkeitVon(g);
  g.sichtbarStand_ = g.verbundenStand_ = ++uhr_;
}

void Kernteil::JedesInFolge(const std::function<void(FiguratT&, std::size_t)>& tue) {
  constexpr std::size_t kVoraus = 8;
  const std::size_t n = folge_.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i + kVoraus < n) folge_[i + kVoraus]->Vorausholen();
    tue(*folge_[i], i);
  }
}

void Kernteil::SammleFolge() {
  folge_.clear();
  folge_.reserve(namensfolge_.Anzahl() + 1);  // the records behind the head, and the head
  FiguratT* const erstes = ErstesFigurat();
  // Along a long list each link waits for the record before it, from
  // memory; the name order holds the same records one after the other,
  // unless a record was linked that it does not hold.
  if (verkettet_ != namensfolge_.Anzahl()) {
    for (FiguratT* r = erstes; r; r = r->Zeiger) folge_.push_back(r);
    return;
  }
  if (erstes == GListe) folge_.push_back(GListe);
  namensfolge_.Jedes([this](FiguratT& g) { folge_.push_back(&g); });
}

void Kernteil::ErzeugeNamenListen() {
  if (namenlistenAktuell_) return;
  namenlistenAktuell_ = true;
  for (std::string* liste : {&NListe, &ErwNListe, &PNListe, &gNListe, &gPNListe, &oPNListe, &oEckNliste,
                             &mSoEckNListe, &EckNListe, &DNListe})
    liste->clear();
  SammleFolge();
  ++listenstand_;
  punktstellen_.clear();
  JedesInFolge([this](FiguratT& r, std::size_t i) {
    // Appended piece by piece: no text is made for a row.
    auto zeile = [this, &r](std::string& liste) { liste.append(r.name).append(CR); };
    zeile(NListe);
    HaengeListenzeileAn(ErwNListe, r);
    ErwNListe += CR;
    const int t = r.Typ;
    if (t == TypPunkt) {
      zeile(PNListe);
      r.punktNr_ = static_cast<std::uint32_t>(punktstellen_.size());
      punktstellen_.push_back(static_cast<std::uint32_t>(i));
    }
    if (t == TypGerade) zeile(gNListe);
    if (t == TypPunkt || t == TypGerade) zeile(gPNListe);
    if (t == TypGerade || t == TypEbene) zeile(oPNListe);
    if (t == TypPunkt || t == TypGerade || t == TypEbene) zeile(oEckNliste);
    if (t == TypPunkt || t == TypGerade || t == TypEbene || t == TypSammlung) zeile(mSoEckNListe);
    if (t == TypDreieck || t == TypTetraeder) zeile(EckNListe);
    if (t == TypDreieck) zeile(DNListe);
  });
}

void Kernteil::PPP2E(const VektorT& A, const VektorT& B, const VektorT& C, VektorT& n) {
  Leihvektor t1(*this);
  Leihvektor t2(*this);
  A.Richtung(C, *t1);
  A.Richtung(B, *t2);
  t1->kreuz(*t2, n);
}
