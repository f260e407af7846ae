#include "view/feuille.h"

#include <GL/gl.h>

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <utility>

#include "services/curseurs.h"
#include "view/camera.h"

namespace {

// The hourglass over the whole screen for the length of a frame, put back however the
// frame ends.
class Sablier {
 public:
  Sablier() { QGuiApplication::setOverrideCursor(curseur(Role::sablier)); }
  ~Sablier() { QGuiApplication::restoreOverrideCursor(); }
  Sablier(const Sablier&) = delete;
  Sablier& operator=(const Sablier&) = delete;
};

}  // namespace

TFeuille::TFeuille(quadrel::Scene& s, QMdiArea* zone, QSize fond) : scene(s) {
  const quadrel::SheetSize t = quadrel::sheetSize(fond.width(), fond.height());
  taille_ = QSize(t.width, t.height);
  setWindowTitle(QStringLiteral("Feuille"));
  setAccessibleName(QStringLiteral("Feuille"));
  // FormPaint draws outside Qt's paint cycle; the frame must still be there when Qt
  // composes the window.
  setUpdateBehavior(QOpenGLWidget::PartialUpdate);
  poser(this, Role::croix);

  // Frame and view defaults, before anything is built.
  s.xmin = s.ymin = s.zmin = -4;
  s.xmax = s.ymax = s.zmax = 4;
  s.gradx = s.grady = s.gradz = 1;
  s.inclinaison = s.rotz = s.decaly = s.decalz = 0;
  s.zoom = 0.75f;

  if (zone) {
    // No system menu and no buttons: the sheet can be neither closed nor resized.
    cadre_ =
        zone->addSubWindow(this, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    cadre_->setWindowTitle(QStringLiteral("Feuille"));
    cadre_->setAccessibleName(QStringLiteral("Feuille"));
    cadre_->setFixedSize(taille_);
    poser(cadre_, Role::defaut);
    cadre_->move(0, 0);
    cadre_->show();
  }
  // The context comes with the first paint; the axes are built there.
  s.dessinencours = false;
  FormPaint();
  if (isVisible() && !isValid())
    echec(QStringLiteral("Impossible de créer un contexte OpenGL pour la feuille."));
}

TFeuille::~TFeuille() {
  FormDestroy();
}

void TFeuille::formatpardefaut() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setVersion(2, 1);
  f.setDepthBufferSize(24);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(f);
}

// Drawn at once into the widget's framebuffer, not queued: a handler that changed the scene
// sees its frame done when FormPaint returns, whether or not Qt would paint now.
void TFeuille::FormPaint() {
  if (scene.dessinencours) return;
  if (!glok_) return repaint();  // the first paint makes the context
  makeCurrent();
  dessiner();
  doneCurrent();
  dejadessinee_ = true;
  update();
}

void TFeuille::paintGL() {
  // The framebuffer still holds the frame FormPaint just drew.
  if (std::exchange(dejadessinee_, false)) return;
  dessiner();
}

void TFeuille::dessiner() {
  quadrel::GardeDessin garde(scene);
  if (!garde || !glok_) return;
  Sablier sablier;
  try {
    // Qt sets the viewport to the client size before each paint; the sheet's is its outer
    // size, as its projection.
    const qreal r = devicePixelRatioF();
    glViewport(0, 0, int(taille_.width() * r), int(taille_.height() * r));
    const quadrel::Frame f = quadrel::buildFrame(scene, crochets);
    quadrel::executer(f.commands, gl_);
    ++images_;
    if (f.caption && cadre_) cadre_->setWindowTitle(QString::fromLatin1(f.caption->c_str()));
  } catch (...) {
    // A failing hook leaves this frame unfinished; the guards still clear the busy flag
    // and the cursor, and the next frame starts afresh.
  }
  for (int k = 0; k < 16 && glGetError() != GL_NO_ERROR; ++k) {
  }
}

// A fresh frame read straight from the widget's framebuffer: Qt's own grab comes back
// blank once the widget has been given a new context.
QImage TFeuille::image() {
  if (!glok_ || scene.dessinencours) return {};
  const qreal r = devicePixelRatioF();
  const int l = int(width() * r), h = int(height() * r);
  QImage img(l, h, QImage::Format_RGBA8888);
  makeCurrent();
  dessiner();
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, l, h, GL_RGBA, GL_UNSIGNED_BYTE, img.bits());
  doneCurrent();
  return img.mirrored().convertToFormat(QImage::Format_RGB32);
}
