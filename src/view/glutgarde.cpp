#include "view/glutgarde.h"

#include <GL/freeglut.h>

#include <QGuiApplication>
#include <cstdlib>

namespace quadrel {
namespace {
bool pret = false;
}

bool initialiserglut() {
  if (pret) return true;
  const char* affichage = std::getenv("DISPLAY");
  if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb") || !affichage ||
      !*affichage)
    return false;
  // Qt has opened this display already, so glutInit will too.
  int argc = 1;
  char nom[] = "quadrel";
  char* argv[] = {nom, nullptr};
  glutInit(&argc, argv);
  pret = true;
  return true;
}

bool glutdisponible() {
  return pret;
}

}  // namespace quadrel
