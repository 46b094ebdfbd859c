#include "platform/qt/QtPlattform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "platform/qt/QtPeers.h"

namespace plattform::qt {

std::unique_ptr<QMessageBox> Meldungsbox(const std::string& text, QMessageBox::StandardButtons knoepfe) {
  // An empty title would be filled with the program's name; a blank shows nothing.
  return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral(" "), ZuQt(text), knoepfe);
}

namespace {

class QtDialoge : public Dialoge {
 public:
  void MsgBox(const std::string& text) override { Meldungsbox(text, QMessageBox::Ok)->exec(); }
  int FrageJaNeinAbbrechen(const std::string& text) override {
    switch (Meldungsbox(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)->exec()) {
      case QMessageBox::Yes: return 6;
      case QMessageBox::No: return 7;
      default: return 2;
    }
  }
  int FrageOkAbbrechen(const std::string& text) override {
    return Meldungsbox(text, QMessageBox::Ok | QMessageBox::Cancel)->exec() == QMessageBox::Ok ? 1 : 2;
  }
  std::optional<std::string> DateiOeffnen() override {
    QString pfad = QFileDialog::getOpenFileName(nullptr);
    if (pfad.isEmpty()) return std::nullopt;
    return pfad.toStdString();
  }
  std::optional<std::string> DateiSpeichern(const std::string& vorschlag, const std::string& dateityp) override {
    QString pfad = QFileDialog::getSaveFileName(nullptr, QString(), QString::fromStdString(vorschlag),
                                                QString::fromStdString(dateityp) + " (*)");
    if (pfad.isEmpty()) return std::nullopt;
    return pfad.toStdString();
  }
};

int argc0 = 1;
char name0[] = "figurat3d";
char* argv0[] = {name0, nullptr};

// The key text the model gets: what the key types, or the control code of a
// key that types nothing (arrows, delete); none for a lone modifier.
std::string Tastentext(const QKeyEvent& k) {
  switch (k.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return "\r";
    case Qt::Key_Left: return "\x1c";
    case Qt::Key_Right: return "\x1d";
    case Qt::Key_Up: return "\x1e";
    case Qt::Key_Down: return "\x1f";
    case Qt::Key_Backspace: return "\x08";
    case Qt::Key_Delete: return "\x7f";
    case Qt::Key_Tab: return "\t";
    case Qt::Key_Escape: return "\x1b";
    case Qt::Key_Home: return "\x01";
    case Qt::Key_End: return "\x04";
    case Qt::Key_PageUp: return "\x0b";
    case Qt::Key_PageDown: return "\x0c";
    default: break;
  }
  return k.text().toStdString();
}

}  // namespace

QtPlattform::QtPlattform(int& argc, char** argv) { Einrichten(argc, argv); }

QtPlattform::QtPlattform() { Einrichten(argc0, argv0); }

void QtPlattform::Einrichten(int& argc, char** argv) {
  if (!QApplication::instance()) eigeneApp_ = std::make_unique<QtAnwendung>(argc, argv);
  app_ = dynamic_cast<QtAnwendung*>(QApplication::instance());
  if (!app_) throw std::logic_error("the Qt backend needs its own QtAnwendung");
  app_->backend = this;
  QApplication::setQuitOnLastWindowClosed(false);
  SetzeDialoge(std::make_unique<QtDialoge>());
}

QtAnwendung::QtAnwendung(int& argc, char** argv) : QApplication(argc, argv) {
  // The program is German whatever the system's language.
  if (uebersetzung_.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(&uebersetzung_);
}

bool QtAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
  // An error must not unwind through Qt's event loop.
  try {
    if (backend && backend->Zustellen(empfaenger, ereignis)) return true;
    return QApplication::notify(empfaenger, ereignis);
  } catch (const std::exception& e) {
    if (backend) backend->MsgBox(std::string("Unerwarteter Fehler: ") + e.what());
  } catch (...) {
    if (backend) backend->MsgBox("Unerwarteter Fehler: unbekannt");
  }
  return false;
}

QtPlattform::~QtPlattform() {
  app_->backend = nullptr;
  AllesAbbauen();
  vorgemerkt_.clear();
  for (auto& [eintrag, menue] : menues_) delete menue;
  menues_.clear();
  // The windows' widgets were handed to deleteLater.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QtPlattform& QtPlattformVon(Plattform& p) { return dynamic_cast<QtPlattform&>(p); }

std::unique_ptr<FensterPeer> QtPlattform::ErzeugeFensterPeer(Fenster& f) {
  return std::make_unique<QtFensterPeer>(*this, f);
}

void QtPlattform::Vormerken(Abgleichbar* peer) {
  vorgemerkt_.insert(peer);
  if (!abgleichGeplant_) {
    abgleichGeplant_ = true;
    // Changes made outside any event of ours still reach the widgets once
    // control returns to the event loop.
    QTimer::singleShot(0, this, [this] { Abgleichen(); });
  }
}

void QtPlattform::Vergessen(Abgleichbar* peer) { vorgemerkt_.erase(peer); }

void QtPlattform::Vergessen(QtFensterPeer* peer) {
  Vergessen(static_cast<Abgleichbar*>(peer));
  zuOrdnen_.erase(peer);
}

void QtPlattform::Abgleichen() {
  abgleichGeplant_ = false;
  // Bringing one widget up to date can mark another (a window made on the way).
  while (!vorgemerkt_.empty()) {
    // Windows first, since their content widget holds the controls, and in
    // the order they were made, since the first takes the first place on the screen.
    Abgleichbar* naechster = nullptr;
    for (Fenster* f : AlleFenster())
      if (auto* peer = dynamic_cast<QtFensterPeer*>(f->Peer()); peer && vorgemerkt_.count(peer)) {
        naechster = peer;
        break;
      }
    for (auto it = vorgemerkt_.begin(); !naechster && it != vorgemerkt_.end(); ++it)
      if (dynamic_cast<QtFensterPeer*>(*it)) naechster = *it;
    if (!naechster) naechster = *vorgemerkt_.begin();
    vorgemerkt_.erase(naechster);
    naechster->Abgleichen();
  }
  while (!zuOrdnen_.empty()) {
    QtFensterPeer* f = *zuOrdnen_.begin();
    zuOrdnen_.erase(zuOrdnen_.begin());
    f->Ordnen();
  }
}

void QtPlattform::Melde(QWidget* w, QtElementPeer* peer) { elemente_[w] = peer; }
void QtPlattform::Melde(QWidget* w, QtFensterPeer* peer) { fenster_[w] = peer; }
void QtPlattform::Abmelden(QWidget* w) {
  elemente_.erase(w);
  fenster_.erase(w);
  if (feldNachDrop_ && feldNachDrop_->Widget() == w) feldNachDrop_ = nullptr;
}

QtElementPeer* QtPlattform::ElementZu(QObject* o) const {
  for (; o; o = o->parent()) {
    auto it = elemente_.find(o);
    if (it != elemente_.end()) return it->second;
    if (fenster_.count(o)) return nullptr;
  }
  return nullptr;
}

QtFensterPeer* QtPlattform::FensterZu(QObject* o) const {
  for (; o; o = o->parent()) {
    auto it = fenster_.find(o);
    if (it != fenster_.end()) return it->second;
  }
  return nullptr;
}

QWidget* QtPlattform::Widget(const Fenster& f) {
  Abgleichen();
  auto* peer = dynamic_cast<QtFensterPeer*>(f.Peer());
  return peer ? peer->Widget() : nullptr;
}

QWidget* QtPlattform::Widget(const Steuerelement& s) {
  Abgleichen();
  auto* peer = dynamic_cast<QtElementPeer*>(s.Peer());
  return peer ? peer->Widget() : nullptr;
}

QWidget* QtPlattform::Inhalt(const Fenster& f) {
  Abgleichen();
  auto* peer = dynamic_cast<QtFensterPeer*>(f.Peer());
  return peer ? peer->Inhalt() : nullptr;
}

const QImage* QtPlattform::Bild(Canvas& c) const {
  auto* peer = dynamic_cast<QtElementPeer*>(c.Peer());
  return peer ? peer->Bild() : nullptr;
}

bool QtPlattform::IstProgrammkuerzel(int taste, Qt::KeyboardModifiers mod) const {
  if ((mod & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
  for (const auto& [eintrag, menue] : menues_)
    for (QAction* a : menue->actions())
      if (!a->shortcut().isEmpty() && a->shortcut()[0].key() == taste) return true;
  return false;
}

QMenu* QtPlattform::Menue(MenuItem& eintrag) {
  if (auto it = menues_.find(&eintrag); it != menues_.end()) return it->second;
  auto* menue = new QMenu(ZuQt(eintrag.Text));
  menue->setObjectName(QString::fromStdString(eintrag.Name));
  menue->menuAction()->setObjectName(QString::fromStdString(eintrag.Name));
  menue->setSeparatorsCollapsible(false);
  menues_[&eintrag] = menue;
  const std::string name = eintrag.Name;
  connect(menue, &QMenu::aboutToShow, this, [this, name] {
    VorMenue();
    // A menu title that has a handler of its own is answered when it opens.
    BenutzerWaehltMenue(name);
    Abgleichen();
  });
  for (const auto& kind : eintrag.Kinder()) {
    if (kind->Count() > 0) {
      menue->addMenu(Menue(*kind));
    } else if (kind->IstSeparator()) {
      menue->addSeparator()->setObjectName(QString::fromStdString(kind->Name));
    } else {
      QAction* a = menue->addAction(ZuQt(kind->Text));
      a->setObjectName(QString::fromStdString(kind->Name));
      a->setMenuRole(kind->IstAppleMenuItem() ? QAction::AboutRole : QAction::NoRole);
      if (kind->KeyboardShortcut.rfind("Cmd+", 0) == 0)
        a->setShortcut(QKeySequence(QString("Ctrl+") + ZuQt(kind->KeyboardShortcut.substr(4))));
      a->setEnabled(kind->Enabled);
      const std::string kindName = kind->Name;
      connect(a, &QAction::triggered, this, [this, kindName] {
        BenutzerWaehltMenue(kindName);
        Abgleichen();
      });
    }
  }
  return menue;
}

bool QtPlattform::Zustellen(QObject* empfaenger, QEvent* ereignis) {
  switch (ereignis->type()) {
    case QEvent::ShortcutOverride: {
      // The program's shortcuts win over the edit fields' own bindings
      // (Ctrl+C runs an intersection, not a copy).
      auto* k = static_cast<QKeyEvent*>(ereignis);
      if (FensterZu(empfaenger) && IstProgrammkuerzel(k->key(), k->modifiers())) return true;
      break;
    }
    case QEvent::KeyPress: {
      QtFensterPeer* f = FensterZu(empfaenger);
      auto* w = qobject_cast<QWidget*>(empfaenger);
      // A key in a popup of a control (the open list of a popup menu) is the popup's.
      if (!f || !w || w->window() != f->Widget()) break;
      auto* k = static_cast<QKeyEvent*>(ereignis);
      const std::string taste = Tastentext(*k);
      if (taste.empty()) break;
      QtElementPeer* e = ElementZu(empfaenger);
      f->Modell().BenutzerFokus(e ? &e->Modell() : nullptr);
      if (taste != "\r" || (e && e->Modell().HatHandler("KeyDown"))) {
        // The control's handler, or the window, sees the key before the
        // control enters it.
        const bool behalten = f->Modell().BenutzerTaste(taste);
        // The handler may have emptied the field the key is about to enter.
        Abgleichen();
        return behalten;
      }
      // Return, the key that windows act on, reaches the window only when
      // its control leaves it: a field of several lines takes it.
      QPointer<QObject> noch(empfaenger);
      app_->QApplication::notify(empfaenger, ereignis);
      if (!noch || k->isAccepted()) return true;
      if (QtFensterPeer* fenster = FensterZu(empfaenger)) {
        fenster->Modell().BenutzerTaste(taste);
        Abgleichen();
      }
      return true;
    }
    case QEvent::MouseMove: {
      auto* m = static_cast<QMouseEvent*>(ereignis);
      if (feldNachDrop_) {
        QWidget* w = feldNachDrop_->Widget();
        if (w && !w->rect().contains(w->mapFromGlobal(m->globalPosition().toPoint()))) {
          QtElementPeer* feld = feldNachDrop_;
          feldNachDrop_ = nullptr;
          feld->MausVerlaesst();
          Abgleichen();
        }
      }
      QtFensterPeer* f = FensterZu(empfaenger);
      if (!f || !f->Inhalt()) break;
      QPoint p = f->Inhalt()->mapFromGlobal(m->globalPosition().toPoint());
      f->Modell().BenutzerBewegtMaus(p.x(), p.y());
      Abgleichen();
      break;
    }
    case QEvent::Leave: {
      auto it = elemente_.find(empfaenger);
      if (it != elemente_.end() && it->second->Modell().Typ() == Art::EditFeld) {
        if (feldNachDrop_ == it->second) feldNachDrop_ = nullptr;
        it->second->MausVerlaesst();
        Abgleichen();
      }
      break;
    }
    default: break;
  }
  return false;
}

void QtPlattform::SetzeZwischenablage(const std::string& text) {
  // Other programs on this system expect line feeds.
  QString t = QString::fromStdString(text);
  t.replace('\r', '\n');
  QGuiApplication::clipboard()->setText(t);
}

std::string QtPlattform::Zwischenablage() const {
  QString t = QGuiApplication::clipboard()->text();
  t.replace('\n', '\r');
  return t.toStdString();
}

void QtPlattform::Beep() { QApplication::beep(); }

void QtPlattform::Beenden() {
  beendet_ = true;
  QCoreApplication::exit(0);
}

bool QtPlattform::ShiftGedrueckt() const {
  return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
}

int QtPlattform::Run() {
  Abgleichen();
  if (beendet_) return 0;
  return QApplication::exec();
}

}  // namespace plattform::qt
