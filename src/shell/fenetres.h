// The shell's own windows, as the palette and the main window reach them. Dialogs never
// look here: they are given a DialogHost at construction. The shell fills this in at
// start-up, in creation order; a window not made yet is null.
#pragma once

#include <QPointer>
#include <QWidget>

class TFeuille;
class TAiderapide;

struct Fenetres {
  QPointer<QWidget> fond;  // main window
  QPointer<TFeuille> Feuille;
  QPointer<TAiderapide> Aiderapide;
  QPointer<QWidget> outils;
  QPointer<QWidget> Apropos;
};

Fenetres& fenetres();
