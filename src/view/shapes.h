// The sphere and the cube of the solids, tessellated as GLUT does: same vertices, normals,
// order and draw calls, so that pictures do not change, without GLUT (which cannot start
// without an X server). Pure: the executor draws the arrays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quadrel {

// Vertex and normal arrays (x, y, z each, single precision as GL gets them) and the draw
// calls over them, in order.
struct ShapeArrays {
  struct Draw {
    int mode;      // gl::TRIANGLES, TRIANGLE_STRIP, LINE_STRIP or LINE_LOOP
    int first;     // first index into `indices`, or first vertex when not indexed
    int count;     // indices or vertices
    bool indexed;  // glDrawElements over `indices`, else glDrawArrays
  };
  std::vector<float> vertices, normals;
  std::vector<std::uint16_t> indices;
  std::vector<Draw> draws;

  std::size_t vertexCount() const { return vertices.size() / 3; }
};

// GLUT's sphere about the origin, poles on z. Nothing to draw for fewer than one slice or
// two stacks, nor beyond what 16-bit indices reach (GLUT's indices would wrap there).
ShapeArrays glutSphereArrays(bool solid, double radius, int slices, int stacks);

// GLUT's cube about the origin, edges along the axes.
ShapeArrays glutCubeArrays(bool solid, double edge);

}  // namespace quadrel
