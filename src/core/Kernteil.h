#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/Namensfolge.h"
#include "core/Namensindex.h"
#include "platform/Fenster.h"
#include "platform/Plattform.h"

class FiguratT;
class VektorT;

// The geometric core's part of the main window, the program-wide context: the
// figure list, the name lists, the pools and the numbers. Each subsystem's part
// derives from the one below it; the main window HauptF is the last of them.
class Kernteil : public plattform::Fenster {
 public:
  static constexpr const char* Klasse = "HauptF";
  // The main window as this part. Only HauptF::Instanz makes it, and the
  // program and every test make it so before anything else runs.
  // Every operation asks for it, so the window found is kept.
  static Kernteil& Instanz() {
    if (gefunden_ && gefunden_->Registriert()) return *gefunden_;
    if (plattform::Fenster* f = plattform::plattform().FindeFenster(Klasse)) {
      gefunden_ = static_cast<Kernteil*>(f);
      return *gefunden_;
    }
    throw std::logic_error("das Hauptfenster ist noch nicht gemacht");
  }

  Kernteil();
  ~Kernteil() override;

  // Properties.
  FiguratT* GListe = nullptr;  // head of the figure list
  std::string NListe;
  std::string PNListe;
  std::string ErwNListe;  // rows of the figure list box
  std::string oPNListe;
  std::string gNListe;
  std::array<bool, 501> VerbrauchteNr{};  // automatic numbers in use
  std::string DNListe;
  std::string EckNListe;
  std::string oEckNliste;
  std::string CR;  // the line separator, character 13
  int Dezimalen = 0;  // decimals of number output, 1 to 6
  FiguratT* GLager = nullptr;  // figure pool
  VektorT* VLager = nullptr;   // vector pool
  std::string gPNListe;
  std::string mSoEckNListe;

  // Numbers, tolerance and names (Zahlen.cpp).
  // The one tolerance of the program: |x| < 1e-7.
  static bool IstNull(double x);
  static int ggT(int a, int b);
  // x rounded to Dezimalen decimals, 0 for a value that passes IstNull.
  std::string z2s(double x) const;
  // A typed number: decimal comma or point, fractions 5/7, mixed numbers 7+1/5.
  static double myval(std::string_view text);
  // Whether typed numbers can be used. One that is not finite, an overflow
  // such as 400 nines, has no plain decimal to be written back as: it is
  // refused where it is typed, with this message.
  static bool Endlich(std::initializer_list<double> zahlen);
  static constexpr const char* ZuGrosseZahl = "Die eingegebene Zahl ist zu groß";
  static bool ErlaubterName(const std::string& name);
  // The one comparison of names, for order, equality and the "G_" prefix alike.
  static int VergleicheNamen(std::string_view a, std::string_view b);
  static std::string Kommafrei(const std::string& text);
  static void TeileBeimKomma(const std::string& text, std::string& first, std::string& rest);
  static void Filtern(std::string& text);
  static std::string Ausschnitt(const std::string& text, int a, int b);

  // Pools, arena and automatic numbers (Lager.cpp).
  void ErschaffeV(VektorT*& v);
  void ErschaffeG(FiguratT*& g);
  void AlleFiguratLoeschen();
  // GListe := the origin "O" at (0, 0, 0), not entered and not described;
  // the records of the list before go back to the pool.
  void ErzeugeUrsprung();
  int FreieNr();
  void BefreieNr(int n);
  // n for an automatic name "G_" + n, 0 for every other name.
  static int AutomatischeNummer(const std::string& name);

  // Figure list and name lists (Figuratliste.cpp).
  // g := the figure of the name; found := there is one. A const context only
  // reads the figure; one that changes it looks it up without const.
  void HoleFigurat(const std::string& name, const FiguratT*& g, bool& found) const;
  void HoleFigurat(const std::string& name, FiguratT*& g, bool& found);
  // The same, with found as the result.
  bool HoleFigurat(const std::string& name, const FiguratT*& g) const;
  bool HoleFigurat(const std::string& name, FiguratT*& g);
  int FiguratTypNr(const std::string& name) const;
  bool ExistiertFigurat(const std::string& name) const;
  void HoleVektor(int selector, const std::string& name, VektorT& v) const;
  // The index of a long list lies spread over memory: a lookup of the name
  // soon to come finds it at hand. For one further ahead, in two steps: the
  // slot of the name first, then, once that is at hand, the record it holds.
  void FiguratVorausholen(std::string_view name) const { figuratIndex_.Vorausholen(name); }
  void FiguratEintragVorausholen(std::string_view name) const {
    figuratIndex_.EintragVorausholen(name, [](const FiguratT* g) { __builtin_prefetch(g); });
  }
  void LoescheFigurat(const std::string& name);
  // A listed record becomes one of the type typ. Only through here, so that
  // the name lists and what a show or hide of all reached follow.
  void AendereTyp(FiguratT& g, int typ);
  // The first record the name lists hold: the head, or the one behind an anonymous head.
  FiguratT* ErstesFigurat() const;
  // Every record the name lists hold, in the order of the list, as the name
  // lists were built from it. Listenstand counts those builds: what is kept
  // for a place in this order holds while the count stays, as no figure came,
  // went or changed its type.
  const std::vector<FiguratT*>& Reihenfolge() {
    ErzeugeNamenListen();
    return folge_;
  }
  std::uint64_t Listenstand() const { return listenstand_; }
  // The places of Reihenfolge that hold a point, in its order.
  const std::vector<std::uint32_t>& Punktstellen() {
    ErzeugeNamenListen();
    return punktstellen_;
  }
  // The place of g among Punktstellen when the name lists stand as they were
  // built and hold g as a point; KeinPunkt otherwise.
  static constexpr std::size_t KeinPunkt = -1;
  std::size_t Punktnummer(const FiguratT& g) const;
  // The figures a show or hide of all reaches.
  enum class Figurenkreis { Alle, Punkte, OhneEbenen };
  // Shows or hides every figure of the kreis that the name lists hold now, in
  // one step however many there are: a command list may do it every few lines.
  void SetzeSichtbarkeit(Figurenkreis kreis, bool ja);
  // Cuts every connection of every point the name lists hold now, in one step.
  void TrenneAllePunkte();
  // The name lists as the figure list stands; rebuilt only when it changed
  // since they were last built, so that every caller may ask for them.
  void ErzeugeNamenListen();
  static std::string Typname(int code);
  void PPP2E(const VektorT& A, const VektorT& B, const VektorT& C, VektorT& n);

 protected:
  // tue(g, i) for the record g at each place i of the order as the name lists
  // were last built: along a long list each record comes from memory, so
  // the ones ahead are fetched while one is used. What tue does never enters
  // or deletes a figure.
  void JedesInFolge(const std::function<void(FiguratT&, std::size_t)>& tue);
  // A figure g is being entered into the list, not yet linked: the
  // descriptions write its one-line description.
  virtual void Eingelistet(FiguratT& g) = 0;

  // Every record ever made; lists and pools only point into these. Figure
  // records lie in blocks, one after the other as they were made, so that
  // a long list's records share their pages with no other data.
  std::vector<std::unique_ptr<VektorT>> vektorArena_;
  std::vector<std::unique_ptr<FiguratT[]>> figuratBloecke_;
  std::size_t figuratAnzahl_ = 0;

 private:
  // The main window Instanz found last; it counts while the platform holds it.
  static inline Kernteil* gefunden_ = nullptr;
  VektorT* NeuerVektor();
  FiguratT* NeuesFigurat();
  // Every record of the figure list into the pool, the list then empty.
  void FiguratlisteEinlagern();
  // The records behind the list head, without walking the list. Kept by
  // Einlisten, LoescheFigurat and the operations that start a new list.
  // In name order, for the place of a new figure and the walks;
  Namensfolge namensfolge_;
  // and hashed by name, for the lookups.
  struct Figurname {
    std::string_view operator()(const FiguratT* g) const { return g->name; }
  };
  Namensindex<FiguratT*, Figurname> figuratIndex_;
  // The records linked behind the head. More than namensfolge_ holds when a
  // record was linked under a name that another one without a type keeps.
  std::size_t verkettet_ = 0;
  // The clock of the stamps of visibility and connections, the last show or
  // hide of all of each kreis, and the last cut of all connections.
  struct Sammelsicht {
    std::uint64_t stand = 0;
    bool ja = false;
  };
  std::uint64_t uhr_ = 0;
  std::array<Sammelsicht, 3> sammelsicht_;
  std::uint64_t getrennt_ = 0;
  bool SichtbarkeitVon(const FiguratT& g) const;
  bool ImKreis(const FiguratT& g, Figurenkreis kreis) const;
  bool Gelistet(const FiguratT& g) const;
  // Empties g's connections when a cut of all came after they were last kept.
  void FrischeVerbindungen(const FiguratT& g);
  // g keeps its visibility and connections as they stand in its own fields:
  // before it enters or leaves the list or its head, or changes its type.
  void HalteFest(FiguratT& g);
  // The records as the name lists were last built from them, in the order of
  // the list: a walk along the links waits for one record after the other,
  // along these the next ones are fetched while one is used.
  std::vector<FiguratT*> folge_;
  std::vector<std::uint32_t> punktstellen_;
  std::uint64_t listenstand_ = 0;
  // folge_ := the records along the links from ErstesFigurat.
  void SammleFolge();
  // Whether the name lists and folge_ show the figure list as it stands; cleared by
  // whatever enters or removes a record or changes its type.
  bool namenlistenAktuell_ = false;
  // The lookup behind both HoleFigurat.
  FiguratT* FindeFigurat(const std::string& name, bool& found) const;
  friend class FiguratT;
};
