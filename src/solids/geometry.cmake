# Solid drawing and the pyramid list: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  solids/pyramide.cpp
  solids/solide.cpp
)
