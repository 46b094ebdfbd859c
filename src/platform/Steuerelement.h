#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace plattform {

class Fenster;
class Zeichenflaeche;

struct Farbe {
  int rot = 0, gruen = 0, blau = 0;
  bool operator==(const Farbe&) const = default;
};

enum class Art { EditFeld, StatischerText, ListBox, BevelButton, PopupMenu, Separator, Canvas, CheckBox, Slider };

enum class Ausrichtung { Standard, Links, Mitte, Rechts };

enum class Bevel { Klein, Normal, Abgerundet };

// A row of a list and a number of rows: a list of every pair of points
// outgrows an int long before memory runs out.
using Zeilennr = std::int64_t;

// Rows in one text, cut at every CR, a last CR ending the last row, and where
// each row starts: one string however many rows a long list fills in again
// and again. Its room is kept for the next text of about the same length.
class Zeilentext {
 public:
  const std::string& Text() const { return text_; }
  std::size_t Zeilen() const { return anfaenge_.size(); }
  std::string Zeile(std::size_t i) const;
  void Setze(std::string_view text);
  // The text made anew, laenge bytes long, by schreibe, which appends it to
  // the empty text. Room grown or shrunk goes first, so that a long text is
  // never held twice.
  void Schreibe(std::size_t laenge, const std::function<void(std::string&)>& schreibe);
  // One row more at the end, which schreibe appends, ending in CR.
  void Haenge(const std::function<void(std::string&)>& schreibe);
  // Row i goes, and every row behind it moves up, written anew in place by
  // neu(nr, alt, ziel): row nr as it is to be, at ziel, from alt, the row as
  // it was; its length is the result. No row grows, so ziel lies before alt
  // or at it, and neu reads alt before it writes over it.
  void EntferneZeile(std::size_t i, const std::function<std::size_t(std::size_t, std::string_view, char*)>& neu);
  void Leeren();

 private:
  void Schneide(std::size_t ab);  // the starts of the rows from ab on
  std::string text_;
  std::vector<std::size_t> anfaenge_;
};

// What a drag started from a list row carries.
struct DragItem {
  std::string Text;
};

// The arguments an event hands to its handler; each event fills what it has.
struct Ereignis {
  std::string taste;                    // KeyDown: the key's text (Return is CR)
  DragItem* drag = nullptr;             // DragRow
  Zeilennr zeile = -1;                  // DragRow: the dragged row
  Zeichenflaeche* grafik = nullptr;     // Paint
};

// A handler answers True to keep a key from its control or to allow a drag.
using Handler = std::function<bool(const Ereignis&)>;

// Properties of a control-table row that differ from the kind's defaults.
// Designated initialisers name them in this order.
struct Eigenschaften {
  std::optional<std::string> text = {};  // text of a field or static text, caption of a button or check box
  std::optional<Farbe> hintergrund = {};
  int schriftgroesse = 0;
  bool fett = false;
  Ausrichtung ausrichtung = Ausrichtung::Standard;
  bool versteckt = false;
  bool nurLesen = false;
  bool mehrzeilig = false;
  bool zeilenZiehbar = false;
  std::vector<std::string> eintraege = {};  // popup menu
  std::optional<Bevel> kante = {};
  bool nimmtFokus = false;
  bool bild = false;
  bool angekreuzt = false;
  // slider
  int minimum = 0, maximum = 100, wert = 0, lineStep = 1, pageStep = 10;
};

// The backend's side of one control: told of every change the program makes,
// so that it can bring its widget up to date before control returns to the user.
class ElementPeer {
 public:
  virtual ~ElementPeer() = default;
  virtual void Geaendert() = 0;
  virtual Zeichenflaeche* Grafik() { return nullptr; }
};

// A control of a window. It holds its properties itself; the backend shows them.
// The Benutzer… operations are what the user does to the control: the backends
// call them from their widgets, tests call them directly.
class Steuerelement {
 public:
  Steuerelement(Art art, std::string name, Fenster& fenster);
  virtual ~Steuerelement();
  Steuerelement(const Steuerelement&) = delete;
  Steuerelement& operator=(const Steuerelement&) = delete;

  Art Typ() const { return art_; }
  const std::string& Name() const { return name_; }
  Fenster& Besitzer() const { return fenster_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetzeGeometrie(int left, int top, int width, int height);
  bool Visible() const { return visible_; }
  void SetzeVisible(bool sichtbar);
  bool Enabled() const { return enabled_; }
  void SetzeEnabled(bool aktiv);

  // Text style of the kinds that show text.
  int Schriftgroesse() const { return schriftgroesse_; }  // 0: the system's default size
  void SetzeSchriftgroesse(int groesse);
  bool Fett() const { return fett_; }
  void SetzeFett(bool fett);
  const std::optional<Farbe>& Hintergrund() const { return hintergrund_; }
  void SetzeHintergrund(std::optional<Farbe> farbe);
  Ausrichtung TextAusrichtung() const { return ausrichtung_; }
  void SetzeAusrichtung(Ausrichtung a);

  // Binding by the event's name; an event this kind does not have is a fault
  // of the control table.
  void Binde(const std::string& ereignis, Handler handler);
  bool HatHandler(const std::string& ereignis) const;
  // Runs the bound handler; an error escaping it is shown, not passed on.
  bool LoeseAus(const std::string& ereignis, const Ereignis& e = {});

  void SetzePeer(std::unique_ptr<ElementPeer> peer);
  ElementPeer* Peer() const { return peer_.get(); }

  // The properties of its table row; each kind takes those it has.
  virtual void Anwenden(const Eigenschaften& e);

 protected:
  void Geaendert();
  virtual std::vector<std::string_view> Ereignisse() const = 0;

 private:
  Art art_;
  std::string name_;
  Fenster& fenster_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  int schriftgroesse_ = 0;
  bool fett_ = false;
  std::optional<Farbe> hintergrund_;
  Ausrichtung ausrichtung_ = Ausrichtung::Standard;
  std::map<std::string, Handler, std::less<>> handler_;
  std::unique_ptr<ElementPeer> peer_;
};

class EditFeld : public Steuerelement {
 public:
  EditFeld(std::string name, Fenster& f) : Steuerelement(Art::EditFeld, std::move(name), f) {}
  const std::string& Text() const { return text_; }
  // Replaced in the room the text has, where it fits: a long text replaced
  // by one as long, or a little longer, is not held twice on the way.
  void SetzeText(std::string_view text);
  // For the backend: how much of the text's end is still the end of the text
  // its widget last took, so that a text put in front of a long one goes
  // into the widget by itself.
  std::size_t GleichesEnde() const { return gleichesEnde_; }
  void TextGenommen() { gleichesEnde_ = text_.size(); }
  bool ReadOnly() const { return readOnly_; }
  void SetzeReadOnly(bool nurLesen);
  bool MultiLine() const { return multiLine_; }
  void SetzeMultiLine(bool mehrzeilig);
  void SetFocus();
  bool HatFokus() const;

  // The user's side.
  void BenutzerSetztText(std::string text);  // typing, pasting, dropping
  bool BenutzerTaste(const std::string& taste);  // True: the key is kept from the field
  void BenutzerLaesstFallen(const std::string& text);
  void BenutzerMausVerlaesst();

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"KeyDown", "MouseExit"}; }

 private:
  std::string text_;
  std::size_t gleichesEnde_ = 0;
  bool readOnly_ = false;
  bool multiLine_ = false;
};

class StatischerText : public Steuerelement {
 public:
  StatischerText(std::string name, Fenster& f) : Steuerelement(Art::StatischerText, std::move(name), f) {}
  const std::string& Text() const { return text_; }
  void SetzeText(std::string text);

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {}; }

 private:
  std::string text_;
};

class ListBox : public Steuerelement {
 public:
  ListBox(std::string name, Fenster& f) : Steuerelement(Art::ListBox, std::move(name), f) {}
  // The whole content as one text, rows separated by CR; a last CR ends the
  // last row. Fills fire no event and leave no row selected.
  void SetzeInhalt(std::string_view text);
  // The content as the number of rows and the text of each, asked for only
  // when a row is read or shown; a list of every pair of points grows with
  // the square of their number. Like a fill otherwise.
  void SetzeZeilen(Zeilennr anzahl, std::function<std::string(Zeilennr)> zeile);
  std::vector<std::string> Zeilen() const;  // every row, in order
  Zeilennr ListCount() const { return anzahl_; }
  std::string Zeile(Zeilennr zeile) const;  // empty outside the rows
  Zeilennr ListIndex() const { return listIndex_; }  // -1: no row selected
  void SetzeListIndex(Zeilennr zeile);
  std::string Text() const { return Zeile(listIndex_); }  // the selected row
  bool ZeilenZiehbar() const { return ziehbar_; }
  void SetzeZeilenZiehbar(bool ziehbar);

  // The rows in view: ZeilenImBlick rows from ObersteZeile on. A fill keeps
  // the place as far as the new rows reach.
  Zeilennr ObersteZeile() const { return oberste_; }
  Zeilennr ZeilenImBlick() const;
  // Scrolls as little as needed to bring the row wholly into view.
  void ZeigeZeile(Zeilennr zeile);
  // How many rows the backend's widget shows at once; a row asked to be
  // shown stays in view. Without a widget: the height in rows of 16 pixels.
  void SetzeZeilenImBlick(Zeilennr anzahl);

  void BenutzerWaehlt(Zeilennr zeile);
  void BenutzerDoppelklick(Zeilennr zeile);
  // Starting to drag a row: what the drag carries, or nothing when refused.
  std::optional<std::string> BenutzerZiehtZeile(Zeilennr zeile);
  // The user scrolled: the first row in view. Fires no event.
  void BenutzerRollt(Zeilennr oberste);

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"Change", "DoubleClick", "DragRow"}; }

 private:
  void Rolle(Zeilennr oberste);
  bool IstZeile(Zeilennr zeile) const { return zeile >= 0 && zeile < anzahl_; }
  Zeilentext inhalt_;  // a fill's text
  std::function<std::string(Zeilennr)> quelle_;  // instead of inhalt_, when set
  Zeilennr anzahl_ = 0;
  Zeilennr listIndex_ = -1;
  bool ziehbar_ = false;
  Zeilennr oberste_ = 0;
  Zeilennr imBlick_ = 0;     // 0: not told by a backend
  Zeilennr zuZeigen_ = -1;   // the row last asked to be shown, until the user scrolls
};

class BevelButton : public Steuerelement {
 public:
  BevelButton(std::string name, Fenster& f) : Steuerelement(Art::BevelButton, std::move(name), f) {}
  const std::string& Caption() const { return caption_; }
  void SetzeCaption(std::string caption);
  Bevel Kante() const { return bevel_; }
  void SetzeKante(Bevel b);
  bool NimmtFokus() const { return nimmtFokus_; }
  void SetzeNimmtFokus(bool ja);
  bool HatBild() const { return bild_; }
  void SetzeBild(bool ja);

  void BenutzerKlickt();

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"Action"}; }

 private:
  std::string caption_;
  Bevel bevel_ = Bevel::Klein;
  bool nimmtFokus_ = false;
  bool bild_ = false;
};

class PopupMenu : public Steuerelement {
 public:
  PopupMenu(std::string name, Fenster& f) : Steuerelement(Art::PopupMenu, std::move(name), f) {}
  void SetzeEintraege(std::vector<std::string> eintraege);  // selects the first
  const std::vector<std::string>& Eintraege() const { return eintraege_; }
  int ListIndex() const { return listIndex_; }
  void SetzeListIndex(int index);

  void BenutzerWaehlt(int index);

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"Change"}; }

 private:
  std::vector<std::string> eintraege_;
  int listIndex_ = -1;
};

class Separator : public Steuerelement {
 public:
  Separator(std::string name, Fenster& f) : Steuerelement(Art::Separator, std::move(name), f) {}

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {}; }
};

class Canvas : public Steuerelement {
 public:
  Canvas(std::string name, Fenster& f) : Steuerelement(Art::Canvas, std::move(name), f) {}
  // Where the program draws; what it draws stays until the next Refresh.
  Zeichenflaeche& Graphics();
  // Clears the picture and lets the Paint handler draw it again.
  void Refresh();

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"Paint"}; }
};

class CheckBox : public Steuerelement {
 public:
  CheckBox(std::string name, Fenster& f) : Steuerelement(Art::CheckBox, std::move(name), f) {}
  const std::string& Caption() const { return caption_; }
  void SetzeCaption(std::string caption);
  bool Value() const { return wert_; }
  void SetzeValue(bool an);

  void BenutzerKlickt();

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"Action"}; }

 private:
  std::string caption_;
  bool wert_ = false;
};

class Slider : public Steuerelement {
 public:
  Slider(std::string name, Fenster& f) : Steuerelement(Art::Slider, std::move(name), f) {}
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Value() const { return wert_; }
  int LineStep() const { return lineStep_; }
  int PageStep() const { return pageStep_; }
  void SetzeBereich(int minimum, int maximum);
  void SetzeValue(int wert);  // kept within the range
  void SetzeSchritte(int lineStep, int pageStep);

  void BenutzerSchiebt(int wert);

  void Anwenden(const Eigenschaften& e) override;

 protected:
  std::vector<std::string_view> Ereignisse() const override { return {"ValueChanged"}; }

 private:
  int minimum_ = 0, maximum_ = 100, wert_ = 0, lineStep_ = 1, pageStep_ = 10;
};

// The class of each kind, in the one place that knows it: f is called with
// std::type_identity of the class, so that the window and each backend make
// what belongs to a kind without a list of kinds of their own.
template <class F>
decltype(auto) MitKlasse(Art art, F&& f) {
  switch (art) {
    case Art::EditFeld: return f(std::type_identity<EditFeld>{});
    case Art::StatischerText: return f(std::type_identity<StatischerText>{});
    case Art::ListBox: return f(std::type_identity<ListBox>{});
    case Art::BevelButton: return f(std::type_identity<BevelButton>{});
    case Art::PopupMenu: return f(std::type_identity<PopupMenu>{});
    case Art::Separator: return f(std::type_identity<Separator>{});
    case Art::Canvas: return f(std::type_identity<Canvas>{});
    case Art::CheckBox: return f(std::type_identity<CheckBox>{});
    case Art::Slider: return f(std::type_identity<Slider>{});
  }
  throw std::logic_error("unbekannte Art von Steuerelement");
}

}  // namespace plattform
