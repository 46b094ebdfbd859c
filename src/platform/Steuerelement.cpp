#include "platform/Steuerelement.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Fenster.h"
#include "platform/Zeichenflaeche.h"

namespace plattform {

Steuerelement::Steuerelement(Art art, std::string name, Fenster& fenster)
    : art_(art), name_(std::move(name)), fenster_(fenster) {}

Steuerelement::~Steuerelement() = default;

void Steuerelement::Geaendert() {
  if (peer_) peer_->Geaendert();
}

void Steuerelement::SetzePeer(std::unique_ptr<ElementPeer> peer) { peer_ = std::move(peer); }

void Steuerelement::SetzeGeometrie(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Geaendert();
}

void Steuerelement::SetzeVisible(bool sichtbar) {
  if (visible_ == sichtbar) return;
  visible_ = sichtbar;
  Geaendert();
}

void Steuerelement::SetzeEnabled(bool aktiv) {
  if (enabled_ == aktiv) return;
  enabled_ = aktiv;
  Geaendert();
}

void Steuerelement::SetzeSchriftgroesse(int groesse) {
  schriftgroesse_ = groesse;
  Geaendert();
}

void Steuerelement::SetzeFett(bool fett) {
  fett_ = fett;
  Geaendert();
}

void Steuerelement::SetzeHintergrund(std::optional<Farbe> farbe) {
  hintergrund_ = farbe;
  Geaendert();
}

void Steuerelement::SetzeAusrichtung(Ausrichtung a) {
  ausrichtung_ = a;
  Geaendert();
}

void Steuerelement::Binde(const std::string& ereignis, Handler handler) {
  auto erlaubt = Ereignisse();
  if (std::find(erlaubt.begin(), erlaubt.end(), ereignis) == erlaubt.end())
    throw std::logic_error("Steuerelement " + name_ + " hat kein Ereignis " + ereignis);
  handler_[ereignis] = std::move(handler);
}

void Steuerelement::Anwenden(const Eigenschaften& e) {
  SetzeVisible(!e.versteckt);
  if (e.schriftgroesse) SetzeSchriftgroesse(e.schriftgroesse);
  if (e.fett) SetzeFett(true);
  if (e.hintergrund) SetzeHintergrund(e.hintergrund);
  SetzeAusrichtung(e.ausrichtung);
}

bool Steuerelement::HatHandler(const std::string& ereignis) const { return handler_.count(ereignis) > 0; }

bool Steuerelement::LoeseAus(const std::string& ereignis, const Ereignis& e) {
  auto it = handler_.find(ereignis);
  if (it == handler_.end()) return false;
  Handler& h = it->second;
  return fenster_.Sicher([&] { return h(e); });
}

// Edit field

void EditFeld::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  SetzeMultiLine(e.mehrzeilig);
  SetzeReadOnly(e.nurLesen);
  if (e.text) SetzeText(*e.text);
}

void EditFeld::SetzeText(std::string_view text) {
  if (text_ == text) return;
  if (!text.ends_with(std::string_view(text_).substr(text_.size() - gleichesEnde_))) gleichesEnde_ = 0;
  // A longer text gets an eighth more room than it needs, not twice the old:
  // the next line put in front still fits.
  if (text.size() > text_.capacity()) {
    std::string neu;
    neu.reserve(text.size() + text.size() / 8);
    text_ = std::move(neu);
  }
  text_.assign(text);
  Geaendert();
}

void EditFeld::SetzeReadOnly(bool nurLesen) {
  readOnly_ = nurLesen;
  Geaendert();
}

void EditFeld::SetzeMultiLine(bool mehrzeilig) {
  multiLine_ = mehrzeilig;
  Geaendert();
}

void EditFeld::SetFocus() { Besitzer().SetzeFokus(this); }

bool EditFeld::HatFokus() const { return Besitzer().Fokus() == this; }

void EditFeld::BenutzerSetztText(std::string text) {
  text_ = std::move(text);
  gleichesEnde_ = 0;
}

bool EditFeld::BenutzerTaste(const std::string& taste) {
  Ereignis e;
  e.taste = taste;
  return LoeseAus("KeyDown", e);
}

void EditFeld::BenutzerLaesstFallen(const std::string& text) {
  text_ = text;
  gleichesEnde_ = 0;
  Geaendert();
}

void EditFeld::BenutzerMausVerlaesst() { LoeseAus("MouseExit"); }

// Static text

void StatischerText::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  if (e.text) SetzeText(*e.text);
}

void StatischerText::SetzeText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  Geaendert();
}

// Rows in one text

std::string Zeilentext::Zeile(std::size_t i) const {
  const std::string_view text(text_);
  const std::size_t a = anfaenge_[i];
  return std::string(text.substr(a, text.find('\r', a) - a));
}

void Zeilentext::Setze(std::string_view text) {
  Schreibe(text.size(), [text](std::string& t) { t += text; });
}

void Zeilentext::Schreibe(std::size_t laenge, const std::function<void(std::string&)>& schreibe) {
  if (text_.capacity() < laenge || text_.capacity() / 2 > laenge) text_ = std::string();
  text_.clear();
  text_.reserve(laenge);
  schreibe(text_);
  anfaenge_.clear();
  Schneide(0);
}

void Zeilentext::Haenge(const std::function<void(std::string&)>& schreibe) {
  const std::size_t ab = text_.size();
  schreibe(text_);
  Schneide(ab);
}

void Zeilentext::EntferneZeile(std::size_t i,
                               const std::function<std::size_t(std::size_t, std::string_view, char*)>& neu) {
  std::size_t ziel = anfaenge_[i];
  for (std::size_t k = i + 1; k < anfaenge_.size(); ++k) {
    const std::size_t ende = k + 1 < anfaenge_.size() ? anfaenge_[k + 1] : text_.size();
    const std::string_view alt(text_.data() + anfaenge_[k], ende - anfaenge_[k]);
    anfaenge_[k - 1] = ziel;
    ziel += neu(k - 1, alt, text_.data() + ziel);
  }
  text_.resize(ziel);
  anfaenge_.pop_back();
}

void Zeilentext::Leeren() {
  text_ = std::string();
  anfaenge_ = {};
}

void Zeilentext::Schneide(std::size_t ab) {
  for (std::size_t a = ab; a < text_.size();) {
    anfaenge_.push_back(a);
    const std::size_t cr = text_.find('\r', a);
    a = cr == std::string::npos ? text_.size() : cr + 1;
  }
}

// List box

void ListBox::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  SetzeZeilenZiehbar(e.zeilenZiehbar);
}

void ListBox::SetzeInhalt(std::string_view text) {
  inhalt_.Setze(text);
  quelle_ = nullptr;
  anzahl_ = static_cast<Zeilennr>(inhalt_.Zeilen());
  listIndex_ = -1;
  Rolle(oberste_);
  Geaendert();
}

void ListBox::SetzeZeilen(Zeilennr anzahl, std::function<std::string(Zeilennr)> zeile) {
  inhalt_.Leeren();
  quelle_ = std::move(zeile);
  anzahl_ = std::max<Zeilennr>(anzahl, 0);
  listIndex_ = -1;
  Rolle(oberste_);
  Geaendert();
}

std::vector<std::string> ListBox::Zeilen() const {
  std::vector<std::string> alle;
  alle.reserve(static_cast<std::size_t>(anzahl_));
  for (Zeilennr i = 0; i < anzahl_; ++i) alle.push_back(Zeile(i));
  return alle;
}

std::string ListBox::Zeile(Zeilennr zeile) const {
  if (!IstZeile(zeile)) return {};
  return quelle_ ? quelle_(zeile) : inhalt_.Zeile(static_cast<std::size_t>(zeile));
}

void ListBox::SetzeListIndex(Zeilennr zeile) {
  listIndex_ = IstZeile(zeile) ? zeile : -1;
  Geaendert();
}

void ListBox::SetzeZeilenZiehbar(bool ziehbar) {
  ziehbar_ = ziehbar;
  Geaendert();
}

Zeilennr ListBox::ZeilenImBlick() const {
  if (imBlick_ > 0) return imBlick_;
  return std::max(1, Height() / 16);
}

// The first row in view, kept where the rows reach: the last row stands at
// the bottom at the farthest.
void ListBox::Rolle(Zeilennr oberste) {
  oberste_ = std::clamp<Zeilennr>(oberste, 0, std::max<Zeilennr>(anzahl_ - ZeilenImBlick(), 0));
}

void ListBox::ZeigeZeile(Zeilennr zeile) {
  if (!IstZeile(zeile)) return;
  zuZeigen_ = zeile;
  if (zeile < oberste_)
    Rolle(zeile);
  else if (zeile >= oberste_ + ZeilenImBlick())
    Rolle(zeile - ZeilenImBlick() + 1);
  Geaendert();
}

void ListBox::SetzeZeilenImBlick(Zeilennr anzahl) {
  anzahl = std::max<Zeilennr>(anzahl, 1);
  if (anzahl == imBlick_) return;
  imBlick_ = anzahl;
  Rolle(oberste_);
  if (IstZeile(zuZeigen_)) ZeigeZeile(zuZeigen_);
  Geaendert();
}

void ListBox::BenutzerWaehlt(Zeilennr zeile) {
  Zeilennr neu = IstZeile(zeile) ? zeile : -1;
  if (neu == listIndex_) return;
  listIndex_ = neu;
  LoeseAus("Change");
}

void ListBox::BenutzerDoppelklick(Zeilennr zeile) {
  BenutzerWaehlt(zeile);
  LoeseAus("DoubleClick");
}

std::optional<std::string> ListBox::BenutzerZiehtZeile(Zeilennr zeile) {
  if (!ziehbar_ || !IstZeile(zeile)) return std::nullopt;
  DragItem item;
  Ereignis e;
  e.drag = &item;
  e.zeile = zeile;
  if (!LoeseAus("DragRow", e)) return std::nullopt;
  return item.Text;
}

void ListBox::BenutzerRollt(Zeilennr oberste) {
  zuZeigen_ = -1;
  Rolle(oberste);
}

// Bevel button

void BevelButton::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  if (e.text) SetzeCaption(*e.text);
  if (e.kante) SetzeKante(*e.kante);
  SetzeNimmtFokus(e.nimmtFokus);
  SetzeBild(e.bild);
}

void BevelButton::SetzeCaption(std::string caption) {
  caption_ = std::move(caption);
  Geaendert();
}

void BevelButton::SetzeKante(Bevel b) {
  bevel_ = b;
  Geaendert();
}

void BevelButton::SetzeNimmtFokus(bool ja) {
  nimmtFokus_ = ja;
  Geaendert();
}

void BevelButton::SetzeBild(bool ja) {
  bild_ = ja;
  Geaendert();
}

void BevelButton::BenutzerKlickt() {
  if (Enabled()) LoeseAus("Action");
}

// Popup menu

void PopupMenu::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  SetzeEintraege(e.eintraege);
}

void PopupMenu::SetzeEintraege(std::vector<std::string> eintraege) {
  eintraege_ = std::move(eintraege);
  listIndex_ = eintraege_.empty() ? -1 : 0;
  Geaendert();
}

void PopupMenu::SetzeListIndex(int index) {
  listIndex_ = (index >= 0 && index < static_cast<int>(eintraege_.size())) ? index : -1;
  Geaendert();
}

void PopupMenu::BenutzerWaehlt(int index) {
  if (index < 0 || index >= static_cast<int>(eintraege_.size()) || index == listIndex_) return;
  listIndex_ = index;
  LoeseAus("Change");
}

// Canvas

Zeichenflaeche& Canvas::Graphics() {
  if (!Peer() || !Peer()->Grafik()) throw std::logic_error("Canvas " + Name() + " hat keine Zeichenfläche");
  return *Peer()->Grafik();
}

void Canvas::Refresh() {
  Zeichenflaeche& g = Graphics();
  g.Loeschen();
  Ereignis e;
  e.grafik = &g;
  LoeseAus("Paint", e);
}

// Check box

void CheckBox::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  if (e.text) SetzeCaption(*e.text);
  SetzeValue(e.angekreuzt);
}

void CheckBox::SetzeCaption(std::string caption) {
  caption_ = std::move(caption);
  Geaendert();
}

void CheckBox::SetzeValue(bool an) {
  if (wert_ == an) return;
  wert_ = an;
  Geaendert();
}

void CheckBox::BenutzerKlickt() {
  if (!Enabled()) return;
  wert_ = !wert_;
  Geaendert();
  LoeseAus("Action");
}

// Slider

void Slider::Anwenden(const Eigenschaften& e) {
  Steuerelement::Anwenden(e);
  SetzeBereich(e.minimum, e.maximum);
  SetzeSchritte(e.lineStep, e.pageStep);
  SetzeValue(e.wert);
}

void Slider::SetzeBereich(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  wert_ = std::clamp(wert_, minimum_, maximum_);
  Geaendert();
}

void Slider::SetzeValue(int wert) {
  wert_ = std::clamp(wert, minimum_, maximum_);
  Geaendert();
}

void Slider::SetzeSchritte(int lineStep, int pageStep) {
  lineStep_ = lineStep;
  pageStep_ = pageStep;
  Geaendert();
}

void Slider::BenutzerSchiebt(int wert) {
  int neu = std::clamp(wert, minimum_, maximum_);
  if (neu == wert_) return;
  wert_ = neu;
  Geaendert();
  LoeseAus("ValueChanged");
}

}  // namespace plattform
