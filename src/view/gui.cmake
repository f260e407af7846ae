# GL and Qt side of the view: the GL executor, the 3D glyph lists and the sheet.
# The targets themselves are made in shell/gui.cmake, the last folder read, once every
# folder has listed its files.
find_package(Qt6 REQUIRED COMPONENTS Widgets OpenGL OpenGLWidgets Multimedia)
find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
set(CMAKE_AUTOMOC ON)

list(APPEND QUADREL_VIEW_SOURCES
  view/glexec.cpp
  view/renderer.cpp
  view/contexte_egl.cpp
  view/glyphes.cpp
  view/feuille.cpp
  view/feuille_gl.cpp
  view/feuille_souris.cpp
  view/feuille_surfaces.cpp
  view/feuille_sections.cpp
  view/feuille_pyramide.cpp
)
