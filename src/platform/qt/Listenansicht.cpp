#include "platform/qt/Listenansicht.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QWheelEvent>
#include <algorithm>

#include "platform/qt/QtPeers.h"
#include "platform/qt/QtPlattform.h"

namespace plattform::qt {

namespace {

// The largest range the vertical scroll bar is given; Qt's styles add the
// page step to it in int arithmetic.
constexpr Zeilennr Balkengrenze = Zeilennr{1} << 30;

}  // namespace

Listenansicht::Listenansicht(QWidget* eltern, QtPlattform& p, ListBox& modell)
    : QAbstractScrollArea(eltern), plattform_(p), modell_(modell) {
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int wert) { RolltBalken(wert); });
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this](int aktion) { BalkenAktion(aktion); });
  hoehe_ = Zeilenhoehe();
}

void Listenansicht::Stil(QStyleOptionViewItem& o) const {
  o.initFrom(this);
  // Focus and pointer belong to one row, not to all of them.
  o.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
  o.font = font();
  o.fontMetrics = fontMetrics();
  o.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  o.features = QStyleOptionViewItem::HasDisplay;
  o.textElideMode = Qt::ElideRight;
  o.viewItemPosition = QStyleOptionViewItem::OnlyOne;
  o.showDecorationSelected = style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
  o.widget = this;
}

int Listenansicht::Zeilenhoehe() const {
  QStyleOptionViewItem o;
  Stil(o);
  o.text = QStringLiteral("Ag");
  return std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), this).height());
}

Zeilennr Listenansicht::ZeilenImBlick() const { return std::max(1, viewport()->height() / hoehe_); }

Zeilennr Listenansicht::AngeschnitteneZeilen() const { return (viewport()->height() + hoehe_ - 1) / hoehe_; }

Zeilennr Listenansicht::WeitesteZeile() const { return std::max<Zeilennr>(anzahl_ - ZeilenImBlick(), 0); }

QString Listenansicht::Zeilentext(Zeilennr zeile) const { return Anzeigetext(modell_.Zeile(zeile)); }

QRect Listenansicht::Zeilenrechteck(Zeilennr zeile) const {
  if (zeile < oberste_ || zeile >= std::min(anzahl_, oberste_ + AngeschnitteneZeilen())) return {};
  const QRect r(0, static_cast<int>(zeile - oberste_) * hoehe_, viewport()->width(), hoehe_);
  return r.intersected(viewport()->rect());
}

Zeilennr Listenansicht::ZeileBei(QPoint punkt) const {
  if (!viewport()->rect().contains(punkt)) return -1;
  const Zeilennr zeile = oberste_ + punkt.y() / hoehe_;
  return zeile < anzahl_ ? zeile : -1;
}

void Listenansicht::Abgleichen() {
  hoehe_ = Zeilenhoehe();
  modell_.SetzeZeilenImBlick(ZeilenImBlick());
  anzahl_ = modell_.ListCount();
  oberste_ = std::clamp<Zeilennr>(modell_.ObersteZeile(), 0, WeitesteZeile());
  gewaehlt_ = modell_.ListIndex();
  // The widest of the rows that the viewport reaches even without the
  // horizontal scroll bar, so that showing the bar does not change it.
  const int unten = viewport()->height() + (horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0);
  const Zeilennr bis = std::min(anzahl_, oberste_ + (unten + hoehe_ - 1) / hoehe_);
  breite_ = 0;
  for (Zeilennr z = oberste_; z < bis; ++z) {
    QStyleOptionViewItem o;
    Stil(o);
    o.text = Zeilentext(z);
    breite_ = std::max(breite_, style()->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), this).width());
  }
  Rollbalken();
  viewport()->update();
}

void Listenansicht::Rollbalken() {
  const Zeilennr weitest = WeitesteZeile();
  stufe_ = 0;
  while ((weitest >> stufe_) > Balkengrenze) ++stufe_;
  QScrollBar* v = verticalScrollBar();
  {
    QSignalBlocker still(v);
    v->setRange(0, static_cast<int>(weitest >> stufe_));
    v->setPageStep(static_cast<int>(std::max<Zeilennr>(ZeilenImBlick() >> stufe_, 1)));
    v->setSingleStep(1);
    v->setValue(static_cast<int>(oberste_ >> stufe_));
  }
  QScrollBar* h = horizontalScrollBar();
  h->setRange(0, std::max(0, breite_ - viewport()->width()));
  h->setPageStep(viewport()->width());
  h->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 3));
}

// The thumb dragged, or a value set by a style.
void Listenansicht::RolltBalken(int wert) {
  if (wert == static_cast<int>(oberste_ >> stufe_)) return;
  const QScrollBar* v = verticalScrollBar();
  modell_.BenutzerRollt(wert >= v->maximum() ? WeitesteZeile() : Zeilennr{wert} << stufe_);
  Abgleichen();
}

// The arrows, the page clicks and the ends move by rows, however many rows
// a step of the bar stands for.
void Listenansicht::BalkenAktion(int aktion) {
  Zeilennr ziel;
  switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd: ziel = oberste_ + 1; break;
    case QAbstractSlider::SliderSingleStepSub: ziel = oberste_ - 1; break;
    case QAbstractSlider::SliderPageStepAdd: ziel = oberste_ + ZeilenImBlick(); break;
    case QAbstractSlider::SliderPageStepSub: ziel = oberste_ - ZeilenImBlick(); break;
    case QAbstractSlider::SliderToMinimum: ziel = 0; break;
    case QAbstractSlider::SliderToMaximum: ziel = WeitesteZeile(); break;
    default: return;
  }
  modell_.BenutzerRollt(ziel);
  // Sets the bar's position too, which the bar then takes as its value.
  Abgleichen();
}

void Listenansicht::ZeigeZeile(Zeilennr zeile) {
  modell_.ZeigeZeile(zeile);
  Abgleichen();
}

void Listenansicht::paintEvent(QPaintEvent*) {
  QPainter maler(viewport());
  const int links = -horizontalScrollBar()->value();
  const int breite = std::max(viewport()->width() - links, breite_);
  const Zeilennr bis = std::min(anzahl_, oberste_ + AngeschnitteneZeilen());
  for (Zeilennr z = oberste_; z < bis; ++z) {
    QStyleOptionViewItem o;
    Stil(o);
    o.rect = QRect(links, static_cast<int>(z - oberste_) * hoehe_, breite, hoehe_);
    o.text = Zeilentext(z);
    if (z == gewaehlt_) {
      o.state |= QStyle::State_Selected;
      if (hasFocus()) o.state |= QStyle::State_HasFocus;
    }
    style()->drawControl(QStyle::CE_ItemViewItem, &o, &maler, this);
  }
}

void Listenansicht::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  Abgleichen();
}

void Listenansicht::changeEvent(QEvent* e) {
  QAbstractScrollArea::changeEvent(e);
  if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) Abgleichen();
}

// The selection changes colour with the focus; no row is chosen by it.
void Listenansicht::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void Listenansicht::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}

void Listenansicht::Waehle(Zeilennr zeile) {
  modell_.BenutzerWaehlt(zeile);
  ZeigeZeile(zeile);
  plattform_.Abgleichen();
}

void Listenansicht::mousePressEvent(QMouseEvent* e) {
  druckpunkt_ = e->position().toPoint();
  gedrueckt_ = ZeileBei(druckpunkt_);
  if (gedrueckt_ >= 0) Waehle(gedrueckt_);
}

void Listenansicht::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton) || gedrueckt_ < 0) return;
  const QPoint punkt = e->position().toPoint();
  if (modell_.ZeilenZiehbar()) {
    if ((punkt - druckpunkt_).manhattanLength() >= QApplication::startDragDistance()) Ziehe(gedrueckt_);
  } else if (const Zeilennr zeile = ZeileBei(punkt); zeile >= 0 && zeile != gewaehlt_) {
    // Without dragging, the selection follows the pressed pointer.
    Waehle(zeile);
  }
}

void Listenansicht::mouseReleaseEvent(QMouseEvent*) { gedrueckt_ = -1; }

void Listenansicht::mouseDoubleClickEvent(QMouseEvent* e) {
  const Zeilennr zeile = ZeileBei(e->position().toPoint());
  if (zeile < 0) return;
  modell_.BenutzerDoppelklick(zeile);
  plattform_.Abgleichen();
}

void Listenansicht::Ziehe(Zeilennr zeile) {
  gedrueckt_ = -1;
  auto text = modell_.BenutzerZiehtZeile(zeile);
  plattform_.Abgleichen();
  if (!text) return;
  auto* daten = new QMimeData;
  daten->setText(ZuQt(*text));
  auto* drag = new QDrag(this);
  drag->setMimeData(daten);
  drag->exec(Qt::CopyAction);
}

void Listenansicht::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (e->angleDelta().x() != 0 && e->angleDelta().y() == 0) {
    QApplication::sendEvent(horizontalScrollBar(), e);
    return;
  }
  // A wheel notch is 120; touchpads send less at a time.
  rad_ += e->angleDelta().y();
  const int rasten = rad_ / 120;
  if (rasten == 0) return;
  rad_ -= rasten * 120;
  modell_.BenutzerRollt(oberste_ - Zeilennr{rasten} * QApplication::wheelScrollLines());
  Abgleichen();
}

void Listenansicht::keyPressEvent(QKeyEvent* e) {
  // Without a selection, a key starts from the first row in view.
  const Zeilennr von = gewaehlt_ >= 0 ? gewaehlt_ : oberste_;
  const bool neu = gewaehlt_ < 0;
  Zeilennr ziel;
  switch (e->key()) {
    case Qt::Key_Up: ziel = neu ? von : von - 1; break;
    case Qt::Key_Down: ziel = neu ? von : von + 1; break;
    case Qt::Key_PageUp: ziel = von - ZeilenImBlick(); break;
    case Qt::Key_PageDown: ziel = von + ZeilenImBlick(); break;
    case Qt::Key_Home: ziel = 0; break;
    case Qt::Key_End: ziel = anzahl_ - 1; break;
    default: QAbstractScrollArea::keyPressEvent(e); return;
  }
  e->accept();
  if (anzahl_ == 0) return;
  Waehle(std::clamp<Zeilennr>(ziel, 0, anzahl_ - 1));
}

}  // namespace plattform::qt
