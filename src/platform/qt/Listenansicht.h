#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QString>

#include "platform/Steuerelement.h"

class QStyleOptionViewItem;

namespace plattform::qt {

class QtPlattform;

// The widget of every list box. It asks the model only for the rows in view
// and keeps nothing per row, so that filling, scrolling and drawing cost the
// same for ten rows as for a billion. Its vertical scroll bar counts rows;
// beyond what an int holds, each of its steps stands for 2^n rows, while
// keys, the wheel and the scroll bar's arrows still move by single rows.
class Listenansicht : public QAbstractScrollArea {
 public:
  Listenansicht(QWidget* eltern, QtPlattform& p, ListBox& modell);

  // Takes the rows, the place and the selection from the model.
  void Abgleichen();

  // What the user sees.
  Zeilennr Anzahl() const { return anzahl_; }
  Zeilennr ErsteZeile() const { return oberste_; }
  Zeilennr ZeilenImBlick() const;      // rows wholly in view
  Zeilennr Gewaehlt() const { return gewaehlt_; }  // the highlighted row, -1: none
  QString Zeilentext(Zeilennr zeile) const;
  // Where the row is drawn, within the viewport; empty when out of view.
  QRect Zeilenrechteck(Zeilennr zeile) const;
  Zeilennr ZeileBei(QPoint punkt) const;  // -1: no row there
  // Scrolls as the user does, as little as needed to bring the row wholly into view.
  void ZeigeZeile(Zeilennr zeile);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Stil(QStyleOptionViewItem& o) const;
  int Zeilenhoehe() const;
  // Rows the viewport reaches into, the last perhaps in part.
  Zeilennr AngeschnitteneZeilen() const;
  Zeilennr WeitesteZeile() const;  // the first row in view at the farthest
  void Rollbalken();
  void RolltBalken(int wert);
  void BalkenAktion(int aktion);
  void Waehle(Zeilennr zeile);  // as the user: selects and shows the row
  void Ziehe(Zeilennr zeile);

  QtPlattform& plattform_;
  ListBox& modell_;
  Zeilennr anzahl_ = 0;
  Zeilennr oberste_ = 0;
  Zeilennr gewaehlt_ = -1;
  int hoehe_ = 1;    // of one row, in pixels
  int breite_ = 0;   // of the widest row that the viewport reaches
  int stufe_ = 0;    // one step of the vertical scroll bar is 2^stufe_ rows
  int rad_ = 0;      // wheel turns not yet worth a row
  Zeilennr gedrueckt_ = -1;  // the row under the pressed mouse button
  QPoint druckpunkt_;
};

}  // namespace plattform::qt
