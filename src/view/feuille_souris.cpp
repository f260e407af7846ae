// Mouse on the sheet: the camera arithmetic lives in view/camera; here events become calls
// and a redraw when the view changed.
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
