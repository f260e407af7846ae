#include "solids/gui/caracpyr.h"

#include <QLabel>

namespace {

using quadrel::Scene;
using solids::Rule;

solids::DialogSpec description() {
  solids::DialogSpec d;
  d.objectName = "caracpyr";
  d.caption = QStringLiteral("Pyramide");
  d.fields = {{"Edit1", "Rayon de base", &Scene::soltaille, Rule::positive},
              {"Edit2", "Nbre de côtés", &Scene::solx, Rule::sideCount, true},
              {"Edit3", "Hauteur", &Scene::soly, Rule::positive}};
  d.rowSize = 3;
  d.kindOnEnter = 9;
  d.goOrder = {0, 1, 2};
  d.rebuildsPyramid = true;
  d.help = QStringLiteral(
      "Indiquez le rayon du cercle circonscrit à la base,le nombre de côtés de la base et la "
      "hauteur de la pyramide.");
  return d;
}

}  // namespace

Tcaracpyr::Tcaracpyr(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : SolidDialog(s, h, description(), parent) {
  QLabel* titre = etiquette(QStringLiteral("Pyramide régulière"), {16, 10, 200, 22});
  QFont f = titre->font();
  f.setBold(true);
  titre->setFont(f);
  const QString textes[3] = {QStringLiteral("\"Rayon\" de base :"),
                             QStringLiteral("Nbre de côtés :"), QStringLiteral("Hauteur :")};
  for (int k = 0; k < 3; ++k) {
    etiquette(textes[k], {16, 42 + 30 * k, 110, 22});
    champ(k)->setGeometry(130, 42 + 30 * k, 70, 22);
  }
  placerboutons({24, 140}, {116, 140});
  setFixedSize({216, 186});
}
