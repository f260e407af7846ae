# Axes, surface and level-line builders: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  surfaces/axes.cpp
)
