// Quadrel: a 3D mathematics viewer for the classroom.
#include <QApplication>

#include "shell/demarrage.h"
#include "view/feuille.h"
#include "view/glutgarde.h"

int main(int argc, char** argv) {
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  quadrel::initialiserglut();  // a failure only means GLU shapes for the solids
  const auto fenetres = demarrer(QCoreApplication::applicationDirPath());
  return QApplication::exec();
}
