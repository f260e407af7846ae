// GLUT is used only for four solid shapes. freeglut's glutInit ends the process when it
// cannot open an X display, so it is called only where one is known to work.
#pragma once

namespace quadrel {

// Initialises GLUT once if the application runs on X; returns whether GLUT is usable.
bool initialiserglut();
bool glutdisponible();

}  // namespace quadrel
