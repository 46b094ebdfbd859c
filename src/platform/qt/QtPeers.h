#pragma once

// The peers of the Qt backend: each keeps one widget in step with its model.

#include <QImage>
#include <QMainWindow>
#include <QMargins>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Fenster.h"
#include "platform/Zeichenflaeche.h"
#include "platform/qt/QtPlattform.h"

class QScrollArea;

namespace plattform::qt {

QString ZuQt(std::string_view text);      // CR becomes the widget's line break
std::string VonQt(const QString& text);   // and back

// The longest line, in bytes of UTF-8, that a list row, a read-only field or
// a label on the canvas shows: the text layout of one long line costs the
// square of its length, and a name may be megabytes long.
constexpr std::size_t LaengsteZeile = 2000;
// The text as a widget shows it: every line longer than LaengsteZeile cut at
// a character and marked with "…". The model keeps the whole text.
QString Anzeigetext(std::string_view text);

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

class QtElementPeer : public ElementPeer, public Abgleichbar {
 public:
  QtElementPeer(QtPlattform& p, QtFensterPeer& f, Steuerelement& s);
  ~QtElementPeer() override;
  void Geaendert() override { plattform_.Vormerken(this); }
  void Abgleichen() override;
  Zeichenflaeche* Grafik() override;

  Steuerelement& Modell() { return element_; }
  QWidget* Widget() const { return widget_; }
  const QImage* Bild() const { return bild_ ? &*bild_ : nullptr; }

  // Events that the platform's filter brings.
  void MausVerlaesst();
  // The canvas picture changed.
  void Neuzeichnen();

 private:
  class Leinwand;
  class Flaeche;
  void WidgetAnlegen();
  void Gemeinsames();
  void EditFeldAbgleichen(EditFeld& f);

  QtPlattform& plattform_;
  QtFensterPeer& fensterPeer_;
  Steuerelement& element_;
  QPointer<QWidget> widget_;
  bool mehrzeilig_ = false;
  // Connections live as long as this peer.
  QObject kontext_;
  // Canvas: the persistent picture and the surface drawing on it.
  std::unique_ptr<QImage> bild_;
  std::unique_ptr<Flaeche> flaeche_;
};

}  // namespace plattform::qt
