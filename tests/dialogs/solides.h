// What the solid tests share: the solid windows' headers, typing into a field, and
// counting the yellow of a lit solid.
#pragma once

#include "dialogues.h"
#include "solids/gui/caraccone.h"
#include "solids/gui/caraccube.h"
#include "solids/gui/caraccyl.h"
#include "solids/gui/caracpyr.h"
#include "solids/gui/caracsphere.h"
#include "solids/gui/choixquadrics.h"
#include "solids/gui/solid_windows.h"
#include "solids/solide.h"

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
