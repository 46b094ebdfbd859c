#include "platform/headless/HeadlessPlattform.h"

#include <algorithm>

namespace plattform::headless {

namespace {

class CanvasPeer : public ElementPeer {
 public:
  void Geaendert() override {}
  Zeichenflaeche* Grafik() override { return &flaeche; }
  AufzeichnendeZeichenflaeche flaeche;
};

class StillerPeer : public ElementPeer {
 public:
  void Geaendert() override {}
};

class FensterPeerOhneWidget : public FensterPeer {
 public:
  void Geaendert() override {}
  std::unique_ptr<ElementPeer> ErzeugeElement(Steuerelement& element) override {
    if (element.Typ() == Art::Canvas) return std::make_unique<CanvasPeer>();
    return std::make_unique<StillerPeer>();
  }
};

}  // namespace

void AufzeichnendeZeichenflaeche::Neu(Primitiv::Art art, int a, int b, int c, int d, std::string text) {
  aufzeichnung_.push_back({art, farbe_, stiftbreite_, textgroesse_, a, b, c, d, std::move(text)});
}

void AufzeichnendeZeichenflaeche::Linie(int x1, int y1, int x2, int y2) { Neu(Primitiv::Art::Linie, x1, y1, x2, y2); }

void AufzeichnendeZeichenflaeche::Oval(int links, int oben, int breite, int hoehe) {
  Neu(Primitiv::Art::Oval, links, oben, breite, hoehe);
}

void AufzeichnendeZeichenflaeche::Text(const std::string& text, int x, int y) { Neu(Primitiv::Art::Text, x, y, 0, 0, text); }

void AufzeichnendeZeichenflaeche::Loeschen() { Neu(Primitiv::Art::Loeschen, 0, 0, 0, 0); }

std::vector<Primitiv> AufzeichnendeZeichenflaeche::SeitLoeschen() const {
  auto letztes = std::find_if(aufzeichnung_.rbegin(), aufzeichnung_.rend(),
                              [](const Primitiv& p) { return p.art == Primitiv::Art::Loeschen; });
  return {letztes.base(), aufzeichnung_.end()};
}

void SkriptDialoge::MsgBox(const std::string& text) { gezeigt_.push_back({Box::Art::Ok, text}); }

int SkriptDialoge::NaechsteAntwort(int sonst) {
  if (antworten_.empty()) {
    ohneAntwort_ = true;
    return sonst;
  }
  int a = antworten_.front();
  antworten_.pop_front();
  return a;
}

int SkriptDialoge::FrageJaNeinAbbrechen(const std::string& text) {
  gezeigt_.push_back({Box::Art::JaNeinAbbrechen, text});
  return NaechsteAntwort(2);
}

int SkriptDialoge::FrageOkAbbrechen(const std::string& text) {
  gezeigt_.push_back({Box::Art::OkAbbrechen, text});
  return NaechsteAntwort(2);
}

std::optional<std::string> SkriptDialoge::NaechsteDatei() {
  if (dateien_.empty()) {
    ohneAntwort_ = true;
    return std::nullopt;
  }
  auto pfad = dateien_.front();
  dateien_.pop_front();
  return pfad;
}

std::optional<std::string> SkriptDialoge::DateiOeffnen() {
  gezeigt_.push_back({Box::Art::Oeffnen, ""});
  return NaechsteDatei();
}

std::optional<std::string> SkriptDialoge::DateiSpeichern(const std::string& vorschlag, const std::string&) {
  gezeigt_.push_back({Box::Art::Speichern, vorschlag});
  return NaechsteDatei();
}

std::vector<std::string> SkriptDialoge::NimmMeldungen() {
  std::vector<std::string> texte;
  for (const Box& b : gezeigt_)
    if (b.art != Box::Art::Oeffnen && b.art != Box::Art::Speichern) texte.push_back(b.text);
  gezeigt_.clear();
  return texte;
}

HeadlessPlattform::HeadlessPlattform() { SetzeDialoge(std::make_unique<SkriptDialoge>()); }

HeadlessPlattform::~HeadlessPlattform() { AllesAbbauen(); }

std::unique_ptr<FensterPeer> HeadlessPlattform::ErzeugeFensterPeer(Fenster&) {
  return std::make_unique<FensterPeerOhneWidget>();
}

AufzeichnendeZeichenflaeche& Aufzeichnung(Canvas& canvas) {
  return static_cast<AufzeichnendeZeichenflaeche&>(canvas.Graphics());
}

}  // namespace plattform::headless
