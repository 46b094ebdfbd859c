#pragma once

// The peers of the Qt backend: each keeps one widget in step with its model.

#include <QImage>
#include <QMainWindow>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Fenster.h"
#include "platform/qt/QtPlattform.h"

class QScrollArea;

namespace plattform::qt {

QString ZuQt(std::string_view text);      // CR becomes the widget's line break
std::string VonQt(const QString& text);   // and back

// The longest line, in bytes of UTF-8, that a list row, a read-only field or
// a label on the canvas shows: the text layout of one long line costs the
// square of its length, and a name may be megabytes long.
constexpr std::size_t LaengsteZeile = 2000;
// The length of a piece of at most `laenge` bytes that ends at a whole character.
std::size_t Zeichengrenze(std::string_view text, std::size_t laenge);
// The text as a widget shows it: every line longer than LaengsteZeile cut at
// a character and marked with "…". The model keeps the whole text.
QString Anzeigetext(std::string_view text);
// The text as a read-only field shows it: Anzeigetext, its line breaks within
// paragraphs of AbsatzZeilen lines. A document pays for each paragraph, and a
// field may hold a million lines. The paragraphs are counted from the end, so
// that a text put in front of one shown leaves the paragraphs behind it as
// they are: umbrueche is the number of line breaks behind the text, and
// becomes the number from the text's first on.
constexpr qsizetype AbsatzZeilen = 32;
QString Lesetext(std::string_view text, qsizetype& umbrueche);

class FensterWidget;

class QtFensterPeer : public FensterPeer, public Abgleichbar {
 public:
  QtFensterPeer(QtPlattform& p, Fenster& f);
  ~QtFensterPeer() override;
  void Geaendert() override { plattform_.Vormerken(this); }
  std::unique_ptr<ElementPeer> ErzeugeElement(Steuerelement& element) override;
  void Abgleichen() override;

  Fenster& Modell() { return fenster_; }
  QMainWindow* Widget() const;
  QWidget* Inhalt() const { return inhalt_; }

  // Stacks the controls as the table lists them, lets Tab follow the visual
  // order and keeps static texts clear of their neighbours; once every
  // widget of the window exists.
  void Ordnen();
  // The window manager framed the window or changed its frame.
  void RahmenPruefen();

 private:
  void Einpassen();
  void Platzieren();
  void Abruecken();
  QMargins Rahmen() const;

  QtPlattform& plattform_;
  Fenster& fenster_;
  QPointer<FensterWidget> widget_;
  QScrollArea* rollbereich_ = nullptr;
  QWidget* inhalt_ = nullptr;
  std::optional<Fensterlayout> angewandt_;  // what the widget last got from the model
  bool menueEingerichtet_ = false;
  int fokusAngewandt_ = 0;
  bool platziert_ = false;
  QMargins rahmen_;  // the frame the window was last fitted with
};

// What the peers of all kinds share: the widget made when the window's
// content exists, the properties every control has, and the widget taken down
// with the peer. Each kind brings its widget and its own properties.
class QtElementPeer : public ElementPeer, public Abgleichbar {
 public:
  ~QtElementPeer() override;
  void Geaendert() override { plattform_.Vormerken(this); }
  void Abgleichen() final;

  Steuerelement& Modell() { return element_; }
  QWidget* Widget() const { return widget_; }
  // The picture of a canvas.
  virtual const QImage* Bild() const { return nullptr; }
  // The mouse left an edit field; the platform's filter brings it.
  virtual void MausVerlaesst() {}

 protected:
  QtElementPeer(QtPlattform& p, QtFensterPeer& f, Steuerelement& s);
  // The kind's widget inside `eltern`, its signals connected to the model.
  virtual QWidget* WidgetAnlegen(QWidget* eltern) = 0;
  // True: the widget no longer fits the model and is made anew.
  virtual bool Veraltet() const { return false; }
  // The kind's own properties, after those that every control has.
  virtual void Eigenes() = 0;

  QtPlattform& plattform_;
  // Connections live as long as this peer.
  QObject kontext_;

 private:
  void Anlegen();
  void Gemeinsames();

  QtFensterPeer& fensterPeer_;
  Steuerelement& element_;
  QPointer<QWidget> widget_;
};

// The peer of the control's kind: the one place that makes them.
std::unique_ptr<QtElementPeer> Elementpeer(QtPlattform& p, QtFensterPeer& f, Steuerelement& s);

}  // namespace plattform::qt
