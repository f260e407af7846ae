#include "view/glutgarde.h"

#include <GL/freeglut.h>

#include <QGuiApplication>
#include <cstdlib>

// Last: X11's macros clash with Qt's names.
#include <GL/glx.h>

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
  // Qt has opened this display already, so glutInit will too; but glutInit ends the
  // process when the display offers no GLX.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display() || !glXQueryExtension(x11->display(), nullptr, nullptr)) return false;
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
