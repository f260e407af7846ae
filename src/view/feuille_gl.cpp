// The sheet's GL context and objects: the context is made with the sheet, on an offscreen
// surface of its own; the objects are released when that context goes.
#include <GL/gl.h>
#include <GL/glu.h>

#include <QElapsedTimer>
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "surfaces/axes.h"
#include "view/camera.h"
#include "view/feuille.h"

namespace {
constexpr double kProfondeurGlyphes = 0.15;

void ignorererreurs() {
  for (int k = 0; k < 16 && glGetError() != GL_NO_ERROR; ++k) {
  }
}
}  // namespace

unsigned& TFeuille::id(Liste l) {
  unsigned quadrel::Scene::*const ids[] = {
      &quadrel::Scene::listeaxes,    &quadrel::Scene::listesurface, &quadrel::Scene::listelignesx,
      &quadrel::Scene::listelignesy, &quadrel::Scene::listelignesz, &quadrel::Scene::listeplanx,
      &quadrel::Scene::listeplany,   &quadrel::Scene::listeplanz,   &quadrel::Scene::listeplanxy,
      &quadrel::Scene::listepyramide};
  return scene.*ids[int(l)];
}

void TFeuille::echec(const QString& texte) {
  if (echecmontre_) return;
  echecmontre_ = true;
  QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Init OpenGL"), texte, QMessageBox::Ok);
  boite.exec();
}

// Without a GL platform (no GLX, no driver) the context cannot be made: the sheet says
// so once and stays blank, and the program goes on.
bool TFeuille::creercontexte() {
  surface_ = std::make_unique<QOffscreenSurface>();
  surface_->setFormat(QSurfaceFormat::defaultFormat());
  surface_->create();
  contexte_ = std::make_unique<QOpenGLContext>();
  contexte_->setFormat(QSurfaceFormat::defaultFormat());
  if (!surface_->isValid() || !contexte_->create() || !contexte_->makeCurrent(surface_.get())) {
    contexte_.reset();
    echec(QStringLiteral("Impossible de créer un contexte OpenGL pour la feuille."));
    return false;
  }
  // Display lists and the fixed pipeline need a compatibility context.
  if (contexte_->format().profile() == QSurfaceFormat::CoreProfile) {
    contexte_->doneCurrent();
    contexte_.reset();
    echec(QStringLiteral("Le contexte OpenGL de la feuille n'offre pas OpenGL 1.1."));
    return false;
  }
  return true;
}

void TFeuille::initialiser() {
  if (!creercontexte()) return;
  connect(
      contexte_.get(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { liberer(); },
      Qt::DirectConnection);
  quadrel::executer(quadrel::sheetSetup(taille_.width(), taille_.height()), gl_);
  creerobjets();
  lectureinversee_ = contexte_->hasExtension(QByteArrayLiteral("GL_MESA_pack_invert"));
  glok_ = true;
  for (int l = 1; l < 10; ++l)
    if (!gardees_[l].empty()) quadrel::compiler(id(Liste(l)), gardees_[l], gl_);
  // The axes name their glyph lists, whose ids belong to this context.
  prepareaxe();
  ignorererreurs();
  doneCurrent();
}

bool TFeuille::makeCurrent() {
  return contexte_ && contexte_->makeCurrent(surface_.get());
}

void TFeuille::doneCurrent() {
  if (contexte_) contexte_->doneCurrent();
}

void TFeuille::creerobjets() {
  QElapsedTimer chrono;
  chrono.start();
  scene.basepolice = quadrel::construireglyphes(QFont(QStringLiteral("Comics Sans MS")),
                                                kProfondeurGlyphes, metriquespolice);
  dureeglyphes_ = chrono.nsecsElapsed() / 1e6;
  for (int q : {quadrel::kQuadPoint, quadrel::kQuadCyl, quadrel::kQuadCone})
    gl_.quadriques[q] = gluNewQuadric();
  for (int l = 0; l < 10; ++l) id(Liste(l)) = glGenLists(1);
}

void TFeuille::compiler(Liste l, quadrel::DrawList commandes) {
  gardees_[int(l)] = std::move(commandes);
  if (!glok_) return;  // compiled when the context comes
  // Also called from inside a frame (the section hook), where the context is current.
  const bool courant = QOpenGLContext::currentContext() == context();
  if (!courant && !makeCurrent()) return;
  quadrel::compiler(id(l), gardees_[int(l)], gl_);
  ignorererreurs();
  if (!courant) doneCurrent();
}

void TFeuille::prepareaxe() {
  compiler(Liste::axes, quadrel::buildAxes(scene));
}

void TFeuille::liberer() {
  if (!glok_) return;
  const bool courant = QOpenGLContext::currentContext() == context();
  if (!courant && !makeCurrent()) return;
  for (Liste l : {Liste::surface, Liste::lignesx, Liste::lignesy, Liste::lignesz, Liste::planx,
                  Liste::plany, Liste::planxy, Liste::planz, Liste::pyramide, Liste::axes}) {
    glDeleteLists(id(l), 1);
    id(l) = 0;
  }
  if (scene.basepolice) glDeleteLists(scene.basepolice, 256);
  scene.basepolice = 0;
  for (GLUquadric*& q : gl_.quadriques) {
    if (q) gluDeleteQuadric(q);
    q = nullptr;
  }
  glok_ = false;
  if (!courant) doneCurrent();
}

void TFeuille::FormDestroy() {
  liberer();
}
