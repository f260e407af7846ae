#include "view/camera.h"

#include <cstdlib>

#include "view/glconst.h"
#include "view/materials.h"

namespace quadrel {

SheetSize sheetSize(int mainWidth, int mainHeight) {
  return {mainWidth - 180, mainHeight - 100};
}

void resetView(Scene& s) {
  if (s.typerepere == TypeRepere::axes) {
    s.inclinaison = 0;
    s.rotz = 0;
  } else {
    s.inclinaison = 4;
    s.rotz = -133.5f;
  }
  s.decaly = 0;
  s.decalz = 0;
  s.zoom = 0.75f;
}

bool mouseDown(Scene& s, MouseButton button, int x, int y) {
  s.sourisx = x;
  s.sourisy = y;
  switch (button) {
    case MouseButton::left:
      s.modesouris = 1;
      return false;
    case MouseButton::right:
      s.modesouris = 2;
      return false;
    case MouseButton::middle:
      resetView(s);
      return true;
  }
  return false;
}

// Half a degree per pixel, never wrapped: the angles grow without bound on long drags.
static void turn(Scene& s, int x, int y) {
  s.inclinaison = static_cast<float>(s.inclinaison + (y - s.sourisy) / 2.0);
  s.rotz = static_cast<float>(s.rotz - (x - s.sourisx) / 2.0);
}

// A fixed step per event and direction, whatever the distance travelled.
static void pan(Scene& s, int x, int y) {
  constexpr float step = 0.25f;
  if (std::abs(y - s.sourisy) > 0) s.decalz += y > s.sourisy ? -step : step;
  if (std::abs(x - s.sourisx) > 0) s.decaly += x < s.sourisx ? -step : step;
}

bool toucheVue(Scene& s, ToucheVue t, bool decaler) {
  constexpr float pas = 0.25f;  // as a pan step of the mouse
  switch (t) {
    case ToucheVue::gauche:
    case ToucheVue::droite: {
      const float sens = t == ToucheVue::gauche ? -1.f : 1.f;
      if (decaler)
        s.decaly += sens * pas;
      else
        s.rotz -= sens * kPasClavier;
      return true;
    }
    case ToucheVue::haut:
    case ToucheVue::bas: {
      const float sens = t == ToucheVue::haut ? -1.f : 1.f;
      if (decaler)
        s.decalz -= sens * pas;
      else
        s.inclinaison += sens * kPasClavier;
      return true;
    }
    case ToucheVue::plus:
      return mouseWheel(s, 120);
    case ToucheVue::moins:
      return mouseWheel(s, -120);
    case ToucheVue::origine:
      resetView(s);
      return true;
  }
  return false;
}

bool mouseMove(Scene& s, int x, int y) {
  if (s.modesouris == 1) {
    turn(s, x, y);
  } else if (s.modesouris == 2) {
    pan(s, x, y);
  } else {
    return false;
  }
  s.sourisx = x;
  s.sourisy = y;
  return true;
}

void mouseUp(Scene& s) {
  s.modesouris = 0;
}

// Unbounded, about 930 notches overflow to infinity (or underflow to zero), which no notch
// undoes. Clamped, the first notch back leaves the bound.
bool mouseWheel(Scene& s, int delta) {
  float z = static_cast<float>(s.zoom * (delta > 0 ? 0.9 : 1.1));
  if (!(z >= kZoomMin)) z = kZoomMin;  // also a zoom that is not a number
  if (z > kZoomMax) z = kZoomMax;
  if (z == s.zoom) return false;
  s.zoom = z;
  return true;
}

DrawList sheetSetup(int width, int height) {
  DrawList d;
  d.enable(gl::DEPTH_TEST);
  d.enable(gl::COLOR_MATERIAL);
  d.shadeModel(gl::FLAT);
  d.enable(gl::BLEND);
  d.blendFunc(gl::SRC_ALPHA, gl::ONE_MINUS_SRC_ALPHA);
  d.hint(gl::PERSPECTIVE_CORRECTION_HINT, gl::NICEST);
  d.material(gl::FRONT_AND_BACK, gl::SHININESS, 80);
  setLight0Colours(d);
  d.viewport(0, 0, width, height);
  d.matrixMode(gl::PROJECTION);
  d.loadIdentity();
  // Outer sizes, as the window was sized; a degenerate height must not divide by zero.
  const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
  d.perspective(45, aspect, 0.1, 500);
  d.matrixMode(gl::MODELVIEW);
  return d;
}

}  // namespace quadrel
