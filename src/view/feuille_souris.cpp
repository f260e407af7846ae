// Mouse on the sheet: the camera arithmetic lives in view/camera; here events become calls
// and a redraw when the view changed.
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QWheelEvent>

#include "view/camera.h"
#include "view/feuille.h"

void TFeuille::FormMouseDown(Qt::MouseButton bouton, int x, int y) {
  quadrel::MouseButton b;
  switch (bouton) {
    case Qt::LeftButton:
      b = quadrel::MouseButton::left;
      break;
    case Qt::RightButton:
      b = quadrel::MouseButton::right;
      break;
    case Qt::MiddleButton:
      b = quadrel::MouseButton::middle;
      break;
    default:
      return;
  }
  if (quadrel::mouseDown(scene, b, x, y)) FormPaint();
}

void TFeuille::FormMouseMove(int x, int y) {
  if (quadrel::mouseMove(scene, x, y)) FormPaint();
}

void TFeuille::FormMouseUp() {
  quadrel::mouseUp(scene);
}

void TFeuille::FormMouseWheel(int delta) {
  if (quadrel::mouseWheel(scene, delta)) FormPaint();
}

void TFeuille::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  FormMouseDown(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
}

void TFeuille::mouseMoveEvent(QMouseEvent* e) {
  FormMouseMove(e->position().toPoint().x(), e->position().toPoint().y());
}

void TFeuille::mouseReleaseEvent(QMouseEvent*) {
  FormMouseUp();
}

// Left unhandled, as the main window may want the wheel too. A sideways wheel or a
// touchpad's horizontal swipe carries no vertical turn: it does not zoom.
void TFeuille::wheelEvent(QWheelEvent* e) {
  if (e->angleDelta().y() != 0) FormMouseWheel(e->angleDelta().y());
  e->ignore();
}

void TFeuille::keyPressEvent(QKeyEvent* e) {
  using quadrel::ToucheVue;
  ToucheVue t;
  switch (e->key()) {
    case Qt::Key_Left:
      t = ToucheVue::gauche;
      break;
    case Qt::Key_Right:
      t = ToucheVue::droite;
      break;
    case Qt::Key_Up:
      t = ToucheVue::haut;
      break;
    case Qt::Key_Down:
      t = ToucheVue::bas;
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      t = ToucheVue::plus;
      break;
    case Qt::Key_Minus:
      t = ToucheVue::moins;
      break;
    case Qt::Key_Home:
      t = ToucheVue::origine;
      break;
    default:
      return QWidget::keyPressEvent(e);
  }
  if (quadrel::toucheVue(scene, t, e->modifiers() & Qt::ShiftModifier)) FormPaint();
}

// The focus shows as the caption's own highlight: the frame around the sheet is active.
void TFeuille::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  if (cadre_) cadre_->setStyleSheet(QStringLiteral("QMdiSubWindow { border: 2px solid #3070d0; }"));
}

void TFeuille::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  if (cadre_) cadre_->setStyleSheet(QString());
}
