// Our sphere and cube against GLUT's, drawn lit into the same framebuffer: same pixels,
// immediately and from a display list.
#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <functional>
#include <memory>

#include "principal.h"
#include "view/glexec.h"
#include "view/shapes.h"

namespace {

constexpr int kCote = 240;

struct Cas {
  const char* nom;
  bool sphere, plein;
  double taille;
  int tranches, etages;
  GLenum ombrage;
};

const Cas kCas[] = {
    {"sphere pleine 30x30", true, true, 1.3, 30, 30, GL_FLAT},
    {"sphere pleine 30x30 lisse", true, true, 1.3, 30, 30, GL_SMOOTH},
    {"sphere pleine 10x10", true, true, 0.8, 10, 10, GL_FLAT},
    {"sphere pleine 7x5", true, true, 1.1, 7, 5, GL_FLAT},
    {"sphere pleine 3x2", true, true, 1.1, 3, 2, GL_FLAT},
    {"sphere fil 10x10", true, false, 1.3, 10, 10, GL_FLAT},
    {"sphere fil 30x30", true, false, 1.3, 30, 30, GL_FLAT},
    {"sphere fil 7x5", true, false, 0.9, 7, 5, GL_SMOOTH},
    {"cube plein 1", false, true, 1, 0, 0, GL_FLAT},
    {"cube plein 1.7", false, true, 1.7, 0, 0, GL_FLAT},
    {"cube fil 1.7", false, false, 1.7, 0, 0, GL_FLAT},
};

void glut(const Cas& c) {
  if (c.sphere && c.plein) glutSolidSphere(c.taille, c.tranches, c.etages);
  if (c.sphere && !c.plein) glutWireSphere(c.taille, c.tranches, c.etages);
  if (!c.sphere && c.plein) glutSolidCube(c.taille);
  if (!c.sphere && !c.plein) glutWireCube(c.taille);
}

void nous(const Cas& c) {
  quadrel::dessinerforme(c.sphere
                             ? quadrel::glutSphereArrays(c.plein, c.taille, c.tranches, c.etages)
                             : quadrel::glutCubeArrays(c.plein, c.taille));
}

}  // namespace

class TestFormesGlut : public QObject {
  Q_OBJECT
  QOffscreenSurface surface_;
  QOpenGLContext contexte_;
  std::unique_ptr<QOpenGLFramebufferObject> tampon_;

  QImage dessiner(const Cas& c, const std::function<void(const Cas&)>& forme, bool liste) {
    glViewport(0, 0, kCote, kCote);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 1, 0.1, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(3, 2.2, 4, 0, 0, 0, 0, 0, 1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat position[] = {2, 3, 5, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    const GLfloat couleur[] = {0.2f, 0.5f, 0.9f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, couleur);
    glShadeModel(c.ombrage);
    glNormal3f(0.3f, 0.1f, 0.9f);
    if (liste) {
      const GLuint l = glGenLists(1);
      glNewList(l, GL_COMPILE);
      forme(c);
      glEndList();
      glCallList(l);
      glDeleteLists(l, 1);
    } else {
      forme(c);
    }
    // What comes after relies on the normal the shape left current.
    glBegin(GL_TRIANGLES);
    glVertex3f(-2, -2, -1.5f);
    glVertex3f(2, -2, -1.5f);
    glVertex3f(0, 2, -1.5f);
    glEnd();
    glFinish();
    return tampon_->toImage();
  }

 private slots:
  void initTestCase() {
    surface_.setFormat(QSurfaceFormat::defaultFormat());
    surface_.create();
    contexte_.setFormat(QSurfaceFormat::defaultFormat());
    QVERIFY(contexte_.create());
    QVERIFY(contexte_.makeCurrent(&surface_));
    QVERIFY(quadrel::glutdisponible());
    tampon_ = std::make_unique<QOpenGLFramebufferObject>(
        QSize(kCote, kCote), QOpenGLFramebufferObject::Depth, GL_TEXTURE_2D, GL_RGBA8);
    QVERIFY(tampon_->bind());
  }

  void memesPixels() {
    for (bool liste : {false, true}) {
      for (const Cas& c : kCas) {
        const QImage a = dessiner(c, glut, liste);
        const QImage b = dessiner(c, nous, liste);
        int differents = 0, dessines = 0;
        for (int y = 0; y < kCote; ++y)
          for (int x = 0; x < kCote; ++x) {
            differents += a.pixel(x, y) != b.pixel(x, y);
            dessines += a.pixel(x, y) != 0xffffffffu;
          }
        qInfo("%s%s: %d pixels drawn, %d differ", c.nom, liste ? " (list)" : "", dessines,
              differents);
        QVERIFY(dessines > 500);
        QCOMPARE(differents, 0);
      }
    }
  }
};

QUADREL_GUI_TEST_MAIN(TestFormesGlut)
#include "formesglut_test.moc"
