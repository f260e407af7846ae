// The solid windows of the started program: the ones start-up made when it makes them,
// else made here and wired as start-up would.
#pragma once

#include "dialogues.h"
#include "solids/caraccone.h"
#include "solids/caraccube.h"
#include "solids/caraccyl.h"
#include "solids/caracpyr.h"
#include "solids/caracsphere.h"
#include "solids/choixquadrics.h"
#include "solids/quadriques.h"
#include "solids/solide.h"

inline Quadriques solides(Application& a) {
  Quadriques q;
  for (QWidget* w : QApplication::allWidgets()) {
    if (auto* c = qobject_cast<Tchoixquadrics*>(w)) q.choixquadrics = c;
    if (auto* d = qobject_cast<Tcaracsphere*>(w)) q.caracsphere = d;
    if (auto* d = qobject_cast<Tcaraccube*>(w)) q.caraccube = d;
    if (auto* d = qobject_cast<Tcaraccyl*>(w)) q.caraccyl = d;
    if (auto* d = qobject_cast<Tcaraccone*>(w)) q.caraccone = d;
    if (auto* d = qobject_cast<Tcaracpyr*>(w)) q.caracpyr = d;
  }
  if (q.choixquadrics) return q;
  q = creerquadriques(a.scene, a.fond.get());
  a.outils->setdialogue(3, q.choixquadrics);
  a.Feuille->crochets.dessinesolide = quadrel::dessinesolide;
  optionrepere(a)->preparepyr = [&a] { preparepyr(*a.Feuille); };
  return q;
}

// Replaces the text of a field by typing, then presses Enter.
inline void entrer(QLineEdit* e, const QString& texte) {
  e->setFocus();
  e->clear();
  QTest::keyClicks(e, texte);
  QTest::keyClick(e, Qt::Key_Return);
}

// Pixels of a lit yellow solid: red and green well above blue.
inline int pixelsjaunes(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) {
      const QRgb p = img.pixel(x, y);
      n += qRed(p) > qBlue(p) + 60 && qGreen(p) > qBlue(p) + 60;
    }
  return n;
}
