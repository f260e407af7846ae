# Scene record, DrawList, camera arithmetic and the frame: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  view/camera.cpp
  view/drawlist.cpp
  view/frame.cpp
  view/mat4.cpp
  view/materials.cpp
  view/shapes.cpp
)
