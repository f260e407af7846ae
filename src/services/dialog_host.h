// Everything a dialog may act on outside itself, handed to it at construction: the sheet's
// display lists it may ask to rebuild, the frame, the sheet's caption, and the main window
// that shows and hides it. The start-up code gives every dialog the same host; tests give
// a recording fake, so a dialog's rules run without the program.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Rebuild one display list of the sheet from the scene as it stands.
  virtual void prepareaxe() = 0;
  virtual void preparesurface() = 0;
  virtual void preparelignes() = 0;
  virtual void prepareplanx() = 0;
  virtual void prepareplany() = 0;
  virtual void prepareplanz() = 0;
  virtual void prepareplanxy() = 0;
  virtual void preparepyr() = 0;
  // The section dialog re-reads itself and rebuilds the current section (the frame's hook).
  virtual void appelplan() = 0;
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
