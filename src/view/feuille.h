// The sheet: the child window everything is drawn in. Its renderer, on a GL context of the
// sheet's own, holds the lists and draws the frames; the sheet turns the Scene into
// pictures (a prepare method records a builder's DrawList into its list; reconstruire does
// so only when the list's inputs changed; FormPaint draws a frame), shows them and
// forwards the mouse.
//
// The frames are images read back from a framebuffer object, shown by a plain widget. A GL
// widget would make the toolkit recompose the whole main window on every frame (25 ms at
// 1280x1024 under software GL), and a native GL window would hide the dialogs placed over
// the sheet.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "sections/memoire_plan.h"
#include "sections/section_rules.h"
#include "solids/solide.h"
#include "surfaces/entrees_fonction.h"
#include "surfaces/niveaux.h"
#include "view/cache_liste.h"
#include "view/frame.h"
#include "view/renderer.h"
#include "view/scene.h"

class QMdiArea;
class QMdiSubWindow;

class TFeuille : public QWidget, public quadrel::FeuilleSections {
  Q_OBJECT
 public:
  using Liste = quadrel::Liste;

  // Sizes itself from the main window's outer size, shows itself at the top left of `zone`,
  // makes its GL context and draws the first frame. Without OpenGL it says so in an
  // "Init OpenGL" box and stays blank.
  TFeuille(quadrel::Scene& scene, QMdiArea* zone, QSize fond);
  ~TFeuille() override;

  // A compatibility 2.1 context with a depth buffer for every GL context; call before the
  // QApplication is made.
  static void formatpardefaut();

  // The sheet's context, for GL work between frames; false without GL.
  bool makeCurrent();
  void doneCurrent();

  quadrel::Scene& scene;
  quadrel::FrameHooks crochets;  // the solid hook, set by the shell
  // Called once a frame asked for by FormPaint is on the screen (the undo history notes it).
  std::function<void()> apresimage;

  // Records `commandes` into the display list `liste`, replacing its contents. Needs no
  // current context.
  void enregistrer(Liste liste, quadrel::DrawList commandes);
  // Brings `liste` up to the model: rebuilds it when its inputs differ from those of its
  // last build (lignesx: the three level-line lists; axes: the clip planes too).
  void reconstruire(Liste liste);
  // Each rebuilds its list now, whatever it was built from.
  void prepareaxe();
  // The surface and its level lines, from the function dialog's formula (defined with the
  // surface dialogs).
  void preparesurface();
  void preparelignes();
  // The section lists for x = k, y = k, z = k and the vertical plane y = ligne(x) (defined
  // with the sections); none paints.
  void prepareplanx(extended k) override;
  void prepareplany(extended k) override;
  void prepareplanz(extended k) override;
  void prepareplanxy(const std::string& ligne, extended k) override;
  // The pyramid of the solid values (defined with the solids).
  void preparepyr();

  // Draws a frame now; returns at once when a frame is already being drawn.
  void FormPaint();

  // Outer size (frame and caption included), fixed for the run.
  QSize taille() const { return taille_; }
  QMdiSubWindow* cadre() const { return cadre_; }
  // A fresh frame, for the clipboard copy; null without GL.
  QImage image();
  // What the sheet shows, in French words, for a screen reader.
  QString description() const;
  bool glok() const { return rendu_ && rendu_->pret(); }
  // Milliseconds the 256 glyph lists took to build in the current context.
  double dureeglyphes() const { return rendu_ ? rendu_->dureeglyphes() : 0; }
  // Frames drawn so far.
  int imagesdessinees() const { return images_; }
  // Display lists recorded so far (what a rebuild costs shows here).
  int listesenregistrees() const { return enregistrees_; }

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
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void initialiser();
  void echec(const QString& texte);
  // One frame from the renderer into `image_`. With smoothed lines, a still frame is drawn
  // multisampled and smoothed; a frame that follows another closely (the view turning, k
  // sweeping) is not, and the picture is drawn again smoothed once the frames stop.
  void dessiner(bool immobile = false);
  void affiner();
  // The section and the free point's height brought up to the model, before a frame.
  void suivremodele();
  QRect ligneschangees() const;

  QSize taille_;
  QMdiSubWindow* cadre_ = nullptr;
  std::unique_ptr<quadrel::Renderer> rendu_;
  QImage image_;                      // the last frame, shown by paintEvent
  QImage precedente_;                 // the frame before, whose memory the next frame reuses
  QRect changees_;                    // what the last frame changed on the sheet
  QElapsedTimer depuis_;              // since the last frame began
  QTimer* affinage_ = nullptr;        // draws the multisampled frame once frames stop
  bool lisse_ = false;                // the last frame was multisampled
  quadrel::MemoirePlan memoireplan_;  // what each section list was built from
  quadrel::LignesGardees courbez_;    // the z section's search, kept from one k to the next
  quadrel::CacheListe<quadrel::Repere> axes_;
  quadrel::CacheListe<quadrel::EntreesFonction> surface_, lignes_;
  quadrel::CacheListe<quadrel::EntreesSolide> pyramide_;
  bool echecmontre_ = false;
  bool abaissement_ = false;  // the frame is being put back under the dialogs
  int images_ = 0;
  int enregistrees_ = 0;
};
