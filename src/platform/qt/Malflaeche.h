#pragma once

// The drawing surface of a canvas on Qt: it paints straight into the
// canvas's persistent picture, without antialiasing.

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/Zeichenflaeche.h"

namespace plattform::qt {

// The pixels that one shape sets, relative to the point it is drawn at.
// Drawn without antialiasing at a whole pixel, a circle of a thin pen sets
// the same pixels wherever it lies, moved with it; setting them again costs
// far less than stroking the circle each time.
class Stempel {
 public:
  // The pixels of `bild` inside `rahmen` that are not white, relative to
  // `punkt`. None when one of them lies on the frame's edge, so that the
  // shape may reach beyond it, or is not black, so that it is not wholly set.
  static std::optional<Stempel> Lesen(const QImage& bild, QRect rahmen, QPoint punkt);
  // The pixels set to `farbe` in the picture of 32-bit pixels starting at
  // `pixel`, the shape's point at (x, y); those outside the picture are left out.
  void Setzen(uchar* pixel, qsizetype zeilenlaenge, QSize groesse, int x, int y, QRgb farbe) const;

 private:
  // A run of pixels in one row.
  struct Lauf {
    int x, y, laenge;
  };
  std::vector<Lauf> laeufe_;
};

// The lines drawn in the current run of one colour and pen, without a label
// between them. An open table
// whose entries of earlier runs count as free: a new run begins at once, and
// the table makes no allocation once it has grown to a picture's lines.
class Linienlauf {
 public:
  // Whether the line was entered in this run already; it is afterwards.
  bool Eintragen(std::uint64_t linie);
  // The next lines begin a new run.
  void Neu() {
    ++lauf_;
    belegt_ = 0;
  }

 private:
  struct Platz {
    std::uint64_t linie = 0;
    std::uint64_t lauf = 0;  // the run that entered it
  };
  void Wachsen();
  std::vector<Platz> plaetze_;  // a power of two of them, at most half taken
  std::uint64_t lauf_ = 1;
  std::size_t belegt_ = 0;
};

class Malflaeche : public Zeichenflaeche {
 public:
  // `neuzeichnen` asks the widget to show the picture again, and says
  // whether there was a widget to ask.
  Malflaeche(QImage& bild, std::function<bool()> neuzeichnen);
  ~Malflaeche() override { Beenden(); }
  void SetzeFarbe(int rot, int gruen, int blau) override;
  void SetzeStiftbreite(int breite) override;
  void SetzeTextgroesse(int groesse) override;
  void Linie(int x1, int y1, int x2, int y2) override;
  void Oval(int links, int oben, int breite, int hoehe) override;
  void Text(const std::string& text, int x, int y) override;
  void Loeschen() override;
  // Before the picture is replaced.
  void Beenden();
  // The widget has shown the picture; the next change asks it again.
  void Gezeigt() { gemeldet_ = false; }

 private:
  // The painter active on the picture; Maler also with the current pen and font.
  void Beginnen();
  QPainter& Maler();
  // A painter set up as this surface's, with the pen in `farbe`.
  void Einrichten(QPainter& p, const QColor& farbe) const;
  // What `malen` draws at a point; `umriss`, around the point, holds it.
  std::optional<Stempel> Aufnehmen(QRect umriss, const std::function<void(QPainter&, QPoint)>& malen);
  // The stamp of a circle with the current pen; none for one drawn each time.
  const Stempel* Ovalstempel(int breite, int hoehe);
  // A label's glyphs at the current size, placed from its base line's start:
  // the painter would shape the text each time. None for a label laid out each time.
  const QList<QGlyphRun>* Glyphen(const std::string& text);
  void Stempeln(const Stempel& s, int x, int y);
  // Whether the line lies where it was drawn already in this run of one
  // colour and pen without a label: drawing it again would set none of its
  // pixels anew. A connection between two points is drawn from both of them.
  bool SchonGezogen(int x1, int y1, int x2, int y2);
  void Geaendert();

  QImage& bild_;
  std::function<bool()> neuzeichnen_;
  bool gemeldet_ = false;
  QPainter maler_;
  uchar* pixel_ = nullptr;  // the memory the painter draws into
  // The pen and font; the painter gets them when it draws with them next.
  QColor farbe_ = Qt::black;
  int breite_ = 1;
  QFont schrift_;
  bool stiftAlt_ = false;
  bool schriftAlt_ = false;
  // The lines of this run of one colour and pen, since the picture was cleared.
  Linienlauf linien_;
  // Where the stamps are taken, with a painter of its own.
  QImage vorlage_;
  QPainter vorlageMaler_;
  // Circles by width, height and pen width; None: drawn each time.
  std::map<std::tuple<int, int, int>, std::optional<Stempel>> ovale_;
  // The glyphs of the labels at the current text size, with the picture
  // that last drew them: a label that a picture left out is forgotten when
  // that picture is cleared.
  struct Glyphenzeile {
    std::optional<QList<QGlyphRun>> glyphen;
    unsigned bild = 0;
  };
  using Glyphentabelle = std::unordered_map<std::string, Glyphenzeile>;
  Glyphentabelle texte_;
  unsigned bilder_ = 0;  // the pictures cleared so far
  std::size_t gezeigt_ = 0;  // the labels of texte_ this picture drew
  // The labels as this picture and the last one asked for them, in order. A
  // picture drawn again asks in the same order: its labels are found along
  // the last one's, one after the other, without a lookup in the table
  // spread over memory. Each of them is in the table, as the last picture drew it.
  std::vector<Glyphentabelle::value_type*> folge_;
  std::vector<Glyphentabelle::value_type*> vorige_;
  std::size_t naechste_ = 0;  // the place in vorige_ of the label expected next
};

}  // namespace plattform::qt
