#include "solids/gui/caraccone.h"

#include <QLabel>

namespace {

using quadrel::Scene;
using solids::Rule;

solids::DialogSpec description() {
  solids::DialogSpec d;
  d.objectName = "caraccone";
  d.caption = QStringLiteral("Le cône");
  d.fields = {{"Edit1", "a1", &Scene::solx, Rule::any},
              {"Edit2", "b1", &Scene::soly, Rule::any},
              {"Edit3", "k1", &Scene::soltaille, Rule::coefficient},
              {"Edit4", "d1", &Scene::solz, Rule::any},
              {"Edit7", "a2", &Scene::solx, Rule::any},
              {"Edit5", "k2", &Scene::soltaille, Rule::coefficient},
              {"Edit8", "b2", &Scene::soly, Rule::any},
              {"Edit6", "d2", &Scene::solz, Rule::any},
              {"Edit9", "k3", &Scene::soltaille, Rule::coefficient},
              {"Edit10", "a3", &Scene::solx, Rule::any},
              {"Edit11", "b3", &Scene::soly, Rule::any},
              {"Edit12", "d3", &Scene::solz, Rule::any}};
  d.rowSize = 4;
  d.rows = {"(x-a)²+(y-b)²-k(z-d)²=0", "(x-a)²-k(y-b)²+(z-d)²=0", "k(x-a)²-(y-b)²-(z-d)²=0"};
  d.kindByRow = {6, 7, 8};
  return d;
}

}  // namespace

Tcaraccone::Tcaraccone(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : SolidDialog(s, h, description(), parent) {
  // The rows read as the cones drawn: about z, y and x, c beside the squared term of the
  // axis.
  const QString textes[3] = {
      QStringLiteral("(x-                 )²+(y-                  )²-            (z-            "
                     "     )²=0"),
      QStringLiteral("(x-                 )²-            (y-                  )²+(z-            "
                     "     )²=0"),
      QStringLiteral("            (x-                 )²-(y-                  )²-(z-            "
                     "      )²=0")};
  int largeur = 0;
  for (int r = 0; r < 3; ++r) {
    const int y = 14 + 34 * r;
    lignes[r]->setGeometry(10, y, 22, 22);
    QLabel* l = equation(textes[r], {36, y}, {4 * r, 4 * r + 1, 4 * r + 2, 4 * r + 3});
    largeur = std::max(largeur, l->geometry().right());
  }
  largeur = std::max(largeur + 16, 240);
  placerboutons({largeur / 2 - 68, 120}, {largeur / 2 + 8, 120});
  setFixedSize({largeur, 166});
}
