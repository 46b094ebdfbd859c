#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "constructions/Konstruktionsteil.h"
#include "core/FiguratT.h"
#include "core/VektorT.h"

// The graphics window's share of the main window: the eye point and the
// display angles.
class Grafikteil : public Konstruktionsteil {
 public:
  static Grafikteil& Instanz() { return static_cast<Grafikteil&>(Kernteil::Instanz()); }

  // Properties.
  VektorT* Augenpunkt = nullptr;  // eye point
  VektorT* SchnittrichtungV = nullptr;
  double alphaW = 0;
  double betaW = 0;
  double Augenabstand = 0;

  // The picture direction S and the display angles from the eye point.
  void CalcDarstellungskonstanten(const VektorT& eye, VektorT& S, double& alpha, double& beta);

  // The graphics window's buttons go through the command list.
  virtual void Verbinde(const std::string& A, const std::string& B) = 0;
  virtual void Trenne(const std::string& A, const std::string& B) = 0;
  virtual void AnweisungslisteAusfuehren() = 0;

  // The figures the segments of the point g at place i of Reihenfolge go
  // to: found by the names of its list of connections, and kept while the
  // list reads the same and no figure comes or goes, as while only the
  // picture changes. A copy, as drawing enters connections again; it holds
  // until the next call.
  std::span<FiguratT* const> Partner(std::size_t i, const FiguratT& g);
  // The picture points of a point, as far as a segment reads them: x and y
  // in the single view and, with the anaglyph, from the shifted eye.
  struct Bildpunkte {
    VektorT bild;
    VektorT versetzt;
  };
  // Those of g's position. Within a walk of JedeStelle or JedenPunkt,
  // where positions stay as they are, they are made once for each point
  // however many segments end in it.
  Bildpunkte Abbilder(const FiguratT& g, bool anaglyph);
  // While the segments of the point at place j of Punktstellen are drawn,
  // what those of the next points will read is fetched, one link further
  // for each nearer point: along a long list their records, partners and
  // picture points lie spread over memory.
  void StreckenVorausholen(std::size_t j);
  // While the figure at place i is drawn, what drawing the next ones reads
  // beyond their records is fetched: the corners kept and the names they
  // are kept by.
  void FigurenVorausholen(std::size_t i);
  // The figure named by corner k of g, as HoleFigurat finds it; null when
  // there is none. While JedeStelle is at g, it is kept for g's place like
  // the connections, as long as it still has that name.
  const FiguratT* Eckfigurat(const FiguratT& g, int k);
  // tue(g, i) for the record g at each place i of Reihenfolge, in its order.
  // What tue does never enters or deletes a figure.
  template <class Tue>
  void JedeStelle(Tue&& tue) {
    Gang gang(*this);
    JedesInFolge([&](FiguratT& g, std::size_t i) {
      FigurenVorausholen(i);
      stelle_ = i;
      tue(g, i);
    });
  }
  // The same for the places that hold a point: the segments' walk passes
  // over the other records without reading them.
  template <class Tue>
  void JedenPunkt(Tue&& tue) {
    Gang gang(*this);
    const std::vector<FiguratT*>& folge = Reihenfolge();
    const std::vector<std::uint32_t>& stellen = Punktstellen();
    for (std::size_t j = 0; j < stellen.size(); ++j) {
      StreckenVorausholen(j);
      stelle_ = stellen[j];
      tue(*folge[stelle_], stelle_);
    }
  }

 private:
  // The name lists as the list stands, and the partners and corners kept
  // for its places dropped when a figure came or went since they were found.
  void HalteBildstand();

  // The Listenstand the kept partners and corners were found at.
  std::uint64_t bildstand_ = 0;
  // What is kept for some places of Reihenfolge only, most figures of a long
  // list having neither connections nor corners: made when a walk first asks
  // for a place, and laid out in that order, so that the next walk reads
  // them one after the other.
  template <class T>
  class Stellenablage {
   public:
    void Leeren(std::size_t stellen) {
      nr_.assign(stellen, 0);
      eintraege_.clear();
    }
    const T* Finde(std::size_t i) const { return i < nr_.size() && nr_[i] ? &eintraege_[nr_[i] - 1] : nullptr; }
    T& Hole(std::size_t i) {
      if (!nr_[i]) {
        eintraege_.emplace_back();
        nr_[i] = static_cast<std::uint32_t>(eintraege_.size());
      }
      return eintraege_[nr_[i] - 1];
    }
    std::vector<T>& Alle() { return eintraege_; }

   private:
    std::vector<std::uint32_t> nr_;  // for each place, 1 + its entry, or 0
    std::vector<T> eintraege_;
  };
  // What the segments of a point were drawn to: its list of connections as
  // it read then, and its partners, the stretch anzahl long from anfang in
  // partner_.
  struct Verbindungsstand {
    std::string liste;
    std::uint32_t anfang = 0;
    std::uint32_t anzahl = 0;
  };
  Stellenablage<Verbindungsstand> staende_;
  std::vector<FiguratT*> partner_;
  std::size_t partnerFrei_ = 0;  // the entries of partner_ that no stretch holds any more
  // Every stretch moved to the front of partner_ in the order of staende_.
  void PartnerVerdichten();
  // tue(p) for each partner p of the point g at place i, as far as a walk
  // ahead needs them: those kept when it was last drawn, else those its
  // names find now.
  template <class Tue>
  void JederPartner(std::size_t i, const FiguratT& g, Tue&& tue);
  // tue(p) for each figure p a name of the list of connections finds now.
  template <class Tue>
  void JedesGenannte(std::string_view liste, Tue&& tue);
  // The corner figures of a place, corner k at k − 1.
  using Eckstand = std::array<const FiguratT*, 4>;
  Stellenablage<Eckstand> ecken_;
  // The picture points of the points made in this walk, by their place
  // among Punktstellen; those of earlier walks count as free.
  struct Bildeintrag {
    std::uint64_t gang = 0;
    std::array<double, 4> xy;  // single view, shifted eye
  };
  std::vector<Bildeintrag> bilder_;
  std::uint64_t gang_ = 0;  // the walks so far
  // The place JedeStelle or JedenPunkt is at, KeineStelle outside their walks.
  static constexpr std::size_t KeineStelle = -1;
  std::size_t stelle_ = KeineStelle;
  // One walk: what is kept holds for the list as it stands, and the picture
  // points of earlier walks count as free.
  struct Gang {
    explicit Gang(Grafikteil& h) : h(h) {
      h.HalteBildstand();
      ++h.gang_;
      h.bilder_.resize(h.Punktstellen().size());
    }
    ~Gang() { h.stelle_ = KeineStelle; }
    Gang(const Gang&) = delete;
    Gang& operator=(const Gang&) = delete;
    Grafikteil& h;
  };
};
