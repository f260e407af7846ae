// The sheet: the child window everything is drawn in with OpenGL. It owns the GL objects
// of its context (display lists, glyph lists, quadrics) and turns the Scene into pictures:
// prepare methods compile a builder's DrawList into a list, FormPaint draws a frame.
//
// The sheet draws into a framebuffer object of its own context and shows the frame as a
// plain widget. A GL widget would make the toolkit recompose the whole main window on every
// frame (25 ms at 1280x1024 under software GL), and a native GL window would hide the
// dialogs placed over the sheet.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

#include "sections/memoire_plan.h"
#include "view/frame.h"
#include "view/glexec.h"
#include "view/glyphes.h"
#include "view/scene.h"

class QMdiArea;
class QMdiSubWindow;
class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

class TFeuille : public QWidget {
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

  // Sizes itself from the main window's outer size, shows itself at the top left of `zone`,
  // makes its GL context and draws the first frame. Without OpenGL it says so in an
  // "Init OpenGL" box and stays blank.
  TFeuille(quadrel::Scene& scene, QMdiArea* zone, QSize fond);
  ~TFeuille() override;

  // A compatibility 2.1 context with a depth buffer for every GL context; call before the
  // QApplication is made.
  static void formatpardefaut();

  // The sheet's context on its surface, for GL work between frames; false without GL.
  bool makeCurrent();
  void doneCurrent();
  QOpenGLContext* context() const { return contexte_.get(); }

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
  // The section lists for x = k, y = k, z = k and the vertical plane y = ligne(x) (defined
  // with the sections); none paints.
  void prepareplanx(extended k);
  void prepareplany(extended k);
  void prepareplanz(extended k);
  void prepareplanxy(const std::string& ligne, extended k);
  // The pyramid of the solid values (defined with the solids).
  void preparepyr();

  // Draws a frame now; returns at once when a frame is already being drawn.
  void FormPaint();

  // Outer size (frame and caption included), fixed for the run.
  QSize taille() const { return taille_; }
  QMdiSubWindow* cadre() const { return cadre_; }
  // A fresh frame, for the clipboard copy; null without GL.
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
  bool eventFilter(QObject* objet, QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  unsigned& id(Liste l);
  bool creercontexte();
  void initialiser();
  void creerobjets();
  void liberer();
  void echec(const QString& texte);
  // One frame into the framebuffer object and from there into `image_`; the context is
  // current.
  void dessiner();
  bool preparertampon();
  void lire();
  QRect ligneschangees() const;

  QSize taille_;
  QMdiSubWindow* cadre_ = nullptr;
  std::unique_ptr<QOffscreenSurface> surface_;
  std::unique_ptr<QOpenGLContext> contexte_;
  std::unique_ptr<QOpenGLFramebufferObject> tampon_;
  QImage image_;       // the last frame, shown by paintEvent
  QImage precedente_;  // the frame before, whose memory the next frame reuses
  QRect changees_;     // what the last frame changed on the sheet
  quadrel::ContexteGl gl_;
  std::array<quadrel::DrawList, 10> gardees_;  // what each list was compiled from
  quadrel::MemoirePlan memoireplan_;           // what each section list was built from
  bool glok_ = false;
  bool lectureinversee_ = false;  // GL_MESA_pack_invert: frames read back top row first
  bool echecmontre_ = false;
  bool abaissement_ = false;  // the frame is being put back under the dialogs
  double dureeglyphes_ = 0;
  int images_ = 0;
};
