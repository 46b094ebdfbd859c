// Point connections: segments kept by name in both points' lists
// ("B,C," — each name followed by a comma), drawn between the points' current
// positions, each point projected once for all its segments, the list of
// every pair of points, and the buttons that go through the command list.

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "core/FiguratT.h"
#include "core/Leihgaben.h"
#include "core/VektorT.h"
#include "graphics/GrafikFenster.h"
#include "graphics/Grafikteil.h"
#include "platform/Steuerelement.h"

namespace {

// Where the list holds the name as one whole entry: "AB," does not hold "B".
std::size_t Stelle(std::string_view liste, std::string_view name) {
  for (std::size_t p = liste.find(name); p != std::string_view::npos; p = liste.find(name, p + 1)) {
    const std::size_t ende = p + name.size();
    if ((p == 0 || liste[p - 1] == ',') && ende < liste.size() && liste[ende] == ',') return p;
  }
  return std::string_view::npos;
}

// tue(name) for each name of a list of connections, in order. A comma inside
// a name leaves pieces that may be empty; no figure is called by the empty
// name, whatever the list head is called.
template <class Tue>
void JedenPartnernamen(std::string_view liste, Tue&& tue) {
  while (liste.size() > 1) {
    const std::size_t komma = liste.find(',');
    const std::string_view name = liste.substr(0, komma);
    liste = komma == std::string_view::npos ? std::string_view() : liste.substr(komma + 1);
    if (!name.empty()) tue(name);
  }
}

}  // namespace

void GrafikFenster::ZeigePunktepaare() {
  // As many names as there are points: the list offers every pair, in the
  // order A:B, A:C, …, B:C, …, and makes each row only when it is read. The
  // names come from the point name list, read in one sweep, not from a walk
  // along the records spread over memory.
  Grafikteil& h = Grafikteil::Instanz();
  h.ErzeugeNamenListen();
  auto namen = std::make_shared<std::vector<std::string>>();
  const std::string& punkte = h.PNListe;
  for (std::size_t anfang = 0, ende; (ende = punkte.find(h.CR, anfang)) != std::string::npos;
       anfang = ende + h.CR.size())
    namen->push_back(punkte.substr(anfang, ende - anfang));
  const std::size_t n = namen->size();
  // anfang[j]: the row of the first pair whose first point is j.
  auto anfang = std::make_shared<std::vector<std::size_t>>();
  std::size_t zeilen = 0;
  for (std::size_t j = 0; j + 1 < n; ++j) {
    anfang->push_back(zeilen);
    zeilen += n - 1 - j;
  }
  auto& liste = PunktpaarLB();
  liste.SetzeVisible(true);
  liste.SetzeZeilen(static_cast<plattform::Zeilennr>(zeilen), [namen, anfang](plattform::Zeilennr zeile) {
    const auto z = static_cast<std::size_t>(zeile);
    const auto j = static_cast<std::size_t>(std::upper_bound(anfang->begin(), anfang->end(), z) - anfang->begin() - 1);
    const std::size_t k = j + 1 + (z - (*anfang)[j]);
    return (*namen)[j] + ":" + (*namen)[k];
  });
}

void GrafikFenster::VerbindePunkte(FiguratT& G1, FiguratT& G2) {
  VerbindungEintragen(G1, G2);
  Grafikteil& h = Grafikteil::Instanz();
  const bool anaglyph = DreiDAnzeige().Value();
  const Grafikteil::Bildpunkte a = h.Abbilder(G1, anaglyph);
  const Grafikteil::Bildpunkte b = h.Abbilder(G2, anaglyph);
  if (anaglyph) {
    ZeichneStrecke(AnsichtRot, a.bild, b.bild);
    ZeichneStrecke(AnsichtGruen, a.versetzt, b.versetzt);
  } else {
    ZeichneStrecke(AnsichtNormal, a.bild, b.bild);
  }
}

Grafikteil::Bildpunkte Grafikteil::Abbilder(const FiguratT& g, bool anaglyph) {
  Bildpunkte b;
  const std::size_t nr = stelle_ == KeineStelle ? KeinPunkt : Punktnummer(g);
  Bildeintrag* e = nr < bilder_.size() ? &bilder_[nr] : nullptr;
  if (e && e->gang == gang_) {
    b.bild.Vektor(e->xy[0], e->xy[1], 0);
    b.versetzt.Vektor(e->xy[2], e->xy[3], 0);
    return b;
  }
  // A copy: a figure's own vectors are never handed to the projection.
  Leihvektor p(*this);
  p->uebernimmtKomponentenVon(*g.v1);
  p->Abbilden(b.bild);
  if (anaglyph) p->aAbbilden(b.versetzt);
  if (e) *e = {gang_, {b.bild.kp[1], b.bild.kp[2], b.versetzt.kp[1], b.versetzt.kp[2]}};
  return b;
}

void Grafikteil::StreckenVorausholen(std::size_t j) {
  const std::vector<FiguratT*>& folge = Reihenfolge();
  const std::vector<std::uint32_t>& stellen = Punktstellen();
  auto stelle = [&](std::size_t d) { return j + d < stellen.size() ? stellen[j + d] : KeineStelle; };
  // The point's record: its type, name, connections and position.
  if (const std::size_t i = stelle(12); i != KeineStelle) folge[i]->Vorausholen();
  // The partners of a point not drawn since the list changed: the slots of
  // their names in the index, then the records those hold.
  if (const std::size_t i = stelle(8); i != KeineStelle && !staende_.Finde(i))
    JedenPartnernamen(folge[i]->verbundenmit(), [&](std::string_view name) { FiguratVorausholen(name); });
  if (const std::size_t i = stelle(6); i != KeineStelle && !staende_.Finde(i))
    JedenPartnernamen(folge[i]->verbundenmit(), [&](std::string_view name) { FiguratEintragVorausholen(name); });
  // Its partners' records, then their picture points.
  if (const std::size_t i = stelle(4); i != KeineStelle)
    JederPartner(i, *folge[i], [](const FiguratT& p) { p.Vorausholen(); });
  if (const std::size_t i = stelle(2); i != KeineStelle)
    JederPartner(i, *folge[i], [&](const FiguratT& p) {
      if (const std::size_t nr = Punktnummer(p); nr < bilder_.size()) __builtin_prefetch(&bilder_[nr]);
    });
}

template <class Tue>
void Grafikteil::JederPartner(std::size_t i, const FiguratT& g, Tue&& tue) {
  if (const Verbindungsstand* s = staende_.Finde(i)) {
    for (std::uint32_t k = 0; k < s->anzahl; ++k) tue(*partner_[s->anfang + k]);
    return;
  }
  JedesGenannte(g.verbundenmit(), tue);
}

template <class Tue>
void Grafikteil::JedesGenannte(std::string_view liste, Tue&& tue) {
  std::string name;
  JedenPartnernamen(liste, [&](std::string_view n) {
    name.assign(n);
    if (FiguratT* p; HoleFigurat(name, p)) tue(*p);
  });
}

std::span<FiguratT* const> Grafikteil::Partner(std::size_t i, const FiguratT& g) {
  Verbindungsstand& stand = staende_.Hole(i);
  const std::string& liste = g.verbundenmit();
  // The names are looked up again only when the list changed since they
  // were last: the records stay while only the picture changes.
  if (stand.liste != liste) {
    stand.liste = liste;
    // Found at the end of partner_; a stretch that does not grow goes back
    // where it was. What a grown one leaves behind is reclaimed once it is
    // as much as all the stretches hold.
    const std::size_t ende = partner_.size();
    JedesGenannte(stand.liste, [this](FiguratT& p) { partner_.push_back(&p); });
    const std::size_t anzahl = partner_.size() - ende;
    if (anzahl <= stand.anzahl) {
      std::copy(partner_.begin() + ende, partner_.end(), partner_.begin() + stand.anfang);
      partner_.resize(ende);
      partnerFrei_ += stand.anzahl - anzahl;
    } else {
      partnerFrei_ += stand.anzahl;
      stand.anfang = static_cast<std::uint32_t>(ende);
    }
    stand.anzahl = static_cast<std::uint32_t>(anzahl);
    if (2 * partnerFrei_ > partner_.size()) PartnerVerdichten();
  }
  return {partner_.data() + stand.anfang, stand.anzahl};
}

void Grafikteil::PartnerVerdichten() {
  std::vector<FiguratT*> dicht;
  dicht.reserve(partner_.size() - partnerFrei_);
  for (Verbindungsstand& s : staende_.Alle()) {
    const auto anfang = partner_.begin() + s.anfang;
    s.anfang = static_cast<std::uint32_t>(dicht.size());
    dicht.insert(dicht.end(), anfang, anfang + s.anzahl);
  }
  partner_ = std::move(dicht);
  partnerFrei_ = 0;
}

void GrafikFenster::ZeichneAlleStrecken() {
  Grafikteil& h = Grafikteil::Instanz();
  h.JedenPunkt([&](FiguratT& g, std::size_t i) {
    // A point without connections keeps no partners.
    if (g.verbundenmit().size() > 1) ZeichneAlleStreckenVon(g, i);
  });
}

void GrafikFenster::VerbindungEintragen(FiguratT& G1, FiguratT& G2) {
  if (Stelle(G1.verbundenmit(), G2.name) == std::string::npos) G1.verbundenmit() += G2.name + ",";
  if (Stelle(G2.verbundenmit(), G1.name) == std::string::npos) G2.verbundenmit() += G1.name + ",";
}

void GrafikFenster::ZeichneAlleStreckenVon(FiguratT& g, std::size_t stelle) {
  for (FiguratT* p : Grafikteil::Instanz().Partner(stelle, g)) VerbindePunkte(g, *p);
}

void GrafikFenster::VerbindungTrennen(FiguratT& G1, FiguratT& G2) {
  // Cuts out the first whole entry and the comma after it.
  auto trenne = [](std::string& liste, const std::string& name) {
    const std::size_t p = Stelle(liste, name);
    if (p != std::string::npos) liste = liste.substr(0, p) + liste.substr(p + name.size() + 1);
  };
  trenne(G1.verbundenmit(), G2.name);
  trenne(G2.verbundenmit(), G1.name);
}

void GrafikFenster::StreckeTeilen(const std::string& paar, std::string& A, std::string& B) {
  const std::size_t doppelpunkt = paar.find(':');
  if (doppelpunkt == std::string::npos) return;
  A = paar.substr(0, doppelpunkt);
  B = paar.substr(doppelpunkt + 1);
}

void GrafikFenster::StreckeBilden(const std::string& paar) {
  std::string A, B;
  StreckeTeilen(paar, A, B);
  Grafikteil::Instanz().Verbinde(A, B);
}

void GrafikFenster::StreckeLoeschen(const std::string& paar) {
  std::string A, B;
  StreckeTeilen(paar, A, B);
  Grafikteil::Instanz().Trenne(A, B);
}

void GrafikFenster::verbundenB_Action() {
  const std::string paar = PunktpaarLB().Text();
  if (!paar.empty()) StreckeBilden(paar);
  ZeigePunktepaare();
}

void GrafikFenster::getrenntB_Action() {
  // With no pair chosen both names are empty, and nothing is recorded.
  StreckeLoeschen(PunktpaarLB().Text());
  TotalAktualisieren();
  ZeigePunktepaare();
}

// "Test": every figure rebuilt from the command list, as "Alles Aktualisieren" does.
void GrafikFenster::BevelButton1_Action() { Grafikteil::Instanz().AnweisungslisteAusfuehren(); }
