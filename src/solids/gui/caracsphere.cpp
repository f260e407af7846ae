#include "solids/gui/caracsphere.h"

#include <QLabel>

namespace {

using quadrel::Scene;
using solids::Rule;

solids::DialogSpec description() {
  solids::DialogSpec d;
  d.objectName = "caracsphere";
  d.caption = QStringLiteral("La sphère");
  d.fields = {{"Edit4", "x du centre", &Scene::solx, Rule::any},
              {"Edit1", "y du centre", &Scene::soly, Rule::any},
              {"Edit2", "z du centre", &Scene::solz, Rule::any},
              {"Edit3", "rayon", &Scene::soltaille, Rule::positive}};
  d.rowSize = 4;
  d.kindOnEnter = 1;
  d.goOrder = {1, 2, 3, 0};  // Edit1, Edit2, Edit3, Edit4
  return d;
}

}  // namespace

Tcaracsphere::Tcaracsphere(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : SolidDialog(s, h, description(), parent) {
  QLabel* l = equation(QStringLiteral("(x-              )²+(y-              )²+(z-            )²="
                                      "             ²"),
                       {16, 24}, {0, 1, 2, 3});
  const int largeur = std::max(l->geometry().right() + 16, 220);
  placerboutons({largeur / 2 - 68, 66}, {largeur / 2 + 8, 66});
  setFixedSize({largeur, 114});
}
