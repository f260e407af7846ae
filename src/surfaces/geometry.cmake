# Axes, surface and level-line builders: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  surfaces/axes.cpp
  surfaces/jonction.cpp
  surfaces/lignes.cpp
  surfaces/niveaux.cpp
  surfaces/valeurs_ligne.cpp
  surfaces/valeurs_ligne.h
  surfaces/surface.cpp
  surfaces/texte_nombre.cpp
)
