// The started program with the surface dialogs: the ones start-up made when it makes them,
// else made here and given to the palette as start-up would.
#pragma once

#include <QApplication>
#include <QImage>
#include <memory>

#include "principal.h"
#include "services/champ.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "shell/hote.h"
#include "shell/outils.h"
#include "surfaces/gui/fonction3d.h"
#include "surfaces/gui/optionrepere.h"
#include "view/feuille.h"
#include "view/gui/optionrendu.h"

template <class T>
T* dialogue(Application& a, const char* nom, int bouton) {
  for (QWidget* w : QApplication::allWidgets())
    if (auto* d = qobject_cast<T*>(w); d && d->objectName() == QLatin1String(nom)) return d;
  auto* d = new T(a.scene, *a.hote, a.fond.get());  // goes with the main window
  a.outils->setdialogue(bouton, d);
  return d;
}

inline Toptionrepere* optionrepere(Application& a) {
  return dialogue<Toptionrepere>(a, "optionrepere", 0);
}
inline Toptionrendu* optionrendu(Application& a) {
  return dialogue<Toptionrendu>(a, "optionrendu", 1);
}
inline Tfonction3d* fonction3d(Application& a) {
  return dialogue<Tfonction3d>(a, "fonction3d", 2);
}

// Opens a dialog from its palette button, as the user does.
inline void ouvrir(Application& a, int bouton) {
  QTest::mouseClick(a.outils->boutons[bouton], Qt::LeftButton);
}

// Puts a dialog away without its close handler, so that the next opening starts afresh.
inline void ranger(DialogBase* d) {
  d->hote.fermer(d);
}

// Pixels of the surface in colour: clearly more blue than red and green.
inline int pixelsbleus(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) {
      const QRgb p = img.pixel(x, y);
      n += qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60;
    }
  return n;
}

// Pixels of a lit white surface: grey, neither the white sheet nor the black lines.
inline int pixelsgris(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) {
      const QRgb p = img.pixel(x, y);
      const int r = qRed(p), g = qGreen(p), b = qBlue(p);
      n += r > 110 && r < 245 && std::abs(r - g) < 25 && std::abs(g - b) < 60;
    }
  return n;
}

// The next widget Tab reaches (labels are in Qt's focus chain but never take the focus).
inline QWidget* suivant(QWidget* w) {
  do w = w->nextInFocusChain();
  while (!(w->focusPolicy() & Qt::TabFocus));
  return w;
}
