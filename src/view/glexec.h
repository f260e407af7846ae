// The one place that turns recorded DrawList commands into GL and GLU calls, either
// immediately (the frame) or inside glNewList/glEndList (the prepare methods).
#pragma once

#include <array>

#include "view/drawlist.h"
#include "view/shapes.h"

struct GLUquadric;

namespace quadrel {

// GL objects of the sheet's context that commands refer to by id.
struct ContexteGl {
  std::array<GLUquadric*, 4> quadriques{};  // by quadric id (kQuadPoint, kQuadCyl, kQuadCone)
};

void executer(const DrawList& liste, const ContexteGl& gl);

// Draws the arrays with the calls GLUT makes for its shapes (client arrays enabled, then
// disabled again).
void dessinerforme(const ShapeArrays& forme);

// Runs `liste` into display list `id` (GL_COMPILE), replacing what it held.
void compiler(unsigned id, const DrawList& liste, const ContexteGl& gl);

}  // namespace quadrel
