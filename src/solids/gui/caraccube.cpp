#include "solids/gui/caraccube.h"

namespace {

solids::DialogSpec description() {
  solids::DialogSpec d;
  d.objectName = "caraccube";
  d.caption = QStringLiteral("Le cube");
  d.fields = {{"Edit4", "Longueur", &quadrel::Scene::soltaille, solids::Rule::positive}};
  d.rowSize = 1;
  d.kindOnEnter = 2;
  d.help =
      QStringLiteral("Indiquez le rayon du cercle circonscrit à la base et la longueur d'un côté.");
  d.helpOnFields = true;
  return d;
}

}  // namespace

Tcaraccube::Tcaraccube(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : SolidDialog(s, h, description(), parent) {
  etiquette(QStringLiteral("Le cube est caractérisée par"), {16, 12, 200, 20});
  etiquette(QStringLiteral("la longueur d'une arête :"), {16, 32, 200, 20});
  etiquette(QStringLiteral("Longueur :"), {16, 64, 70, 22});
  champ(0)->setGeometry(90, 64, 80, 22);
  placerboutons({20, 102}, {110, 102});
  setFixedSize({200, 148});
}
