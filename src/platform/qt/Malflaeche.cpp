#include "platform/qt/Malflaeche.h"

#include <QTextLayout>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/qt/QtPeers.h"

namespace plattform::qt {

namespace {

// Longer labels are rare, and their glyphs would take much room: they are laid out each time.
constexpr std::size_t LaengsterGemerkterText = 64;

// The labels of the last picture are asked for so many places ahead of their use.
constexpr std::size_t Vorlauf = 8;

constexpr QRgb Weiss = 0xffffffff;
constexpr QRgb Schwarz = 0xff000000;

}  // namespace

std::optional<Stempel> Stempel::Lesen(const QImage& bild, QRect rahmen, QPoint punkt) {
  Stempel s;
  for (int y = rahmen.top(); y <= rahmen.bottom(); ++y) {
    const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
    const bool rand = y == rahmen.top() || y == rahmen.bottom();
    for (int x = rahmen.left(); x <= rahmen.right(); ++x) {
      if (zeile[x] == Weiss) continue;
      if (zeile[x] != Schwarz || rand || x == rahmen.left() || x == rahmen.right()) return std::nullopt;
      const int anfang = x;
      while (x < rahmen.right() && zeile[x + 1] == Schwarz) ++x;
      s.laeufe_.push_back({anfang - punkt.x(), y - punkt.y(), x + 1 - anfang});
    }
  }
  return s;
}

void Stempel::Setzen(uchar* pixel, qsizetype zeilenlaenge, QSize groesse, int x, int y, QRgb farbe) const {
  for (const Lauf& l : laeufe_) {
    const int zeile = y + l.y;
    if (zeile < 0 || zeile >= groesse.height()) continue;
    const int von = std::max(0, x + l.x);
    const int bis = std::min(groesse.width(), x + l.x + l.laenge);
    if (von >= bis) continue;
    auto* z = reinterpret_cast<QRgb*>(pixel + zeile * zeilenlaenge);
    std::fill(z + von, z + bis, farbe);
  }
}

bool Linienlauf::Eintragen(std::uint64_t linie) {
  if (2 * (belegt_ + 1) > plaetze_.size()) Wachsen();
  const std::size_t maske = plaetze_.size() - 1;
  // Fibonacci hashing spreads the packed coordinates over the table.
  for (std::size_t i = (linie * 0x9e3779b97f4a7c15u) >> 32 & maske;; i = (i + 1) & maske) {
    Platz& p = plaetze_[i];
    if (p.lauf != lauf_) {
      p = {linie, lauf_};
      ++belegt_;
      return false;
    }
    if (p.linie == linie) return true;
  }
}

void Linienlauf::Wachsen() {
  const std::vector<Platz> alt =
      std::exchange(plaetze_, std::vector<Platz>(std::max<std::size_t>(256, 2 * plaetze_.size())));
  belegt_ = 0;
  for (const Platz& p : alt)
    if (p.lauf == lauf_) Eintragen(p.linie);
}

Malflaeche::Malflaeche(QImage& bild, std::function<bool()> neuzeichnen)
    : bild_(bild), neuzeichnen_(std::move(neuzeichnen)) {}

void Malflaeche::SetzeFarbe(int rot, int gruen, int blau) {
  const QColor farbe(rot, gruen, blau);
  if (farbe == farbe_) return;
  farbe_ = farbe;
  stiftAlt_ = true;
  linien_.Neu();
}

void Malflaeche::SetzeStiftbreite(int breite) {
  if (breite == breite_) return;
  breite_ = breite;
  stiftAlt_ = true;
  linien_.Neu();
}

void Malflaeche::SetzeTextgroesse(int groesse) {
  const int pixel = groesse > 0 ? groesse : 12;
  if (pixel == schrift_.pixelSize()) return;
  schrift_.setPixelSize(pixel);
  schriftAlt_ = true;
  texte_.clear();
  gezeigt_ = 0;
  folge_.clear();
  vorige_.clear();
  naechste_ = 0;
}

void Malflaeche::Einrichten(QPainter& p, const QColor& farbe) const {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  QPen stift(farbe);
  stift.setWidth(breite_);
  p.setPen(stift);
  p.setBrush(Qt::NoBrush);
  p.setFont(schrift_);
}

void Malflaeche::Beginnen() {
  if (maler_.isActive()) return;
  maler_.begin(&bild_);
  pixel_ = bild_.bits();
  Einrichten(maler_, farbe_);
  stiftAlt_ = schriftAlt_ = false;
}

QPainter& Malflaeche::Maler() {
  Beginnen();
  if (stiftAlt_) {
    QPen stift(farbe_);
    stift.setWidth(breite_);
    maler_.setPen(stift);
    stiftAlt_ = false;
  }
  if (schriftAlt_) {
    maler_.setFont(schrift_);
    schriftAlt_ = false;
  }
  return maler_;
}

std::optional<Stempel> Malflaeche::Aufnehmen(QRect umriss, const std::function<void(QPainter&, QPoint)>& malen) {
  const QRect rahmen = umriss.normalized().adjusted(-1, -1, 1, 1);
  const QPoint punkt = -rahmen.topLeft();
  if (vorlage_.width() < rahmen.width() || vorlage_.height() < rahmen.height()) {
    if (vorlageMaler_.isActive()) vorlageMaler_.end();
    vorlage_ = QImage(rahmen.size().expandedTo(vorlage_.size()), bild_.format());
  }
  if (!vorlageMaler_.isActive()) vorlageMaler_.begin(&vorlage_);
  Einrichten(vorlageMaler_, Qt::black);
  for (int y = 0; y < rahmen.height(); ++y) {
    auto* zeile = reinterpret_cast<QRgb*>(vorlage_.scanLine(y));
    std::fill(zeile, zeile + rahmen.width(), Weiss);
  }
  malen(vorlageMaler_, punkt);
  return Stempel::Lesen(vorlage_, rahmen.translated(punkt), punkt);
}

void Malflaeche::Stempeln(const Stempel& s, int x, int y) {
  Beginnen();
  s.Setzen(pixel_, bild_.bytesPerLine(), bild_.size(), x, y, farbe_.rgb());
  Geaendert();
}

bool Malflaeche::SchonGezogen(int x1, int y1, int x2, int y2) {
  // Where the painter cuts a line at the picture's edge, the pixels depend on
  // the end it starts from; inside they do not.
  const int rand = std::max(breite_, 1) + 2;
  const QRect innen = QRect(QPoint(0, 0), bild_.size()).adjusted(rand, rand, -rand, -rand);
  if (!innen.contains(x1, y1) || !innen.contains(x2, y2) || bild_.width() > 0xffff || bild_.height() > 0xffff)
    return false;
  if (std::pair(x2, y2) < std::pair(x1, y1)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const std::uint64_t linie =
      std::uint64_t(x1) << 48 | std::uint64_t(y1) << 32 | std::uint64_t(x2) << 16 | std::uint64_t(y2);
  return linien_.Eintragen(linie);
}

void Malflaeche::Linie(int x1, int y1, int x2, int y2) {
  if (SchonGezogen(x1, y1, x2, y2)) return;
  Maler().drawLine(x1, y1, x2, y2);
  Geaendert();
}

const Stempel* Malflaeche::Ovalstempel(int breite, int hoehe) {
  // With a wider pen, Qt's stroker sets a small circle's pixels differently
  // from place to place.
  if (breite_ > 2) return nullptr;
  auto [platz, neu] = ovale_.try_emplace({breite, hoehe, breite_});
  if (neu) {
    const int rand = breite_ + 1;
    platz->second = Aufnehmen(QRect(QPoint(-rand, -rand), QPoint(breite + rand, hoehe + rand)),
                              [&](QPainter& p, QPoint q) { p.drawEllipse(q.x(), q.y(), breite, hoehe); });
  }
  return platz->second ? &*platz->second : nullptr;
}

const QList<QGlyphRun>* Malflaeche::Glyphen(const std::string& text) {
  if (text.size() > LaengsterGemerkterText) return nullptr;
  // The label expected next, or the one after it when a label of the last
  // picture was left out; else a label this picture draws anew.
  Glyphentabelle::value_type* eintrag = nullptr;
  for (std::size_t i = naechste_; !eintrag && i < std::min(naechste_ + 2, vorige_.size()); ++i)
    if (vorige_[i]->first == text) {
      eintrag = vorige_[i];
      naechste_ = i + 1;
    }
  if (naechste_ + Vorlauf < vorige_.size()) __builtin_prefetch(vorige_[naechste_ + Vorlauf]);
  bool neu = false;
  if (!eintrag) {
    auto [platz, eingetragen] = texte_.try_emplace(text);
    eintrag = &*platz;
    neu = eingetragen;
  }
  folge_.push_back(eintrag);
  Glyphenzeile& z = eintrag->second;
  if (z.bild != bilder_ || neu) ++gezeigt_;
  z.bild = bilder_;
  if (neu) {
    QTextLayout satz(Anzeigetext(text), schrift_, &bild_);
    QTextOption art;
    art.setTextDirection(maler_.layoutDirection());
    art.setWrapMode(QTextOption::NoWrap);
    satz.setTextOption(art);
    satz.beginLayout();
    const QTextLine zeile = satz.createLine();
    const bool eineZeile = !satz.createLine().isValid();
    satz.endLayout();
    // A line separator begins a new line of the layout, not of the painter.
    if (eineZeile) {
      z.glyphen = zeile.glyphRuns();
      // From the line's top left corner to its base line.
      for (QGlyphRun& lauf : *z.glyphen) {
        QList<QPointF> orte = lauf.positions();
        for (QPointF& ort : orte) ort.ry() -= zeile.ascent();
        lauf.setPositions(orte);
      }
    }
  }
  return z.glyphen ? &*z.glyphen : nullptr;
}

void Malflaeche::Oval(int links, int oben, int breite, int hoehe) {
  if (const Stempel* s = Ovalstempel(breite, hoehe)) {
    Stempeln(*s, links, oben);
    return;
  }
  Maler().drawEllipse(links, oben, breite, hoehe);
  Geaendert();
}

void Malflaeche::Text(const std::string& text, int x, int y) {
  // The glyphs' edges are blended with what lies beneath, even in the same
  // colour: a line drawn again after them might set some of its pixels anew.
  linien_.Neu();
  QPainter& p = Maler();
  if (const QList<QGlyphRun>* glyphen = Glyphen(text))
    for (const QGlyphRun& lauf : *glyphen) p.drawGlyphRun(QPointF(x, y), lauf);
  else
    p.drawText(x, y, Anzeigetext(text));
  Geaendert();
}

void Malflaeche::Loeschen() {
  Beenden();
  bild_.fill(Qt::white);
  if (gezeigt_ != texte_.size()) std::erase_if(texte_, [this](const auto& t) { return t.second.bild != bilder_; });
  ++bilder_;
  gezeigt_ = 0;
  std::swap(folge_, vorige_);
  folge_.clear();
  naechste_ = 0;
  Geaendert();
}

void Malflaeche::Beenden() {
  if (maler_.isActive()) maler_.end();
  linien_.Neu();
}

void Malflaeche::Geaendert() {
  if (!gemeldet_) gemeldet_ = neuzeichnen_();
}

}  // namespace plattform::qt
