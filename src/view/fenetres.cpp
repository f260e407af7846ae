#include "view/fenetres.h"

#include <QMdiSubWindow>

Fenetres& fenetres() {
  static Fenetres f;
  return f;
}

QWidget* cadre(QWidget* w) {
  if (!w) return nullptr;
  if (auto* s = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return s;
  return w;
}
