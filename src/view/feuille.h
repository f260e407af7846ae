// The sheet: the child window everything is drawn in with OpenGL. It owns the GL objects
// of its context (display lists, glyph lists, quadrics) and turns the Scene into pictures:
// prepare methods compile a builder's DrawList into a list, FormPaint draws a frame.
#pragma once

#include <QOpenGLWidget>
#include <array>

#include "view/frame.h"
#include "view/glexec.h"
#include "view/glyphes.h"
#include "view/scene.h"

class QMdiArea;
class QMdiSubWindow;

class TFeuille : public QOpenGLWidget {
  Q_OBJECT
 public:
  // The ten display lists, in the order their ids are handed out.
  enum class Liste {
    axes,
    surface,
    lignesx,
    lignesy,
    lignesz,
    planx,
    plany,
    planz,
    planxy,
    pyramide
  };

  // Sizes itself from the main window's outer size, shows itself at the top left of `zone`
  // and draws the first frame.
  TFeuille(quadrel::Scene& scene, QMdiArea* zone, QSize fond);
  ~TFeuille() override;

  // A compatibility 2.1 context with a depth buffer for every GL widget; call before the
  // QApplication is made.
  static void formatpardefaut();

  quadrel::Scene& scene;
  quadrel::FrameHooks crochets;  // section, free point and solid hooks, set by the shell
  quadrel::Metriques metriquespolice{};

  // Compiles `commandes` into the display list `liste`, replacing its contents. Kept, so
  // that a new GL context gets the same lists back. Needs no current context.
  void compiler(Liste liste, quadrel::DrawList commandes);
  void prepareaxe();
  // The surface and its level lines, from the function dialog's formula (defined with the
  // surface dialogs).
  void preparesurface();
  void preparelignes();
  // The pyramid of the solid values (defined with the solids).
  void preparepyr();

  // Draws a frame now; returns at once when a frame is already being drawn.
  void FormPaint();

  // Outer size (frame and caption included), fixed for the run.
  QSize taille() const { return taille_; }
  QMdiSubWindow* cadre() const { return cadre_; }
  // The last frame as drawn, for the clipboard copy.
  QImage image();
  bool glok() const { return glok_; }
  // Milliseconds the 256 glyph lists took to build in the current context.
  double dureeglyphes() const { return dureeglyphes_; }
  // Frames drawn so far.
  int imagesdessinees() const { return images_; }

  void FormMouseDown(Qt::MouseButton bouton, int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseUp();
  void FormMouseWheel(int delta);
  void FormDestroy();

 protected:
  void initializeGL() override;
  void paintGL() override;
  void resizeGL(int, int) override {}
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  unsigned& id(Liste l);
  void creerobjets();
  void liberer();
  void echec(const QString& texte);
  void dessiner();

  QSize taille_;
  QMdiSubWindow* cadre_ = nullptr;
  quadrel::ContexteGl gl_;
  // Context of the context's signal: gone with this object, before the base class destroys
  // the GL context.
  QObject garde_;
  std::array<quadrel::DrawList, 10> gardees_;  // what each list was compiled from
  bool glok_ = false;
  bool dejadessinee_ = false;  // the framebuffer holds a frame Qt has not shown yet
  bool echecmontre_ = false;
  double dureeglyphes_ = 0;
  int images_ = 0;
};
