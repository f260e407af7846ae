// The sheet's camera: mouse arithmetic on the view values, and the fixed GL set-up that the
// sheet issues once when its context is made (state, viewport, projection).
#pragma once

#include "view/drawlist.h"
#include "view/scene.h"

namespace quadrel {

enum class MouseButton { left, right, middle };

// Outer size of the sheet inside a main window of the given outer size.
struct SheetSize {
  int width = 0;
  int height = 0;
};
SheetSize sheetSize(int mainWidth, int mainHeight);

// Each returns true when the sheet must redraw now.
bool mouseDown(Scene& s, MouseButton button, int x, int y);
bool mouseMove(Scene& s, int x, int y);
void mouseUp(Scene& s);
// delta > 0: wheel turned away from the user. The zoom stays within [kZoomMin, kZoomMax], so
// that the view never becomes empty or infinite and the wheel can always bring it back.
bool mouseWheel(Scene& s, int delta);
inline constexpr float kZoomMin = 1e-3f;
inline constexpr float kZoomMax = 1e3f;

// The view by keyboard: arrows turn by 5 degrees, with Shift they pan as one pan step of
// the mouse, plus and minus zoom as one notch of the wheel, Home is the middle button.
enum class ToucheVue { gauche, droite, haut, bas, plus, moins, origine };
// Returns true when the sheet must redraw now.
bool toucheVue(Scene& s, ToucheVue t, bool decaler);
inline constexpr float kPasClavier = 5;  // degrees per arrow press

// Middle button: back to the start view of the frame style (grid and hidden frames are
// seen from an angle that shows the back walls).
void resetView(Scene& s);

// Fixed state, viewport and projection for a sheet of this outer size; leaves the
// model-view matrix selected. Issued once per GL context.
DrawList sheetSetup(int width, int height);

}  // namespace quadrel
