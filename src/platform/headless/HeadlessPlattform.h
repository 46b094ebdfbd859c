#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Plattform.h"
#include "platform/Zeichenflaeche.h"

namespace plattform::headless {

// One drawing call, as the recording canvas keeps it.
struct Primitiv {
  enum class Art { Linie, Oval, Text, Loeschen };
  Art art;
  Farbe farbe;
  int stiftbreite = 1;
  int textgroesse = 0;
  int a = 0, b = 0, c = 0, d = 0;  // line: x1, y1, x2, y2; oval: left, top, width, height; text: x, y
  std::string text;
};

// A canvas that keeps every call in order, with the pen state it was made with.
class AufzeichnendeZeichenflaeche : public Zeichenflaeche {
 public:
  void SetzeFarbe(int rot, int gruen, int blau) override { farbe_ = {rot, gruen, blau}; }
  void SetzeStiftbreite(int breite) override { stiftbreite_ = breite; }
  void SetzeTextgroesse(int groesse) override { textgroesse_ = groesse; }
  void Linie(int x1, int y1, int x2, int y2) override;
  void Oval(int links, int oben, int breite, int hoehe) override;
  void Text(const std::string& text, int x, int y) override;
  void Loeschen() override;

  const std::vector<Primitiv>& Aufzeichnung() const { return aufzeichnung_; }
  // What has been drawn since the picture was last cleared.
  std::vector<Primitiv> SeitLoeschen() const;
  void Vergessen() { aufzeichnung_.clear(); }
  // As a new canvas: nothing recorded, and the pen that a new canvas has.
  void Zuruecksetzen() { *this = AufzeichnendeZeichenflaeche(); }

 private:
  void Neu(Primitiv::Art art, int a, int b, int c, int d, std::string text = {});
  Farbe farbe_;
  int stiftbreite_ = 1;
  int textgroesse_ = 0;
  std::vector<Primitiv> aufzeichnung_;
};

// Answers the modal dialogs from a script and keeps every box shown.
class SkriptDialoge : public Dialoge {
 public:
  struct Box {
    enum class Art { Ok, JaNeinAbbrechen, OkAbbrechen, Oeffnen, Speichern };
    Art art;
    std::string text;  // the message, or the proposed file name
  };

  void MsgBox(const std::string& text) override;
  int FrageJaNeinAbbrechen(const std::string& text) override;
  int FrageOkAbbrechen(const std::string& text) override;
  std::optional<std::string> DateiOeffnen() override;
  std::optional<std::string> DateiSpeichern(const std::string& vorschlag, const std::string& dateityp) override;

  // Answers in order: 1, 2, 6, 7 for the questions, a path or nothing for the file dialogs.
  void Antworte(int antwort) { antworten_.push_back(antwort); }
  void WaehleDatei(std::optional<std::string> pfad) { dateien_.push_back(std::move(pfad)); }

  const std::vector<Box>& Gezeigt() const { return gezeigt_; }
  // The texts of the message and question boxes shown since the last call;
  // every box shown so far, file dialogs included, is forgotten.
  std::vector<std::string> NimmMeldungen();
  // A question or file dialog that found no answer in the script.
  bool OhneAntwort() const { return ohneAntwort_; }
  bool AllesBeantwortet() const { return antworten_.empty() && dateien_.empty(); }

 private:
  int NaechsteAntwort(int sonst);
  std::optional<std::string> NaechsteDatei();
  std::vector<Box> gezeigt_;
  std::deque<int> antworten_;
  std::deque<std::optional<std::string>> dateien_;
  bool ohneAntwort_ = false;
};

// The platform in memory: controls keep their properties, canvases record,
// dialogs follow a script. There is no event loop; tests act as the user.
class HeadlessPlattform : public Plattform {
 public:
  HeadlessPlattform();
  ~HeadlessPlattform() override;

  SkriptDialoge& Skript() { return static_cast<SkriptDialoge&>(Dialogdienst()); }

  void SetzeZwischenablage(const std::string& text) override { zwischenablage_ = text; }
  std::string Zwischenablage() const override { return zwischenablage_; }
  void Beep() override { ++beeps_; }
  void Beenden() override { beendet_ = true; }
  bool ShiftGedrueckt() const override { return shift_; }
  int Run() override { return 0; }

  long Beeps() const { return beeps_; }
  bool Beendet() const { return beendet_; }
  void SetzeShift(bool gedrueckt) { shift_ = gedrueckt; }

 protected:
  std::unique_ptr<FensterPeer> ErzeugeFensterPeer(Fenster& f) override;

 private:
  std::string zwischenablage_;
  long beeps_ = 0;  // wide enough for a night of fuzzing
  bool beendet_ = false;
  bool shift_ = false;
};

// The recording canvas of a canvas control on this backend.
AufzeichnendeZeichenflaeche& Aufzeichnung(Canvas& canvas);

}  // namespace plattform::headless
