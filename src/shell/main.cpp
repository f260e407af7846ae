// Quadrel: a 3D mathematics viewer for the classroom.
#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/chemins.h"
#include "shell/demarrage.h"
#include "shell/lecons.h"
#include "shell/lot.h"
#include "view/feuille.h"
#include "view/glyphes.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string erreur;
  const auto ligne = quadrel::lireLigne(arguments, erreur);
  if (!ligne) {
    std::fprintf(stderr, "quadrel : %s\n", erreur.c_str());
    return 1;
  }
  using M = quadrel::LigneDeCommande::Mode;
  if (ligne->mode == M::aide) {
    std::fputs(quadrel::texteAide().c_str(), stdout);
    return 0;
  }
  if (ligne->mode == M::version) {
    std::printf("quadrel %s\n", QUADREL_VERSION);
    return 0;
  }
  if (ligne->mode != M::fenetre) {
    // Drawn with no display: the toolkit's offscreen platform for fonts, EGL for GL.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    quadrel::substituerpolices();
    return quadrel::executerLot(*ligne);
  }
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  // The toolkit's own texts (standard buttons, the file dialog) in French, as the program's
  // are, whatever the system's language. Without the translations, they stay in English.
  QTranslator traductions;
  if (traductions.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&traductions);
  const auto fenetres = demarrer(dossierRessources());
  if (!ligne->lecon.isEmpty()) ouvrirLecon(*fenetres, ligne->lecon);
  return QApplication::exec();
}
