# The mesh for files (surface and solid as triangles) and the STL writer: pure, no Qt, no GL.
list(APPEND QUADREL_GEOMETRY_SOURCES
  files/mesh.cpp
  files/mesh_solide.cpp
  files/stl.cpp
)
