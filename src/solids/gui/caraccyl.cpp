#include "solids/gui/caraccyl.h"

namespace {

using quadrel::Scene;
using solids::Rule;

solids::DialogSpec description() {
  solids::DialogSpec d;
  d.objectName = "caraccyl";
  d.caption = QStringLiteral("Le cylindre");
  d.fields = {{"ex", "a1", &Scene::solx, Rule::any},
              {"ey", "b1", &Scene::soly, Rule::any},
              {"erayon", "r1", &Scene::soltaille, Rule::positive},
              {"ex1", "a2", &Scene::solx, Rule::any},
              {"ez", "c2", &Scene::solz, Rule::any},
              {"erayon1", "r2", &Scene::soltaille, Rule::positive},
              {"ey1", "b3", &Scene::soly, Rule::any},
              {"ez1", "c3", &Scene::solz, Rule::any},
              {"erayon2", "r3", &Scene::soltaille, Rule::positive}};
  d.rowSize = 3;
  d.rows = {"(x-a)²+(y-b)²=r²", "(x-a)²+(z-c)²=r²", "(y-b)²+(z-c)²=r²"};
  d.kindByRow = {3, 4, 5};
  return d;
}

}  // namespace

Tcaraccyl::Tcaraccyl(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : SolidDialog(s, h, description(), parent) {
  const QStringList pieces[3] = {{QStringLiteral("(x-"), QStringLiteral(")²+(y-"),
                                  QStringLiteral(")²="), QStringLiteral("²"), QStringLiteral(";")},
                                 {QStringLiteral("(x-"), QStringLiteral(")²+(z-"),
                                  QStringLiteral(")²="), QStringLiteral("²"), QStringLiteral(";")},
                                 {QStringLiteral("(y-"), QStringLiteral(")²+(z-"),
                                  QStringLiteral(")²="), QStringLiteral("²")}};
  int largeur = 0;
  for (int r = 0; r < 3; ++r) {
    const int y = 14 + 34 * r;
    lignes[r]->setGeometry(10, y, 22, 22);
    largeur = std::max(largeur, morceaux(pieces[r], {36, y}, {3 * r, 3 * r + 1, 3 * r + 2}));
  }
  largeur = std::max(largeur + 16, 240);
  placerboutons({largeur / 2 - 68, 120}, {largeur / 2 + 8, 120});
  setFixedSize({largeur, 166});
}
