// The program's single windows, reachable from any layer, as their names are used across
// the program. The shell fills this in at start-up, in creation order; a window not made
// yet is null.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "view/scene.h"

class TFeuille;
class TAiderapide;

struct Fenetres {
  quadrel::Scene* scene = nullptr;  // the one scene of the run
  QPointer<QWidget> fond;           // main window
  QPointer<TFeuille> Feuille;
  QPointer<TAiderapide> Aiderapide;
  QPointer<QWidget> outils;
  QPointer<QWidget> Apropos;
  // Shows a dialog as a child window of the main window and brings it to the front.
  std::function<void(QWidget*)> ouvrir;
  // Takes a dialog out of the main window and hides it (a dialog's close does this).
  std::function<void(QWidget*)> fermer;
};

Fenetres& fenetres();

// The window that frames `w` inside the main window (what a dialog moves to place itself):
// its sub-window when it has one, else `w` itself.
QWidget* cadre(QWidget* w);
