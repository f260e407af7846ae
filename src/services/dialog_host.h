// Everything a dialog may act on outside itself, handed to it at construction: the moments
// at which the sheet brings a display list up to the model, the frame, the sheet's caption,
// and the main window that shows and hides it. The start-up code gives every dialog the same host;
// tests give a recording fake, so a dialog's rules run without the program.
#pragma once

#include <QRect>
#include <QString>
#include <string>

#include "view/drawlist.h"  // Liste

class QWidget;

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Brings one display list up to the model as it stands: the sheet rebuilds it when what
  // it is built from changed since its last build (Liste::lignesx stands for the three
  // level-line lists; the axes also put the frame box's clip planes back). The section
  // lists need no asking: the sheet follows the section dialog on every frame.
  virtual void reconstruire(quadrel::Liste liste) = 0;
  // Draws a frame now.
  virtual void FormPaint() = 0;

  // The sheet's caption (the free point shows its coordinates there).
  virtual void setlegende(const QString& texte) = 0;
  // The sheet's child window, in the coordinates of the main window's visible area.
  virtual QRect cadrefeuille() const = 0;

  // Shows the dialog as a child window of the main window and brings it to the front.
  virtual void ouvrir(QWidget* dialogue) = 0;
  // Hides the dialog and its child window; both are kept for the next opening.
  virtual void fermer(QWidget* dialogue) = 0;
  // The quick help popup, beside the mouse, with this text.
  virtual void aide(const QString& texte) = 0;
};
