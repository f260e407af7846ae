// Quadrel: a 3D mathematics viewer for the classroom.
#include <QApplication>

#include "shell/chemins.h"
#include "shell/demarrage.h"
#include "view/feuille.h"

int main(int argc, char** argv) {
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  const auto fenetres = demarrer(dossierRessources());
  return QApplication::exec();
}
