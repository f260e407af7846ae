// The eleven dialogs of the started program, how the user opens each, and what a click can
// reach in them.
#pragma once

#include <QAbstractSlider>

#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "solides.h"

// The program started, its main window shown and active: keys and focus go to the active
// window, as the user's desktop makes it.
inline std::unique_ptr<Application> demarreractif() {
  auto a = demarrer(QStringLiteral(QUADREL_RESOURCES));
  if (!QTest::qWaitForWindowExposed(a->fond.get())) return nullptr;
  a->fond->activateWindow();
  if (!QTest::qWaitForWindowActive(a->fond.get())) return nullptr;
  return a;
}

// Palette button, then chooser button (-1: none), and the dialog they open.
struct Ouverture {
  int bouton, solide;
  DialogBase* d;
};

inline QList<Ouverture> onze(Application& a) {
  const Quadriques& q = a.quadriques;
  return {{0, -1, a.optionrepere},  {2, -1, a.fonction3d}, {1, -1, a.optionrendu},
          {3, -1, q.choixquadrics}, {3, 4, q.caracsphere}, {3, 0, q.caraccube},
          {3, 1, q.caraccyl},       {3, 3, q.caraccone},   {3, 2, q.caracpyr},
          {4, -1, a.choixsection},  {5, -1, a.Pointlibre}};
}

inline void ouvrir(Application& a, const Ouverture& o) {
  ouvrir(a, o.bouton);
  if (o.solide >= 0)
    QTest::mouseClick(a.quadriques.choixquadrics->boutons[o.solide], Qt::LeftButton);
}

// Fields, buttons and track bars, unless hidden on purpose (a scroll bar not needed).
inline QList<QWidget*> controles(QWidget* d) {
  QList<QWidget*> l;
  for (QWidget* w : d->findChildren<QWidget*>())
    if (w->isVisibleTo(d) && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                              qobject_cast<QAbstractSlider*>(w)))
      l << w;
  return l;
}

// Whether `w` shows inside everything that holds it, up to the main window's area: not in
// a folded group, not scrolled away, not outside the area.
inline bool montre(QWidget* w) {
  if (!w->isVisible()) return false;
  for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
    if (!p->rect().contains(w->mapTo(p, w->rect().center()))) return false;
  return true;
}

// What a click at the centre of each shown control of `d` reaches instead of it (a label
// over a field, ...); empty when all are reached.
inline QStringList caches(QWidget* d) {
  QStringList l;
  for (QWidget* w : controles(d)) {
    if (!montre(w)) continue;
    QWidget* dessus = d->childAt(w->mapTo(d, w->rect().center()));
    if (dessus != w && !w->isAncestorOf(dessus))
      l << w->objectName() + QStringLiteral(" sous ") +
               (dessus ? QLatin1String(dessus->metaObject()->className()) : QLatin1String("rien"));
  }
  return l;
}
