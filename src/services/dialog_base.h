// The base of every dialog. A dialog derives from DialogBase and gets:
//  - `scene` and `hote` (a DialogHost: the sheet's prepare… builders, the frame, the
//    sheet's caption, showing and hiding through the main window), both given at
//    construction by the start-up code; a dialog never looks a window up;
//  - one object made once and kept: a close (box, Alt+F4, a handler's close()) calls
//    FormClose and hides, never destroys; showing calls FormShow;
//  - a cream background, stay-on-top window flags, a child window of the main window
//    once opened;
//  - help on a right click: override texteaide(o) for the dialog itself and every child
//    passed to aidesurclic(); an empty text shows nothing;
//  - focus on hover for the children passed to focussurvol();
//  - its validating button marked with boutongo(): Enter or Space on it, focused, presses
//    it; a button that destroys values, marked with boutonpoubelle(), reacts to a click or
//    Space only, since hovering gives it the focus;
//  - placement of its child window inside the main window's visible area: placer(),
//    centrer(), placerdroite(); the main window keeps it inside when it opens it, and a
//    dialog that grows while shown calls garderdedans(cadre()) (see Toptionrendu).
// A field gets its key filter with champ::filtrer (services/champ.h); a check box or radio
// button reacts to `toggled`, never to `clicked` only. Tests construct the dialog with the
// recording host of tests/dialogs/hote_fake.h and compare the calls (regles_test.cpp).
//
//   class Tmondialogue : public DialogBase {
//    public:
//     Tmondialogue(quadrel::Scene& s, DialogHost& h, QWidget* parent)
//         : DialogBase(s, h, parent, QStringLiteral("mondialogue"), QStringLiteral("Titre")) {}
//     void FormShow() override { centrer(); }
//     void FormClose() override { hote.reconstruire(quadrel::Liste::axes); hote.FormPaint();
//     ranger(); }
//   };
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

class QPushButton;

#include "services/dialog_host.h"
#include "view/scene.h"

class DialogBase : public QWidget {
  Q_OBJECT
 public:
  static const QColor kCreme;
  // A widget with this property true keeps the focus when the mouse passes over a button
  // that otherwise takes it (the sheet).
  static constexpr const char* kGardeFocus = "gardefocus";

  // `nom`: object name; `titre`: window title and accessible name.
  DialogBase(quadrel::Scene& scene, DialogHost& hote, QWidget* parent, const QString& nom,
             const QString& titre, Qt::WindowFlags autres = {});

  quadrel::Scene& scene;
  DialogHost& hote;

  // A dialog of fixed size asks for that size, also while it is hidden (its child window
  // is sized from it).
  QSize sizeHint() const override;

  // Called on every showing (not on a window system's re-exposure).
  virtual void FormShow() {}
  // Called on every close; the default only puts the dialog away.
  virtual void FormClose() { ranger(); }
  // The help a right click on `o` (this dialog or a watched child) shows.
  virtual QString texteaide(const QObject* o) const;

  // Hides the dialog through the main window; it is kept for the next opening.
  void ranger();

  // The window that moves: the child window once opened, else the dialog itself.
  QWidget* cadre();
  // Its size: the child window is sized only once shown, to its size hint.
  QSize taillecadre();
  // The main window's visible area, in the coordinates the child window moves in.
  QRect zonevisible();
  // Moves the child window's top left to `p`, then keeps it inside the visible area.
  void placer(QPoint p);
  void centrer();
  // At the right edge of the visible area, 10 px in, 40 px below the top of the sheet.
  void placerdroite();

 protected:
  void aidesurclic(QWidget* w);
  void focussurvol(QWidget* w);
  void boutongo(QPushButton* b);
  void boutonpoubelle(QPushButton* b);

  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void clicdroit(const QObject* o);

  QList<const QObject*> survoles_;  // take the focus on hover
  QList<const QObject*> gos_;       // pressed by Enter too
};

// The child window that frames `w` inside the main window (what moves to place it): its
// sub-window when it has one, else `w` itself.
QWidget* cadre(QWidget* w);

// Where a window of size `t` wanting to be at `p` goes to stay inside `zone`: the top left
// corner wins when it is larger.
QPoint dedans(const QRect& zone, QPoint p, QSize t);

// Moves the frame `c` back inside its parent's area (the main window's visible area).
void garderdedans(QWidget* c);
