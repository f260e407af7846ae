// A recorded sequence of GL 1.1 / GLU / GLUT calls. Builders fill one; the sheet's executor
// replays it (immediately, or into a display list). Pure data, so tests can read it back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace quadrel {

// Argument layout of each command (i = integer arguments, d = real arguments).
enum class Op : std::uint8_t {
  Begin,               // i0 primitive mode
  End,                 //
  Vertex,              // d0..d2
  Normal,              // d0..d2
  Color3,              // d0..d2
  Color4,              // d0..d3
  Material,            // i0 face, i1 pname, d0..d3 (shininess: d0 only)
  Light,               // i0 light, i1 pname, d0..d3
  Enable,              // i0 capability
  Disable,             // i0 capability
  PolygonMode,         // i0 face, i1 mode
  LineWidth,           // d0
  PointSize,           // d0
  ShadeModel,          // i0
  BlendFunc,           // i0 source factor, i1 destination factor
  DepthFunc,           // i0
  DepthMask,           // i0 flag
  Hint,                // i0 target, i1 mode
  FogMode,             // i0 mode (glFogi with GL_FOG_MODE)
  Fog,                 // i0 pname, d0..d3 (glFogfv: one value, or the four of the colour)
  MatrixMode,          // i0
  PushMatrix,          //
  PopMatrix,           //
  LoadIdentity,        //
  Translate,           // d0..d2
  Rotate,              // d0 angle in degrees, d1..d3 axis
  Scale,               // d0..d2
  MultMatrix,          // i0 index into matrices(), column-major like glMultMatrixd
  ClipPlane,           // i0 plane, d0..d3 equation
  CallList,            // i0 list id (read it with Command::list())
  QuadricNormals,      // i0 quadric id, i1 GLU normals
  QuadricDrawStyle,    // i0 quadric id, i1 GLU draw style
  QuadricOrientation,  // i0 quadric id, i1 GLU orientation
  Sphere,              // i0 quadric id, i1 slices, i2 stacks, d0 radius
  Cylinder,            // i0 quadric id, i1 slices, i2 stacks, d0 base, d1 top, d2 height
  Disk,                // i0 quadric id, i1 slices, i2 loops, d0 inner, d1 outer
  PartialDisk,         // i0 quadric id, i1 slices, i2 loops, d0 inner, d1 outer,
                       //   d2 start angle, d3 sweep angle
  GlutSphere,          // i0 1 solid / 0 wire, i1 slices, i2 stacks, d0 radius
  GlutCube,            // i0 1 solid / 0 wire, d0 edge
  Perspective,         // d0 fovy, d1 aspect, d2 near, d3 far
  LookAt,              // d0..d2 eye, d3..d5 centre, d6..d8 up
  Viewport,            // i0 x, i1 y, i2 width, i3 height
  ClearColor,          // d0..d3
  Clear,               // i0 mask
  PolygonOffset,       // d0 factor, d1 units
  Mesh,                // i0 index into meshes(): one packed batch (see PackedMesh)
};

struct Command {
  Op op{};
  std::array<int, 4> i{};
  std::array<double, 9> d{};

  unsigned list() const { return static_cast<unsigned>(i[0]); }
  bool operator==(const Command&) const = default;
};

struct Vec3 {
  double x = 0, y = 0, z = 0;
  bool operator==(const Vec3&) const = default;
};

// A batch of primitives kept packed rather than as one command per vertex: 3 floats per
// vertex and one normal (3 floats) for each run of `perNormal` vertices. Replayed as
// glBegin(mode), then for each run its glNormal and its glVertex calls, then glEnd.
struct PackedMesh {
  int mode = 0;
  int perNormal = 1;
  std::vector<float> normals;
  std::vector<float> vertices;

  std::size_t vertexCount() const { return vertices.size() / 3; }
  std::size_t normalCount() const { return normals.size() / 3; }
  Vec3 vertex(std::size_t k) const {
    return {vertices[3 * k], vertices[3 * k + 1], vertices[3 * k + 2]};
  }
  Vec3 normal(std::size_t run) const {
    return {normals[3 * run], normals[3 * run + 1], normals[3 * run + 2]};
  }
  std::size_t bytes() const { return (normals.capacity() + vertices.capacity()) * sizeof(float); }
};

// One begin/end batch read back from a list: its mode and its vertices in order.
struct Primitive {
  int mode = 0;
  std::vector<Vec3> vertices;
  std::size_t at = 0;  // index of the Begin command
};

// Ids by which DrawList commands name the sheet's three GLU quadrics.
inline constexpr int kQuadPoint = 1;
inline constexpr int kQuadCyl = 2;
inline constexpr int kQuadCone = 3;

// The sheet's display lists, as frames and builders name them; the GL executor turns a
// name into the id its context handed out.
enum class Liste {
  axes,
  surface,
  lignesx,
  lignesy,
  lignesz,
  planx,
  plany,
  planz,
  planxy,
  pyramide
};
inline constexpr int kNombreListes = 10;
// The 3D glyph of byte c is the list named kBaseGlyphes + c.
inline constexpr unsigned kBaseGlyphes = 1024;

class DrawList {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // --- recording, one method per GL call ---
  void begin(int mode);
  void end();
  void vertex(double x, double y, double z);
  void vertex(const Vec3& v) { vertex(v.x, v.y, v.z); }
  void normal(double x, double y, double z);
  void color(double r, double g, double b);
  void color(double r, double g, double b, double a);
  void material(int face, int pname, double a, double b = 0, double c = 0, double d = 0);
  void material(int face, int pname, const std::array<double, 4>& v);
  void light(int light, int pname, const std::array<double, 4>& v);
  void enable(int cap);
  void disable(int cap);
  void polygonMode(int face, int mode);
  void lineWidth(double w);
  void pointSize(double s);
  void shadeModel(int mode);
  void blendFunc(int sfactor, int dfactor);
  void depthFunc(int func);
  void depthMask(bool flag);
  void hint(int target, int mode);
  void fogMode(int mode);
  void fog(int pname, double v);
  void fog(int pname, const std::array<double, 4>& v);
  void matrixMode(int mode);
  void pushMatrix();
  void popMatrix();
  void loadIdentity();
  void translate(double x, double y, double z);
  void rotate(double angle, double x, double y, double z);
  void scale(double x, double y, double z);
  void multMatrix(const std::array<double, 16>& m);
  void clipPlane(int plane, const std::array<double, 4>& eq);
  void callList(unsigned list);
  void callList(Liste list) { callList(static_cast<unsigned>(list)); }
  // One list call per byte of text, list base + byte (the 3D glyph lists).
  void glyphs(unsigned base, std::string_view text);
  void quadricNormals(int quadric, int normals);
  void quadricDrawStyle(int quadric, int style);
  void quadricOrientation(int quadric, int orientation);
  void sphere(int quadric, double radius, int slices, int stacks);
  void cylinder(int quadric, double base, double top, double height, int slices, int stacks);
  void disk(int quadric, double inner, double outer, int slices, int loops);
  void partialDisk(int quadric, double inner, double outer, int slices, int loops, double start,
                   double sweep);
  void glutSphere(bool solid, double radius, int slices, int stacks);
  void glutCube(bool solid, double edge);
  void perspective(double fovy, double aspect, double znear, double zfar);
  void lookAt(double ex, double ey, double ez, double cx, double cy, double cz, double ux,
              double uy, double uz);
  void viewport(int x, int y, int w, int h);
  void clearColor(double r, double g, double b, double a);
  void clear(int mask);
  void polygonOffset(double factor, double units);
  void mesh(PackedMesh m);

  // Appends every command of another list (matrices included).
  void append(const DrawList& other);
  void clearAll();
  void reserve(std::size_t n) { commands_.reserve(n); }

  // --- reading back ---
  const std::vector<Command>& commands() const { return commands_; }
  std::size_t size() const { return commands_.size(); }
  bool empty() const { return commands_.empty(); }
  const Command& operator[](std::size_t k) const { return commands_[k]; }
  const std::array<double, 16>& matrix(const Command& multMatrix) const;
  const PackedMesh& mesh(const Command& meshCommand) const;
  const std::vector<PackedMesh>& meshes() const { return meshes_; }

  std::size_t count(Op op) const;
  // Commands of this kind whose first integer argument is arg0 (a capability, a list...).
  std::size_t count(Op op, int arg0) const;
  std::size_t find(Op op, std::size_t from = 0) const;  // npos when absent
  std::size_t find(Op op, int arg0, std::size_t from = 0) const;
  std::size_t findIf(const std::function<bool(const Command&)>& pred, std::size_t from = 0) const;
  std::vector<Command> filter(Op op) const;
  // Index of the call of this list, npos when the list is never called.
  std::size_t findList(unsigned list, std::size_t from = 0) const;
  std::size_t findList(Liste list, std::size_t from = 0) const {
    return findList(static_cast<unsigned>(list), from);
  }
  // Begin/end batches and packed meshes alike.
  std::vector<Primitive> primitives() const;

 private:
  Command& push(Op op);

  std::vector<Command> commands_;
  std::vector<std::array<double, 16>> matrices_;
  std::vector<PackedMesh> meshes_;
};

}  // namespace quadrel
