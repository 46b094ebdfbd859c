#include "platform/qt/QtPeers.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>
#include <algorithm>
#include <limits>

#include "platform/Menue.h"

namespace plattform::qt {

std::size_t Zeichengrenze(std::string_view text, std::size_t laenge) {
  if (laenge >= text.size()) return text.size();
  while (laenge > 0 && (static_cast<unsigned char>(text[laenge]) & 0xC0) == 0x80) --laenge;
  return laenge;
}

QString ZuQt(std::string_view text) {
  QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  t.replace('\r', '\n');
  return t;
}

QString Anzeigetext(std::string_view text) {
  // The next CR and LF from where a line starts; each is searched for again
  // only once it lies behind, so that a pass over the text stays linear.
  std::size_t cr = text.find('\r'), lf = text.find('\n');
  auto zeilenende = [text, &cr, &lf](std::size_t anfang) {
    if (cr < anfang) cr = text.find('\r', anfang);
    if (lf < anfang) lf = text.find('\n', anfang);
    return std::min({cr, lf, text.size()});
  };
  bool lang = false;
  for (std::size_t anfang = 0; !lang && anfang <= text.size();) {
    const std::size_t ende = zeilenende(anfang);
    lang = ende - anfang > LaengsteZeile;
    anfang = ende + 1;
  }
  // Most texts go over in one piece.
  if (!lang) return ZuQt(text);
  QString t;
  cr = text.find('\r');
  lf = text.find('\n');
  for (std::size_t anfang = 0;;) {
    const std::size_t ende = zeilenende(anfang);
    const std::string_view zeile = text.substr(anfang, ende - anfang);
    if (zeile.size() > LaengsteZeile) {
      t += ZuQt(zeile.substr(0, Zeichengrenze(zeile, LaengsteZeile)));
      t += QChar(0x2026);
    } else {
      t += ZuQt(zeile);
    }
    if (ende == text.size()) return t;
    t += QChar('\n');
    anfang = ende + 1;
  }
}

QString Lesetext(std::string_view text, qsizetype& umbrueche) {
  QString t = Anzeigetext(text);
  // The last line break of the whole text ends a paragraph.
  QChar* zeichen = t.data();
  for (qsizetype i = t.size(); i-- > 0;)
    if (zeichen[i] == u'\n' && umbrueche++ % AbsatzZeilen != 0) zeichen[i] = QChar::LineSeparator;
  return t;
}

std::string VonQt(const QString& text) {
  QString t = text;
  t.replace('\n', '\r');
  return t.toStdString();
}

// The main window of one model window; its content widget has the model's
// size, inside a scroll area for a screen that is too small for it.
class FensterWidget : public QMainWindow {
 public:
  FensterWidget(QtPlattform& p, QtFensterPeer& peer) : plattform_(p), peer_(peer) {}

 protected:
  void closeEvent(QCloseEvent* e) override {
    Fenster& f = peer_.Modell();
    if (f.Layout().schliessfeld) {
      e->accept();
      plattform_.BenutzerSchliesst(f);
      return;
    }
    // A window without a close box stays, whatever the window manager sends;
    // the window may take the request as its own.
    e->ignore();
    plattform_.BenutzerSchliesst(f);
    plattform_.Abgleichen();
  }
  void moveEvent(QMoveEvent* e) override {
    QMainWindow::moveEvent(e);
    peer_.RahmenPruefen();
  }
  void resizeEvent(QResizeEvent* e) override {
    QMainWindow::resizeEvent(e);
    peer_.RahmenPruefen();
  }

 private:
  QtPlattform& plattform_;
  QtFensterPeer& peer_;
};

QtFensterPeer::QtFensterPeer(QtPlattform& p, Fenster& f) : plattform_(p), fenster_(f) {
  widget_ = new FensterWidget(p, *this);
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
  widget_->setObjectName(QString::fromStdString(f.Klassenname()));
  rollbereich_ = new QScrollArea(widget_);
  rollbereich_->setFrameShape(QFrame::NoFrame);
  rollbereich_->setFocusPolicy(Qt::NoFocus);
  rollbereich_->viewport()->setMouseTracking(true);
  inhalt_ = new QWidget;
  inhalt_->setMouseTracking(true);
  rollbereich_->setWidget(inhalt_);
  widget_->setCentralWidget(rollbereich_);
  widget_->setMouseTracking(true);
  plattform_.Melde(widget_, this);
  plattform_.Melde(inhalt_, this);
}

QtFensterPeer::~QtFensterPeer() {
  plattform_.Vergessen(this);
  if (widget_) {
    plattform_.Abmelden(inhalt_);
    plattform_.Abmelden(widget_);
    widget_->hide();
    // This may run inside the widget's own close event.
    widget_->deleteLater();
  }
}

QMainWindow* QtFensterPeer::Widget() const { return widget_.data(); }

std::unique_ptr<ElementPeer> QtFensterPeer::ErzeugeElement(Steuerelement& element) {
  return Elementpeer(plattform_, *this, element);
}

namespace {

Qt::WindowFlags Fensterflags(const Fensterlayout& l) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (l.minimierfeld) flags |= Qt::WindowMinimizeButtonHint;
  if (l.maximierfeld) flags |= Qt::WindowMaximizeButtonHint;
  if (l.schliessfeld) flags |= Qt::WindowCloseButtonHint;
  return flags;
}

}  // namespace

void QtFensterPeer::Abgleichen() {
  if (!widget_) return;
  // Each property only when the model changed it: Qt adds flags of its own, and
  // setting the flags again would unmap a shown window and take its focus away.
  const Fensterlayout& l = fenster_.Layout();
  const Fensterlayout* vorher = angewandt_ ? &*angewandt_ : nullptr;
  if (!vorher || Fensterflags(l) != Fensterflags(*vorher)) widget_->setWindowFlags(Fensterflags(l));
  if (!vorher || l.titel != vorher->titel) widget_->setWindowTitle(ZuQt(l.titel));
  if (!vorher || l.breite != vorher->breite || l.hoehe != vorher->hoehe) inhalt_->setFixedSize(l.breite, l.hoehe);
  if (l.hintergrund && (!vorher || l.hintergrund != vorher->hintergrund)) {
    QPalette pal = inhalt_->palette();
    pal.setColor(QPalette::Window, QColor(l.hintergrund->rot, l.hintergrund->gruen, l.hintergrund->blau));
    inhalt_->setPalette(pal);
    inhalt_->setAutoFillBackground(true);
  }
  angewandt_ = l;
  if (!menueEingerichtet_ && l.menueleisteSichtbar) {
    if (MenuBar* leiste = plattform_.MenueleisteVon(fenster_)) {
      auto* bar = new QMenuBar(widget_);
      bar->setNativeMenuBar(false);
      for (const auto& menue : leiste->Kinder()) bar->addMenu(plattform_.Menue(*menue));
      widget_->setMenuBar(bar);
      menueEingerichtet_ = true;
    }
  }
  if (fenster_.Visible() != widget_->isVisible()) {
    if (fenster_.Visible() && !platziert_) Platzieren();
    widget_->setVisible(fenster_.Visible());
  }
  // Only a focus the program asked for since the last time: the user's own
  // clicks move the focus in between.
  if (Steuerelement* fokus = fenster_.Fokus(); fokus && fokusAngewandt_ != fenster_.FokusAnforderungen()) {
    fokusAngewandt_ = fenster_.FokusAnforderungen();
    if (auto* peer = dynamic_cast<QtElementPeer*>(fokus->Peer()); peer && peer->Widget()) {
      peer->Widget()->setFocus(Qt::OtherFocusReason);
    }
  }
}

QMargins QtFensterPeer::Rahmen() const {
  // Known once the window manager has framed the window; before that, the
  // frame of another window of ours that is framed already.
  if (widget_->isVisible() && widget_->windowHandle()) return widget_->windowHandle()->frameMargins();
  for (Fenster* f : plattform_.AlleFenster())
    if (auto* peer = dynamic_cast<QtFensterPeer*>(f->Peer()); peer && peer != this && peer->Widget() &&
                                                               peer->Widget()->isVisible() && peer->Widget()->windowHandle())
      return peer->Widget()->windowHandle()->frameMargins();
  return {};
}

void QtFensterPeer::Einpassen() {
  // The content keeps the window's size; a window that with its frame would
  // be larger than the screen's free area shows it with scroll bars.
  const Fensterlayout& l = fenster_.Layout();
  rahmen_ = Rahmen();
  const int leiste = widget_->menuWidget() ? widget_->menuWidget()->sizeHint().height() : 0;
  const QSize frei = widget_->screen()->availableGeometry().size().shrunkBy(rahmen_);
  widget_->setFixedSize(QSize(l.breite, l.hoehe + leiste).boundedTo(frei));
}

void QtFensterPeer::Platzieren() {
  // Inside the free area of the screen, where the window covers the least of
  // the windows shown already: beside them where there is room, at the top
  // left where several places are equally good.
  Einpassen();
  platziert_ = true;
  const QRect frei = widget_->screen()->availableGeometry();
  const QSize aussen = widget_->size().grownBy(rahmen_);
  std::vector<QRect> andere;
  for (Fenster* f : plattform_.AlleFenster())
    if (auto* peer = dynamic_cast<QtFensterPeer*>(f->Peer()); peer && peer != this && peer->Widget() &&
                                                               peer->Widget()->isVisible())
      andere.push_back(peer->Widget()->frameGeometry());
  std::vector<int> xs = {frei.left(), frei.right() + 1 - aussen.width()};
  std::vector<int> ys = {frei.top(), frei.bottom() + 1 - aussen.height()};
  for (const QRect& r : andere) {
    xs.insert(xs.end(), {r.right() + 1, r.left() - aussen.width()});
    ys.insert(ys.end(), {r.bottom() + 1, r.top() - aussen.height()});
  }
  std::sort(xs.begin(), xs.end());
  std::sort(ys.begin(), ys.end());
  QPoint bester = frei.topLeft();
  long long wenigste = std::numeric_limits<long long>::max();
  for (int y : ys)
    for (int x : xs) {
      const QRect platz(QPoint(x, y), aussen);
      if (!frei.contains(platz)) continue;
      long long bedeckt = 0;
      for (const QRect& r : andere) {
        const QRect schnitt = platz & r;
        bedeckt += static_cast<long long>(schnitt.width()) * schnitt.height();
      }
      if (bedeckt < wenigste) {
        wenigste = bedeckt;
        bester = platz.topLeft();
      }
    }
  widget_->move(bester);
}

void QtFensterPeer::RahmenPruefen() {
  if (!platziert_ || !widget_ || !widget_->isVisible() || Rahmen() == rahmen_) return;
  // Fitted again with the frame the window manager gave, and kept inside the free area.
  Einpassen();
  const QRect frei = widget_->screen()->availableGeometry();
  const QRect aussen = widget_->frameGeometry();
  const QPoint ort(std::clamp(aussen.left(), frei.left(), std::max(frei.left(), frei.right() + 1 - aussen.width())),
                   std::clamp(aussen.top(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - aussen.height())));
  if (ort != aussen.topLeft()) widget_->move(ort);
}

void QtFensterPeer::Ordnen() {
  struct Platz {
    QWidget* widget;
    int links, oben, hoehe;
  };
  std::vector<Platz> fokus;
  for (const auto& s : fenster_.Elemente()) {
    auto* peer = dynamic_cast<QtElementPeer*>(s->Peer());
    QWidget* w = peer ? peer->Widget() : nullptr;
    if (!w) continue;
    // Back to front in table order.
    w->raise();
    if (w->focusPolicy() & Qt::TabFocus) fokus.push_back({w, s->Left(), s->Top(), s->Height()});
  }
  // Tab goes top to bottom, and left to right within a row: the topmost
  // control and every control that begins above its middle.
  std::stable_sort(fokus.begin(), fokus.end(),
                   [](const Platz& a, const Platz& b) { return std::pair(a.oben, a.links) < std::pair(b.oben, b.links); });
  for (auto anfang = fokus.begin(); anfang != fokus.end();) {
    const int mitte = anfang->oben + anfang->hoehe / 2;
    auto ende = std::find_if(anfang + 1, fokus.end(), [mitte](const Platz& p) { return p.oben >= mitte; });
    std::stable_sort(anfang, ende,
                     [](const Platz& a, const Platz& b) { return std::pair(a.links, a.oben) < std::pair(b.links, b.oben); });
    anfang = ende;
  }
  for (std::size_t i = 1; i < fokus.size(); ++i) QWidget::setTabOrder(fokus[i - 1].widget, fokus[i].widget);
  Abruecken();
}

void QtFensterPeer::Abruecken() {
  // A static text whose place begins where another control ends (or just
  // under its end) begins its text a few pixels later; likewise at its end.
  constexpr int Abstand = 3;
  for (const auto& s : fenster_.Elemente()) {
    auto* peer = dynamic_cast<QtElementPeer*>(s->Peer());
    auto* l = peer ? qobject_cast<QLabel*>(peer->Widget()) : nullptr;
    if (!l) continue;
    const int links = s->Left(), rechts = s->Left() + s->Width();
    int vorn = 0, hinten = 0;
    for (const auto& n : fenster_.Elemente()) {
      if (n.get() == s.get() || n->Typ() == Art::StatischerText || n->Top() >= s->Top() + s->Height() ||
          n->Top() + n->Height() <= s->Top())
        continue;
      const int nLinks = n->Left(), nRechts = n->Left() + n->Width();
      if (nLinks < links && nRechts > links - Abstand && nRechts <= links + Abstand)
        vorn = std::max(vorn, nRechts + Abstand - links);
      if (nRechts > rechts && nLinks < rechts + Abstand && nLinks >= rechts - Abstand)
        hinten = std::max(hinten, rechts + Abstand - nLinks);
    }
    l->setContentsMargins(std::min(vorn, s->Width() / 2), 0, std::min(hinten, s->Width() / 2), 0);
  }
}

QtElementPeer::QtElementPeer(QtPlattform& p, QtFensterPeer& f, Steuerelement& s)
    : plattform_(p), fensterPeer_(f), element_(s) {}

QtElementPeer::~QtElementPeer() {
  plattform_.Vergessen(this);
  if (!widget_) return;
  widget_->disconnect(&kontext_);
  plattform_.Abmelden(widget_);
  // Hiding the focused widget would hand the focus on to a sibling, and a
  // list taking it reports a chosen row to a window being taken down.
  if (widget_->hasFocus()) widget_->clearFocus();
  widget_->hide();
  widget_->deleteLater();
}

void QtElementPeer::Anlegen() {
  QWidget* w = WidgetAnlegen(fensterPeer_.Inhalt());
  w->setObjectName(QString::fromStdString(element_.Name()));
  w->setMouseTracking(true);
  widget_ = w;
  plattform_.Melde(w, this);
  plattform_.Umordnen(&fensterPeer_);
}

void QtElementPeer::Gemeinsames() {
  QWidget* w = widget_;
  const QRect platz(element_.Left(), element_.Top(), element_.Width(), element_.Height());
  if (w->geometry() != platz) {
    w->setGeometry(platz);
    plattform_.Umordnen(&fensterPeer_);
  }
  w->setEnabled(element_.Enabled());
  QFont schrift = w->font();
  if (element_.Schriftgroesse() > 0) schrift.setPixelSize(element_.Schriftgroesse());
  schrift.setBold(element_.Fett());
  w->setFont(schrift);
  if (const auto& h = element_.Hintergrund()) {
    QPalette pal = w->palette();
    QColor farbe(h->rot, h->gruen, h->blau);
    pal.setColor(QPalette::Base, farbe);
    pal.setColor(QPalette::Window, farbe);
    pal.setColor(QPalette::Button, farbe);
    w->setPalette(pal);
  }
  if (w->isVisibleTo(w->parentWidget()) != element_.Visible()) w->setVisible(element_.Visible());
}

void QtElementPeer::Abgleichen() {
  if (!fensterPeer_.Inhalt()) return;
  if (widget_ && Veraltet()) {
    plattform_.Abmelden(widget_);
    delete widget_.data();
  }
  if (!widget_) Anlegen();
  Gemeinsames();
  Eigenes();
}

}  // namespace plattform::qt
