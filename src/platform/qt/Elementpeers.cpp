// The peer of each control kind: its widget, its signals and its own properties.

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "platform/Zeichenflaeche.h"
#include "platform/qt/Listenansicht.h"
#include "platform/qt/Malflaeche.h"
#include "platform/qt/QtPeers.h"

namespace plattform::qt {

namespace {

// The peer of one kind, with its model and its widget in their own types.
template <class M, class W>
class Artpeer : public QtElementPeer {
 public:
  Artpeer(QtPlattform& p, QtFensterPeer& f, M& modell) : QtElementPeer(p, f, modell), modell_(modell) {}

 protected:
  W* Anzeige() const { return static_cast<W*>(Widget()); }
  M& modell_;
};

// One specialisation per kind; a kind without one does not compile.
template <class M>
class Peer;

Qt::Alignment Ausrichten(Ausrichtung a) {
  switch (a) {
    case Ausrichtung::Mitte: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Ausrichtung::Rechts: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

// Edit field

// A line edit that takes a dropped text as its whole content.
class Eingabezeile : public QLineEdit {
 public:
  Eingabezeile(QWidget* eltern, QtPlattform& p, QtElementPeer& peer, EditFeld& modell)
      : QLineEdit(eltern), plattform_(p), peer_(peer), modell_(modell) {}

 protected:
  void dropEvent(QDropEvent* e) override {
    if (!e->mimeData()->hasText()) return;
    e->acceptProposedAction();
    modell_.BenutzerLaesstFallen(VonQt(e->mimeData()->text()));
    plattform_.FeldNachDrop(&peer_);
    plattform_.Abgleichen();
    // The user's own drop leaves the cursor behind the dropped text.
    end(false);
  }

 private:
  QtPlattform& plattform_;
  QtElementPeer& peer_;
  EditFeld& modell_;
};

template <>
class Peer<EditFeld> final : public Artpeer<EditFeld, QWidget> {
 public:
  using Artpeer::Artpeer;
  void MausVerlaesst() override { modell_.BenutzerMausVerlaesst(); }

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    mehrzeilig_ = modell_.MultiLine();
    gezeigt_.reset();
    if (mehrzeilig_) {
      auto* t = new QPlainTextEdit(eltern);
      t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      // Tab moves on to the next control, as from every other field.
      t->setTabChangesFocus(true);
      t->viewport()->setMouseTracking(true);
      QObject::connect(t, &QPlainTextEdit::textChanged, &kontext_, [this, t] {
        // Only what the user types: the model's own texts are set with signals blocked.
        modell_.BenutzerSetztText(VonQt(t->toPlainText()));
      });
      return t;
    }
    auto* l = new Eingabezeile(eltern, plattform_, *this, modell_);
    QObject::connect(l, &QLineEdit::textEdited, &kontext_,
                     [this](const QString& text) { modell_.BenutzerSetztText(VonQt(text)); });
    return l;
  }
  // One line or several is a different widget.
  bool Veraltet() const override { return modell_.MultiLine() != mehrzeilig_; }
  void Eigenes() override {
    if (mehrzeilig_) {
      auto* t = static_cast<QPlainTextEdit*>(Anzeige());
      if (modell_.ReadOnly()) {
        ZeigeLesetext(*t);
      } else {
        // A field the user may edit shows all of its text: it gives back what it shows.
        gezeigt_.reset();
        QString soll = ZuQt(modell_.Text());
        if (t->toPlainText() != soll) {
          QSignalBlocker still(t);
          t->setPlainText(soll);
        }
      }
      t->setReadOnly(modell_.ReadOnly());
    } else {
      auto* l = static_cast<QLineEdit*>(Anzeige());
      // A line edit keeps no more than its maximum length anyway.
      QString soll = ZuQt(std::string_view(modell_.Text()).substr(0, Zeichengrenze(modell_.Text(), l->maxLength())));
      if (l->text() != soll) {
        QSignalBlocker still(l);
        l->setText(soll);
        // A long number shows its beginning, not its last digits.
        l->setCursorPosition(0);
      }
      l->setReadOnly(modell_.ReadOnly());
      l->setAlignment(Ausrichten(modell_.TextAusrichtung()));
      l->setDragEnabled(false);
    }
  }

 private:
  // The model's text in a read-only field. What was put in front of the text
  // shown goes into the document by itself, as a command list's run puts a
  // description in front of thousands; a new text goes in piece by piece,
  // the last piece first, so that it is never held whole as the widget's text.
  void ZeigeLesetext(QPlainTextEdit& t) {
    const std::string_view neu(modell_.Text());
    // Whether the text shown is still the end of the model's.
    const bool dahinter = gezeigt_ && modell_.GleichesEnde() == *gezeigt_;
    if (dahinter && neu.size() == *gezeigt_) return;
    auto zeilenende = [](char c) { return c == '\r' || c == '\n'; };
    if (!gezeigt_ && t.toPlainText() == Anzeigetext(neu)) {
      // A widget that was editable may show the very text already.
      gezeigtUmbrueche_ = std::count_if(neu.begin(), neu.end(), zeilenende);
    } else {
      QSignalBlocker still(&t);
      std::size_t vorn = dahinter ? neu.size() - *gezeigt_ : 0;
      if (vorn == 0 || vorn == neu.size() || !zeilenende(neu[vorn - 1])) {
        t.setPlainText(QString());
        gezeigtUmbrueche_ = 0;
        vorn = neu.size();
      }
      // Without undo, and with the cursor at the start, as after setting the whole text.
      QTextDocument* d = t.document();
      d->setUndoRedoEnabled(false);
      QTextCursor c(d);
      c.beginEditBlock();
      // Each piece begins behind a line break, so that every line is shown as in the whole text.
      constexpr std::size_t Stueck = 1 << 16;
      for (std::size_t ende = vorn; ende > 0;) {
        std::size_t anfang = 0;
        if (ende > Stueck) {
          const std::size_t umbruch = neu.find_last_of("\r\n", ende - Stueck);
          if (umbruch != std::string_view::npos) anfang = umbruch + 1;
        }
        c.setPosition(0);
        c.insertText(Lesetext(neu.substr(anfang, ende - anfang), gezeigtUmbrueche_));
        ende = anfang;
      }
      c.endEditBlock();
      d->setUndoRedoEnabled(true);
      t.moveCursor(QTextCursor::Start);
    }
    gezeigt_ = neu.size();
    modell_.TextGenommen();
  }

  bool mehrzeilig_ = false;  // of the widget made
  std::optional<std::size_t> gezeigt_;  // the length of the text a read-only widget shows, once known
  qsizetype gezeigtUmbrueche_ = 0;  // its line breaks
};

// Static text

template <>
class Peer<StatischerText> final : public Artpeer<StatischerText, QLabel> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override { return new QLabel(eltern); }
  void Eigenes() override {
    QLabel* l = Anzeige();
    if (modell_.Hintergrund()) l->setAutoFillBackground(true);
    l->setText(ZuQt(modell_.Text()));
    // From the top, as a text of several lines begins.
    l->setAlignment((Ausrichten(modell_.TextAusrichtung()) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
  }
};

// List box

template <>
class Peer<ListBox> final : public Artpeer<ListBox, Listenansicht> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    auto* l = new Listenansicht(eltern, plattform_, modell_);
    l->viewport()->setMouseTracking(true);
    return l;
  }
  void Eigenes() override { Anzeige()->Abgleichen(); }
};

// Bevel button

QIcon AboutBild() {
  QPixmap bild(28, 28);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(40, 90, 200));
  p.setPen(Qt::NoPen);
  p.drawEllipse(1, 1, 26, 26);
  p.setPen(Qt::white);
  QFont f;
  f.setPixelSize(20);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 0, 28, 28), Qt::AlignCenter, "i");
  return QIcon(bild);
}

template <>
class Peer<BevelButton> final : public Artpeer<BevelButton, QPushButton> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    auto* b = new QPushButton(eltern);
    QObject::connect(b, &QPushButton::clicked, &kontext_, [this] {
      modell_.BenutzerKlickt();
      plattform_.Abgleichen();
    });
    return b;
  }
  void Eigenes() override {
    QPushButton* w = Anzeige();
    w->setText(ZuQt(modell_.Caption()));
    w->setFocusPolicy(modell_.NimmtFokus() ? Qt::StrongFocus : Qt::NoFocus);
    if (modell_.HatBild() && w->icon().isNull()) {
      w->setIcon(AboutBild());
      w->setIconSize(QSize(28, 28));
    }
  }
};

// Popup menu

template <>
class Peer<PopupMenu> final : public Artpeer<PopupMenu, QComboBox> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    auto* c = new QComboBox(eltern);
    QObject::connect(c, &QComboBox::activated, &kontext_, [this](int index) {
      modell_.BenutzerWaehlt(index);
      plattform_.Abgleichen();
    });
    return c;
  }
  void Eigenes() override {
    QComboBox* c = Anzeige();
    QSignalBlocker still(c);
    QStringList eintraege;
    for (const std::string& e : modell_.Eintraege()) eintraege << QString::fromStdString(e);
    QStringList bisher;
    for (int i = 0; i < c->count(); ++i) bisher << c->itemText(i);
    if (bisher != eintraege) {
      c->clear();
      c->addItems(eintraege);
    }
    c->setCurrentIndex(modell_.ListIndex());
  }
};

// Separator

template <>
class Peer<Separator> final : public Artpeer<Separator, QFrame> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    auto* f = new QFrame(eltern);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
  }
  void Eigenes() override {}
};

// Canvas

// The canvas widget shows the persistent picture.
class Leinwand : public QWidget {
 public:
  Leinwand(QWidget* eltern, const QImage& bild, Malflaeche& flaeche) : QWidget(eltern), bild_(bild), flaeche_(flaeche) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
    flaeche_.Gezeigt();
  }

 private:
  const QImage& bild_;
  Malflaeche& flaeche_;
};

template <>
class Peer<Canvas> final : public Artpeer<Canvas, Leinwand> {
 public:
  using Artpeer::Artpeer;
  const QImage* Bild() const override { return flaeche_ ? &bild_ : nullptr; }

  Zeichenflaeche* Grafik() override {
    const QSize groesse(std::max(1, modell_.Width()), std::max(1, modell_.Height()));
    if (!flaeche_) {
      bild_ = QImage(groesse, QImage::Format_RGB32);
      bild_.fill(Qt::white);
      flaeche_ = std::make_unique<Malflaeche>(bild_, [this] {
        QWidget* w = Widget();
        if (w) w->update();
        return w != nullptr;
      });
    } else if (bild_.size() != groesse) {
      // A canvas made larger or smaller keeps its picture.
      flaeche_->Beenden();
      QImage neu(groesse, QImage::Format_RGB32);
      neu.fill(Qt::white);
      QPainter(&neu).drawImage(0, 0, bild_);
      bild_ = std::move(neu);
    }
    return flaeche_.get();
  }

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    Grafik();
    auto* w = new Leinwand(eltern, bild_, *flaeche_);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
  }
  void Eigenes() override {
    Grafik();  // the picture follows the canvas's size
    Anzeige()->update();
  }

 private:
  // The persistent picture and the surface drawing on it.
  QImage bild_;
  std::unique_ptr<Malflaeche> flaeche_;
};

// Check box

template <>
class Peer<CheckBox> final : public Artpeer<CheckBox, QCheckBox> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    auto* c = new QCheckBox(eltern);
    QObject::connect(c, &QCheckBox::clicked, &kontext_, [this] {
      modell_.BenutzerKlickt();
      plattform_.Abgleichen();
    });
    return c;
  }
  void Eigenes() override {
    QCheckBox* c = Anzeige();
    QSignalBlocker still(c);
    c->setText(ZuQt(modell_.Caption()));
    c->setChecked(modell_.Value());
  }
};

// Slider

// Ends a slider's press as the mouse's release would.
void Loslassen(QSlider* s) {
  QMouseEvent los(QEvent::MouseButtonRelease, QPointF(), QPointF(), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(s, &los);
}

template <>
class Peer<Slider> final : public Artpeer<Slider, QSlider> {
 public:
  using Artpeer::Artpeer;

 protected:
  QWidget* WidgetAnlegen(QWidget* eltern) override {
    auto* s = new QSlider(Qt::Horizontal, eltern);
    s->setTracking(true);
    QObject::connect(s, &QSlider::valueChanged, &kontext_, [this, s](int wert) {
      const int meldungen = plattform_.GezeigteMeldungen();
      modell_.BenutzerSchiebt(wert);
      plattform_.Abgleichen();
      // A message box shown on the way took the mouse's release, so the
      // slider would go on stepping, a box at each step: its press ends
      // once the slider has taken it in.
      if (plattform_.GezeigteMeldungen() != meldungen) QTimer::singleShot(0, s, [s] { Loslassen(s); });
    });
    return s;
  }
  void Eigenes() override {
    QSlider* s = Anzeige();
    QSignalBlocker still(s);
    s->setRange(modell_.Minimum(), modell_.Maximum());
    s->setSingleStep(modell_.LineStep());
    s->setPageStep(modell_.PageStep());
    s->setValue(modell_.Value());
  }
};

}  // namespace

std::unique_ptr<QtElementPeer> Elementpeer(QtPlattform& p, QtFensterPeer& f, Steuerelement& s) {
  return MitKlasse(s.Typ(), [&]<class M>(std::type_identity<M>) -> std::unique_ptr<QtElementPeer> {
    return std::make_unique<Peer<M>>(p, f, static_cast<M&>(s));
  });
}

}  // namespace plattform::qt
