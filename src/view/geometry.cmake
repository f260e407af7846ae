# Scene record, DrawList, camera arithmetic and the frame: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  view/drawlist.cpp
)
